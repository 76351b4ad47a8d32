#include "guarded_application.h"

#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <exception>
#include <new>

namespace vantrel {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) { }

QString GuardedApplication::failureMessage(const QString& reason)
{
    return QCoreApplication::translate("GuardedApplication",
                                       "Vantrel could not finish that: %1. Your other work is unchanged.")
        .arg(reason);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        reportFailure("there is not enough memory");
    } catch (const std::exception& e) {
        reportFailure(e.what());
    } catch (...) {
        reportFailure("an unexpected error");
    }
    return false;
}

void GuardedApplication::reportFailure(const char* reason)
{
    // The message box runs its own event loop; a second failure meanwhile
    // must not stack another box on top of it.
    const bool show = dialogs_ && !reporting_;
    reporting_ = true;
    try {
        const QString message = failureMessage(QString::fromLocal8Bit(reason));
        qWarning("%s", qPrintable(message));
        if (show)
            dialogs_->message(activeWindow(), message, QStringLiteral("Vantrel"), Buttons::Ok, Icon::Critical);
    } catch (...) {
        // Not even the message could be made; the program goes on regardless.
    }
    if (show)
        reporting_ = false;
}

} // namespace vantrel
