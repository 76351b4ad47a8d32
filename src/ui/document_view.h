#pragma once
// What the main window asks of a window that is a view of a document: which
// document it shows, so that the Edit menu's Undo and Redo work on that
// document's history while the window is the active one.

namespace vantrel {

class Document;

class DocumentView {
public:
    virtual ~DocumentView() = default;
    // The document shown; null when the window shows none.
    virtual Document* viewedDocument() const = 0;
};

} // namespace vantrel
