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

// The frame's minimum follows its window's: a window whose fields grow (a
// larger font, a panel shown) never ends up cut off inside its frame.
class MinimumKeeper final : public QObject {
public:
    explicit MinimumKeeper(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::LayoutRequest)
            return false;
        // Found anew each time: while the frame is being destroyed it is no frame any more.
        auto* frame = qobject_cast<QMdiSubWindow*>(static_cast<QWidget*>(watched)->parentWidget());
        if (frame && frame->widget() == watched) {
            const QSize minimum = frame->minimumSizeHint();
            if (minimum != frame->minimumSize())
                frame->setMinimumSize(minimum);
        }
        return false;
    }
};

} // namespace

void keepMinimumSize(QMdiSubWindow* frame)
{
    frame->setMinimumSize(frame->minimumSizeHint());
    if (frame->widget())
        new MinimumKeeper(frame->widget());
}

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

QRect frameWithin(QRect frame, const QRect& area, QSize minimum)
{
    if (area.isEmpty())
        return frame;
    frame.setSize(frame.size().boundedTo(area.size()).expandedTo(minimum));
    frame.moveLeft(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    return frame;
}

std::optional<QRect> storedFrame(const SettingsStore& store, const QString& name, const QRect& area, QSize minimum)
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
    // A frame kept on a larger screen or at a smaller scale comes back within reach.
    return frameWithin(QRect(values[0], values[1], values[2], values[3]), area, minimum);
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

bool storedTabbedView(const SettingsStore& store)
{
    const auto text = store.read(kWindowSettings, "Tabbed");
    return text && parseBool(*text).value_or(false);
}

void storeTabbedView(SettingsStore& store, bool tabbed)
{
    store.write(kWindowSettings, "Tabbed", boolText(tabbed));
}

QList<QRect> arrangedFrames(Arrangement arrangement, qsizetype count, const QRect& area, int step)
{
    QList<QRect> frames;
    const int n = static_cast<int>(count);
    if (n <= 0 || area.isEmpty())
        return frames;
    switch (arrangement) {
    case Arrangement::StackedRows:
        for (int i = 0; i < n; ++i) {
            const int top = area.height() * i / n;
            frames << QRect(area.left(), area.top() + top, area.width(), area.height() * (i + 1) / n - top);
        }
        break;
    case Arrangement::SideBySide:
        for (int i = 0; i < n; ++i) {
            const int left = area.width() * i / n;
            frames << QRect(area.left() + left, area.top(), area.width() * (i + 1) / n - left, area.height());
        }
        break;
    case Arrangement::Tile: {
        int columns = 1;
        while (columns * columns < n)
            ++columns;
        const int rows = (n + columns - 1) / columns;
        for (int row = 0; row < rows; ++row) {
            const int first = row * columns;
            const int inRow = std::min(columns, n - first);
            const int top = area.height() * row / rows;
            const int height = area.height() * (row + 1) / rows - top;
            for (int i = 0; i < inRow; ++i) {
                const int left = area.width() * i / inRow;
                frames << QRect(area.left() + left, area.top() + top, area.width() * (i + 1) / inRow - left, height);
            }
        }
        break;
    }
    case Arrangement::Cascade: {
        // Each window a step below and right of the one before, all as large
        // as the last one can be.
        const int offset = std::max(step, 1);
        const QSize size(std::max(1, area.width() - (n - 1) * offset), std::max(1, area.height() - (n - 1) * offset));
        for (int i = 0; i < n; ++i)
            frames << QRect(area.topLeft() + QPoint(i * offset, i * offset), size);
        break;
    }
    }
    return frames;
}

bool arrangementFits(Arrangement arrangement, const QList<QSize>& minimums, const QRect& area, int step)
{
    const QList<QRect> frames = arrangedFrames(arrangement, minimums.size(), area, step);
    if (frames.size() != minimums.size())
        return false;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        if (frames[i].width() < minimums[i].width() || frames[i].height() < minimums[i].height())
            return false;
    }
    return true;
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
