// The text editor windows' frame: the menus, the toolbar, the status bar's
// encoding box and the text box formatted from the settings. The files are
// read and written in text_editor_window_files.cpp, the commands carried out
// in text_editor_window_commands.cpp.

#include "text_editor_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "text/completion_popup.h"
#include "text/editor_text_box.h"
#include "text/help_viewer.h"
#include "text/hover_help.h"
#include "text/syntax_highlighter.h"
#include "text/text_document.h"
#include "ui/action_icons.h"
#include "ui/appearance.h"
#include "ui/document_views.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace vantrel {

namespace {

// How long after the last keystroke the outline is made again.
constexpr int kOutlineDelayMs = 300;

// The menu entry a toolbar button does the same as, whose keys its tip names.
std::optional<MenuCommand> menuCommandOf(TextTool tool)
{
    switch (tool) {
    case TextTool::New: return MenuCommand::New;
    case TextTool::Open: return MenuCommand::Open;
    case TextTool::Save: return MenuCommand::Save;
    case TextTool::Revert: return MenuCommand::Revert;
    case TextTool::Cut: return MenuCommand::Cut;
    case TextTool::Copy: return MenuCommand::Copy;
    case TextTool::Paste: return MenuCommand::Paste;
    case TextTool::Find: return MenuCommand::Find;
    case TextTool::Undo: return MenuCommand::Undo;
    case TextTool::Help: return MenuCommand::HelpContents;
    default: return std::nullopt;
    }
}

QColor settingColour(const std::string& text)
{
    const std::uint32_t v = ProgramSettings::colourValue(text);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

// "Save" names its toolbar button "saveButton", "CLSN" "clsnButton".
QString toolButtonName(const QString& key)
{
    const QString name = key == key.toUpper() ? key.toLower() : key.left(1).toLower() + key.mid(1);
    return name + QStringLiteral("Button");
}

// A caption or tip of the windows' tables (marked under "TextEditorWindow"),
// in the user's language.
QString translatedCaption(const QString& text)
{
    return text.isEmpty() ? text : QCoreApplication::translate("TextEditorWindow", text.toUtf8().constData());
}

} // namespace

TextEditorWindow::TextEditorWindow(App& app, EditorDescription description, QWidget* parent)
        : QWidget(parent), app_(app), description_(std::move(description))
{
    title_ = new DocumentTitle(this, windowCaption());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    buildToolbar();
    layout->setMenuBar(menuBar_);
    layout->addWidget(toolbar_);
    changedBar_ = new ChangedOnDiskBar(app_, this);
    layout->addWidget(changedBar_);

    body_ = new QHBoxLayout;
    body_->setContentsMargins(0, 0, 0, 0);
    editor_ = new EditorTextBox(this);
    body_->addWidget(editor_);
    layout->addLayout(body_, 1);
    buildOutline();
    connect(editor_, &EditorTextBox::definitionClicked, this, &TextEditorWindow::goToDefinition);
    // Another file shown: its own faults are marked.
    connect(editor_, &EditorTextBox::textDocumentChanged, this, &TextEditorWindow::markProblems);

    // The encoding the file is shown in, and the choice of another.
    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    statusBar->setSizeGripEnabled(false);
    encodingBox_ = new QComboBox(statusBar);
    encodingBox_->setObjectName(QStringLiteral("encodingBox"));
    encodingBox_->setToolTip(tr("Encoding of the file"));
    for (Charset charset : kCharsets)
        encodingBox_->addItem(QString::fromLatin1(charsetName(charset)), static_cast<int>(charset));
    encodingBox_->setFocusPolicy(Qt::NoFocus);
    statusBar->addPermanentWidget(encodingBox_);
    layout->addWidget(statusBar);
    connect(encodingBox_, &QComboBox::activated, this, [this](int index) {
        if (!changeEncoding(static_cast<Charset>(encodingBox_->itemData(index).toInt())))
            showEncoding();
    });
    showEncoding();

    if (description_.stateLanguage)
        completion_ = new CompletionPopup(editor_, app_.dataFile(QString::fromLatin1(kHelpFileName)), [this] {
            // Without a character every engine's names are offered.
            const bool open = app_.documents && !app_.documents->character().defFile.empty();
            return open ? app_.documents->character().engine : CharacterEngine::Ikemen;
        });
    if (description_.stateLanguage)
        editor_->setHoverText([this](const QTextCursor& at) { return hoverHelp(at); });
    resize(720, 520);
}

TextEditorWindow::~TextEditorWindow()
{
    if (document_)
        document_->disconnect(this);
}

QString TextEditorWindow::hoverHelp(const QTextCursor& at)
{
    // Controllers follow "type =" and triggers stand in values; the words
    // before the '=' are parameters, and a comment is the author's.
    const QString line = at.block().text();
    const int position = at.positionInBlock();
    const int equals = static_cast<int>(line.indexOf(QLatin1Char('=')));
    const int comment = static_cast<int>(line.indexOf(QLatin1Char(';')));
    if (equals < 0 || position <= equals || (comment >= 0 && position > comment))
        return {};
    const std::int64_t topic = helpTopicAt(line, position);
    if (topic == kHelpContentsTopic)
        return {};
    if (!helpHtml_)
        helpHtml_ = readFileBytes(app_.dataFile(QString::fromLatin1(kHelpFileName)).toStdString()).value_or("");
    return QString::fromStdString(helpSummary(*helpHtml_, topic));
}

void TextEditorWindow::showProblems(const std::vector<LineProblem>& problems)
{
    problems_ = problems;
    markProblems();
}

void TextEditorWindow::markProblems()
{
    std::vector<EditorTextBox::ProblemLine> lines;
    const QString shown = QFileInfo(sourcePath()).absoluteFilePath();
    for (const LineProblem& problem : problems_) {
        if (problem.line > 0 && !shown.isEmpty() && QFileInfo(problem.file).absoluteFilePath() == shown)
            lines.push_back(
                {problem.line,
                 (problem.error ? QStringLiteral("error: ") : QStringLiteral("warning: ")) + problem.message,
                 problem.error ? tr("error: %1").arg(problem.shown) : tr("warning: %1").arg(problem.shown)});
    }
    editor_->setProblemLines(std::move(lines));
}

void TextEditorWindow::buildOutline()
{
    if (description_.kind != DocumentKind::States && description_.kind != DocumentKind::Constants
        && description_.kind != DocumentKind::Animations && description_.kind != DocumentKind::Commands)
        return;
    outline_ = new QListWidget(this);
    outline_->setObjectName(QStringLiteral("outline"));
    outline_->setToolTip(tr("Click a place to go there"));
    outline_->setMinimumWidth(120);
    outline_->setMaximumWidth(240);
    outline_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    body_->addWidget(outline_);
    outlineTimer_ = new QTimer(this);
    outlineTimer_->setSingleShot(true);
    outlineTimer_->setInterval(kOutlineDelayMs);
    connect(outlineTimer_, &QTimer::timeout, this, &TextEditorWindow::refreshOutline);
    connect(editor_, &EditorTextBox::textEdited, outlineTimer_, qOverload<>(&QTimer::start));
    connect(editor_, &EditorTextBox::loaded, this, &TextEditorWindow::refreshOutline);
    connect(editor_, &EditorTextBox::textDocumentChanged, this, &TextEditorWindow::refreshOutline);
    connect(editor_, &QPlainTextEdit::cursorPositionChanged, this, &TextEditorWindow::followCaretInOutline);
    connect(outline_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = outline_->row(item);
        if (row >= 0 && row < static_cast<int>(outlineEntries_.size()))
            goToLine(outlineEntries_[static_cast<std::size_t>(row)].line + 1);
    });
}

void TextEditorWindow::refreshOutline()
{
    if (!outline_)
        return;
    const OutlineKind kind = description_.kind == DocumentKind::Animations ? OutlineKind::Actions
        : description_.kind == DocumentKind::Commands                      ? OutlineKind::Commands
                                                                           : OutlineKind::States;
    const std::vector<std::string> texts = editor_->utf8Lines();
    const std::vector<std::string_view> lines(texts.begin(), texts.end());
    outlineEntries_ = outlineOf(kind, lines);
    const QSignalBlocker quiet(outline_);
    outline_->clear();
    for (const OutlineEntry& entry : outlineEntries_)
        outline_->addItem(qstr(entry.label));
    followCaretInOutline();
}

void TextEditorWindow::followCaretInOutline()
{
    if (!outline_)
        return;
    const int row = outlineEntryAt(outlineEntries_, editor_->textCursor().blockNumber());
    if (row == outline_->currentRow())
        return;
    const QSignalBlocker quiet(outline_);
    outline_->setCurrentRow(row);
    if (row >= 0)
        outline_->scrollToItem(outline_->item(row));
}

QAction* TextEditorWindow::addMenuAction(QMenu* menu, MenuCommand command, const QString& name, const QString& text,
                                         const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    menuActions_.insert(command, action);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Every editor window has these shortcuts; only the active one's count.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    return action;
}

void TextEditorWindow::buildMenus()
{
    menuBar_ = new QMenuBar(this);
    fileMenu_ = menuBar_->addMenu(tr("&File"));
    QAction* saveAction =
        addMenuAction(fileMenu_, MenuCommand::Save, "saveAction", tr("&Save"), QKeySequence("Ctrl+S"));
    connect(saveAction, &QAction::triggered, this, &TextEditorWindow::save);
    firstFileAction_ = saveAction;
    connect(addMenuAction(fileMenu_, MenuCommand::SaveAs, "saveAsAction", tr("Save &As...")), &QAction::triggered, this,
            &TextEditorWindow::saveAs);
    connect(addMenuAction(fileMenu_, MenuCommand::Revert, "revertAction", tr("&Revert"), QKeySequence("Ctrl+R")),
            &QAction::triggered, this, &TextEditorWindow::revert);
    fileMenu_->addSeparator();
    addMenuAction(fileMenu_, MenuCommand::Print, "printAction", tr("&Print..."), QKeySequence("Ctrl+P"));
    fileMenu_->addSeparator();
    addMenuAction(fileMenu_, MenuCommand::Close, "closeAction", tr("&Close"));

    QMenu* edit = menuBar_->addMenu(tr("&Edit"));
    connect(addMenuAction(edit, MenuCommand::Undo, "undoAction", tr("&Undo")), &QAction::triggered, this,
            &TextEditorWindow::undo);
    connect(addMenuAction(edit, MenuCommand::Redo, "redoAction", tr("&Redo")), &QAction::triggered, this,
            &TextEditorWindow::redo);
    edit->addSeparator();
    connect(addMenuAction(edit, MenuCommand::Cut, "cutAction", tr("Cu&t")), &QAction::triggered, this,
            &TextEditorWindow::cut);
    connect(addMenuAction(edit, MenuCommand::Copy, "copyAction", tr("&Copy")), &QAction::triggered, this,
            &TextEditorWindow::copy);
    connect(addMenuAction(edit, MenuCommand::Paste, "pasteAction", tr("&Paste")), &QAction::triggered, this,
            &TextEditorWindow::paste);
    connect(addMenuAction(edit, MenuCommand::Delete, "deleteAction", tr("De&lete")), &QAction::triggered, this,
            &TextEditorWindow::deleteSelection);
    edit->addSeparator();
    connect(addMenuAction(edit, MenuCommand::Find, "findAction", tr("&Find"), QKeySequence("Ctrl+F")),
            &QAction::triggered, this, &TextEditorWindow::showFindDialog);
    connect(addMenuAction(edit, MenuCommand::FindNext, "findNextAction", tr("Find &Next")), &QAction::triggered, this,
            &TextEditorWindow::findNextMatch);
    connect(addMenuAction(edit, MenuCommand::Replace, "replaceAction", tr("R&eplace...")), &QAction::triggered, this,
            &TextEditorWindow::showReplaceDialog);
    connect(addMenuAction(edit, MenuCommand::SelectAll, "selectAllAction", tr("Select &All"), QKeySequence("Ctrl+A")),
            &QAction::triggered, this, [this] {
                editor_->finishLoading();
                editor_->selectAll();
            });
    connect(addMenuAction(edit, MenuCommand::GoToLine, "goToLineAction", tr("&Go to Line..."), QKeySequence("Ctrl+G")),
            &QAction::triggered, this, &TextEditorWindow::askGoToLine);
    connect(addMenuAction(edit, MenuCommand::GoToDefinition, "goToDefinitionAction", tr("Go to &Definition"),
                          QKeySequence("F12")),
            &QAction::triggered, this, &TextEditorWindow::goToDefinition);
    connect(addMenuAction(edit, MenuCommand::FindReferences, "findReferencesAction", tr("Find &References"),
                          QKeySequence("Shift+F12")),
            &QAction::triggered, this, &TextEditorWindow::findReferences);
    connect(addMenuAction(edit, MenuCommand::TimeDate, "timeDateAction", tr("Time/Date"), QKeySequence("Ctrl+D")),
            &QAction::triggered, this, &TextEditorWindow::insertTimeDate);

    QMenu* window = menuBar_->addMenu(tr("&Window"));
    connect(addMenuAction(window, MenuCommand::Cascade, "cascadeAction", tr("&Cascade")), &QAction::triggered, this,
            &TextEditorWindow::cascadeWindows);
    connect(addMenuAction(window, MenuCommand::TileHorizontally, "tileHorizontallyAction", tr("Tile &Horizontally")),
            &QAction::triggered, this, &TextEditorWindow::tileHorizontally);
    connect(addMenuAction(window, MenuCommand::TileVertically, "tileVerticallyAction", tr("Tile &Vertically")),
            &QAction::triggered, this, &TextEditorWindow::tileVertically);
    addMenuAction(window, MenuCommand::ArrangeIcons, "arrangeIconsAction", tr("&Arrange Icons"));
    window->addSeparator();
    connect(addMenuAction(window, MenuCommand::CloseAll, "closeAllAction", tr("C&lose All")), &QAction::triggered, this,
            &TextEditorWindow::closeAll);

    QMenu* help = menuBar_->addMenu(tr("&Help"));
    connect(addMenuAction(help, MenuCommand::HelpContents, "helpContentsAction", tr("&Contents"), QKeySequence("F1")),
            &QAction::triggered, this, &TextEditorWindow::showContextHelp);
    connect(menuAction(MenuCommand::Close), &QAction::triggered, this, &TextEditorWindow::closeWindow);

    // The desktop's standard keys.
    const std::pair<MenuCommand, QKeySequence::StandardKey> desktopKeys[] = {
        {MenuCommand::Save, QKeySequence::Save},
        {MenuCommand::SaveAs, QKeySequence::SaveAs},
        {MenuCommand::Close, QKeySequence::Close},
        {MenuCommand::Undo, QKeySequence::Undo},
        {MenuCommand::Redo, QKeySequence::Redo},
        {MenuCommand::Find, QKeySequence::Find},
        {MenuCommand::Replace, QKeySequence::Replace},
        {MenuCommand::SelectAll, QKeySequence::SelectAll},
        {MenuCommand::HelpContents, QKeySequence::HelpContents},
    };
    for (const auto& [command, key] : desktopKeys)
        bindKeys(this, menuAction(command), key);
    // Ctrl+G, which some desktops give Find Next as well, is Go to Line's.
    QList<QKeySequence> findNext = standardKeys(QKeySequence::FindNext);
    findNext.removeAll(QKeySequence(QStringLiteral("Ctrl+G")));
    bindKeys(this, menuAction(MenuCommand::FindNext), findNext);
    bindKeys(this, menuAction(MenuCommand::GoToLine), {QKeySequence(QStringLiteral("Ctrl+G"))});
}

void TextEditorWindow::buildToolbar()
{
    toolbar_ = new QToolBar(tr("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : description_.toolbar) {
        // The English caption chooses the picture and names the button.
        const QIcon icon = actionIcon(button.caption);
        const QString caption = translatedCaption(button.caption);
        QAction* action = icon.isNull() ? toolbar_->addAction(caption) : toolbar_->addAction(icon, caption);
        action->setObjectName(toolButtonName(button.caption));
        toolActions_.insert(button.tool, action);
        // The tip names the keys of the menu entry that does the same.
        const std::optional<MenuCommand> entry = menuCommandOf(button.tool);
        const QAction* sameAs = entry ? menuAction(*entry) : nullptr;
        action->setToolTip(toolTipWithKeys(button.toolTip.isEmpty() ? caption : translatedCaption(button.toolTip),
                                           sameAs ? sameAs->shortcut() : QKeySequence()));
    }

    // The buttons every editor may have; the windows connect their own.
    const auto onTrigger = [this](TextTool tool, auto slot) {
        if (QAction* action = toolbarAction(tool))
            connect(action, &QAction::triggered, this, slot);
    };
    onTrigger(TextTool::Save, &TextEditorWindow::save);
    onTrigger(TextTool::Revert, &TextEditorWindow::revert);
    onTrigger(TextTool::Cut, &TextEditorWindow::cut);
    onTrigger(TextTool::Copy, &TextEditorWindow::copy);
    onTrigger(TextTool::Paste, &TextEditorWindow::paste);
    onTrigger(TextTool::Find, &TextEditorWindow::showFindDialog);
    onTrigger(TextTool::Undo, &TextEditorWindow::undo);
    onTrigger(TextTool::Help, &TextEditorWindow::showContextHelp);
}

bool TextEditorWindow::modified() const
{
    return document_ && document_->isModified();
}

Document* TextEditorWindow::viewedDocument() const
{
    return document_;
}

QString TextEditorWindow::filePath() const
{
    return document_ ? document_->fileName() : QString();
}

TextEncoding TextEditorWindow::encoding() const
{
    return document_ ? document_->encoding() : TextEncoding{};
}

QWidget* TextEditorWindow::focusedControl() const
{
    QWidget* focused = focusWidget();
    return focused && isAncestorOf(focused) ? focused : editor_;
}

void TextEditorWindow::applySettingsAndLoad()
{
    const ProgramSettings& s = app_.settings;
    QFont font(QString::fromStdString(s.defaultFontName));
    font.setPointSize(s.defaultFontSize > 0 ? s.defaultFontSize : 10);
    font.setBold(s.defaultFontBold);
    font.setItalic(s.defaultFontItalic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::Monospace);
    editor_->setFont(font);

    // Colours the user chose; black on white, the defaults, follow the desktop's palette.
    const ProgramSettings defaults;
    if (s.defaultBackColour != defaults.defaultBackColour || s.defaultTextColour != defaults.defaultTextColour) {
        QPalette palette = editor_->palette();
        palette.setColor(QPalette::Base, settingColour(s.defaultBackColour));
        palette.setColor(QPalette::Text, settingColour(s.defaultTextColour));
        editor_->setPalette(palette);
    }
    if (description_.highlighted && !highlighter_) {
        highlighter_ = new SyntaxHighlighter(editor_, isDarkPalette(editor_->palette()));
        followScriptLanguage();
    }

    // A file the character names that nobody has written yet opens empty,
    // and the first Save creates it.
    const QString path = sourcePath();
    if (!path.isEmpty())
        loadFile(path);
}

QString TextEditorWindow::windowCaption() const
{
    return translatedCaption(description_.caption);
}

void TextEditorWindow::setCaption(const QString& caption, bool namesFile)
{
    title_->setCaption(caption, namesFile);
}

} // namespace vantrel
