#include "quick_run.h"
#include "ui/app.h"

#include "documents/document_manager.h"
#include "ui/document_views.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

namespace vantrel {

namespace {

const char* const kNotStarted = QT_TRANSLATE_NOOP("QuickRun", "The engine could not be started.");
QStringList qstrings(const std::vector<std::string>& list)
{
    QStringList out;
    for (const std::string& s : list)
        out << qstr(s);
    return out;
}

} // namespace

EngineRunner::EngineRunner(Dialogs& dialogs, QWidget* owner) : QObject(owner), dialogs_(dialogs), owner_(owner)
{
    setObjectName(QStringLiteral("engineRunner"));
}

EngineRunner::~EngineRunner()
{
    // Deleting a running QProcess kills its program. An engine the user is
    // playing in must not die with the editor, so its QProcess is let go.
    for (QProcess* process : findChildren<QProcess*>()) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->disconnect();
        process->setParent(nullptr);
    }
}

QString EngineRunner::logFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("engine-logs"));
}

QString EngineRunner::newLogPath()
{
    QDir folder(logFolder());
    folder.mkpath(QStringLiteral("."));
    // The names sort as the runs were started.
    const QStringList older = folder.entryList({QStringLiteral("run-*.log")}, QDir::Files, QDir::Name);
    for (qsizetype k = 0; k + kKeptLogs - 1 < older.size(); ++k)
        folder.remove(older[k]);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString name = QStringLiteral("run-%1.log").arg(stamp);
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("run-%1-%2.log").arg(stamp).arg(n, 3, 10, QLatin1Char('0'));
    return folder.filePath(name);
}

bool EngineRunner::running() const
{
    const QList<QProcess*> processes = findChildren<QProcess*>();
    return std::any_of(processes.begin(), processes.end(),
                       [](const QProcess* p) { return p->state() != QProcess::NotRunning; });
}

void EngineRunner::stop()
{
    for (QProcess* process : findChildren<QProcess*>()) {
        if (process->state() == QProcess::NotRunning)
            continue;
        stopped_.insert(process);
        process->terminate();
        QPointer<QProcess> stopping = process;
        QTimer::singleShot(kStopGraceMs, this, [stopping] {
            if (stopping && stopping->state() != QProcess::NotRunning)
                stopping->kill();
        });
    }
}

bool EngineRunner::start(const EngineLaunch& launch, const QString& logPathOrEmpty)
{
    const QString logPath = logPathOrEmpty.isEmpty() ? newLogPath() : logPathOrEmpty;
    lastLog_ = logPath;
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    auto* process = new QProcess(this);
    process->setProgram(qstr(launch.program));
    process->setArguments(qstrings(launch.arguments));
    process->setWorkingDirectory(qstr(launch.workingFolder));
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardOutputFile(logPath, QIODevice::Truncate);
    process->setStandardInputFile(QProcess::nullDevice());

    QElapsedTimer clock;
    clock.start();
    connect(process, &QProcess::finished, this, [=, this](int exitCode, QProcess::ExitStatus status) {
        ended(process, clock, logPath, exitCode, status == QProcess::CrashExit);
    });
    process->start();
    if (!process->waitForStarted(-1)) {
        delete process;
        dialogs_.message(owner_, QCoreApplication::translate("QuickRun", kNotStarted));
        return false;
    }
    emit engineStarted(launch.name.empty() ? QFileInfo(qstr(launch.program)).fileName() : qstr(launch.name));
    return true;
}

void EngineRunner::ended(QProcess* process, const QElapsedTimer& clock, const QString& logPath, int exitCode,
                         bool crashed)
{
    process->deleteLater();
    const bool failed = crashed || exitCode != 0;
    const bool stoppedByUser = stopped_.remove(process);
    const bool report = failed && clock.elapsed() < kQuickFailMs && !stoppedByUser;
    if (report) {
        const QString how = crashed
            ? QCoreApplication::translate("QuickRun", "The engine stopped at once (it crashed).")
            : QCoreApplication::translate("QuickRun", "The engine stopped at once with exit code %1.").arg(exitCode);
        const QString lines = lastLinesOf(logPath, kLogLines);
        dialogs_.message(
            owner_,
            QCoreApplication::translate("QuickRun", "%1\n\nThe last lines of its log (%2):\n\n%3")
                .arg(how, logPath, lines.isEmpty() ? QCoreApplication::translate("QuickRun", "(empty)") : lines),
            QStringLiteral("Vantrel"), Buttons::Ok, Icon::Warning);
    }
    emit engineEnded(exitCode, crashed, report);
}

QString lastLinesOf(const QString& path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            lines << QString::fromLocal8Bit(line.trimmed());
    }
    return lines.mid(std::max<qsizetype>(0, lines.size() - count)).join(QLatin1Char('\n'));
}

QuickRunResult quickRunCharacter(App& app, QWidget* owner)
{
    if (!app.documents || app.documents->character().characterDir.empty())
        return QuickRunResult::NotStarted;
    const CharacterFiles& files = app.documents->character();
    const EngineSettings settings = loadEngineSettings(app.store);
    // The engine reads the files on disk: what the windows hold goes there first, when the user wants.
    const std::vector<Document*> unsaved = app.documents->modifiedDocuments();
    if (!unsaved.empty()) {
        const int choice = settings.saveBeforeRun
            ? 0
            : app.dialogs.choose(owner, QCoreApplication::translate("QuickRun", "Save all changes before running?"),
                                 {QCoreApplication::translate("QuickRun", "Save All"),
                                  QCoreApplication::translate("QuickRun", "Run Without Saving"),
                                  QCoreApplication::translate("QuickRun", "Cancel")});
        if (choice == 0 && !saveDocuments(app, unsaved, owner))
            return QuickRunResult::NotStarted;
        if (choice != 0 && choice != 1)
            return QuickRunResult::NotStarted;
    }
    const EngineChoice choice =
        chooseEngine(settings, files.characterDir, files.defFile, qEnvironmentVariable("PATH").toStdString());
    if (!choice.launch) {
        const Answer answer =
            app.dialogs.message(owner,
                                QCoreApplication::translate("QuickRun", "%1\n\nOpen Settings to choose the engine?")
                                    .arg(qstr(choice.missing)),
                                QStringLiteral("Vantrel"), Buttons::YesNo, Icon::Question);
        return answer == Answer::Yes ? QuickRunResult::OpenSettings : QuickRunResult::NotStarted;
    }
    auto* runner = owner->findChild<EngineRunner*>(QString(), Qt::FindDirectChildrenOnly);
    if (!runner)
        runner = new EngineRunner(app.dialogs, owner);
    return runner->start(*choice.launch) ? QuickRunResult::Started : QuickRunResult::NotStarted;
}

} // namespace vantrel
