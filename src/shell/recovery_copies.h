#pragma once
// The recovery copies of unsaved text: one small JSON file per window in a
// folder of the user's cache. They are written while the program runs and
// removed when the text is saved or its window closes, so the copies found
// at start-up are what a crash left behind.

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
    // Renames a copy so that the window's next copy does not replace it;
    // returns its new path.
    QString putAside(const StoredCopy& stored) const;

private:
    QString pathOf(const QString& window) const;

    QString folder_;
};

} // namespace vantrel
