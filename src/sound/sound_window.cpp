#include "sound_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "ui/action_icons.h"
#include "ui/document_views.h"
#include "ui/dropped_files.h"
#include "ui/history_actions.h"
#include "ui/translations.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace vantrel {

namespace msg = sound_messages;

SoundWindow::SoundWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    title_ = new DocumentTitle(this, QStringLiteral("Sondrel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildActions(layout);
    changedBar_ = new ChangedOnDiskBar(app_, this);
    layout->addWidget(changedBar_);
    buildControls(layout);
    setAcceptDrops(true);
    resize(430, 470);
    loadBank();
}

void SoundWindow::buildControls(QVBoxLayout* layout)
{
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 6, 8, 6);
    layout->addLayout(body, 1);

    auto* info = new QGroupBox(tr(" Sample Info "), this);
    auto* grid = new QGridLayout(info);

    sampleScrollBar_ = new QScrollBar(Qt::Horizontal, info);
    sampleScrollBar_->setObjectName(QStringLiteral("sampleScrollBar"));
    // Clicking the bar takes the focus, so a number box is validated before
    // the next sample is shown.
    sampleScrollBar_->setFocusPolicy(Qt::StrongFocus);
    // A number typed but not yet taken (the wheel moves the bar without
    // taking the focus) still belongs to the sample it was typed for.
    connect(sampleScrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        takeTypedNumbers();
        if (value != 0)
            showSample(value);
    });
    grid->addWidget(sampleScrollBar_, 0, 0, 1, 4);

    auto* position = new QHBoxLayout;
    currentLabel_ = new QLabel(QStringLiteral("0"), info);
    currentLabel_->setObjectName(QStringLiteral("currentLabel"));
    totalLabel_ = new QLabel(QStringLiteral("0"), info);
    totalLabel_->setObjectName(QStringLiteral("totalLabel"));
    position->addStretch();
    position->addWidget(currentLabel_);
    position->addWidget(new QLabel(QStringLiteral("/"), info));
    position->addWidget(totalLabel_);
    position->addStretch();
    grid->addLayout(position, 1, 0, 1, 4);

    groupEdit_ = createNumberBox(info, "groupEdit", &SoundWindow::takeGroupNumber);
    sampleEdit_ = createNumberBox(info, "sampleEdit", &SoundWindow::takeSampleNumber);
    grid->addWidget(new QLabel(tr("Group"), info), 2, 0);
    grid->addWidget(groupEdit_, 2, 1);
    grid->addWidget(new QLabel(tr("Sample"), info), 2, 2);
    grid->addWidget(sampleEdit_, 2, 3);

    lengthLabel_ = new QLabel(info);
    lengthLabel_->setObjectName(QStringLiteral("lengthLabel"));
    rateLabel_ = new QLabel(info);
    rateLabel_->setObjectName(QStringLiteral("rateLabel"));
    formatLabel_ = new QLabel(info);
    formatLabel_->setObjectName(QStringLiteral("formatLabel"));
    grid->addWidget(new QLabel(tr("Length:"), info), 3, 0);
    grid->addWidget(lengthLabel_, 3, 1);
    grid->addWidget(rateLabel_, 3, 2, 1, 2);
    grid->addWidget(new QLabel(tr("Format:"), info), 4, 0);
    grid->addWidget(formatLabel_, 4, 1, 1, 3);

    auto* playback = new QHBoxLayout;
    auto mediaButton = [this, info](const char* name, ActionIcon icon, const char* toolTip,
                                    void (SoundWindow::*slot)()) {
        auto* button = new QToolButton(info);
        button->setObjectName(QLatin1String(name));
        button->setIcon(actionIcon(icon));
        button->setToolTip(QString::fromLatin1(toolTip));
        connect(button, &QToolButton::clicked, this, slot);
        return button;
    };
    playButton_ = mediaButton("playButton", ActionIcon::Run, "Play sample (F5)", &SoundWindow::play);
    stopButton_ = mediaButton("stopButton", ActionIcon::Stop, "Stop playing (F6)", &SoundWindow::stop);
    loopBox_ = new QCheckBox(tr("Loop sound"), info);
    loopBox_->setObjectName(QStringLiteral("loopBox"));
    loopBox_->setToolTip(tr("Activate sample looping"));
    connect(loopBox_, &QCheckBox::clicked, this, &SoundWindow::stopUnlessLooping);
    playback->addWidget(playButton_);
    playback->addWidget(stopButton_);
    playback->addSpacing(8);
    playback->addWidget(loopBox_);
    playingLabel_ = new QLabel(info);
    playingLabel_->setObjectName(QStringLiteral("playingLabel"));
    playback->addWidget(playingLabel_);
    playingTimer_ = new QTimer(this);
    playingTimer_->setInterval(100);
    connect(playingTimer_, &QTimer::timeout, this, &SoundWindow::showPlaying);
    playback->addStretch();
    grid->addLayout(playback, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    body->addWidget(info);

    auto* commentFrame = new QGroupBox(tr(" Comment "), this);
    auto* commentLayout = new QVBoxLayout(commentFrame);
    commentEdit_ = new QPlainTextEdit(commentFrame);
    commentEdit_->setObjectName(QStringLiteral("commentEdit"));
    commentEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(commentEdit_, &QPlainTextEdit::textChanged, this, &SoundWindow::takeComment);
    commentLayout->addWidget(commentEdit_);
    body->addWidget(commentFrame, 1);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statusBar"));
    status->setSizeGripEnabled(false);
    statusPath_ = new QLabel(status);
    statusPath_->setObjectName(QStringLiteral("statusPath"));
    statusState_ = new QLabel(status);
    statusState_->setObjectName(QStringLiteral("statusState"));
    status->addWidget(statusPath_, 3);
    status->addWidget(statusState_, 1);
    layout->addWidget(status);
}

void SoundWindow::loadBank()
{
    if (!player_.openOutput()) {
        if (!app_.toldNoSoundOutput) {
            app_.toldNoSoundOutput = true;
            showMessage({msg::kNoSoundCard, {}});
        }
        const QString why = tr("No sound output was found on this system: sounds cannot be played.");
        for (QWidget* w : std::initializer_list<QWidget*>{playButton_, stopButton_, loopBox_})
            w->setToolTip(why);
        for (QAction* a : {playAction_, stopAction_})
            a->setToolTip(why);
    }
    followCharacter(true);
}

bool SoundWindow::followCharacter(bool tell)
{
    const QString path = app_.documents ? qstr(app_.documents->character().soundFile) : QString();
    if (path.isEmpty() || !app_.documents) {
        setDocument(nullptr);
        if (tell)
            showMessage({msg::kNoSoundFile, {}});
        return false;
    }
    const Result<SoundDocument*> opened = app_.documents->open<SoundDocument>(path, makeSoundDocument);
    if (!opened) {
        setDocument(nullptr);
        if (tell)
            showMessage(SoundEditor::openFailureMessage(opened.error(), QFile::encodeName(path).toStdString()));
        return false;
    }
    setDocument(*opened);
    return true;
}

void SoundWindow::setDocument(SoundDocument* document)
{
    if (document_)
        document_->disconnect(this);
    document_ = document;
    showDocumentIn(document, *history_, *title_, *changedBar_);
    if (document) {
        connect(document, &SoundDocument::bankShown, this, &SoundWindow::showStep);
        connect(document, &QObject::destroyed, this, [this] { setDocument(nullptr); });
        if (model().editingEnabled())
            enableEditing();
        else
            disableEditing();
        showBank();
    } else {
        player_.stop();
        disableEditing();
        showComment();
    }
    updateStatus();
}

void SoundWindow::showMessage(const EditorMessage& message)
{
    const QString title = message.title.empty() ? QStringLiteral("Vantrel") : translatedMessage(message.title);
    const Icon icon = message.title == msg::kWarning ? Icon::Warning : Icon::Information;
    app_.dialogs.message(this, translatedOr(message.composed, message.text), title, Buttons::Ok, icon,
                         translated(message.detail));
}

void SoundWindow::updateStatus()
{
    statusPath_->setText(qstr(editor().statusPath()));
    statusState_->setText(translatedMessage(editor().statusState()));
}

void SoundWindow::setEditingControlsEnabled(bool enabled)
{
    for (QAction* a : {deleteSampleAction_, exportSampleAction_, exportAllAction_})
        a->setEnabled(enabled);
    for (QWidget* w : std::initializer_list<QWidget*>{commentEdit_, groupEdit_, sampleEdit_, sampleScrollBar_})
        w->setEnabled(enabled);
    // Without a sound output nothing can be played, whatever the bank.
    const bool playable = enabled && player_.hasOutput();
    for (QAction* a : {playAction_, stopAction_})
        a->setEnabled(playable);
    for (QWidget* w : std::initializer_list<QWidget*>{playButton_, stopButton_, loopBox_})
        w->setEnabled(playable);
    // A bank emptied by deleting its last sample can still be saved and
    // filled again.
    addSamplesAction_->setEnabled(editor().hasBank());
    saveAction_->setEnabled(editor().hasBank());
    saveAsAction_->setEnabled(editor().hasBank());
}

void SoundWindow::enableEditing()
{
    if (document_)
        model().enableEditing();
    setEditingControlsEnabled(true);
}

void SoundWindow::disableEditing()
{
    if (document_)
        model().disableEditing();
    setEditingControlsEnabled(false);
    groupEdit_->setText(QStringLiteral("0"));
    sampleEdit_->setText(QStringLiteral("0"));
    currentLabel_->setText(QStringLiteral("0"));
    totalLabel_->setText(QStringLiteral("0"));
    lengthLabel_->clear();
}

void SoundWindow::showBank()
{
    if (document_)
        model().showBank();
    totalLabel_->setText(qstr(editor().totalText()));
    {
        const QSignalBlocker block(sampleScrollBar_);
        const int count = editor().count();
        sampleScrollBar_->setRange(count > 0 ? 1 : 0, count);
        sampleScrollBar_->setSingleStep(1);
        sampleScrollBar_->setPageStep(5);
        sampleScrollBar_->setValue(editor().current());
    }
    showComment();
    showSample(editor().current());
}

bool SoundWindow::showSound(std::int32_t group, std::int32_t number)
{
    const std::vector<SoundSample>& samples = editor().bank().samples;
    const auto found = std::find_if(samples.begin(), samples.end(), [&](const SoundSample& sample) {
        return sample.groupNumber == group && sample.sampleNumber == number;
    });
    if (found == samples.end())
        return false;
    showSample(static_cast<int>(found - samples.begin()) + 1);
    return true;
}

void SoundWindow::showSample(int i)
{
    if (document_)
        model().showSample(i);
    const SampleTexts texts = editor().sampleTexts(i == 0 ? 0 : editor().current());
    groupEdit_->setText(qstr(texts.group));
    sampleEdit_->setText(qstr(texts.sample));
    lengthLabel_->setText(qstr(texts.length));
    currentLabel_->setText(qstr(texts.current));
    rateLabel_->setText(qstr(texts.frequency));
    formatLabel_->setText(qstr(texts.format));
    if (sampleScrollBar_->value() != editor().current()) {
        const QSignalBlocker block(sampleScrollBar_);
        sampleScrollBar_->setValue(editor().current());
    }
}

void SoundWindow::closeEvent(QCloseEvent* event)
{
    // A number typed and not taken yet is an edit too; the bank keeps its
    // changes and their history in its document.
    if (!takeTypedNumbers()) {
        event->ignore();
        return;
    }
    player_.stop();
    event->accept();
}

void SoundWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (editor().hasBank() && !droppedFiles(event->mimeData(), {".wav"}).isEmpty())
        event->acceptProposedAction();
}

void SoundWindow::dropEvent(QDropEvent* event)
{
    const QStringList sounds = droppedFiles(event->mimeData(), {".wav"});
    if (!editor().hasBank() || sounds.isEmpty())
        return;
    event->acceptProposedAction();
    // Added once the drop is over: the program the files came from is not
    // kept waiting through a message.
    QTimer::singleShot(0, this, [this, sounds] { addSampleFiles(sounds); });
}

} // namespace vantrel
