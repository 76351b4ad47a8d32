#pragma once
// What the main window asks of a window that is a view of a document: which
// document it shows, so that the Edit menu's Undo and Redo work on that
// document's history while the window is the active one; and what a check
// found in the files, for the views that mark it in their text.

#include <QString>

#include <vector>

namespace vantrel {

class Document;

// A fault a check found at a line of a file.
struct LineProblem {
    QString file;    // a full path
    int line = 0;    // 1-based
    QString message; // in English: what the mark underlines is found from it
    QString shown;   // the message in the user's language
    bool error = false;
};

class DocumentView {
public:
    virtual ~DocumentView() = default;
    // The document shown; null when the window shows none.
    virtual Document* viewedDocument() const = 0;
    // Every fault the last check found, in every file; a view marks those of
    // the file it shows. Views without text leave them.
    virtual void showProblems(const std::vector<LineProblem>& problems) { (void)problems; }
};

} // namespace vantrel
