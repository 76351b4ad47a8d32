#include "single_copy.h"

#include "shell/main_window.h"
#include "shell/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace vantrel {

namespace {

// One request a line: "open <percent-encoded path>" or "show"; the answer is "ok".
const QByteArray kOpen = "open ";
const QByteArray kShow = "show";
const QByteArray kOk = "ok\n";

// How often a request waits for the main window to be up and idle.
constexpr int kRetryMs = 200;

void bringToFront(MainWindow& main)
{
    main.setWindowState((main.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    main.raise();
    main.activateWindow();
}

void deliver(const QPointer<MainWindow>& main, const QString& defPath)
{
    if (!main)
        return;
    if (!main->isVisible() || main->loading()) {
        QTimer::singleShot(kRetryMs, main, [main, defPath] { deliver(main, defPath); });
        return;
    }
    bringToFront(*main);
    if (!defPath.isEmpty())
        main->openCharacter(defPath); // asks about unsaved changes first
}

} // namespace

CopyServer::CopyServer(const QString& lockDir, QObject* parent)
        : QObject(parent), path_(socketPath(lockDir)), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
            readRequest(socket);
        }
    });
}

QString CopyServer::socketPath(const QString& lockDir)
{
    return QDir(lockDir).filePath(QStringLiteral("vantrel.socket"));
}

bool CopyServer::listen()
{
    if (server_->isListening())
        return true;
    QLocalServer::removeServer(path_);
    return server_->listen(path_);
}

bool CopyServer::listening() const
{
    return server_->isListening();
}

void CopyServer::readRequest(QLocalSocket* socket)
{
    if (!socket->canReadLine())
        return;
    const QByteArray line = socket->readLine().trimmed();
    QString defPath;
    if (line.startsWith(kOpen))
        defPath = QFile::decodeName(QByteArray::fromPercentEncoding(line.mid(kOpen.size())));
    else if (line != kShow) {
        socket->disconnectFromServer();
        return;
    }
    socket->write(kOk);
    socket->flush();
    emit requested(defPath);
}

bool handToRunningCopy(const QString& lockDir, const QString& defPath, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(CopyServer::socketPath(lockDir));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(defPath.isEmpty() ? kShow + '\n' : kOpen + QFile::encodeName(defPath).toPercentEncoding() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    return answer == kOk;
}

StartRole claimSingleCopy(SingleInstanceGuard& guard, const QString& defPath, int timeoutMs)
{
    if (guard.tryAcquire())
        return StartRole::Run;
    if (handToRunningCopy(guard.directory(), defPath, timeoutMs))
        return StartRole::HandedOver;
    return guard.takeOver() ? StartRole::Run : StartRole::Refused;
}

void answerLaterStarts(CopyServer& server, MainWindow& main)
{
    // Queued: opening a character runs an event loop of its own, in which the
    // later start's socket may hang up and be deleted; that must not happen
    // while the socket is still sending its readyRead.
    QObject::connect(
        &server, &CopyServer::requested, &main,
        [main = QPointer<MainWindow>(&main)](const QString& defPath) { deliver(main, defPath); }, Qt::QueuedConnection);
}

} // namespace vantrel
