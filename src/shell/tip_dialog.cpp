#include "tip_dialog.h"
#include "ui/app.h"

#include "common/encoding.h"
#include "shell/tips.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace vantrel {

TipDialog::TipDialog(App& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(tr("Tip of the Day"));
    resize(460, 250);

    headingLabel = new QLabel(tr("Tip of the day"), this);
    headingLabel->setObjectName(QStringLiteral("headingLabel"));
    QFont heading = headingLabel->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    headingLabel->setFont(heading);

    tipLabel = new QLabel(this);
    tipLabel->setObjectName(QStringLiteral("tipLabel"));
    tipLabel->setWordWrap(true);
    tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tipLabel->setTextFormat(Qt::PlainText);
    tipLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    tipLabel->setMargin(8);
    tipLabel->setMinimumHeight(110);
    tipLabel->setAutoFillBackground(true);
    // A note's colours in the desktop's scheme.
    tipLabel->setBackgroundRole(QPalette::ToolTipBase);
    tipLabel->setForegroundRole(QPalette::ToolTipText);

    showTipsBox = new QCheckBox(tr("Tips at startup"), this);
    showTipsBox->setObjectName(QStringLiteral("showTipsBox"));
    nextButton = new QPushButton(tr("Next >>"), this);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    previousButton = new QPushButton(tr("<< Prev"), this);
    previousButton->setObjectName(QStringLiteral("previousButton"));
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(nextButton, &QPushButton::clicked, this, &TipDialog::showNextTip);
    connect(previousButton, &QPushButton::clicked, this, &TipDialog::showPreviousTip);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showTipsBox);
    buttons->addStretch(1);
    buttons->addWidget(previousButton);
    buttons->addWidget(nextButton);
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addWidget(tipLabel, 1);
    layout->addLayout(buttons);

    showTipsBox->setChecked(app_.settings.showTips);
    showCurrentTip();
}

void TipDialog::showCurrentTip()
{
    const Tip tip = vantrel::loadTip(sstr(app_.dataFile(QStringLiteral("tips.txt"))), app_.settings.currentTip);
    app_.settings.currentTip = tip.number;
    tipLabel->setText(fromUtf16(utf16FromUtf8(tip.text)));
}

void TipDialog::showNextTip()
{
    auto& current = app_.settings.currentTip;
    if (current < std::numeric_limits<std::int16_t>::max())
        ++current;
    showCurrentTip();
}

void TipDialog::showPreviousTip()
{
    auto& current = app_.settings.currentTip;
    if (current > std::numeric_limits<std::int16_t>::min())
        --current;
    showCurrentTip();
}

void TipDialog::done(int result)
{
    if (!closed_) {
        closed_ = true;
        app_.settings.currentTip = tipAfterClosing(app_.settings.currentTip);
        // The in-memory showTips stays as it is until the next start.
        app_.store.write(kProgramSettings, "ShowTips", boolText(showTipsBox->isChecked()));
        app_.store.write(kProgramSettings, "CurrentTip", std::to_string(app_.settings.currentTip));
    }
    QDialog::done(result);
}

} // namespace vantrel
