#pragma once
// The recovery copies of modified documents: one small JSON file per
// document in the running copy's own folder (shell/workspace_folders.h).
// They are written a few seconds after a document's last change and removed
// when it is saved, read again or its changes are dropped, so the copies in a
// folder a crash left are the work it would have lost.

#include "documents/document.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vantrel {

struct RecoveryCopy {
    QString character; // the .def open when the copy was made; empty when none was
    QString file;      // the document's file; empty for text that never had one
    DocumentKind kind = DocumentKind::Text;
    QByteArray bytes; // Document::recoveryBytes()
};

struct StoredCopy {
    QString path; // the copy's own file
    RecoveryCopy copy;
};

class RecoveryCopies {
public:
    // An empty folder keeps no copies at all.
    explicit RecoveryCopies(QString folder = {}) : folder_(std::move(folder)) { }

    const QString& folder() const { return folder_; }
    bool enabled() const { return !folder_.isEmpty(); }

    // Writes the copy under `name` (one per document), replacing its last one.
    bool write(const QString& name, const RecoveryCopy& copy) const;
    void remove(const QString& name) const;
    // Every copy in the folder, in the order of their file names; files that
    // are not copies are left out (and left alone).
    QList<StoredCopy> readAll() const;

private:
    QString pathOf(const QString& name) const;

    QString folder_;
};

} // namespace vantrel
