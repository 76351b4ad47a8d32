#pragma once
// Keeps a second copy of the program from running beside the first: a lock
// file in the user's runtime folder, held for the whole run. The lock of a
// copy that crashed is taken over, since its process no longer exists. (A
// later start hands its file to the running copy: see single_copy.h.)

#include <QLockFile>
#include <QString>

namespace vantrel {

class SingleInstanceGuard {
public:
    // The lock lives in `lockDir`; by default the user's runtime folder.
    explicit SingleInstanceGuard(const QString& lockDir = defaultLockDir());

    // True when this copy may run: it now holds the lock, or the lock cannot
    // be made at all (an unusable runtime folder must not keep the editor
    // from starting). False only while another running copy holds it.
    bool tryAcquire();
    // Takes the lock from a copy that still exists but no longer answers
    // (hung, or stopped); true when this copy now holds it.
    bool takeOver();
    bool held() const { return lock_.isLocked(); }
    QString lockPath() const { return path_; }
    QString directory() const;

    static QString defaultLockDir();

private:
    QString path_;
    QLockFile lock_;
};

} // namespace vantrel
