#pragma once
// The collision box window: pick an action and a frame of the AIR file and
// see the frame's sprite with its attack (Clsn1, red) and hittable (Clsn2,
// blue) boxes. It only shows them; the editing controls do nothing yet.

#include "anim/clsn.h"
#include "shell/app.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace vantrel {

inline constexpr const char* kAirProblem = "Problem with associated AIR file.";

class CollisionBoxWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the window on the current AIR file, or shows "Problem with
    // associated AIR file." and returns null when the file cannot be read,
    // an action number is not a 16-bit integer, or it has over 256 actions.
    static CollisionBoxWindow* open(App& app, QWidget* parent = nullptr);

    void hscAction_Change(int value);
    void hscValue_Change(int value);

    // The frames of the action on display.
    const std::vector<BoxFrame>& frames() const { return frames_; }

    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblActionNo = nullptr;
    QScrollBar* hscAction = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblFrameNo = nullptr;
    QScrollBar* hscValue = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    std::array<QListWidget*, 2> lstCLSN{};     // 0: Clsn1, 1: Clsn2
    std::array<QPushButton*, 2> cmdDelClsn{};  // "Delete"
    std::array<QPushButton*, 2> Command1{};    // "Del All"
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> optClsn{};
    QCheckBox* chkDefault = nullptr;
    QLabel* picMain = nullptr;

private:
    CollisionBoxWindow(App& app, std::vector<std::int16_t> actions, QWidget* parent);
    void drawFrame(const BoxFrame* frame);

    App& app_;
    std::vector<std::int16_t> actions_;
    std::vector<BoxFrame> frames_;
};

} // namespace vantrel
