#pragma once
// Runs the spawn script (spawn.sh) with /bin/sh in the running copy's own folder.

#include <QString>

#include <functional>

class QProcess;

namespace vantrel {

struct SpawnResult {
    bool started = false;
    int exitCode = -1;
    bool crashed = false;
    QString errorLine;      // the last line the program wrote on standard error
    bool cancelled = false; // stopped by the user
    bool ok() const { return started && !crashed && exitCode == 0; }
};

// Stops a running script; set by the runner while it waits, empty otherwise.
struct SpawnStop {
    std::function<void()> stop;
};

// Runs the script and waits until it ends, letting window events run
// meanwhile (an event loop, never a busy spin). A `stop` given is filled
// while the script runs: calling it kills the script.
SpawnResult runSpawnScriptAndWait(const QString& workDir, SpawnStop* stop = nullptr);

// The script and the tools it starts form a process group of their own,
// so that stopping it stops them all.
void runInOwnProcessGroup(QProcess& process);
void killProcessGroup(QProcess& process);

// The last non-empty line of a program's error output.
QString lastLine(const QByteArray& output);

} // namespace vantrel
