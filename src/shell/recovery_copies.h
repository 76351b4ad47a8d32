#pragma once
// The recovery copies of unsaved text: one small JSON file per window in the
// running copy's own folder (workspace_folders.h). They are written while the
// program runs and removed when the text is saved or its window closes, so
// the copies in a folder a crash left are the text it would have lost.

#include "shell/window_hooks.h"

#include <QList>
#include <QString>

namespace vantrel {

struct StoredCopy {
    QString path; // the copy's file
    RecoveryText copy;
};

class RecoveryCopies {
public:
    // An empty folder keeps no copies at all.
    explicit RecoveryCopies(QString folder = {}) : folder_(std::move(folder)) { }

    const QString& folder() const { return folder_; }
    bool enabled() const { return !folder_.isEmpty(); }

    // Writes the copy of a window's text, replacing its last one.
    bool write(const RecoveryText& copy) const;
    // Removes the window's own copy.
    void remove(const QString& window) const;
    // Every copy in the folder, in the order of their file names; files that
    // are not copies are left out (and left alone).
    QList<StoredCopy> readAll() const;

private:
    QString pathOf(const QString& window) const;

    QString folder_;
};

} // namespace vantrel
