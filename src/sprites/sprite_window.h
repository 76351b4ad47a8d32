#pragma once
// The sprite window: one record of the sprite workspace at a time, drawn
// zoomed under the axis cross-hair, with the list operations on its toolbar
// and the SFF build behind "Save".

#include "shell/app.h"
#include "sprites/sprite_view.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProcess;
class QPushButton;
class QScrollBar;
class QToolBar;

namespace vantrel {

// Everything the view draws, so that a drawing can be made (and checked)
// without a window.
struct SpriteScene {
    QSize size;
    QColor background = Qt::black;
    QImage sprite;
    std::int64_t axisX = 0, axisY = 0;
    QImage onion; // null: no onion skin
    std::int64_t onionAxisX = 0, onionAxisY = 0;
    ViewPoint origin;
    float zoom = 1.0f;
};

// The drawing: the sprite copied stretched, the onion skin ORed over it, the
// axis marker ANDed then XORed, on an RGB32 picture of the scene's size.
QImage renderSpriteScene(const SpriteScene& scene);

class SpriteWindow : public QWidget {
    Q_OBJECT
public:
    explicit SpriteWindow(App& app, QWidget* parent = nullptr);
    ~SpriteWindow() override;

    // The record shown: the index scroll bar's value (0 on an empty table).
    int currentIndex() const;

    void loadImage(int index);
    void refreshPicture();
    void saveSpriteArchive();
    void addImage();
    void deleteImage();
    void cloneImage();
    void changeImage();
    void PerformUndo() { }

    // Navigation to row n, as the index scroll bar does it.
    void hscIndex_Change(int value);
    void txtGroup_Change();
    void txtImageNo_Change();
    void txtX_Change();
    void txtY_Change();
    void cmdJump_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void cmdCenter_Click();
    void cmdXMinus_Click();
    void cmdXPlus_Click();
    void cmdYMinus_Click();
    void cmdYPlus_Click();
    void chkOnionskin_Click();
    void chkTransparent_Click();
    void chkWhiteBG_Click();
    void picMain_MouseDown(QPoint pos, Qt::MouseButtons buttons);
    void picMain_MouseMove(QPoint pos, Qt::MouseButtons buttons);
    void picMain_MouseUp();
    void picMain_Resize();
    // The window's key handling; true when the key was used.
    bool Form_KeyDown(int key, QWidget* focus);

    // Inserts a copy of `path` after the current record and shows it, as the
    // PCX browser's Add does. False (with a message) when refused.
    bool insertPicture(const QString& path);

    // True while sprmaker runs.
    bool building() const;
    // Lets window events run until a running build has ended. The result of
    // the last build: true when it wrote the SFF.
    bool waitForBuild();

    // The drawing as it is now.
    QImage renderView() const;
    ViewPoint origin() const { return origin_; }

    // Controls, for the tests and the browser.
    QScrollBar* hscIndex = nullptr;
    QLabel* lblCurrentPic = nullptr;
    QLabel* lblMouseXY = nullptr;
    QLineEdit* txtGroup = nullptr;
    QLineEdit* txtImageNo = nullptr;
    QLineEdit* txtX = nullptr;
    QLineEdit* txtY = nullptr;
    QLineEdit* txtJumpGroup = nullptr;
    QLineEdit* txtJumpImage = nullptr;
    QPushButton* cmdJump = nullptr;
    QCheckBox* chkOnionskin = nullptr;
    QCheckBox* chkTransparent = nullptr;
    QCheckBox* chkWhiteBG = nullptr;
    QScrollBar* scrPictureX = nullptr;
    QScrollBar* scrPictureY = nullptr;
    QWidget* picMain = nullptr; // the view
    QToolBar* Toolbar1 = nullptr;
    QAction* toolbarAction(const QString& key) const;

signals:
    // A build ended: ok, and the message shown.
    void buildFinished(bool ok, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildUi();
    void Form_Load();
    void showRecord(int index);
    void setIndexRange(int count, int value);
    void refreshPositionLabel();
    void showGroupAndImage();
    void showAxisInBoxes(bool always);
    void storeAxisBox(QLineEdit* box, bool horizontal);
    void updateOnionSkin();
    void updateOrigin();
    void updateZoomButtons();
    void setZoom(float zoom);
    void nudgeAxis(int dx, int dy);
    void syncWithWorkspace();
    SpriteViewOptions viewOptions() const;
    SpriteRecord* current();
    void startBuild(const QString& sffPath);
    void onBuildFinished(int exitCode, bool crashed, bool failedToStart);
    void exportOne();
    void exportAll();
    void shellEdit();
    void openBrowser();
    void setStatus(const QString& text);

    App& app_;
    unsigned generation_ = 0;
    QImage picInlay_;
    QImage picOnionskin_;
    QString onionPath_;
    std::int64_t onionAxisX_ = 0, onionAxisY_ = 0;
    ViewPoint origin_;
    ViewPoint dragStart_;
    std::int64_t dragAxisX_ = 0, dragAxisY_ = 0;
    bool updatingBoxes_ = false;
    QProcess* build_ = nullptr;
    QString buildTarget_;
    int buildRecords_ = 0;
    bool lastBuildOk_ = false;
    bool wasModified_ = false;
};

// Asked before the program closes or another character replaces the sprite
// table: offers to build the unsaved changes first. False cancels.
bool confirmSpriteChanges(App& app);

} // namespace vantrel
