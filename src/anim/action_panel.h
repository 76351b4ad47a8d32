#pragma once
// The action edits of the Animation window: New, Duplicate, Renumber,
// Delete and New from sprites. Like the frame panel, it only works out the
// new AIR text; the window makes it one step of the AIR document's history.

#include "formats/air_document.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPushButton;

namespace vantrel {

class Dialogs;
struct AirSprite;

// Sprites written as "group,image" or "group,first-last", several joined by
// ';' ("9000,0-3; 9001,0"): the list in that order, or nothing when the text
// does not read or names more than 10,000 sprites.
std::optional<std::vector<AirSprite>> readSpriteList(std::string_view text);

class ActionPanel : public QWidget {
    Q_OBJECT
public:
    ActionPanel(Dialogs& dialogs, QWidget* parent = nullptr);

    // The AIR text and the action shown (its place in the file; -1 none).
    void show(const AirDocument& air, int action);

    // Called before an edit is worked out, so that it starts from the text as it is now.
    std::function<void()> catchUp;
    // The sprites "From Sprites" proposes, as readSpriteList reads them
    // (the sprite window's); empty: a start the user types over.
    std::function<QString()> proposedSprites;

    QPushButton* newButton = nullptr;
    QPushButton* duplicateButton = nullptr;
    QPushButton* renumberButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* fromSpritesButton = nullptr;

    void newAction();
    void duplicateAction();
    void renumberAction();
    void deleteAction();
    void newActionFromSprites();

signals:
    // The new AIR text, the step's name, and the number of the action to show.
    void edited(const std::string& text, const QString& stepText, int number);
    void refused(const QString& reason);

private:
    // Asks for an action number, proposing `proposed`; nothing when cancelled or unreadable.
    std::optional<int> askNumber(const QString& title, int proposed);

    Dialogs& dialogs_;
    const AirDocument* air_ = nullptr;
    int action_ = -1;
};

} // namespace vantrel
