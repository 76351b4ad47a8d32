#pragma once
// Dialogs for tests: records every message and answers every dialog from a
// queue, so a test drives windows headless and never blocks on a modal box.

#include "ui/dialogs.h"

#include <QQueue>
#include <QVariant>

namespace vantrel::test {

struct RecordedMessage {
    QString text;
    QString title;
    Buttons buttons;
    QString detail; // the second text, if any
};

class ScriptedDialogs final : public Dialogs {
public:
    // What the next dialogs answer, in order. An unanswered message box
    // answers Ok (or Cancel when it has no Ok), an unanswered file dialog
    // answers as cancelled.
    QQueue<Answer> answers;
    QQueue<int> choices;           // choose(): an unanswered one answers with its last choice
    QQueue<QString> files;         // openFile, saveFile, chooseFolder
    QQueue<QStringList> fileLists; // openFiles
    QQueue<std::optional<QColor>> colours;
    QQueue<std::optional<QFont>> fonts;
    QQueue<std::optional<QString>> texts; // askText: an unanswered one is cancelled

    QList<RecordedMessage> messages;
    QList<FileDialogOptions> fileDialogs; // every file dialog shown, in order
    QStringList opened;                   // paths handed to shellOpen/shellEdit
    int busyDepth = 0;

    QStringList messageTexts() const;
    void clear();

    Answer message(QWidget* parent, const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QString& detail) override;
    int choose(QWidget* parent, const QString& text, const QStringList& choices, const QString& title) override;
    QString openFile(QWidget* parent, const FileDialogOptions& options) override;
    QStringList openFiles(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFile(QWidget* parent, const FileDialogOptions& options) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& directory) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override;
    void setBusy(bool busy) override;
    bool shellOpen(const QString& path) override;
    bool shellEdit(const QString& path) override;
};

} // namespace vantrel::test
