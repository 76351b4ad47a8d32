#pragma once
// The AIR document the animation windows share with the AIR text window:
// the character's animation file, opened once for the whole program. The
// preview and the collision box editor read its text, box edits go into it
// as steps of its history, and a line one view goes to (the caret in the
// text, the action shown in a window) can be followed by the others.

#include "text/text_document.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

namespace vantrel {

struct App;

class AirTextLink : public QObject {
    Q_OBJECT
public:
    explicit AirTextLink(App& app, QObject* parent = nullptr);

    // The character's AIR document, opened on first use; null when there is
    // none or it cannot be read.
    TextDocument* document();
    // Why there is no document, for the user: which file, and why it could
    // not be opened. Empty while there is one.
    QString refusal() const { return refusal_; }
    // Its text as the file's bytes; nothing without a document.
    std::optional<std::string> text();
    // Makes `text` the document's text as one step of its history named
    // `stepText`. False without a document.
    bool write(const std::string& text, const QString& stepText);
    // Tells the other views of the document that this one went to a line.
    void focusLine(int line);

signals:
    // The text may have changed: typed, undone, read again.
    void changed();
    // Another view went to this line.
    void lineFocused(int line);

private:
    void watch(TextDocument* document);

    App& app_;
    QPointer<TextDocument> document_;
    bool writing_ = false;
    QString refusal_;
};

} // namespace vantrel
