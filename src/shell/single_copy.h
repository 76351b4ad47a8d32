#pragma once
// One running copy, many files: a later start hands its .def file (or only
// "come to the front") to the running copy over a local socket beside the
// single-copy lock, and ends. The running copy opens the character through
// the main window's usual open path and comes to the front.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace vantrel {

class MainWindow;
class SingleInstanceGuard;

// The running copy's end: listens on <lockDir>/vantrel.socket.
class CopyServer : public QObject {
    Q_OBJECT
public:
    explicit CopyServer(const QString& lockDir, QObject* parent = nullptr);

    // Only the copy that holds the lock listens; a socket left behind by a
    // copy that crashed is removed first. False when listening failed.
    bool listen();
    bool listening() const;

    static QString socketPath(const QString& lockDir);

signals:
    // A later start asked for this character; empty: only to come to the front.
    void requested(const QString& defPath);

private:
    void readRequest(QLocalSocket* socket);

    QString path_;
    QLocalServer* server_ = nullptr;
};

// A later start: hands `defPath` (empty: only "come to the front") to the
// copy listening in `lockDir`. True once that copy has answered; false when
// nothing listens or no answer came within `timeoutMs`.
bool handToRunningCopy(const QString& lockDir, const QString& defPath, int timeoutMs = 5000);

enum class StartRole {
    Run,        // this copy holds the lock (or took over a silent copy's)
    HandedOver, // the running copy took the request: end with status 0
    Refused,    // another copy runs, did not answer, and its lock could not be taken
};

// The start-up's single-copy step.
StartRole claimSingleCopy(SingleInstanceGuard& guard, const QString& defPath, int timeoutMs = 5000);

// Opens what later starts ask for once the main window is up and not busy
// loading, and brings it to the front.
void answerLaterStarts(CopyServer& server, MainWindow& main);

} // namespace vantrel
