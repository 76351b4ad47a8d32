#pragma once
// The frames of the action on display as a table, one row per frame and a
// column per field of its line (group, image, x, y, time, flip, blend,
// scale x, scale y, angle), edited in place, with the frame and action
// edits as buttons. The panel never writes the AIR text itself: each edit
// comes out as the new text, which the window makes one step of the AIR
// document's history.

#include "formats/air_document.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace vantrel {

class FramePanel : public QWidget {
    Q_OBJECT
public:
    explicit FramePanel(QWidget* parent = nullptr);

    // Shows the frames of action `action` (its place in the file) with row `frame` current.
    void show(const AirDocument& air, int action, int frame);
    int currentFrame() const;

    // Called before an edit is worked out, so that it starts from the text as it is now.
    std::function<void()> catchUp;

    QTableWidget* table = nullptr;
    QPushButton* insertButton = nullptr;
    QPushButton* duplicateButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* pasteButton = nullptr;
    QPushButton* loopStartButton = nullptr;
    QLabel* interpolationLabel = nullptr; // the Interpolate lines before the current frame

    // The frame operations, also for the window's keys and for tests.
    void insertFrame();
    void duplicateFrame();
    void deleteFrame();
    void moveFrame(int delta);
    void copyFrames();
    void pasteFrames();
    void toggleLoopStart();
    // A cell typed into: the new value of that field of the row's frame.
    void takeCell(int row, int column, const QString& text);

signals:
    // An edit to make: the new AIR text, the step's name, and the frame to show after it.
    void edited(const std::string& text, const QString& stepText, int frame);
    // An edit that cannot be made, and why.
    void refused(const QString& reason);
    void frameChosen(int frame);

private:
    void fillRow(int row, const AirFrame& frame);
    void emitEdit(const std::optional<std::string>& text, const QString& stepText, int frame);
    void updateButtons();

    const AirDocument* air_ = nullptr;
    int action_ = -1;
    std::string shownText_; // the text the rows were filled from
    bool filling_ = false;
};

} // namespace vantrel
