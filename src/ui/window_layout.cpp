#include "ui/window_layout.h"

#include "common/qt_text.h"

#include <QEvent>
#include <QMdiSubWindow>

#include <algorithm>

namespace vantrel {

namespace {

constexpr QSize kMainWindowSize(1100, 760);

std::string frameKey(const QString& name)
{
    return sstr(name) + "Frame";
}

class FrameKeeper final : public QObject {
public:
    FrameKeeper(QMdiSubWindow* frame, SettingsStore& store, QString name)
            : QObject(frame), frame_(frame), store_(store), name_(std::move(name))
    {
        frame->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == frame_ && event->type() == QEvent::Close && !frame_->isMinimized() && !frame_->isMaximized())
            storeFrame(store_, name_, frame_->geometry());
        return false;
    }

private:
    QMdiSubWindow* frame_;
    SettingsStore& store_;
    QString name_;
};

} // namespace

void keepFrameOnClose(QMdiSubWindow* frame, SettingsStore& store, const QString& name)
{
    new FrameKeeper(frame, store, name);
}

QSize fittedSize(QSize wanted, QSize available, double share)
{
    const int width = std::max(1, static_cast<int>(available.width() * share));
    const int height = std::max(1, static_cast<int>(available.height() * share));
    return {std::clamp(wanted.width(), 1, width), std::clamp(wanted.height(), 1, height)};
}

QRect initialMainGeometry(const QRect& available)
{
    QRect frame(QPoint(), fittedSize(kMainWindowSize, available.size()));
    frame.moveCenter(available.center());
    return frame;
}

std::optional<QRect> storedFrame(const SettingsStore& store, const QString& name, const QRect& area)
{
    const auto text = store.read(kWindowSettings, frameKey(name));
    if (!text)
        return std::nullopt;
    const QStringList parts = qstr(*text).split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    QRect frame(values[0], values[1], values[2], values[3]);
    if (area.isEmpty())
        return frame;
    // A frame kept on a larger screen or at a smaller scale comes back within reach.
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

void storeFrame(SettingsStore& store, const QString& name, const QRect& frame)
{
    const QString text =
        QStringLiteral("%1,%2,%3,%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
    store.write(kWindowSettings, frameKey(name), sstr(text));
}

QByteArray storedMainGeometry(const SettingsStore& store)
{
    const auto text = store.read(kWindowSettings, "MainWindow");
    return text ? QByteArray::fromBase64(QByteArray::fromStdString(*text)) : QByteArray();
}

void storeMainGeometry(SettingsStore& store, const QByteArray& geometry)
{
    store.write(kWindowSettings, "MainWindow", geometry.toBase64().toStdString());
}

QStringList storedOpenWindows(const SettingsStore& store)
{
    const auto text = store.read(kWindowSettings, "Open");
    return text ? qstr(*text).split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
}

void storeOpenWindows(SettingsStore& store, const QStringList& names)
{
    store.write(kWindowSettings, "Open", sstr(names.join(QLatin1Char(' '))));
}

} // namespace vantrel
