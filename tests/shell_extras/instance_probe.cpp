// Stands in for another copy of Vantrel, on the single-copy lock in the given
// folder:
//   try            exits 0 when it got the lock and 3 when refused;
//   hold           takes it, prints "held" and waits to be killed (a copy that
//                  does not answer);
//   serve          takes it, listens as the running copy does, prints "held",
//                  then "request:<path>" for each later start (path empty for
//                  "come to the front");
//   second [def]   starts as a later copy does: exits 0 when the running copy
//                  took the request, 4 when this copy runs (it took the lock
//                  over), 3 when refused.

#include "shell/single_copy.h"
#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

void say(const QByteArray& line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    if (argc < 3)
        return 2;
    const QString lockDir = QString::fromLocal8Bit(argv[1]);
    const char* mode = argv[2];
    vantrel::SingleInstanceGuard guard(lockDir);

    if (std::strcmp(mode, "second") == 0) {
        const QString def = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
        switch (vantrel::claimSingleCopy(guard, def, 2000)) {
        case vantrel::StartRole::HandedOver: return 0;
        case vantrel::StartRole::Run: return guard.held() ? 4 : 5;
        case vantrel::StartRole::Refused: return 3;
        }
    }

    const bool acquired = guard.tryAcquire() && guard.held();
    if (std::strcmp(mode, "try") == 0)
        return acquired ? 0 : 3;
    if (!acquired)
        return 3;
    if (std::strcmp(mode, "serve") == 0) {
        vantrel::CopyServer server(lockDir);
        if (!server.listen())
            return 6;
        QObject::connect(&server, &vantrel::CopyServer::requested,
                         [](const QString& def) { say("request:" + def.toUtf8()); });
        say("held");
        return QCoreApplication::exec();
    }
    say("held");
    for (;;)
        QThread::sleep(1);
}
