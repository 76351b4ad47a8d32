#include "anim/air_text_link.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "text/text_document.h"

#include <QDir>

namespace vantrel {

AirTextLink::AirTextLink(App& app, QObject* parent) : QObject(parent), app_(app) { }

TextDocument* AirTextLink::document()
{
    if (document_ || !app_.documents)
        return document_;
    const QString path = qstr(app_.documents->character().animationFile);
    if (path.isEmpty()) {
        refusal_ = tr("The character's .def names no AIR file.");
        return nullptr;
    }
    Result<TextDocument*> opened = app_.documents->open<TextDocument>(
        path, [](const QString& file) { return makeTextDocument(DocumentKind::Animations, file); });
    if (opened) {
        refusal_.clear();
        watch(*opened);
    } else {
        refusal_ = tr("%1: %2").arg(QDir::toNativeSeparators(path), qstr(opened.error()));
    }
    return document_;
}

void AirTextLink::watch(TextDocument* document)
{
    document_ = document;
    connect(document, &Document::changed, this, [this] {
        if (!writing_)
            emit changed();
    });
    connect(document, &TextDocument::lineFocused, this, [this](int line, QObject* source) {
        if (source != this)
            emit lineFocused(line);
    });
    // A document that goes (another character) leaves nothing to read.
    connect(document, &QObject::destroyed, this, &AirTextLink::changed);
}

std::optional<std::string> AirTextLink::text()
{
    if (TextDocument* air = document())
        return air->bytes();
    return std::nullopt;
}

bool AirTextLink::write(const std::string& text, const QString& stepText)
{
    TextDocument* air = document();
    if (!air)
        return false;
    writing_ = true;
    air->replaceBytes(text, stepText);
    writing_ = false;
    return true;
}

void AirTextLink::focusLine(int line)
{
    if (TextDocument* air = document())
        air->focusLine(line, this);
}

} // namespace vantrel
