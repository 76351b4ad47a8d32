#include "settings_dialog.h"

#include "shell/configuration.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vantrel {

namespace {

QColor colourFromSetting(const std::string& text)
{
    const std::uint32_t value = ProgramSettings::colourValue(text);
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

std::uint32_t settingFromColour(const QColor& colour)
{
    return colourNumber(colour.red(), colour.green(), colour.blue());
}

const char* kSample = "; How the text editors will look\n"
                      "[Statedef 200]\n"
                      "type = S\n"
                      "anim = 200\n"
                      "ctrl = 0";

} // namespace

SettingsDialog::SettingsDialog(App& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Configuration"));

    Frame1 = new QGroupBox(QStringLiteral("Program configuration"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label2 = new QLabel(QStringLiteral("Default text editing settings:"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1 = new QPlainTextEdit(QString::fromLatin1(kSample), Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumSize(300, 110);
    Command3 = new QPushButton(QStringLiteral("Set font"), Frame1);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(QStringLiteral("Fore colour"), Frame1);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command5 = new QPushButton(QStringLiteral("Back colour"), Frame1);
    Command5->setObjectName(QStringLiteral("Command5"));

    sdrDefaultZoom = new QSlider(Qt::Horizontal, Frame1);
    sdrDefaultZoom->setObjectName(QStringLiteral("sdrDefaultZoom"));
    sdrDefaultZoom->setRange(1, kZoomPositionCount);
    sdrDefaultZoom->setPageStep(1);
    sdrDefaultZoom->setTickPosition(QSlider::TicksBelow);
    sdrDefaultZoom->setTickInterval(1);
    sdrDefaultZoom->setValue(kDefaultZoomPosition);
    Label1 = new QLabel(QString::fromStdString(zoomLabel(kDefaultZoomPosition)), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Check1 = new QCheckBox(QStringLiteral("Show Tip of the Day"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto* chooserButtons = new QVBoxLayout;
    chooserButtons->addWidget(Command3);
    chooserButtons->addWidget(Command4);
    chooserButtons->addWidget(Command5);
    chooserButtons->addStretch(1);

    auto* frameLayout = new QGridLayout(Frame1);
    frameLayout->addWidget(Label2, 0, 0, 1, 2);
    frameLayout->addWidget(Text1, 1, 0);
    frameLayout->addLayout(chooserButtons, 1, 1);
    frameLayout->addWidget(Label1, 2, 0, 1, 2);
    frameLayout->addWidget(sdrDefaultZoom, 3, 0, 1, 2);
    frameLayout->addWidget(Check1, 4, 0, 1, 2);

    auto* okCancel = new QHBoxLayout;
    okCancel->addStretch(1);
    okCancel->addWidget(Command1);
    okCancel->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(okCancel);

    connect(sdrDefaultZoom, &QSlider::valueChanged, this, &SettingsDialog::sdrDefaultZoom_Change);
    connect(Command1, &QPushButton::clicked, this, &SettingsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SettingsDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &SettingsDialog::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &SettingsDialog::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &SettingsDialog::Command5_Click);

    // Load: the slider from defaultZoom (its label follows), the sample from
    // the in-memory defaults, the check box from showTips.
    const ProgramSettings& s = app_.settings;
    sdrDefaultZoom->setValue(positionForZoom(s.defaultZoom));
    sdrDefaultZoom_Change();

    QFont font(QString::fromStdString(s.defaultFontName));
    // A size that no font can take (0 or below) shows at the default size.
    font.setPointSizeF(s.defaultFontSize > 0 ? s.defaultFontSize : ProgramSettings{}.defaultFontSize);
    font.setBold(s.defaultFontBold);
    font.setItalic(s.defaultFontItalic);
    Text1->setFont(font);
    setSampleColours(colourFromSetting(s.defaultTextColour), colourFromSetting(s.defaultBackColour));

    Check1->setChecked(s.showTips);
}

QColor SettingsDialog::textColour() const
{
    return Text1->palette().color(QPalette::Text);
}

QColor SettingsDialog::backColour() const
{
    return Text1->palette().color(QPalette::Base);
}

void SettingsDialog::setSampleColours(const QColor& text, const QColor& back)
{
    QPalette pal = Text1->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, back);
    Text1->setPalette(pal);
}

void SettingsDialog::sdrDefaultZoom_Change()
{
    Label1->setText(QString::fromStdString(zoomLabel(sdrDefaultZoom->value())));
}

void SettingsDialog::Command3_Click()
{
    const QFont current = Text1->font();
    const auto chosen = app_.dialogs.chooseFont(this, current);
    if (!chosen)
        return; // cancelled: the sample keeps its font
    QFont font(chosen->family());
    font.setPointSizeF(chosen->pointSizeF() > 0 ? chosen->pointSizeF() : current.pointSizeF());
    font.setBold(chosen->bold());
    font.setItalic(chosen->italic());
    Text1->setFont(font);
}

void SettingsDialog::Command4_Click()
{
    if (const auto colour = app_.dialogs.chooseColour(this, textColour()); colour && colour->isValid())
        setSampleColours(*colour, backColour());
}

void SettingsDialog::Command5_Click()
{
    if (const auto colour = app_.dialogs.chooseColour(this, backColour()); colour && colour->isValid())
        setSampleColours(textColour(), *colour);
}

void SettingsDialog::Command1_Click()
{
    const QFont font = Text1->font();
    ConfigChoice choice;
    choice.fontName = sstr(font.family());
    choice.fontSize = font.pointSizeF();
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.textColour = settingFromColour(textColour());
    choice.backColour = settingFromColour(backColour());
    choice.zoomPosition = sdrDefaultZoom->value();
    choice.showTips = Check1->isChecked();
    saveConfiguration(app_.store, app_.settings, choice);
    app_.zoomFactor = app_.settings.defaultZoom;
    accept();
}

void SettingsDialog::Command2_Click()
{
    reject();
}

} // namespace vantrel
