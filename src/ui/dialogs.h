#pragma once
// The one way every window reaches message boxes, questions, file and folder
// dialogs, colour and font choosers, the busy pointer and the desktop's
// "open"/"edit" of a file. The program uses QtDialogs; tests use a scripted
// implementation that records each message and answers from a queue.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace vantrel {

enum class Answer { Ok, Yes, No, Cancel, Discard };

// YesNoDiscard asks about work that may be lost: No, the answer that keeps
// everything, is the default (Enter) and the Escape answer too.
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel, YesNoDiscard };

enum class Icon { None, Information, Warning, Critical, Question };

struct FileDialogOptions {
    QString title;
    QString directory; // where the dialog starts
    QString fileName;  // proposed name (save dialogs)
    QString filter;    // "Description (*.x)|*.x|All Files(*.*)|*.*" pairs joined by '|'
    bool mustExist = true;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box; the title is "Vantrel" unless a window has its own.
    // `detail`, when given, is the box's second text: which file, why, where.
    virtual Answer message(QWidget* parent, const QString& text, const QString& title = QStringLiteral("Vantrel"),
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None, const QString& detail = {}) = 0;

    // A question with buttons of its own, named in `choices`: the index of
    // the one chosen, or -1 when the box was closed without one. The last
    // choice is the Escape answer.
    virtual int choose(QWidget* parent, const QString& text, const QStringList& choices,
                       const QString& title = QStringLiteral("Vantrel")) = 0;

    // Empty when cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QStringList openFiles(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& directory) = 0;

    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;

    // A line of text asked for, starting as `initial`; nothing when cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& initial) = 0;

    // The busy (hourglass) pointer, counted: every setBusy(true) needs a setBusy(false).
    virtual void setBusy(bool busy) = 0;

    // Hands a file to the desktop: its default program ("open") or editor ("edit").
    virtual bool shellOpen(const QString& path) = 0;
    virtual bool shellEdit(const QString& path) = 0;
};

// The question asked before unsaved changes are dropped: Yes saves (through
// `save`), No drops them, Cancel keeps them. True when the caller may go on:
// No, or Yes with a save that worked.
bool askToSaveChanges(Dialogs& dialogs, QWidget* parent, const QString& question, const QString& title,
                      const std::function<bool()>& save);

// Turns "Desc (*.a)|*.a|All Files(*.*)|*.*" into Qt's "Desc (*.a);;All Files(*.*)"; a
// description without its patterns gets them: "Desc|*.a;*.b" gives "Desc (*.a *.b)".
QString qtFilter(const QString& pairs);

class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QString& detail) override;
    int choose(QWidget* parent, const QString& text, const QStringList& choices, const QString& title) override;
    QString openFile(QWidget* parent, const FileDialogOptions& options) override;
    QStringList openFiles(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFile(QWidget* parent, const FileDialogOptions& options) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& directory) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    void setBusy(bool busy) override;
    bool shellOpen(const QString& path) override;
    bool shellEdit(const QString& path) override;
};

} // namespace vantrel
