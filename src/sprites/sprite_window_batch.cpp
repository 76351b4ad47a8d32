// The sprite window's many sprites at once: the list and the grid of
// thumbnails with their shared selection, and the Selection menu, each of
// whose commands is one step of the history.

#include "sprites/sprite_window.h"
#include "ui/app.h"
#include "ui/translations.h"

#include "common/paths.h"
#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "formats/act.h"
#include "formats/png.h"
#include "image/picture.h"
#include "sprites/sprite_batch.h"
#include "sprites/sprite_table_model.h"
#include "ui/action_icons.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace vantrel {

namespace {

QString spritesText(std::size_t count)
{
    return count == 1 ? SpriteWindow::tr("the selected sprite")
                      : SpriteWindow::tr("the %1 selected sprites").arg(count);
}

} // namespace

QWidget* SpriteWindow::createSpriteViews()
{
    spriteModel = new SpriteTableModel(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("spriteTabs"));

    spriteList = new QListView(tabs);
    spriteList->setObjectName(QStringLiteral("spriteList"));
    spriteList->setIconSize(QSize(24, 24));

    spriteGrid = new QListView(tabs);
    spriteGrid->setObjectName(QStringLiteral("spriteGrid"));
    spriteGrid->setViewMode(QListView::IconMode);
    spriteGrid->setIconSize(QSize(SpriteTableModel::kThumbnailSide, SpriteTableModel::kThumbnailSide));
    spriteGrid->setGridSize(QSize(SpriteTableModel::kThumbnailSide + 16, SpriteTableModel::kThumbnailSide + 24));
    spriteGrid->setResizeMode(QListView::Adjust);
    spriteGrid->setMovement(QListView::Static);
    spriteGrid->setWrapping(true);

    for (QListView* view : {spriteList, spriteGrid}) {
        // The views ask only the first item its size, and lay out in batches:
        // only the thumbnails in sight are drawn.
        view->setUniformItemSizes(true);
        view->setLayoutMode(QListView::Batched);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setModel(spriteModel);
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    // One selection: what is selected in one view is selected in the other.
    QItemSelectionModel* shared = spriteList->selectionModel();
    QItemSelectionModel* own = spriteGrid->selectionModel();
    spriteGrid->setSelectionModel(shared);
    delete own;
    connect(shared, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && current.row() + 1 != currentIndex())
            indexScrollBar->setValue(current.row() + 1);
    });

    tabs->addTab(spriteList, tr("List"));
    tabs->addTab(spriteGrid, tr("Grid"));
    createSelectionMenu();
    return tabs;
}

void SpriteWindow::createSelectionMenu()
{
    selectionMenu = new QMenu(tr("Selection"), this);
    selectionMenu->setObjectName(QStringLiteral("selectionMenu"));
    const std::tuple<QAction * SpriteWindow::*, void (SpriteWindow::*)(), const char*, const char*> items[] = {
        {&SpriteWindow::batchAxisAction, &SpriteWindow::setSelectionAxis,
         QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Set Axis..."), "batchAxisAction"},
        {&SpriteWindow::batchGroupAction, &SpriteWindow::moveSelectionToGroup,
         QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Move to Group..."), "batchGroupAction"},
        {&SpriteWindow::batchDeleteAction, &SpriteWindow::deleteSelection,
         QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Delete"), "batchDeleteAction"},
        {&SpriteWindow::batchExportAction, &SpriteWindow::exportSelection,
         QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Export as PNG..."), "batchExportAction"},
        {&SpriteWindow::batchCropAction, &SpriteWindow::cropSelection,
         QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Crop to Content"), "batchCropAction"},
        {&SpriteWindow::batchPaletteAction, &SpriteWindow::useCharacterPalette,
         QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Use the Character's Palette"), "batchPaletteAction"},
        {&SpriteWindow::importSheetAction, &SpriteWindow::importSpriteSheet,
         QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Import Sprite Sheet..."), "importSheetAction"},
    };
    for (const auto& [member, command, text, name] : items) {
        if (member == &SpriteWindow::importSheetAction)
            selectionMenu->addSeparator();
        QAction* action = selectionMenu->addAction(tr(text));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
        this->*member = action;
    }
    for (QListView* view : {spriteList, spriteGrid})
        view->addActions(selectionMenu->actions());

    selectionAction = selectionMenu->menuAction();
    selectionAction->setObjectName(QStringLiteral("selectionAction"));
    selectionAction->setIcon(actionIcon(ActionIcon::Picture));
    selectionAction->setToolTip(tr("What to do with the selected sprites"));
    toolBar->addAction(selectionAction);
    if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(selectionAction)))
        button->setPopupMode(QToolButton::InstantPopup);
}

void SpriteWindow::followRecord(int index)
{
    if (!spriteList || index < 1 || index > spriteModel->rowCount())
        return;
    QItemSelectionModel* selection = spriteList->selectionModel();
    const QModelIndex item = spriteModel->index(index - 1);
    if (selection->currentIndex() != item)
        selection->setCurrentIndex(item, QItemSelectionModel::NoUpdate);
    spriteList->scrollTo(item);
    spriteGrid->scrollTo(item);
}

std::vector<int> SpriteWindow::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& item : spriteList->selectionModel()->selectedIndexes())
        rows.push_back(item.row() + 1);
    std::sort(rows.begin(), rows.end());
    if (rows.empty() && currentIndex() >= 1)
        rows.push_back(currentIndex());
    return rows;
}

void SpriteWindow::selectRows(const std::vector<int>& rows)
{
    QItemSelection chosen;
    for (int row : rows) {
        if (row >= 1 && row <= spriteModel->rowCount())
            chosen.select(spriteModel->index(row - 1), spriteModel->index(row - 1));
    }
    spriteList->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty())
        indexScrollBar->setValue(rows.front());
}

bool SpriteWindow::pushBatch(const QString& text, const Result<BatchEdit>& edit, const QString& nothing)
{
    if (!edit) {
        app_.dialogs.message(this, translatedMessage(edit.error()));
        return false;
    }
    if (edit->changed == 0) {
        app_.dialogs.message(this, nothing);
        return false;
    }
    const int shown = std::min(currentIndex(), static_cast<int>(edit->records.size()));
    document_->push(new BatchEditCommand(*document_, text, *edit, std::max(shown, 1)));
    return true;
}

void SpriteWindow::setSelectionAxis()
{
    const SpriteRecord* record = current();
    if (!record)
        return;
    const std::vector<int> rows = selectedRows();
    const int how = app_.dialogs.choose(this, tr("Set the axis of %1, or move it?").arg(spritesText(rows.size())),
                                        {tr("Set to x,y"), tr("Move by x,y"), tr("Cancel")}, tr("Set Axis"));
    if (how != 0 && how != 1)
        return;
    const QString initial =
        how == 0 ? QStringLiteral("%1,%2").arg(record->axisX()).arg(record->axisY()) : QStringLiteral("0,0");
    const std::optional<QString> answer = app_.dialogs.askText(
        this, tr("Set Axis"), how == 0 ? tr("The axis (x,y):") : tr("Move the axis by (x,y):"), initial);
    if (!answer)
        return;
    const auto pair = parseNumberPair(sstr(*answer));
    if (!pair) {
        app_.dialogs.message(this, tr("\"%1\" is not two numbers, as x,y.").arg(*answer));
        return;
    }
    pushBatch(how == 0 ? tr("Set Axis") : tr("Move Axis"),
              setAxes(workspace(), rows, pair->first, pair->second, how == 1),
              tr("The selected sprites have that axis already."));
}

void SpriteWindow::moveSelectionToGroup()
{
    const SpriteRecord* record = current();
    if (!record)
        return;
    const std::vector<int> rows = selectedRows();
    const std::optional<QString> answer = app_.dialogs.askText(
        this, tr("Move to Group"),
        tr("Move %1 to group:\n(Each keeps its image number unless the group has it already; then it "
           "takes the group's next free number.)")
            .arg(spritesText(rows.size())),
        qstr(record->groupText));
    if (!answer)
        return;
    const std::string text = trimmed(sstr(*answer));
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) {
        app_.dialogs.message(this, tr("\"%1\" is not a group number.").arg(*answer));
        return;
    }
    pushBatch(tr("Move to Group"), moveToGroup(workspace(), rows, numericValue(text)),
              tr("The selected sprites are in that group already."));
}

void SpriteWindow::deleteSelection()
{
    if (!current())
        return;
    const std::vector<int> rows = selectedRows();
    if (app_.dialogs.message(this, tr("Delete %1?").arg(spritesText(rows.size())), tr("Delete sprites"), Buttons::YesNo,
                             Icon::Question)
        != Answer::Yes)
        return;
    pushBatch(rows.size() == 1 ? tr("Delete Sprite") : tr("Delete Sprites"), deleteRows(workspace(), rows), QString());
}

void SpriteWindow::exportSelection()
{
    if (!current())
        return;
    const QString folder = askExportFolder(tr("Save the selected pictures to:"));
    if (!folder.isEmpty())
        reportExportErrors(vantrel::exportSelection(workspace(), selectedRows(), sstr(folder)));
}

void SpriteWindow::cropSelection()
{
    if (!current())
        return;
    pushBatch(tr("Crop to Content"), cropToContent(workspace(), selectedRows()),
              tr("The selected pictures have no transparent border to remove."));
}

std::optional<Palette> SpriteWindow::characterPalette(QString& name) const
{
    const std::string& first = app_.documents ? app_.documents->character().paletteFiles[1] : std::string();
    if (!first.empty()) {
        const Result<Palette> palette = readActFile(first);
        if (!palette) {
            name = translated(palette.failure());
            return std::nullopt;
        }
        name = qstr(fileNameOf(first));
        return *palette;
    }
    if (document_->decoder().spritePaletteCaptured) {
        name = tr("the sprites' shared palette");
        return document_->decoder().spritePalette;
    }
    name = tr("The character has no palette to use: its definition names no palette file, and no "
              "sprite has a palette of its own.");
    return std::nullopt;
}

void SpriteWindow::useCharacterPalette()
{
    if (!current())
        return;
    QString name;
    const std::optional<Palette> palette = characterPalette(name);
    if (!palette) {
        app_.dialogs.message(this, name);
        return;
    }
    if (pushBatch(tr("Use the Character's Palette"), remapToPalette(workspace(), selectedRows(), *palette),
                  tr("The selected pictures have the colours of %1 already.").arg(name)))
        setStatus(tr("Remapped to the colours of %1.").arg(name));
}

void SpriteWindow::importSpriteSheet()
{
    if (!document_)
        return;
    FileDialogOptions options = pictureDialog(tr("Import a sprite sheet"), true);
    options.filter = tr("PNG (*.png)") + QStringLiteral("|*.png");
    const QString sheet = app_.dialogs.openFile(this, options);
    if (sheet.isEmpty() || !checkPictures({sheet}))
        return;
    const auto bytes = readFileBytes(sstr(sheet));
    const auto info = bytes ? sfflib::readPngInfo(*bytes) : sfflib::Result<sfflib::PngInfo>::failure({});
    if (!info) {
        app_.dialogs.message(this, translatedMessage(kPngRefused));
        return;
    }
    const QString title = tr("Import Sprite Sheet");
    const std::optional<QString> frames = app_.dialogs.askText(
        this, title,
        tr("The sheet is %1 x %2 pixels. Its frames, as width,height in pixels, or as columns x rows "
           "(as 8x2):")
            .arg(info->width)
            .arg(info->height),
        QStringLiteral("%1,%1").arg(info->height));
    if (!frames)
        return;
    SheetCut cut;
    if (const auto size = parseNumberPair(sstr(*frames))) {
        cut.frameWidth = static_cast<int>(size->first);
        cut.frameHeight = static_cast<int>(size->second);
    } else if (const auto grid = parseNumberPair(toLowerAscii(sstr(*frames)), 'x')) {
        cut.columns = static_cast<int>(std::clamp<std::int64_t>(grid->first, 0, info->width));
        cut.rows = static_cast<int>(std::clamp<std::int64_t>(grid->second, 0, info->height));
    } else {
        app_.dialogs.message(this, tr("\"%1\" names no frames: write 64,80 or 8x2.").arg(*frames));
        return;
    }
    const SpriteRecord* record = current();
    const std::optional<QString> numbers =
        app_.dialogs.askText(this, title, tr("The new sprites' group and first image number (group,number):"),
                             QStringLiteral("%1,0").arg(record ? qstr(record->groupText) : QStringLiteral("0")));
    if (!numbers)
        return;
    const auto start = parseNumberPair(sstr(*numbers));
    if (!start || start->first < 0 || start->second < 0) {
        app_.dialogs.message(this, tr("\"%1\" is not a group and an image number.").arg(*numbers));
        return;
    }
    const int axis = app_.dialogs.choose(this, tr("Where is each frame's axis?"),
                                         {tr("Bottom centre"), tr("Centre"), tr("Top left"), tr("Cancel")}, title);
    if (axis < 0 || axis > 2)
        return;
    const int before = workspace().count();
    Result<BatchEdit> edit =
        importSheet(workspace(), sstr(sheet), cut, start->first, start->second, static_cast<FrameAxis>(axis));
    if (!pushBatch(tr("Import Sprite Sheet"), edit, QString()))
        return;
    std::vector<int> added;
    for (int row = before + 1; row <= workspace().count(); ++row)
        added.push_back(row);
    selectRows(added);
}

} // namespace vantrel
