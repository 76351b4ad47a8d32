#pragma once
// Runs the spawn script (spawn.sh) with /bin/sh in the running copy's own folder.

#include <QString>

namespace vantrel {

struct SpawnResult {
    bool started = false;
    int exitCode = -1;
    bool crashed = false;
    QString errorLine; // the last line the program wrote on standard error
    bool ok() const { return started && !crashed && exitCode == 0; }
};

// Runs the script and waits until it ends, letting window events run
// meanwhile (an event loop, never a busy spin).
SpawnResult runSpawnScriptAndWait(const QString& workDir);

// The last non-empty line of a program's error output.
QString lastLine(const QByteArray& output);

} // namespace vantrel
