#pragma once
// The sprite window's Save and Save As. Save writes the document's own SFF
// with the build options as they stand, and says what it wrote in the status
// bar; Save As first asks where to write and with which options. Either has
// the sprite document build the archive while the windows stay usable, with
// the build's progress and Cancel in the status bar; a failure is a message.
// One build at a time.

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

    // Starts the build of the document's own SFF, without a question; a
    // document with no file yet goes to saveAs().
    void save();
    // Asks for the SFF file and the build options and starts the build.
    // Cancelling either dialog starts nothing; an empty table is refused
    // with a message.
    void saveAs();

signals:
    void started();
    // A build this window started ended: ok, and the message shown.
    void finished(bool ok, const QString& message);

private:
    // The refusals both saves share: a build running, no sprites. True when it may go on.
    bool canSave();
    void start(const QString& target, bool quiet);
    void buildStarted();
    void buildFinished(bool ok, const QString& message);

    App& app_;
    QWidget* owner_;
    QPointer<SpriteDocument> document_;
    bool ours_ = false;  // the running build was started here
    bool quiet_ = false; // and its success goes to the status bar, not a message
    std::unique_ptr<ProgressScope> progress_;
};

} // namespace vantrel
