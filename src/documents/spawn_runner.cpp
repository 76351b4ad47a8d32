#include "documents/spawn_runner.h"

#include <QEventLoop>
#include <QProcess>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace vantrel {

namespace {

const QString kShell = QStringLiteral("/bin/sh");
const QString kScript = QStringLiteral("spawn.sh");

} // namespace

void runInOwnProcessGroup(QProcess& process)
{
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

void killProcessGroup(QProcess& process)
{
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process.kill();
}

QString lastLine(const QByteArray& output)
{
    const QList<QByteArray> lines = output.split('\n');
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QByteArray line = it->trimmed();
        if (!line.isEmpty())
            return QString::fromLocal8Bit(line);
    }
    return {};
}

SpawnResult runSpawnScriptAndWait(const QString& workDir, SpawnStop* stop)
{
    SpawnResult result;
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    bool cancelled = false;
    runInOwnProcessGroup(process);
    process.start(kShell, {kScript});
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart) {
        if (stop) {
            stop->stop = [&process, &cancelled] {
                cancelled = true;
                killProcessGroup(process);
            };
        }
        loop.exec();
        if (stop)
            stop->stop = {};
    }
    if (process.error() == QProcess::FailedToStart) {
        result.errorLine = process.errorString();
        return result;
    }
    result.started = true;
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.errorLine = lastLine(process.readAllStandardError());
    result.cancelled = cancelled;
    return result;
}

} // namespace vantrel
