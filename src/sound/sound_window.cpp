#include "sound_window.h"

#include "common/paths.h"
#include "shell/main_window.h"
#include "sound/sound_about_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QStringDecoder>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace vantrel {

namespace msg = sound_messages;

namespace {

const QString kSndFilter = QStringLiteral("SND Mugen files (*.SND)|*.SND|All files (*.*)|*.*");
const QString kWavFilter = QStringLiteral("WAV files (*.WAV)|*.WAV");
const QString kWavOpenFilter = QStringLiteral("WAV files (*.WAV)|*.WAV|All files (*.*)|*.*");

// A box for a group or sample number: typing is limited to digits and
// backspace, focus selects the first five characters, and leaving it hands
// the text to the editor.
class NumberBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> onLeave;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        setSelection(0, 5);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        // Opening a menu is not leaving the box.
        if (event->reason() != Qt::PopupFocusReason && onLeave)
            onLeave();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const QString text = event->text();
        const bool editingKey = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
        if (!text.isEmpty() && !editingKey &&
            (text.size() != 1 || text[0].unicode() > 0x7F || !SoundEditor::acceptsNumberKey(static_cast<char>(text[0].unicode())))) {
            event->accept(); // dropped
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// Comments are bytes on disk; show them as UTF-8 when they are, else one
// byte per character. Lines end with CR LF on disk and LF in the box.
QString decodeComment(const std::string& bytes, bool& latin1)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArray::fromStdString(bytes));
    latin1 = utf8.hasError();
    if (latin1)
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string encodeComment(QString text, bool latin1)
{
    auto encode = [latin1](QString t) {
        t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        bool fits = latin1;
        for (QChar c : t)
            fits = fits && c.unicode() <= 0xFF;
        return fits ? t.toLatin1().toStdString() : t.toUtf8().toStdString();
    };
    std::string bytes = encode(text);
    // Cut whole characters, never half of one.
    while (bytes.size() > kSndCommentSize && !text.isEmpty()) {
        text.chop(1);
        bytes = encode(text);
    }
    return bytes;
}

// The busy pointer for the length of one operation.
class BusyScope {
public:
    explicit BusyScope(Dialogs& dialogs) : dialogs_(dialogs) { dialogs_.setBusy(true); }
    ~BusyScope() { dialogs_.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Dialogs& dialogs_;
};

} // namespace

SoundWindow::SoundWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Sondrel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus(layout);
    buildToolbar(layout);
    buildControls(layout);
    resize(430, 470);
    loadBank();
}

SoundWindow::~SoundWindow()
{
    // The boxes may lose focus while the window is torn down.
    static_cast<NumberBox*>(txtGroup_)->onLeave = nullptr;
    static_cast<NumberBox*>(txtSample_)->onLeave = nullptr;
}

void SoundWindow::buildMenus(QVBoxLayout* layout)
{
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key,
                      void (SoundWindow::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        // Shortcuts belong to this window, not to the whole frame.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    mnuSaveAs_ = add(file, "mnuSaveAs", QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::Key_A),
                     &SoundWindow::mnuSaveAs_Click);
    file->addSeparator();
    mnuExit_ = add(file, "mnuExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), &SoundWindow::mnuExit_Click);

    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    mnuAdd_ = add(edit, "mnuAdd", QStringLiteral("Add sound..."), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
                  &SoundWindow::mnuAdd_Click);
    mnuDelete_ = add(edit, "mnuDelete", QStringLiteral("Delete sound"), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
                     &SoundWindow::mnuDelete_Click);
    edit->addSeparator();
    mnuSaveCurrent_ = add(edit, "mnuSaveCurrent", QStringLiteral("Save current sample..."), {},
                          &SoundWindow::mnuSaveCurrent_Click);
    mnuSaveAll_ = add(edit, "mnuSaveAll", QStringLiteral("Save all samples..."), {}, &SoundWindow::mnuSaveAll_Click);
    edit->addSeparator();
    mnuPlaySnd_ = add(edit, "mnuPlaySnd", QStringLiteral("Play current sample"), QKeySequence(Qt::Key_F5),
                      &SoundWindow::mnuPlaySnd_Click);
    mnuStopSnd_ = add(edit, "mnuStopSnd", QStringLiteral("Stop playing"), QKeySequence(Qt::Key_F6),
                      &SoundWindow::mnuStopSnd_Click);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    mnuAbout_ = add(help, "mnuAbout", QStringLiteral("About"), QKeySequence(Qt::CTRL | Qt::Key_H),
                    &SoundWindow::mnuAbout_Click);
}

void SoundWindow::buildToolbar(QVBoxLayout* layout)
{
    struct Button {
        const char* key; // nullptr: a separator
        const char* toolTip;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {"Save", "Save as...", QStyle::SP_DialogSaveButton},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Add", "Add sample", QStyle::SP_FileDialogNewFolder},
        {"Del", "Delete sample", QStyle::SP_TrashIcon},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"OneSample", "Save current sample...", QStyle::SP_FileIcon},
        {"AllSamples", "Save all samples...", QStyle::SP_DirIcon},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"About", "About this program", QStyle::SP_MessageBoxInformation},
    };
    auto* toolbar = new QToolBar(QStringLiteral("Toolbar1"), this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setIconSize(QSize(20, 20));
    for (const Button& b : buttons) {
        if (!b.key) {
            toolbar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        QAction* action = toolbar->addAction(style()->standardIcon(b.icon), key);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setToolTip(QString::fromLatin1(b.toolTip));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        toolbarActions_.insert(key, action);
    }
    layout->addWidget(toolbar);
}

void SoundWindow::buildControls(QVBoxLayout* layout)
{
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 6, 8, 6);
    layout->addLayout(body, 1);

    auto* info = new QGroupBox(QStringLiteral(" Sample Info "), this);
    auto* grid = new QGridLayout(info);

    hscSample_ = new QScrollBar(Qt::Horizontal, info);
    hscSample_->setObjectName(QStringLiteral("hscSample"));
    // Clicking the bar takes the focus, so a number box is validated before
    // the next sample is shown.
    hscSample_->setFocusPolicy(Qt::StrongFocus);
    connect(hscSample_, &QScrollBar::valueChanged, this, &SoundWindow::hscSample_Change);
    grid->addWidget(hscSample_, 0, 0, 1, 4);

    auto* position = new QHBoxLayout;
    lblCurrSample_ = new QLabel(QStringLiteral("0"), info);
    lblCurrSample_->setObjectName(QStringLiteral("lblCurrSample"));
    lblTotalSample_ = new QLabel(QStringLiteral("0"), info);
    lblTotalSample_->setObjectName(QStringLiteral("lblTotalSample"));
    position->addStretch();
    position->addWidget(lblCurrSample_);
    position->addWidget(new QLabel(QStringLiteral("/"), info));
    position->addWidget(lblTotalSample_);
    position->addStretch();
    grid->addLayout(position, 1, 0, 1, 4);

    auto numberBox = [this, info](const char* name, void (SoundWindow::*validate)()) {
        auto* box = new NumberBox(QStringLiteral("0"), info);
        box->setObjectName(QLatin1String(name));
        box->onLeave = [this, validate] { (this->*validate)(); };
        return box;
    };
    txtGroup_ = numberBox("txtGroup", &SoundWindow::txtGroup_Validate);
    txtSample_ = numberBox("txtSample", &SoundWindow::txtSample_Validate);
    grid->addWidget(new QLabel(QStringLiteral("Group"), info), 2, 0);
    grid->addWidget(txtGroup_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sample"), info), 2, 2);
    grid->addWidget(txtSample_, 2, 3);

    lblLenght_ = new QLabel(info);
    lblLenght_->setObjectName(QStringLiteral("lblLenght"));
    lblFreq_ = new QLabel(info);
    lblFreq_->setObjectName(QStringLiteral("lblFreq"));
    lblRes_ = new QLabel(info);
    lblRes_->setObjectName(QStringLiteral("lblRes"));
    grid->addWidget(new QLabel(QStringLiteral("Length:"), info), 3, 0);
    grid->addWidget(lblLenght_, 3, 1);
    grid->addWidget(lblFreq_, 3, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Format:"), info), 4, 0);
    grid->addWidget(lblRes_, 4, 1, 1, 3);

    auto* play = new QHBoxLayout;
    cmdPlaySnd_ = new QToolButton(info);
    cmdPlaySnd_->setObjectName(QStringLiteral("cmdPlaySnd"));
    cmdPlaySnd_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    cmdPlaySnd_->setToolTip(QStringLiteral("Play sample (F5)"));
    connect(cmdPlaySnd_, &QToolButton::clicked, this, &SoundWindow::mnuPlaySnd_Click);
    cmdStopSnd_ = new QToolButton(info);
    cmdStopSnd_->setObjectName(QStringLiteral("cmdStopSnd"));
    cmdStopSnd_->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    cmdStopSnd_->setToolTip(QStringLiteral("Stop playing (F6)"));
    connect(cmdStopSnd_, &QToolButton::clicked, this, &SoundWindow::mnuStopSnd_Click);
    chkLoop_ = new QCheckBox(QStringLiteral("Loop sound"), info);
    chkLoop_->setObjectName(QStringLiteral("chkLoop"));
    chkLoop_->setToolTip(QStringLiteral("Activate sample looping"));
    connect(chkLoop_, &QCheckBox::clicked, this, &SoundWindow::chkLoop_Click);
    play->addWidget(cmdPlaySnd_);
    play->addWidget(cmdStopSnd_);
    play->addSpacing(8);
    play->addWidget(chkLoop_);
    play->addStretch();
    grid->addLayout(play, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    body->addWidget(info);

    auto* commentFrame = new QGroupBox(QStringLiteral(" Comment "), this);
    auto* commentLayout = new QVBoxLayout(commentFrame);
    txtComment_ = new QPlainTextEdit(commentFrame);
    txtComment_->setObjectName(QStringLiteral("txtComment"));
    txtComment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(txtComment_, &QPlainTextEdit::textChanged, this, &SoundWindow::txtComment_Change);
    commentLayout->addWidget(txtComment_);
    body->addWidget(commentFrame, 1);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("stbStatus"));
    status->setSizeGripEnabled(false);
    statusPath_ = new QLabel(status);
    statusPath_->setObjectName(QStringLiteral("stbStatusPath"));
    statusState_ = new QLabel(status);
    statusState_->setObjectName(QStringLiteral("stbStatusState"));
    status->addWidget(statusPath_, 3);
    status->addWidget(statusState_, 1);
    layout->addWidget(status);
}

QAction* SoundWindow::toolbarAction(const QString& key) const
{
    return toolbarActions_.value(key, nullptr);
}

void SoundWindow::loadBank()
{
    if (!player_.openOutput()) {
        showMessage({msg::kNoSoundCard, {}});
        for (QWidget* w : {static_cast<QWidget*>(cmdPlaySnd_), static_cast<QWidget*>(cmdStopSnd_),
                           static_cast<QWidget*>(chkLoop_)})
            w->hide();
        mnuPlaySnd_->setVisible(false);
        mnuStopSnd_->setVisible(false);
    }
    setWindowTitle(QStringLiteral("Sondrel"));
    const SoundEditor::OpenResult opened = editor_.open(app_.files.soundFile);
    if (opened.loaded) {
        if (editor_.editingEnabled())
            enableEditing();
        else
            disableEditing();
        showBank();
    } else {
        disableEditing();
        showMessage(opened.message);
    }
    updateStatus();
}

void SoundWindow::showMessage(const EditorMessage& message)
{
    const QString title = message.title.empty() ? QStringLiteral("Vantrel") : qstr(message.title);
    const Icon icon = message.title == msg::kWarning ? Icon::Warning : Icon::Information;
    app_.dialogs.message(this, qstr(message.text), title, Buttons::Ok, icon);
}

void SoundWindow::updateStatus()
{
    statusPath_->setText(qstr(editor_.statusPath()));
    statusState_->setText(qstr(editor_.statusState()));
}

void SoundWindow::setEditingControlsEnabled(bool enabled)
{
    for (QAction* a : {mnuDelete_, mnuSaveCurrent_, mnuSaveAll_, mnuPlaySnd_, mnuStopSnd_})
        a->setEnabled(enabled);
    for (const char* key : {"Del", "OneSample", "AllSamples"})
        toolbarActions_.value(QLatin1String(key))->setEnabled(enabled);
    for (QWidget* w : std::initializer_list<QWidget*>{txtComment_, txtGroup_, txtSample_, hscSample_, cmdPlaySnd_,
                                                      cmdStopSnd_, chkLoop_})
        w->setEnabled(enabled);
    // A bank emptied by deleting its last sample can still be saved and
    // filled again.
    mnuAdd_->setEnabled(editor_.hasBank());
    toolbarActions_.value(QStringLiteral("Add"))->setEnabled(editor_.hasBank());
    mnuSaveAs_->setEnabled(editor_.hasBank());
    toolbarActions_.value(QStringLiteral("Save"))->setEnabled(editor_.hasBank());
}

void SoundWindow::enableEditing()
{
    editor_.enableEditing();
    setEditingControlsEnabled(true);
}

void SoundWindow::disableEditing()
{
    editor_.disableEditing();
    setEditingControlsEnabled(false);
    txtGroup_->setText(QStringLiteral("0"));
    txtSample_->setText(QStringLiteral("0"));
    lblCurrSample_->setText(QStringLiteral("0"));
    lblTotalSample_->setText(QStringLiteral("0"));
    lblLenght_->clear();
}

void SoundWindow::showBank()
{
    editor_.showBank();
    lblTotalSample_->setText(qstr(editor_.totalText()));
    {
        const QSignalBlocker block(hscSample_);
        const int count = editor_.count();
        hscSample_->setRange(count > 0 ? 1 : 0, count);
        hscSample_->setSingleStep(1);
        hscSample_->setPageStep(5);
        hscSample_->setValue(editor_.current());
    }
    showingComment_ = true;
    txtComment_->setPlainText(decodeComment(editor_.commentText(), commentLatin1_));
    showingComment_ = false;
    showSample(editor_.current());
}

void SoundWindow::showSample(int i)
{
    editor_.showSample(i);
    const SampleTexts texts = editor_.sampleTexts(i == 0 ? 0 : editor_.current());
    txtGroup_->setText(qstr(texts.group));
    txtSample_->setText(qstr(texts.sample));
    lblLenght_->setText(qstr(texts.length));
    lblCurrSample_->setText(qstr(texts.current));
    lblFreq_->setText(qstr(texts.frequency));
    lblRes_->setText(qstr(texts.format));
    if (hscSample_->value() != editor_.current()) {
        const QSignalBlocker block(hscSample_);
        hscSample_->setValue(editor_.current());
    }
}

void SoundWindow::hscSample_Change(int value)
{
    if (value != 0)
        showSample(value);
}

void SoundWindow::validateNumber(NumberField field, QLineEdit* box)
{
    if (!hscSample_->isEnabled())
        return;
    const SoundEditor::NumberResult result = editor_.validateNumber(field, sstr(box->text()));
    box->setText(qstr(result.boxText));
    updateStatus();
    if (result.refusal)
        showMessage(*result.refusal);
}

void SoundWindow::txtGroup_Validate()
{
    validateNumber(NumberField::Group, txtGroup_);
}

void SoundWindow::txtSample_Validate()
{
    validateNumber(NumberField::Sample, txtSample_);
}

void SoundWindow::txtComment_Change()
{
    if (showingComment_)
        return;
    QString text = txtComment_->toPlainText();
    if (text.size() > static_cast<qsizetype>(kSndCommentSize)) {
        // The box holds at most 488 characters, like the field on disk.
        text.truncate(static_cast<qsizetype>(kSndCommentSize));
        showingComment_ = true;
        txtComment_->setPlainText(text);
        txtComment_->moveCursor(QTextCursor::End);
        showingComment_ = false;
    }
    editor_.setComment(encodeComment(text, commentLatin1_));
    updateStatus();
}

bool SoundWindow::saveBankAs()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Save As");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kSndFilter;
    options.mustExist = false;
    const QString chosen = app_.dialogs.saveFile(this, options);
    if (chosen.isEmpty())
        return false;
    SoundEditor::SaveResult saved;
    {
        BusyScope busy(app_.dialogs);
        saved = editor_.saveBank(sstr(chosen));
    }
    updateStatus();
    if (saved.message)
        showMessage(*saved.message);
    return saved.ok;
}

void SoundWindow::mnuSaveAs_Click()
{
    if (!editor_.hasBank())
        return;
    // A number still being typed belongs to what is saved.
    if (txtGroup_->hasFocus())
        txtGroup_Validate();
    else if (txtSample_->hasFocus())
        txtSample_Validate();
    saveBankAs();
}

void SoundWindow::mnuExit_Click()
{
    if (editor_.modified()) {
        const Answer answer = app_.dialogs.message(this, qstr(msg::kUnsaved), QStringLiteral("Vantrel"),
                                                   Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes && !saveBankAs())
            return;
    }
    // The question is answered; the close-down must not ask it again.
    discardConfirmed_ = true;
    QPointer<SoundWindow> self(this);
    const bool closed = app_.main ? app_.main->close() : close();
    if (!closed && self)
        discardConfirmed_ = false;
}

void SoundWindow::mnuAdd_Click()
{
    if (!editor_.hasBank())
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Add sound");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kWavOpenFilter;
    options.mustExist = true;
    const QStringList chosen = app_.dialogs.openFiles(this, options);
    if (chosen.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(sstr(path));
    const int before = editor_.count();
    std::vector<EditorMessage> messages;
    {
        BusyScope busy(app_.dialogs);
        messages = editor_.addSamples(paths);
    }
    if (editor_.count() != before) {
        enableEditing();
        showBank();
    }
    updateStatus();
    for (const EditorMessage& m : messages)
        showMessage(m);
}

void SoundWindow::mnuDelete_Click()
{
    if (!editor_.editingEnabled())
        return;
    {
        BusyScope busy(app_.dialogs);
        editor_.deleteCurrent();
    }
    if (editor_.count() == 0) {
        disableEditing();
        showBank();
        lblFreq_->clear();
        lblRes_->clear();
    } else {
        showBank();
    }
    updateStatus();
}

void SoundWindow::mnuSaveCurrent_Click()
{
    if (!editor_.editingEnabled())
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Save current sample");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kWavFilter;
    options.fileName = qstr(SoundEditor::proposedSampleName(sstr(txtGroup_->text()), sstr(txtSample_->text())));
    options.mustExist = false;
    const QString chosen = app_.dialogs.saveFile(this, options);
    if (chosen.isEmpty())
        return;
    SoundEditor::SaveResult saved;
    {
        BusyScope busy(app_.dialogs);
        saved = editor_.exportCurrent(sstr(chosen));
    }
    if (saved.message)
        showMessage(*saved.message);
}

void SoundWindow::mnuSaveAll_Click()
{
    if (!editor_.editingEnabled())
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Save all samples");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kWavFilter;
    options.fileName = QStringLiteral("ThisDir");
    options.mustExist = false;
    const QString chosen = app_.dialogs.saveFile(this, options);
    if (chosen.isEmpty())
        return;
    // Only the folder the user ended in counts; the name is not used.
    SoundEditor::SaveResult saved;
    {
        BusyScope busy(app_.dialogs);
        saved = editor_.exportAll(directoryOf(sstr(chosen)));
    }
    if (saved.message)
        showMessage(*saved.message);
}

void SoundWindow::mnuAbout_Click()
{
    if (app_.main) {
        app_.main->openWindow(QStringLiteral("SoundAboutDialog"));
        return;
    }
    SoundAboutDialog about(this);
    about.exec();
}

void SoundWindow::mnuPlaySnd_Click()
{
    if (!editor_.editingEnabled())
        return;
    if (const SoundSample* sample = editor_.currentSample())
        player_.play(sample->wavData, chkLoop_->isChecked());
}

void SoundWindow::mnuStopSnd_Click()
{
    player_.stop();
}

void SoundWindow::chkLoop_Click()
{
    if (!chkLoop_->isChecked())
        player_.stop();
}

void SoundWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Save"))
        mnuSaveAs_Click();
    else if (key == QLatin1String("Add"))
        mnuAdd_Click();
    else if (key == QLatin1String("Del"))
        mnuDelete_Click();
    else if (key == QLatin1String("OneSample"))
        mnuSaveCurrent_Click();
    else if (key == QLatin1String("AllSamples"))
        mnuSaveAll_Click();
    else if (key == QLatin1String("About"))
        mnuAbout_Click();
}

void SoundWindow::closeEvent(QCloseEvent* event)
{
    if (editor_.modified() && !discardConfirmed_) {
        const Answer answer = app_.dialogs.message(this, qstr(msg::kUnsaved), QStringLiteral("Vantrel"),
                                                   Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !saveBankAs())) {
            event->ignore();
            return;
        }
    }
    player_.stop();
    event->accept();
}

} // namespace vantrel
