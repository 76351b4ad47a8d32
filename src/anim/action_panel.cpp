#include "anim/action_panel.h"

#include "anim/panel_button.h"
#include "common/text.h"
#include "formats/air_edit.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <charconv>

namespace vantrel {

namespace {

constexpr std::size_t kMostSprites = 10000;

std::optional<int> readWhole(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<AirSprite>> readSpriteList(std::string_view text)
{
    std::vector<AirSprite> sprites;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(';'), text.size());
        const std::string_view part = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t comma = part.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> group = readWhole(part.substr(0, comma));
        const std::string_view images = part.substr(comma + 1);
        const std::size_t dash = images.find('-', images.find_first_not_of(' ') + 1); // not a leading minus
        const std::optional<int> first = readWhole(images.substr(0, dash));
        const std::optional<int> last = dash == std::string_view::npos ? first : readWhole(images.substr(dash + 1));
        if (!group || !first || !last || *last < *first)
            return std::nullopt;
        if (static_cast<std::size_t>(std::int64_t{*last} - *first) >= kMostSprites - sprites.size())
            return std::nullopt;
        for (int image = *first; image <= *last; ++image)
            sprites.push_back({*group, image});
    }
    if (sprites.empty())
        return std::nullopt;
    return sprites;
}

ActionPanel::ActionPanel(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs)
{
    newButton = panelButton(tr("New"), "newActionButton", this);
    duplicateButton = panelButton(tr("Duplicate"), "duplicateActionButton", this);
    renumberButton = panelButton(tr("Renumber"), "renumberActionButton", this);
    deleteButton = panelButton(tr("Delete"), "deleteActionButton", this);
    fromSpritesButton = panelButton(tr("From Sprites"), "actionFromSpritesButton", this);
    fromSpritesButton->setToolTip(tr("New action from sprites"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {newButton, duplicateButton, renumberButton, deleteButton, fromSpritesButton})
        layout->addWidget(b);
    connect(newButton, &QPushButton::clicked, this, &ActionPanel::newAction);
    connect(duplicateButton, &QPushButton::clicked, this, &ActionPanel::duplicateAction);
    connect(renumberButton, &QPushButton::clicked, this, &ActionPanel::renumberAction);
    connect(deleteButton, &QPushButton::clicked, this, &ActionPanel::deleteAction);
    connect(fromSpritesButton, &QPushButton::clicked, this, &ActionPanel::newActionFromSprites);
}

void ActionPanel::show(const AirDocument& air, int action)
{
    air_ = &air;
    action_ = action >= 0 && action < static_cast<int>(air.actions().size()) ? action : -1;
    for (QPushButton* b : {duplicateButton, renumberButton, deleteButton})
        b->setEnabled(action_ >= 0);
}

std::optional<int> ActionPanel::askNumber(const QString& title, int proposed)
{
    const std::optional<QString> typed = dialogs_.askText(this, title, tr("Action number:"), QString::number(proposed));
    if (!typed)
        return std::nullopt;
    const std::optional<int> number = readWhole(typed->toStdString());
    if (!number) {
        emit refused(QStringLiteral("\"%1\" is not an action number.").arg(*typed));
        return std::nullopt;
    }
    if (air_->findAction(*number) >= 0) {
        emit refused(tr("Action %1 already exists.").arg(*number));
        return std::nullopt;
    }
    return number;
}

void ActionPanel::newAction()
{
    if (catchUp)
        catchUp();
    if (!air_)
        return;
    if (const std::optional<int> number = askNumber(tr("New Action"), nextFreeActionNumber(*air_)))
        if (const auto text = appendAction(air_->text(), *number))
            emit edited(*text, tr("New Action"), *number);
}

void ActionPanel::duplicateAction()
{
    if (catchUp)
        catchUp();
    if (!air_ || action_ < 0)
        return;
    const int from = air_->actions()[static_cast<std::size_t>(action_)].number;
    if (const std::optional<int> number = askNumber(tr("Duplicate Action"), nextFreeActionNumber(*air_, from)))
        if (const auto text = vantrel::duplicateAction(air_->text(), action_, *number))
            emit edited(*text, tr("Duplicate Action"), *number);
}

void ActionPanel::renumberAction()
{
    if (catchUp)
        catchUp();
    if (!air_ || action_ < 0)
        return;
    const AirAction& action = air_->actions()[static_cast<std::size_t>(action_)];
    if (const std::optional<int> number = askNumber(tr("Renumber Action"), action.number)) {
        const auto text = vantrel::renumberAction(air_->text(), action_, *number);
        if (!text)
            emit refused(tr("The header of this action cannot be renumbered."));
        else
            emit edited(*text, tr("Renumber Action"), *number);
    }
}

void ActionPanel::deleteAction()
{
    if (catchUp)
        catchUp();
    if (!air_ || action_ < 0)
        return;
    const int number = air_->actions()[static_cast<std::size_t>(action_)].number;
    if (dialogs_.message(this, tr("Delete action %1 and all its frames?").arg(number), tr("Delete Action"),
                         Buttons::YesNo, Icon::Question)
        != Answer::Yes)
        return;
    if (const auto text = vantrel::deleteAction(air_->text(), action_)) {
        const auto& actions = air_->actions();
        // The action after it is shown next, else the one before.
        const std::size_t next = static_cast<std::size_t>(action_) + 1;
        const int show = next < actions.size() ? actions[next].number
            : action_ > 0                      ? actions[static_cast<std::size_t>(action_) - 1].number
                                               : -1;
        emit edited(*text, tr("Delete Action"), show);
    }
}

void ActionPanel::newActionFromSprites()
{
    if (catchUp)
        catchUp();
    if (!air_)
        return;
    const std::optional<QString> typed =
        dialogs_.askText(this, tr("New Action from Sprites"), tr("Sprites (group,first-last; ...):"),
                         proposedSprites && !proposedSprites().isEmpty() ? proposedSprites() : QStringLiteral("0,0-3"));
    if (!typed)
        return;
    const auto sprites = readSpriteList(typed->toStdString());
    if (!sprites) {
        emit refused(QStringLiteral("\"%1\" does not name sprites as group,first-last.").arg(*typed));
        return;
    }
    const int number = nextFreeActionNumber(*air_);
    if (const auto text = appendAction(air_->text(), number, *sprites))
        emit edited(*text, tr("New Action from Sprites"), number);
}

} // namespace vantrel
