#pragma once
// Quick-run: starts the engine on the open character as a program of its own
// (no shell in between), each run's output kept in a log file of its own in
// the user's cache (the last kKeptLogs runs). An engine that stops with an
// error within a few seconds has the log's last lines shown.

#include "shell/engine.h"
#include "ui/dialogs.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>

class QProcess;

namespace vantrel {

struct App;

class EngineRunner : public QObject {
    Q_OBJECT
public:
    // How long an engine may run before its stopping no longer counts as a
    // failure to start.
    static constexpr int kQuickFailMs = 5000;
    // How many lines of the log the failure message shows.
    static constexpr int kLogLines = 12;
    // How many runs' logs are kept.
    static constexpr int kKeptLogs = 10;
    // How long a stopped engine is given to end before it is killed.
    static constexpr int kStopGraceMs = 3000;

    EngineRunner(Dialogs& dialogs, QWidget* owner);
    // Engines still running go on after the editor closes, as they always did.
    ~EngineRunner() override;

    // Starts the engine with its output going to `logPath` (made anew), or to
    // a new log of the run's own in logFolder() when it is empty. False when
    // the program could not be started; the message has been shown.
    bool start(const EngineLaunch& launch, const QString& logPath = {});

    // Asks every engine started to end, and kills those still running
    // kStopGraceMs later.
    void stop();
    bool running() const;
    // The log of the last run started; empty before the first.
    QString lastLogPath() const { return lastLog_; }

    // <the user's cache folder>/engine-logs
    static QString logFolder();
    // A new file name in logFolder() ("run-<date>-<time>.log"), the oldest
    // logs removed so that with it no more than kKeptLogs are there.
    static QString newLogPath();

signals:
    // An engine started; `name` is its program's ("Ikemen_GO").
    void engineStarted(const QString& name);
    // An engine ended; `reported` when its failure was shown.
    void engineEnded(int exitCode, bool crashed, bool reported);

private:
    void ended(QProcess* process, const QElapsedTimer& clock, const QString& logPath, int exitCode, bool crashed);

    Dialogs& dialogs_;
    QWidget* owner_;
    QString lastLog_;
    QSet<const QProcess*> stopped_; // ended on the user's word: no failure to report
};

// The last `count` non-empty lines of a text file, joined by LF.
QString lastLinesOf(const QString& path, int count);

enum class QuickRunResult { Started, NotStarted, OpenSettings };

// The Run button: the engine for app.files, from the "Engine" settings or
// found in its working folder. When none is found the message says what was
// looked for and where and asks whether to open Settings (OpenSettings on Yes).
QuickRunResult quickRunCharacter(App& app, QWidget* owner);

} // namespace vantrel
