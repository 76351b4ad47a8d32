#pragma once
// The palette editor window "ACT Editor": the 16 x 16 colour grid, the
// selected colour with its red, green and blue controls, a sample sprite
// drawn with the palette being edited, and the palette file commands.

#include "formats/character_definition.h"
#include "image/pcx.h"
#include "palette/palette_document.h"
#include "palette/palette_editor.h"
#include "ui/dialogs.h"
#include "ui/document_view.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QScrollBar;
class QToolBar;
class QUndoStack;

namespace vantrel {

struct App;

class ChangedOnDiskBar;
class DocumentTitle;
class HistoryActions;

class PaletteWindow : public QWidget, public DocumentView {
    Q_OBJECT
public:
    explicit PaletteWindow(App& app, QWidget* parent = nullptr);
    ~PaletteWindow() override;

    // Shows the palette of an ACT file (its document, opened once for the
    // whole program); on failure says why and keeps the palette shown.
    bool loadAct(const QString& path);
    PaletteDocument* document() const { return document_; }
    Document* viewedDocument() const override { return document_; }
    // The character's palette 1, or the one shown when the character names it too.
    bool followCharacter();
    void showSampleImage();

    const PaletteEditor& model() const { return editor_; }
    // The toolbar button for the character's palette file n (1 to 12).
    QAction* paletteAction(int n) const;
    QScrollBar* scrollBar(Channel channel) const { return scrollBars_[index(channel)]; }
    QLineEdit* numberEdit(Channel channel) const { return numberEdits_[index(channel)]; }
    QImage gridPicture() const;
    const QImage& samplePicture() const { return sample_; }
    QColor selectedSwatch() const;
    const QString& sampleImagePath() const { return samplePath_; }

    // The document's history; Undo and Redo of the Edit menu.
    QUndoStack* undoStack() const;
    QAction* editUndoAction() const;
    QAction* editRedoAction() const;

public slots:
    // Shows the character's palette file n (1 to 12); the palette shown
    // before keeps its changes in its document.
    void switchToPalette(int n);
    // Writes the palette to its file; false when it was not written.
    bool saveAct();
    // Asks for a file and writes the palette there (the document moves to
    // it); false when cancelled or failed.
    bool saveActAs();
    void importPal();
    // Takes the palette of an ACT or a PAL file (by its extension) as an
    // edit; on failure says why and keeps the palette as it was.
    bool importPaletteFile(const QString& path);
    void exportPal();
    void chooseSampleImage();
    void selectIndex(int index);
    // A press on the grid at (x, y) selects the cell under it.
    void pressGrid(int x, int y);
    // Asks for a new colour for the selected entry.
    void chooseColour();
    // A left click on the sample selects the palette entry of that pixel.
    void pickColour(Qt::MouseButton button, int x, int y);
    // A channel's scroll bar settled (or moved by a click or key): the
    // palette, its number box and the sample follow.
    void applyScrollBar(Channel channel);
    // A channel's scroll bar is being dragged: only the grid and the swatch
    // follow until it is let go.
    void previewScrollBar(Channel channel);
    // A channel's number box changed: its value, held to 0..255, moves the
    // scroll bar.
    void applyNumberEdit(Channel channel);

protected:
    // An ACT or PAL file dropped on the window is imported.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static int index(Channel channel) { return static_cast<int>(channel); }
    void buildToolbar();
    void createEditMenu();
    void setDocument(PaletteDocument* document);
    // The palette changed by the user's hand: the change since the
    // document's palette becomes a step (see PaletteChangeCommand).
    void recordStep(const QString& text, int entry, int mergeId);
    // The document's palette changed: the window shows it.
    void followDocument(int entry);
    // After the palette or the selection changed: the grid, the swatch, the
    // controls and (when asked) the sample.
    void refresh(bool sample);
    void showSelectedControls();
    // Checks the button of the character's palette file now in the editor
    // (none when the palette came from elsewhere or none loaded).
    void showCurrentSlot();
    void updateUndoButton();
    FileDialogOptions fileOptions(const QString& title, const QString& filter) const;
    const CharacterFiles& character() const;

    App& app_;
    QPointer<PaletteDocument> document_;
    PaletteEditor editor_;
    DecoderState decoder_; // the sample's decoding
    HistoryActions* history_ = nullptr;
    DocumentTitle* title_ = nullptr;
    ChangedOnDiskBar* changedBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, 12> paletteActions_{};
    QAction* undoAction_ = nullptr;
    bool typing_ = false; // the scroll bar follows its number box
    QWidget* paletteGrid_ = nullptr;
    QLabel* swatch_ = nullptr;
    QWidget* sampleView_ = nullptr;
    std::array<QScrollBar*, 3> scrollBars_{};
    std::array<QLineEdit*, 3> numberEdits_{};
    QString samplePath_;
    QImage sample_;
    bool sampleRefused_ = false;
    bool sampleStale_ = false; // the palette changed during a drag
    bool syncing_ = false;
    int currentSlot_ = 0;
};

} // namespace vantrel
