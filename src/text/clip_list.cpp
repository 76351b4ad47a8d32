#include "clip_list.h"
#include "ui/app.h"

#include "common/qt_text.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace vantrel {

ClipList::ClipList(App& app, const QString& fileName, QWidget* parent)
        : QWidget(parent), app_(app), list_(new QListWidget(this))
{
    // As wide as its list: the text beside it takes the rest.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(new QLabel(tr("TextClips"), this));
    list_->setObjectName(QStringLiteral("clipList"));
    list_->setFixedWidth(120);
    list_->viewport()->installEventFilter(this);
    column->addWidget(list_, 1);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ClipList::insertRequested);

    clips_ = readTextClipFile(sstr(app_.dataFile(fileName)));
    for (const auto& name : clips_.listNames)
        list_->addItem(fromUtf16(name));
    if (clips_.truncated)
        app_.dialogs.message(parent, tr("Too many textclips!\nTruncated at 500..."));
}

const TextClip* ClipList::chosenClip() const
{
    return clips_.clipAt(list_->currentRow());
}

void ClipList::showChosenHelp()
{
    if (const TextClip* clip = chosenClip())
        help_ = showHelpTopic(app_, clip->helpNumber, parentWidget());
}

bool ClipList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        showChosenHelp();
    return QWidget::eventFilter(watched, event);
}

} // namespace vantrel
