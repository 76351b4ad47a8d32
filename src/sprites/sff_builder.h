#pragma once
// The sprite window's Save: asks where to write the SFF and with which
// options, then has the sprite document build it while the windows stay
// usable, with the build's progress and Cancel in the status bar and its
// outcome in a message. One build at a time.

#include "sprites/sprite_document.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QWidget;

namespace vantrel {

struct App;

class ProgressScope;

class SffBuilder : public QObject {
    Q_OBJECT
public:
    // Dialogs and messages are shown over `owner`.
    SffBuilder(App& app, QWidget* owner);
    ~SffBuilder() override;

    void setDocument(SpriteDocument* document);

    // Asks for the SFF file and the build options and starts the build.
    // Cancelling either dialog starts nothing; an empty table is refused
    // with a message.
    void save();

signals:
    void started();
    // A build this window started ended: ok, and the message shown.
    void finished(bool ok, const QString& message);

private:
    void buildStarted();
    void buildFinished(bool ok, const QString& message);

    App& app_;
    QWidget* owner_;
    QPointer<SpriteDocument> document_;
    bool ours_ = false; // the running build was started here
    std::unique_ptr<ProgressScope> progress_;
};

} // namespace vantrel
