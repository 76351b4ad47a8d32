#include "state_file_window.h"

#include "text/editor_text_box.h"
#include "text/help_viewer.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace vantrel {

namespace {

QList<ToolButton> stateToolbar()
{
    QList<ToolButton> buttons = {{"Save", "Saves the current .ST file"}, {"Revert", "Revert to saved state"}};
    for (int n = 1; n <= 6; ++n)
        buttons.append({QStringLiteral("st%1").arg(n), QStringLiteral("Open State file %1 from the .DEF file").arg(n)});
    buttons.append({{"stc", ""}, {"Cut", "Cut"}, {"Copy", "Copy"}, {"Paste", "Paste"}, {"Find", "Find text..."},
                    {"Undo", "Undo"}, {"Help", "Get help on programming States"}});
    return buttons;
}

QString fromUtf16(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

} // namespace

StateFileWindow::StateFileWindow(App& app, QWidget* parent)
    : TextEditorWindow(app, {"States (ST)", "ST file", EditorSlot::St, stateToolbar()}, parent)
{
    auto* clipColumn = new QVBoxLayout;
    clipColumn->setContentsMargins(2, 2, 2, 2);
    lblTextClips_ = new QLabel(QStringLiteral("TextClips"), this);
    lstTextClip_ = new QListWidget(this);
    lstTextClip_->setObjectName(QStringLiteral("lstTextClip"));
    lstTextClip_->setFixedWidth(120);
    lstTextClip_->viewport()->installEventFilter(this);
    clipColumn->addWidget(lblTextClips_);
    clipColumn->addWidget(lstTextClip_, 1);
    body_->insertLayout(0, clipColumn);

    connect(lstTextClip_, &QListWidget::itemDoubleClicked, this, [this] { lstTextClip_DblClick(); });
    connect(txtEdit(), &QPlainTextEdit::cursorPositionChanged, this, [this] { StateIndicator(); });
    connect(txtEdit(), &QPlainTextEdit::selectionChanged, this, [this] { StateIndicator(); });

    // The buttons of the state files the character names; the others stay off.
    for (int slot = 0; slot < 6; ++slot) {
        QAction* button = toolbarAction(QStringLiteral("st%1").arg(slot + 1));
        button->setEnabled(!app_.files.stateFiles[static_cast<std::size_t>(slot)].empty());
    }
    currentStateFile_ = qstr(app_.files.stateFiles[0]);
    Form_Load();
    readClipFile();
}

void StateFileWindow::readClipFile()
{
    clips_ = readTextClipFile(sstr(app_.dataFile(QStringLiteral("stclips.txt"))));
    lstTextClip_->clear();
    for (const auto& name : clips_.listNames)
        lstTextClip_->addItem(fromUtf16(name));
    if (clips_.truncated)
        app_.dialogs.message(this, QStringLiteral("Too many textclips!\nTruncated at 500..."));
}

void StateFileWindow::loadStateFile(const QString& path)
{
    if (Load(path))
        currentStateFile_ = path;
    // A file that could not be read leaves the edited text, and its flag, on screen.
}

void StateFileWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (key.size() == 3 && key.startsWith(QLatin1String("st")) && key[2] >= QLatin1Char('1') && key[2] <= QLatin1Char('6'))
        loadStateFile(qstr(app_.files.stateFiles[static_cast<std::size_t>(key[2].digitValue() - 1)]));
    else if (key == QLatin1String("stc"))
        loadStateFile(qstr(app_.files.commonStatesFile));
    else
        TextEditorWindow::Toolbar1_ButtonClick(key);
}

void StateFileWindow::txtEdit_Change()
{
    TextEditorWindow::txtEdit_Change();
    StateIndicator();
}

void StateFileWindow::StateIndicator()
{
    EditorTextBox* box = txtEdit();
    const long start = box->selStart();
    if (start == 0 || loading_)
        return;
    const auto state = stateAtSelection(box->text(), start, box->selLength());
    if (!state)
        return;
    currentState_ = *state;
    setWindowTitle(fromUtf16(stateCaption(currentState_, currentStateFile_.toStdU16String())));
}

void StateFileWindow::lstTextClip_DblClick()
{
    const TextClip* clip = clips_.clipAt(lstTextClip_->currentRow());
    if (!clip)
        return;
    if (insertTextClip(*txtEdit(), *clip, currentState_)) {
        StateIndicator();
        txtEdit()->setFocus();
    }
}

void StateFileWindow::lstTextClip_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    const TextClip* clip = clips_.clipAt(lstTextClip_->currentRow());
    if (!clip)
        return;
    if (!help_)
        help_ = new HelpViewer(this);
    help_->showTopic(app_.dataFile(QString::fromLatin1(kHelpFileName)), clip->helpNumber);
    help_->show();
    help_->raise();
}

bool StateFileWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstTextClip_->viewport() && event->type() == QEvent::MouseButtonRelease)
        lstTextClip_MouseUp(static_cast<QMouseEvent*>(event)->button());
    return TextEditorWindow::eventFilter(watched, event);
}

} // namespace vantrel
