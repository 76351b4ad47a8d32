#include "spawn_runner.h"

#include <QEventLoop>
#include <QProcess>

namespace vantrel {

namespace {

const QString kShell = QStringLiteral("/bin/sh");
const QString kScript = QStringLiteral("spawn.sh");

} // namespace

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

SpawnResult runSpawnScriptAndWait(const QString& workDir)
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
    process.start(kShell, {kScript});
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        loop.exec();
    if (process.error() == QProcess::FailedToStart) {
        result.errorLine = process.errorString();
        return result;
    }
    result.started = true;
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.errorLine = lastLine(process.readAllStandardError());
    return result;
}

} // namespace vantrel
