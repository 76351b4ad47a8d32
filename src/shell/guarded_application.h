#pragma once
// The program's QApplication. An exception that escapes an event handler
// (a reader that ran out of memory, a library that threw) would otherwise
// end the program and lose the unsaved edits of every window; here it ends
// only the action that raised it, with a message, and the program goes on.

#include <QApplication>

namespace vantrel {

class Dialogs;

class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    // Where the message goes; until this is set the failure is only logged.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

    bool notify(QObject* receiver, QEvent* event) override;

    // The message for an action that failed with `reason`.
    static QString failureMessage(const QString& reason);

private:
    // Never throws: it runs inside a catch block, perhaps short of memory.
    void reportFailure(const char* reason);

    Dialogs* dialogs_ = nullptr;
    bool reporting_ = false; // a failure while the message is up is only logged
};

} // namespace vantrel
