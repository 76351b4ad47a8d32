#include "ui/appearance.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace vantrel {

bool isDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < palette.color(QPalette::Text).lightness();
}

QColor warningColour(const QPalette& palette)
{
    return isDarkPalette(palette) ? QColor(0xff, 0x8c, 0x6e) : QColor(0xa0, 0x30, 0x00);
}

void showAsWarning(QWidget* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, warningColour(palette));
    label->setPalette(palette);
}

QPalette darkPalette()
{
    const QColor window(0x2d, 0x2d, 0x30);
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor disabledText(0x80, 0x80, 0x80);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, QColor(0x3c, 0x3c, 0x40));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabledText);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xff, 0x60, 0x60));
    p.setColor(QPalette::Light, QColor(0x48, 0x48, 0x4c));
    p.setColor(QPalette::Midlight, QColor(0x3a, 0x3a, 0x3e));
    p.setColor(QPalette::Mid, QColor(0x25, 0x25, 0x28));
    p.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x1a));
    p.setColor(QPalette::Shadow, QColor(0x0c, 0x0c, 0x0c));
    p.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xc0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6c, 0xb0, 0xff));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xff));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

void applyColourScheme(QApplication& application, const QString& scheme)
{
    const QString name = scheme.trimmed().toLower();
    if (name != QLatin1String("dark") && name != QLatin1String("light"))
        return;
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setPalette(name == QLatin1String("dark") ? darkPalette() : application.style()->standardPalette());
}

} // namespace vantrel
