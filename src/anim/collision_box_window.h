#pragma once
// The Animation window, a view of the AIR document: pick an action and a
// frame, see the frame's sprite (drawn as the game draws it) with its attack
// (Clsn1, red) and hittable (Clsn2, blue) boxes; edit the boxes on the sprite
// or in the lists, the frame's offset by dragging the sprite, its fields in
// the frames table, and the actions with their buttons. Every edit is a step of the AIR document's history, so Undo,
// Redo and Save here and in the AIR text window are the same; the window reads the text again whenever it changes,
// follows the action it shows by its number, and follows the AIR text's caret (which follows it).

#include "anim/action_timeline.h"
#include "anim/air.h"
#include "anim/box_editing.h"
#include "anim/clsn.h"
#include "anim/player.h"
#include "common/translatable.h"
#include "image/pcx.h"
#include "ui/document_view.h"

#include <QElapsedTimer>
#include <QHash>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace vantrel {

struct App;

class ActionPanel;
class AirTextLink;
class BoxCanvas;
class DocumentTitle;
class FramePanel;
class HistoryActions;
class QtFrameTimer;

inline constexpr const char* kAirProblem = QT_TRANSLATE_NOOP("Messages", "Problem with associated AIR file.");

class CollisionBoxWindow : public QWidget, public DocumentView {
    Q_OBJECT
public:
    // Opens the window on the current AIR text, or shows "Problem with
    // associated AIR file." and returns null when it cannot be read, an
    // action number is not a 16-bit integer.
    static CollisionBoxWindow* open(App& app, QWidget* parent = nullptr);
    ~CollisionBoxWindow() override;

    const AirDocument& air() const { return air_; }
    Document* viewedDocument() const override;
    // The frames of the action on display, as the preview numbers them.
    const AnimAction& frames() const { return frames_; }
    // The boxes of the frame on display.
    const FrameBoxes& boxes() const { return boxes_; }
    int actionIndex() const { return action_; }
    // The row of the action list with this action number; -1 when none has it.
    int actionRow(int number) const;
    int frameIndex() const { return frame_; }

    QGroupBox* selectionBox = nullptr;
    QLabel* actionLabel = nullptr;
    QLabel* actionNumberLabel = nullptr;
    QScrollBar* actionScrollBar = nullptr;
    QListWidget* actionList = nullptr;                     // the actions: number, frame count, first frame's picture
    static constexpr int kActionNumberRole = Qt::UserRole; // an action item's number
    QLabel* frameLabel = nullptr;
    QLabel* frameNumberLabel = nullptr;
    QScrollBar* frameScrollBar = nullptr;
    QPushButton* previousFrameButton = nullptr;
    QPushButton* nextFrameButton = nullptr;
    QPushButton* playButton = nullptr; // "Play", "Stop" while playing
    QComboBox* speedCombo = nullptr;   // ¼×, ½×, 1×, 2× the game's pace
    QCheckBox* loopBox = nullptr;      // play the action again from its loop start
    QGroupBox* attackBoxGroup = nullptr;
    QGroupBox* hittableBoxGroup = nullptr;
    std::array<QListWidget*, 2> boxLists{};         // 0: Clsn1, 1: Clsn2
    std::array<QPushButton*, 2> deleteBoxButtons{}; // "Delete"
    std::array<QPushButton*, 2> deleteAllButtons{}; // "Del All"
    QGroupBox* drawStyleBox = nullptr;
    std::array<QRadioButton*, 2> boxKindButtons{}; // draw Clsn1 or Clsn2 boxes
    QCheckBox* defaultForFutureBox = nullptr;
    QPushButton* copyPreviousButton = nullptr;
    QCheckBox* onionSkinBox = nullptr;
    QLabel* zoomLabel = nullptr;
    QLabel* warningLabel = nullptr; // what is odd about the frame, or why an edit was refused
    BoxCanvas* canvas = nullptr;
    ActionPanel* actionPanel = nullptr; // New, Duplicate, Renumber, Delete, From Sprites
    FramePanel* framePanel = nullptr;   // the frames as a table, and their edits

public slots:
    // Shows the action at this position of the file (from 1) and its frame 0.
    void showAction(int ordinal);
    // Shows frame `index` of the action: its boxes listed and drawn.
    void showFrame(int index);
    // Reads the AIR text again and shows the same action and frame.
    void refresh();
    void stepFrame(int delta);
    void togglePlay();
    // Moves the game clock on by this many ticks (the timer does, 60 a second
    // at the chosen speed): the frame of the new tick is shown, interpolated.
    void advanceTicks(int ticks);
    // Shows the action holding this line of the AIR text.
    void followLine(int line);
    // Box edits; each becomes one edit of the AIR text.
    void changeBox(int kind, int index, vantrel::AirBox box);
    void addDrawnBox(vantrel::AirBox box);
    void deleteSelectedBox();
    // A box's line typed into its list: "Clsn2[0] = l, t, r, b" or the four numbers.
    void takeTypedBox(int kind, int index, const QString& text);
    void deleteBoxOfList(int kind);
    void deleteAllBoxes(int kind);
    void copyPreviousFrame();
    // A frame or action edit of the panels: one step of the AIR document's
    // history, then the frame (or action, by number) to show.
    void applyFrameEdit(const std::string& text, const QString& stepText, int frame);
    void applyActionEdit(const std::string& text, const QString& stepText, int number);
    // The sprite dragged or nudged: the frame's offset moves by `by`, one step.
    void moveSprite(QPoint by);
    // Writes the action shown as a GIF or a sprite sheet, as the user names it.
    void exportShownAction();

private:
    CollisionBoxWindow(App& app, std::unique_ptr<AirTextLink> link, AirDocument air, std::vector<std::int16_t> actions,
                       QWidget* parent);
    void buildControls();
    void stopPlaying();
    double speed() const;
    static constexpr int kTickMilliseconds = 16; // a tick is 1/60 s; the clock catches up the rest
    void fillActionList();
    // Gives a few more action items the picture of their first frame.
    void addThumbnails();
    // The sprites the sprite window shows, as "From Sprites" proposes them.
    QString spritesShownInTheSpriteWindow() const;
    static constexpr int kThumbnailSize = 32;
    void readFrames();
    void drawFrame();
    void selectBox(int kind, int index); // kind -1: none
    void showWarnings(const QString& refusal = {});
    // Reads the AIR text again when it changed since it was last read.
    void catchUp();
    // Writes an edit's text and shows the result with box `select` of `kind` selected.
    void apply(const Result<std::string>& edit, int kind, int select, const QString& stepText);
    QImage spriteImage(const AnimFrame& frame);
    // A frame that blends, scales or turns, drawn as the game draws it; false
    // for a plain frame, which the canvas draws itself.
    bool drawLikeTheGame(const AnimFrame& frame);

    App& app_;
    std::unique_ptr<AirTextLink> link_;
    std::unique_ptr<QtFrameTimer> timer_;
    std::optional<ActionTimeline> timeline_; // while playing
    std::int64_t tick_ = 0;                  // the game tick on display
    std::int64_t ticksPlayed_ = 0;           // ticks of the clock already played
    double fraction_ = 0;                    // how far through its time the frame shown is
    std::optional<std::int64_t> pausedAt_;   // the tick Play goes on from after a Stop
    bool advancing_ = false;                 // the clock, not the user, shows a frame
    QElapsedTimer clock_;
    QTimer* refreshTimer_ = nullptr;
    QTimer* thumbnailTimer_ = nullptr;
    int thumbnailsDone_ = 0; // action items that have had their picture looked for
    AirDocument air_;
    std::vector<std::int16_t> actions_;
    AnimAction frames_;
    FrameBoxes boxes_;
    int action_ = -1;                         // index into air_.actions()
    std::optional<std::int16_t> shownNumber_; // the number of the action shown
    bool following_ = false;                  // the action changes because the text's caret moved
    int frame_ = 0;
    DocumentTitle* title_ = nullptr;
    HistoryActions* history_ = nullptr;
    DecoderState decoder_;            // without the character's sprites
    QHash<QString, QImage> pictures_; // decoded sprites by path and flip, for the action on display
};

} // namespace vantrel
