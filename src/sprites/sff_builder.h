#pragma once
// Builds the SFF from the sprite workspace: asks where to write it and with
// which options, writes the index the tool reads, and runs sprmaker through
// the spawn script while the windows stay usable. One build at a time.

#include "shell/app.h"

#include <QObject>
#include <QString>

#include <memory>

class QProcess;
class QWidget;

namespace vantrel {

class ProgressScope;

class SffBuilder : public QObject {
    Q_OBJECT
public:
    // Dialogs and messages are shown over `owner`.
    SffBuilder(App& app, QWidget* owner);
    // Waits for a running tool: it reads the workspace, which may go next.
    ~SffBuilder() override;

    // True while sprmaker runs.
    bool running() const { return process_ != nullptr; }

    // Asks for the SFF file, writes the index, asks for the build options and
    // starts the tool. Cancelling either dialog starts nothing; an empty
    // table is refused with a message.
    void save();

    // Lets window events run until a running build has ended. The result of
    // the last build: true when it wrote the SFF.
    bool wait();

    // Stops a running build; the SFF file stays as it was (the tool writes
    // it whole or not at all) and the changes count as unsaved again.
    void cancel();

signals:
    void started();
    // A build ended: ok, and the message shown.
    void finished(bool ok, const QString& message);

private:
    void start(const QString& sffPath);
    void finish(int exitCode, bool crashed, bool failedToStart);
    void setStatus(const QString& text);

    App& app_;
    QWidget* owner_;
    QProcess* process_ = nullptr;
    QString target_;
    int records_ = 0;
    bool lastOk_ = false;
    bool wasModified_ = false;
    bool cancelled_ = false;
    std::unique_ptr<ProgressScope> progress_; // while the tool runs
};

} // namespace vantrel
