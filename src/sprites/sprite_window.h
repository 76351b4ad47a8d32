#pragma once
// The sprite window: a view of the character's sprite document, one record
// at a time, drawn in the view under the axis marker, with the record's
// numbers in boxes, the list operations on its toolbar and the SFF build
// behind "Save". Every edit is a step of the document's history; closing the
// window keeps the document, its changes and its history.

#include "sprites/sprite_canvas.h"
#include "sprites/sprite_commands.h"
#include "sprites/sprite_document.h"
#include "ui/dialogs.h"
#include "ui/document_view.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolBar;
class QUndoStack;

namespace vantrel {

struct App;

class ChangedOnDiskBar;
class DocumentTitle;
class HistoryActions;
class SffBuilder;
class SpriteTableModel;

class SpriteWindow : public QWidget, public DocumentView {
    Q_OBJECT
public:
    explicit SpriteWindow(App& app, QWidget* parent = nullptr);
    ~SpriteWindow() override;

    // The record shown: the index scroll bar's value (0 on an empty table).
    int currentIndex() const;

    // The sprites shown; null when no character is open.
    SpriteDocument* document() const { return document_; }
    Document* viewedDocument() const override { return document_; }
    // Shows the character's sprites from their first record, with the
    // palette search of a fresh window: on opening, and after another
    // character's sprites replaced the table. False when there are none.
    bool showWorkspace();

    // Inserts a copy of `path` after the current record and shows it, as the
    // PCX browser's Add does. False (with a message) when refused.
    bool insertPicture(const QString& path);
    // Adds the pictures after the current record, as Add does with the files
    // chosen in its dialog (all or none); with none given, asks for them.
    void addPictures(QStringList files);

    // True while sprmaker runs.
    bool building() const;
    // Lets window events run until a running build has ended. The result of
    // the last build: true when it wrote the SFF.
    bool waitForBuild();

    // The drawing as it is now, and where the axis sits in it.
    QImage renderView() const { return view->render(); }
    ViewPoint origin() const { return view->origin(); }

    QToolBar* toolBar = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* sortAction = nullptr;
    QAction* addImageAction = nullptr;
    QAction* deleteImageAction = nullptr;
    QAction* cloneImageAction = nullptr;
    QAction* changeImageAction = nullptr;
    QAction* browseAction = nullptr;
    QAction* zoomInAction = nullptr;
    QAction* zoomOutAction = nullptr;
    QAction* editExternallyAction = nullptr;
    QAction* exportImageAction = nullptr;
    QAction* exportAllAction = nullptr;
    QAction* undoAction = nullptr;
    // The Edit menu's Undo and Redo, named after the step they take.
    QAction* editUndoAction = nullptr;
    QAction* editRedoAction = nullptr;
    // The document's history (null without a document).
    QUndoStack* undoStack() const;

    // The sprites many at a time: a list and a grid of thumbnails with one
    // selection, and the menu of what can be done to the selected sprites.
    SpriteTableModel* spriteModel = nullptr;
    QListView* spriteList = nullptr;
    QListView* spriteGrid = nullptr;
    QAction* selectionAction = nullptr; // the toolbar's "Selection" menu
    QMenu* selectionMenu = nullptr;
    QAction* batchAxisAction = nullptr;
    QAction* batchGroupAction = nullptr;
    QAction* batchDeleteAction = nullptr;
    QAction* batchExportAction = nullptr;
    QAction* batchCropAction = nullptr;
    QAction* batchPaletteAction = nullptr;
    QAction* importSheetAction = nullptr;

    // The rows (1-based, in order) selected in the list and the grid; the
    // record shown when none is.
    std::vector<int> selectedRows() const;
    // Selects these rows (1-based) and shows the first.
    void selectRows(const std::vector<int>& rows);

    QLineEdit* axisXEdit = nullptr;
    QLineEdit* axisYEdit = nullptr;
    QLineEdit* groupEdit = nullptr;
    QLineEdit* imageEdit = nullptr;
    QLabel* mousePositionLabel = nullptr;
    QCheckBox* onionSkinBox = nullptr;
    QLineEdit* jumpGroupEdit = nullptr;
    QLineEdit* jumpImageEdit = nullptr;
    QPushButton* jumpButton = nullptr;
    QCheckBox* hideTransparentBox = nullptr;
    QCheckBox* whiteBackgroundBox = nullptr;
    SpriteCanvas* view = nullptr;
    QScrollBar* horizontalPanBar = nullptr;
    QScrollBar* verticalPanBar = nullptr;
    QPushButton* centreButton = nullptr;
    QLabel* positionLabel = nullptr;
    QScrollBar* indexScrollBar = nullptr;

public slots:
    // Shows record `index`: its position, numbers and picture.
    void showRecord(int index);
    void jumpToRecord();
    // Shows the sprite of that group and number; false when there is none.
    bool showSprite(std::int64_t group, std::int64_t image);
    // Save: the document's own SFF with its build options, no question.
    void saveSpriteArchive();
    // Save As: asks for the file and the build options.
    void saveSpriteArchiveAs();
    void sortImages();
    void addImage();
    void deleteImage();
    void cloneImage();
    void changeImage();
    void openBrowser();
    void zoomIn();
    void zoomOut();
    void editExternally();
    void exportImage();
    void exportAllImages();
    void centreView();
    void nudgeAxis(int dx, int dy);
    // What the Selection menu does to the selected sprites, each one step.
    void setSelectionAxis();
    void moveSelectionToGroup();
    void deleteSelection();
    void exportSelection();
    void cropSelection();
    void useCharacterPalette();
    void importSpriteSheet();
    // Saves the sprites to the document's SFF file with its build options,
    // waiting for the build; false when it was not written.
    bool saveToFile();
    // The check boxes below the view: each redraws the record its way.
    void applyOnionSkinChoice();
    void applyTransparencyChoice();
    void applyBackgroundChoice();

signals:
    // A build ended: ok, and the message shown.
    void buildFinished(bool ok, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // PCX and PNG files dropped on the window are added as Add adds them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildUi();
    void createToolBar();
    void createEditMenu();
    void createSelectionMenu();
    // The list and the grid, sharing the model and its selection.
    QWidget* createSpriteViews();
    // The list and the grid follow the record shown.
    void followRecord(int index);
    // Pushes a change of many sprites as one step; says why when there is
    // none (`nothing`) or it failed.
    bool pushBatch(const QString& text, const Result<BatchEdit>& edit, const QString& nothing);
    // The palette the character's sprites are remapped to: its first palette
    // file, else the one its sprites are shown in.
    std::optional<Palette> characterPalette(QString& name) const;
    void setDocument(SpriteDocument* document);
    SpriteWorkspace& workspace() { return document_->workspace(); }
    // Shows a row after a step changed the table.
    void showStep(int row);
    // Edits the current record; a change of value becomes a step.
    void editRecord(const QString& text, SpriteEditKind kind, const std::function<void(SpriteRecord&)>& edit);
    void takeDraggedAxis(std::int64_t x, std::int64_t y);
    // The window's keys; true when the key was used.
    bool handleKey(int key, QWidget* focus);

    SpriteRecord* current();
    void setIndexRange(int count, int value);
    void refreshPositionLabel();
    void showGroupAndImage(bool always);
    void showAxisInBoxes(bool always);
    // Decodes and shows record `index`; the axis boxes follow its axis
    // (`always`: even where a box already says the same number).
    void loadImage(int index, bool always = true);
    void refreshPicture();
    // Fits the picture scroll bars to the shown picture, the zoom and the
    // view's size: their range ends at the picture's edges, a step is a
    // tenth of the view and a page the whole view.
    void updatePanBars();
    // The sprite the jump boxes name: where Jump goes, and the onion skin.
    SpriteNumbers jumpNumbers() const;
    void storeGroup();
    void storeImageNumber();
    // A number finished being typed that another sprite has: said, and taken back.
    void refuseTakenNumber(SpriteEditKind kind);
    void storeAxis(QLineEdit* box, std::string SpriteRecord::*field);
    void setZoom(float zoom);
    void updateZoomButtons();
    void setStatus(const QString& text);
    // A file dialog for PCX and PNG pictures in the character's folder: to
    // open (`mustExist`) or to save.
    FileDialogOptions pictureDialog(const QString& title, bool mustExist) const;
    // The folder pictures are saved into (empty when cancelled), and what
    // went wrong saving them, said once.
    QString askExportFolder(const QString& title);
    void reportExportErrors(const std::vector<std::string>& errors);
    // True when the build takes every file; otherwise says why it cannot take
    // the first it refuses. A 32-bit picture while the build writes SFF v1
    // asks to switch the build to v2.
    bool checkPictures(const QStringList& files);

    App& app_;
    QPointer<SpriteDocument> document_;
    SffBuilder* builder_ = nullptr;
    HistoryActions* history_ = nullptr;
    DocumentTitle* title_ = nullptr;
    ChangedOnDiskBar* changedBar_ = nullptr;
    bool refusingNumber_ = false; // the taken-number message is up
};

} // namespace vantrel
