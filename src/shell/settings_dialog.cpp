#include "settings_dialog.h"
#include "ui/app.h"

#include "documents/document_manager.h"
#include "shell/configuration.h"
#include "shell/engine_settings_box.h"
#include "ui/translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

// "Default zoom: 0.125x" ... "Default zoom: 8x".
QString zoomText(int position)
{
    return QCoreApplication::translate("SettingsDialog", "Default zoom: %1x")
        .arg(QString::fromStdString(singleText(zoomForPosition(position))));
}

} // namespace

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
    setWindowTitle(tr("Configuration"));

    settingsGroup = new QGroupBox(tr("Program configuration"), this);
    settingsGroup->setObjectName(QStringLiteral("settingsGroup"));
    sampleCaption = new QLabel(tr("Default text editing settings:"), settingsGroup);
    sampleCaption->setObjectName(QStringLiteral("sampleCaption"));
    sampleText = new QPlainTextEdit(QString::fromLatin1(kSample), settingsGroup);
    sampleText->setObjectName(QStringLiteral("sampleText"));
    sampleText->setMinimumSize(300, 110);
    fontButton = new QPushButton(tr("Set font"), settingsGroup);
    fontButton->setObjectName(QStringLiteral("fontButton"));
    textColourButton = new QPushButton(tr("Fore colour"), settingsGroup);
    textColourButton->setObjectName(QStringLiteral("textColourButton"));
    backColourButton = new QPushButton(tr("Back colour"), settingsGroup);
    backColourButton->setObjectName(QStringLiteral("backColourButton"));

    defaultZoomSlider = new QSlider(Qt::Horizontal, settingsGroup);
    defaultZoomSlider->setObjectName(QStringLiteral("defaultZoomSlider"));
    defaultZoomSlider->setRange(1, kZoomPositionCount);
    defaultZoomSlider->setPageStep(1);
    defaultZoomSlider->setTickPosition(QSlider::TicksBelow);
    defaultZoomSlider->setTickInterval(1);
    defaultZoomSlider->setValue(kDefaultZoomPosition);
    defaultZoomLabel = new QLabel(zoomText(kDefaultZoomPosition), settingsGroup);
    defaultZoomLabel->setObjectName(QStringLiteral("defaultZoomLabel"));
    showTipsBox = new QCheckBox(tr("Show Tip of the Day"), settingsGroup);
    showTipsBox->setObjectName(QStringLiteral("showTipsBox"));
    languageCaption = new QLabel(tr("Language (from the next start):"), settingsGroup);
    languageBox = new QComboBox(settingsGroup);
    languageBox->setObjectName(QStringLiteral("languageBox"));
    for (const Language& language : languages())
        languageBox->addItem(language.code.isEmpty() ? tr("System language") : language.name, language.code);
    languageCaption->setBuddy(languageBox);

    engineGroup = new EngineSettingsBox(
        app_.dialogs, app_.documents ? app_.documents->character().characterDir : std::string(), this);

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* chooserButtons = new QVBoxLayout;
    chooserButtons->addWidget(fontButton);
    chooserButtons->addWidget(textColourButton);
    chooserButtons->addWidget(backColourButton);
    chooserButtons->addStretch(1);

    auto* frameLayout = new QGridLayout(settingsGroup);
    frameLayout->addWidget(sampleCaption, 0, 0, 1, 2);
    frameLayout->addWidget(sampleText, 1, 0);
    frameLayout->addLayout(chooserButtons, 1, 1);
    frameLayout->addWidget(defaultZoomLabel, 2, 0, 1, 2);
    frameLayout->addWidget(defaultZoomSlider, 3, 0, 1, 2);
    frameLayout->addWidget(showTipsBox, 4, 0, 1, 2);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageCaption);
    languageRow->addWidget(languageBox, 1);
    frameLayout->addLayout(languageRow, 5, 0, 1, 2);

    auto* okCancel = new QHBoxLayout;
    okCancel->addStretch(1);
    okCancel->addWidget(okButton);
    okCancel->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingsGroup);
    layout->addWidget(engineGroup);
    layout->addLayout(okCancel);

    connect(defaultZoomSlider, &QSlider::valueChanged, this, &SettingsDialog::showDefaultZoom);
    connect(okButton, &QPushButton::clicked, this, &SettingsDialog::saveSettings);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(fontButton, &QPushButton::clicked, this, &SettingsDialog::chooseFont);
    connect(textColourButton, &QPushButton::clicked, this, &SettingsDialog::chooseTextColour);
    connect(backColourButton, &QPushButton::clicked, this, &SettingsDialog::chooseBackColour);

    // Load: the slider from defaultZoom (its label follows), the sample from
    // the in-memory defaults, the check box from showTips.
    const ProgramSettings& s = app_.settings;
    defaultZoomSlider->setValue(positionForZoom(s.defaultZoom));
    showDefaultZoom();

    QFont font(QString::fromStdString(s.defaultFontName));
    // A size that no font can take (0 or below) shows at the default size.
    font.setPointSizeF(s.defaultFontSize > 0 ? s.defaultFontSize : ProgramSettings{}.defaultFontSize);
    font.setBold(s.defaultFontBold);
    font.setItalic(s.defaultFontItalic);
    sampleText->setFont(font);
    setSampleColours(colourFromSetting(s.defaultTextColour), colourFromSetting(s.defaultBackColour));

    showTipsBox->setChecked(s.showTips);
    languageBox->setCurrentIndex(std::max(0, languageBox->findData(chosenLanguage(app_.store))));
    engineGroup->load(app_.store);
}

QColor SettingsDialog::textColour() const
{
    return sampleText->palette().color(QPalette::Text);
}

QColor SettingsDialog::backColour() const
{
    return sampleText->palette().color(QPalette::Base);
}

void SettingsDialog::setSampleColours(const QColor& text, const QColor& back)
{
    QPalette pal = sampleText->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, back);
    sampleText->setPalette(pal);
}

void SettingsDialog::showDefaultZoom()
{
    defaultZoomLabel->setText(zoomText(defaultZoomSlider->value()));
}

void SettingsDialog::chooseFont()
{
    const QFont current = sampleText->font();
    const auto chosen = app_.dialogs.chooseFont(this, current);
    if (!chosen)
        return; // cancelled: the sample keeps its font
    QFont font(chosen->family());
    font.setPointSizeF(chosen->pointSizeF() > 0 ? chosen->pointSizeF() : current.pointSizeF());
    font.setBold(chosen->bold());
    font.setItalic(chosen->italic());
    sampleText->setFont(font);
}

void SettingsDialog::chooseTextColour()
{
    if (const auto colour = app_.dialogs.chooseColour(this, textColour()); colour && colour->isValid())
        setSampleColours(*colour, backColour());
}

void SettingsDialog::chooseBackColour()
{
    if (const auto colour = app_.dialogs.chooseColour(this, backColour()); colour && colour->isValid())
        setSampleColours(textColour(), *colour);
}

void SettingsDialog::saveSettings()
{
    const QFont font = sampleText->font();
    ConfigChoice choice;
    choice.fontName = sstr(font.family());
    choice.fontSize = font.pointSizeF();
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.textColour = settingFromColour(textColour());
    choice.backColour = settingFromColour(backColour());
    choice.zoomPosition = defaultZoomSlider->value();
    choice.showTips = showTipsBox->isChecked();
    saveConfiguration(app_.store, app_.settings, choice);
    engineGroup->save(app_.store);
    setChosenLanguage(app_.store, languageBox->currentData().toString());
    app_.zoomFactor = app_.settings.defaultZoom;
    accept();
}

} // namespace vantrel
