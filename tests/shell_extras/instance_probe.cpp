// Stands in for a second copy of Vantrel: takes the single-copy lock in the
// given folder. "try" exits 0 when it got the lock and 3 when refused;
// "hold" takes it, prints "held" and waits to be killed.

#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    if (argc != 3)
        return 2;
    vantrel::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    const bool acquired = guard.tryAcquire() && guard.held();
    if (std::strcmp(argv[2], "hold") != 0)
        return acquired ? 0 : 3;
    if (!acquired)
        return 3;
    std::printf("held\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
