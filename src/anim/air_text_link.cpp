#include "air_text_link.h"

#include "common/text.h"
#include "shell/main_window.h"
#include "text/editor_text_box.h"
#include "text/text_editor_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace vantrel {

namespace {

const QString kAirWindow = QStringLiteral("AnimationTextWindow");

} // namespace

AirTextLink::AirTextLink(App& app, QObject* parent) : QObject(parent), app_(app) { }

TextEditorWindow* AirTextLink::window()
{
    auto* w = app_.main ? qobject_cast<TextEditorWindow*>(app_.main->window(kAirWindow)) : nullptr;
    if (w != watched_)
        watch(w);
    return w;
}

void AirTextLink::watch(TextEditorWindow* w)
{
    if (watched_) {
        disconnect(watched_, nullptr, this, nullptr);
        disconnect(watched_->editor(), nullptr, this, nullptr);
    }
    watched_ = w;
    if (!w)
        return;
    connect(w->editor(), &EditorTextBox::textEdited, this, [this] {
        if (!writing_)
            emit changed();
    });
    // Closed without saving, the text is the file's again.
    connect(w, &QObject::destroyed, this, &AirTextLink::changed);
}

std::optional<std::string> AirTextLink::text()
{
    if (TextEditorWindow* w = window())
        return w->textBytes();
    return readFileBytes(app_.files.animationFile);
}

bool AirTextLink::write(const std::string& text)
{
    TextEditorWindow* w = window();
    if (!w && app_.main) {
        // Opening the window brings it to the front; the editing window stays in front.
        QMdiSubWindow* active = app_.main->mdiArea()->activeSubWindow();
        w = qobject_cast<TextEditorWindow*>(app_.main->openWindow(kAirWindow));
        if (active)
            app_.main->mdiArea()->setActiveSubWindow(active);
        window();
    }
    if (!w)
        return false;
    writing_ = true;
    w->replaceTextBytes(text);
    writing_ = false;
    return true;
}

} // namespace vantrel
