#include "tip_dialog.h"

#include "shell/tips.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

#include <limits>

namespace vantrel {

namespace {

// A tip as written: UTF-8 when it is valid UTF-8, else byte for byte.
QString tipText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError())
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return text;
}

} // namespace

TipDialog::TipDialog(App& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Tip of the Day"));
    resize(460, 250);

    Label1 = new QLabel(QStringLiteral("Tip of the day"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);
    Label1->setFont(heading);

    lblTips = new QLabel(this);
    lblTips->setObjectName(QStringLiteral("lblTips"));
    lblTips->setWordWrap(true);
    lblTips->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTips->setTextFormat(Qt::PlainText);
    lblTips->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblTips->setMargin(8);
    lblTips->setMinimumHeight(110);
    lblTips->setAutoFillBackground(true);
    QPalette pal = lblTips->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    pal.setColor(QPalette::WindowText, Qt::black);
    lblTips->setPalette(pal);

    chkTips = new QCheckBox(QStringLiteral("Tips at startup"), this);
    chkTips->setObjectName(QStringLiteral("chkTips"));
    Command1 = new QPushButton(QStringLiteral("Next >>"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("<< Prev"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("OK"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &TipDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &TipDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &TipDialog::Command3_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkTips);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lblTips, 1);
    layout->addLayout(buttons);

    chkTips->setChecked(app_.settings.showTips);
    loadTip();
}

void TipDialog::loadTip()
{
    const Tip tip = vantrel::loadTip(sstr(app_.dataFile(QStringLiteral("tips.txt"))), app_.settings.currentTip);
    app_.settings.currentTip = tip.number;
    lblTips->setText(tipText(tip.text));
}

void TipDialog::Command1_Click()
{
    auto& current = app_.settings.currentTip;
    if (current < std::numeric_limits<std::int16_t>::max())
        ++current;
    loadTip();
}

void TipDialog::Command2_Click()
{
    auto& current = app_.settings.currentTip;
    if (current > std::numeric_limits<std::int16_t>::min())
        --current;
    loadTip();
}

void TipDialog::Command3_Click()
{
    accept();
}

void TipDialog::done(int result)
{
    if (!closed_) {
        closed_ = true;
        app_.settings.currentTip = tipAfterClosing(app_.settings.currentTip);
        // The in-memory showTips stays as it is until the next start.
        app_.store.write(kProgramSettings, "ShowTips", boolText(chkTips->isChecked()));
        app_.store.write(kProgramSettings, "CurrentTip", std::to_string(app_.settings.currentTip));
    }
    QDialog::done(result);
}

} // namespace vantrel
