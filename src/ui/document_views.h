#pragma once
// What every window showing a document shares: saving with the questions a
// save may need, Save As, Revert, the question about unsaved changes, the
// window's title with the document's name and modified mark, and the bar
// shown while the document's file has changed on disk.

#include "documents/document.h"
#include "ui/dialogs.h"

#include <QFrame>
#include <QPointer>

#include <vector>

class QLabel;
class QPushButton;

namespace vantrel {

struct App;

// Writes the document to its file. Asks first when the file changed on disk
// since the document read or wrote it, and when the document needs an answer
// before it can be written (a character its encoding cannot write). A
// refused or failed save says why; the document then stays modified. True
// when the document was written.
bool saveDocument(App& app, Document& document, QWidget* parent);
// Asks for a file and writes the document there; the document moves to it
// (its windows' titles and later saves follow).
bool saveDocumentAs(App& app, Document& document, QWidget* parent, const FileDialogOptions& options);
// Asks "Discard your changes to kfm.cns?" when the document is modified,
// then reads its file again as one step of its history.
bool revertDocument(App& app, Document& document, QWidget* parent);

enum class UnsavedChoice { Saved, Drop, Cancel };
// The question about one document's unsaved changes: Yes saves it (a failed
// save counts as Cancel), No lets the changes go, Cancel keeps everything.
UnsavedChoice askAboutDocument(App& app, Document& document, QWidget* parent);
// Asks about each modified document once, in order; the ones answered No,
// or nothing at the first Cancel.
std::optional<std::vector<Document*>> askAboutDocuments(App& app, const std::vector<Document*>& documents,
                                                        QWidget* parent);
// Saves every modified one of the documents; false at the first that was not saved.
bool saveDocuments(App& app, const std::vector<Document*>& documents, QWidget* parent);

// Keeps a window's title "<caption> - <file>[*]" and its modified mark in
// step with the document it shows (the caption alone without a document).
class HistoryActions;

class DocumentTitle final : public QObject {
    Q_OBJECT
public:
    DocumentTitle(QWidget* view, QString caption);
    void setDocument(Document* document);
    // `namesFile`: the caption already says which file, and only the mark is added.
    void setCaption(const QString& caption, bool namesFile = false);
    // Shows the title now (a window whose caption says more calls it itself).
    void update();

private:
    QWidget* view_;
    QString caption_;
    bool captionNamesFile_ = false;
    QPointer<Document> document_;
};

// "kfm.cns changed on disk. Reload / Keep mine": shown while the document's
// file changed outside and the document has changes of its own.
class ChangedOnDiskBar final : public QFrame {
    Q_OBJECT
public:
    ChangedOnDiskBar(App& app, QWidget* parent = nullptr);
    void setDocument(Document* document);

    QLabel* label = nullptr;
    QPushButton* reloadButton = nullptr;
    QPushButton* keepButton = nullptr;

private:
    void follow();

    App& app_;
    QPointer<Document> document_;
};

// Points what every view shows of its document at `document` (null: none):
// its history behind Undo and Redo, its name and mark in the title, and the
// changed-on-disk bar.
void showDocumentIn(Document* document, HistoryActions& history, DocumentTitle& title, ChangedOnDiskBar& bar);

} // namespace vantrel
