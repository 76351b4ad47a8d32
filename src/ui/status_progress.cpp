#include "ui/status_progress.h"

#include "ui/workbench.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace vantrel {

StatusProgress::StatusProgress(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("statusProgress"));
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("progressLabel"));
    bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("progressBar"));
    bar->setMaximumWidth(200);
    bar->setTextVisible(false);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("progressCancelButton"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(bar);
    layout->addWidget(cancelButton);
    connect(cancelButton, &QPushButton::clicked, this, [this] {
        cancelButton->setEnabled(false); // once is enough
        if (cancel_)
            cancel_();
    });
    hide();
}

void StatusProgress::begin(const QString& text, int total, std::function<void()> cancel)
{
    active_ = true;
    cancel_ = std::move(cancel);
    label->setText(text);
    // A range of 0 to 0 is Qt's busy bar: how far the step is cannot be known.
    bar->setRange(0, std::max(0, total));
    bar->setValue(0);
    cancelButton->setVisible(static_cast<bool>(cancel_));
    cancelButton->setEnabled(true);
    show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatusProgress::advance(int done)
{
    if (!active_ || bar->maximum() == 0)
        return;
    bar->setValue(std::clamp(done, 0, bar->maximum()));
    // The steps run in this thread: let the bar be painted between them.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatusProgress::end()
{
    active_ = false;
    cancel_ = {};
    hide();
}

ProgressScope::ProgressScope(Workbench* workbench, const QString& text, int total, std::function<void()> cancel)
        : progress_(workbench ? workbench->progress() : nullptr)
{
    if (progress_)
        progress_->begin(text, total, std::move(cancel));
}

ProgressScope::~ProgressScope()
{
    if (progress_)
        progress_->end();
}

void ProgressScope::advance(int done)
{
    if (progress_)
        progress_->advance(done);
}

} // namespace vantrel
