#include "palette/palette_window.h"
#include "ui/app.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "formats/act.h"
#include "formats/pal.h"
#include "image/picture.h"
#include "palette/palette_commands.h"
#include "sprites/sprite_document.h"
#include "ui/action_icons.h"
#include "ui/document_views.h"
#include "ui/history_actions.h"
#include "ui/number_keys.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <functional>

namespace vantrel {

namespace {

QColor qcolour(const Rgb& c)
{
    return QColor(c.r, c.g, c.b);
}

// A picture box: paints what its owner draws and reports the mouse.
class PictureBox : public QWidget {
public:
    std::function<QImage()> picture;
    std::function<void(QMouseEvent*)> pressed, released, doubleClicked;

    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, picture());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (pressed)
            pressed(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (released)
            released(e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (doubleClicked)
            doubleClicked(e);
    }
};

// The picture of the character's first sprite; empty when there is none.
QString firstSpritePicture(const DocumentManager* documents)
{
    const SpriteDocument* sprites = characterSprites(documents);
    if (!sprites || sprites->workspace().count() == 0)
        return {};
    return qstr(sprites->workspace().imagePath(sprites->workspace().record(1)));
}

} // namespace

PaletteWindow::PaletteWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    title_ = new DocumentTitle(this, tr("ACT Editor"));
    setAcceptDrops(true);

    auto* grid = new PictureBox(this);
    grid->setObjectName(QStringLiteral("paletteGrid"));
    grid->setFixedSize(kGridSize, kGridSize);
    grid->picture = [this] { return gridPicture(); };
    grid->pressed = [this](QMouseEvent* e) { pressGrid(e->position().toPoint().x(), e->position().toPoint().y()); };
    grid->doubleClicked = [this](QMouseEvent*) { chooseColour(); };
    paletteGrid_ = grid;

    swatch_ = new QLabel(this);
    swatch_->setObjectName(QStringLiteral("swatch"));
    swatch_->setFixedSize(48, 48);
    swatch_->setAutoFillBackground(true);
    swatch_->setFrameShape(QFrame::Box);

    auto* controls = new QGridLayout;
    controls->addWidget(new QLabel(tr("R G B"), this), 0, 0, 1, 2);
    const char* names[3][2] = {
        {"redScrollBar", "redEdit"}, {"greenScrollBar", "greenEdit"}, {"blueScrollBar", "blueEdit"}};
    for (Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
        const int i = index(channel);
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QString::fromLatin1(names[i][0]));
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(25);
        bar->setMinimumWidth(160);
        auto* box = new QLineEdit(QStringLiteral("0"), this);
        box->setObjectName(QString::fromLatin1(names[i][1]));
        box->setFixedWidth(48);
        acceptDigitsOnly(box);
        scrollBars_[i] = bar;
        numberEdits_[i] = box;
        controls->addWidget(bar, i + 1, 0);
        controls->addWidget(box, i + 1, 1);
        // While the thumb is dragged only the grid follows; the sample and
        // the number box catch up when it is let go.
        connect(bar, &QScrollBar::valueChanged, this, [this, channel, bar] {
            if (bar->isSliderDown())
                previewScrollBar(channel);
            else
                applyScrollBar(channel);
        });
        connect(bar, &QScrollBar::sliderReleased, this, [this, channel] { applyScrollBar(channel); });
        connect(box, &QLineEdit::textChanged, this, [this, channel] { applyNumberEdit(channel); });
    }

    auto* display = new PictureBox;
    display->setObjectName(QStringLiteral("sampleView"));
    display->picture = [this] { return sample_; };
    display->released = [this](QMouseEvent* e) {
        pickColour(e->button(), e->position().toPoint().x(), e->position().toPoint().y());
    };
    sampleView_ = display;
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(display);
    scroller->setMinimumSize(240, 200);

    buildToolbar();

    auto* side = new QVBoxLayout;
    side->addWidget(swatch_);
    side->addLayout(controls);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(grid, 0, Qt::AlignTop);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    createEditMenu();
    layout->addWidget(toolbar_);
    changedBar_ = new ChangedOnDiskBar(app_, this);
    layout->addWidget(changedBar_);
    layout->addLayout(top);
    layout->addWidget(scroller, 1);
    // Every toolbar button stays in sight rather than behind an overflow arrow.
    setMinimumWidth(toolbar_->sizeHint().width() + layout->contentsMargins().left()
                    + layout->contentsMargins().right());

    // The first sprite of the workspace is the sample; with no sprites there
    // is simply no sample.
    samplePath_ = firstSpritePicture(app_.documents);
    if (!followCharacter())
        showSampleImage();
    refresh(false);
}

const CharacterFiles& PaletteWindow::character() const
{
    static const CharacterFiles none;
    return app_.documents ? app_.documents->character() : none;
}

bool PaletteWindow::followCharacter()
{
    for (int n = 1; n <= 12; ++n)
        paletteAction(n)->setEnabled(!character().paletteFiles[static_cast<std::size_t>(n)].empty());
    return loadAct(qstr(character().paletteFiles[1]));
}

void PaletteWindow::setDocument(PaletteDocument* document)
{
    if (document_)
        document_->disconnect(this);
    document_ = document;
    showDocumentIn(document, *history_, *title_, *changedBar_);
    if (document) {
        connect(document, &PaletteDocument::paletteChanged, this, &PaletteWindow::followDocument);
        connect(document, &QObject::destroyed, this, [this] { setDocument(nullptr); });
        editor_.setPalette(document->palette());
    }
    currentSlot_ = 0;
    for (int n = 1; n <= 12 && currentSlot_ == 0 && document; ++n) {
        const std::string& file = character().paletteFiles[static_cast<std::size_t>(n)];
        if (!file.empty() && app_.documents->findDocument(qstr(file)) == document)
            currentSlot_ = n;
    }
    showCurrentSlot();
    refresh(true);
}

void PaletteWindow::followDocument(int entry)
{
    editor_.setPalette(document_->palette());
    if (entry >= 0)
        editor_.selectIndex(entry);
    refresh(true);
}

void PaletteWindow::buildToolbar()
{
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    // Captions under the pictures; the palette numbers are their own picture.
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [this](const QString& name, const QString& caption, const QString& tip, const QIcon& icon = QIcon()) {
        QAction* action = toolbar_->addAction(icon, caption);
        action->setObjectName(name);
        action->setToolTip(tip);
        return action;
    };
    auto* palettes = new QActionGroup(this);
    for (int n = 1; n <= 12; ++n) {
        QAction* action =
            add(QStringLiteral("palette%1Action").arg(n), QString::number(n), tr("ACT palette %1").arg(n));
        action->setCheckable(true);
        action->setEnabled(false);
        palettes->addAction(action);
        connect(action, &QAction::triggered, this, [this, n] { switchToPalette(n); });
        paletteActions_[static_cast<std::size_t>(n - 1)] = action;
    }
    toolbar_->addSeparator();
    QAction* save = add(QStringLiteral("saveAction"), tr("Save"), tr("Save the palette"), actionIcon(ActionIcon::Save));
    connect(save, &QAction::triggered, this, &PaletteWindow::saveAct);
    bindKeys(this, save, QKeySequence::Save);
    QAction* saveAs = add(QStringLiteral("saveAsAction"), tr("Save As"), QString(), actionIcon(ActionIcon::SaveAs));
    connect(saveAs, &QAction::triggered, this, &PaletteWindow::saveActAs);
    bindKeys(this, saveAs, QKeySequence::SaveAs);
    QAction* importPal = add(QStringLiteral("importPalAction"), tr("Import PAL"), tr("Import a JASC PAL file"),
                             actionIcon(ActionIcon::Import));
    connect(importPal, &QAction::triggered, this, &PaletteWindow::importPal);
    QAction* exportPal = add(QStringLiteral("exportPalAction"), tr("Export PAL"), tr("Save a JASC PAL file"),
                             actionIcon(ActionIcon::Export));
    connect(exportPal, &QAction::triggered, this, &PaletteWindow::exportPal);
    QAction* chooseSample = add(QStringLiteral("chooseSampleAction"), tr("Sample"), tr("Load PCX for sample image"),
                                actionIcon(ActionIcon::Picture));
    connect(chooseSample, &QAction::triggered, this, &PaletteWindow::chooseSampleImage);
    undoAction_ =
        add(QStringLiteral("undoAction"), tr("Undo"), tr("Undo last palette change"), actionIcon(ActionIcon::Undo));
    updateUndoButton();
}

QAction* PaletteWindow::paletteAction(int n) const
{
    return n >= 1 && n <= 12 ? paletteActions_[static_cast<std::size_t>(n - 1)] : nullptr;
}

void PaletteWindow::switchToPalette(int n)
{
    // The button was checked by the click itself; whatever follows, the
    // checked one goes back to naming the palette really in the editor.
    if (n >= 1 && n <= 12)
        loadAct(qstr(character().paletteFiles[static_cast<std::size_t>(n)]));
    showCurrentSlot();
}

void PaletteWindow::showCurrentSlot()
{
    for (int n = 1; n <= 12; ++n)
        paletteAction(n)->setChecked(n == currentSlot_);
}

void PaletteWindow::chooseSampleImage()
{
    FileDialogOptions options;
    options.title = tr("Find a DEF file");
    options.directory = app_.workDir + QStringLiteral("/tempsff/");
    options.filter = tr("Character image file (*.pcx)") + QStringLiteral("|*.pcx");
    const QString path = app_.dialogs.openFile(this, options);
    if (path.isEmpty())
        return;
    samplePath_ = path;
    sampleRefused_ = false;
    showSampleImage();
}

void PaletteWindow::showSampleImage()
{
    // A sample the decoder refused is not tried again on every colour change,
    // which would repeat its message at each step of a scroll bar.
    sampleStale_ = false;
    if (samplePath_.isEmpty() || sampleRefused_) {
        sample_ = QImage();
    } else {
        sample_ =
            loadPcx(decoder_, app_.dialogs, this, samplePath_, kPaletteWorking, 0, nullptr, &editor_.workingPalette);
        // A 32-bit sprite has its own colours, no palette: it is left alone.
        if (isTrueColour(sample_)) {
            sample_ = QImage();
            app_.dialogs.message(this, tr("The sample is a 32-bit picture: palettes do not change it."));
        }
        sampleRefused_ = sample_.isNull();
    }
    sampleView_->setFixedSize(sample_.isNull() ? QSize(1, 1) : sample_.size());
    sampleView_->update();
}

void PaletteWindow::selectIndex(int index)
{
    editor_.selectIndex(index);
    refresh(false);
}

void PaletteWindow::pressGrid(int x, int y)
{
    const std::optional<int> cell = PaletteEditor::pressGrid(x, y);
    if (cell && *cell != editor_.selectedIndex)
        selectIndex(*cell);
}

void PaletteWindow::chooseColour()
{
    const Rgb current = editor_.selectedColour();
    const std::optional<QColor> chosen = app_.dialogs.chooseColour(this, qcolour(current));
    if (!chosen)
        return;
    const auto number = static_cast<std::uint32_t>(chosen->red() | (chosen->green() << 8) | (chosen->blue() << 16));
    if (editor_.setSelectedColour(PaletteEditor::colourOfNumber(number)))
        recordStep(tr("Choose Colour"), editor_.selectedIndex, PaletteChangeCommand::kNoMerge);
}

void PaletteWindow::pickColour(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton || sample_.isNull() || x < 0 || y < 0 || x >= sample_.width() || y >= sample_.height())
        return;
    selectIndex(sample_.pixelIndex(x, y));
}

void PaletteWindow::applyScrollBar(Channel channel)
{
    if (syncing_)
        return;
    const int value = scrollBar(channel)->value();
    const bool changed = editor_.setComponent(channel, value);
    QLineEdit* box = numberEdit(channel);
    // The box is left alone while it already says this number, so typing in
    // it is not interrupted by its own echo.
    if (numericValue(sstr(box->text())) != value) {
        const QSignalBlocker quiet(box);
        box->setText(qstr(formatNumber(value)));
    }
    // A drag that ended here changed the palette before this call did.
    const QString kChannelSteps[] = {tr("Change Red"), tr("Change Green"), tr("Change Blue")};
    recordStep(kChannelSteps[index(channel)], editor_.selectedIndex,
               typing_ ? PaletteChangeCommand::typedMergeId(channel) : PaletteChangeCommand::kNoMerge);
    if (sampleStale_ || (changed && !document_))
        refresh(true);
}

void PaletteWindow::previewScrollBar(Channel channel)
{
    if (syncing_)
        return;
    if (editor_.setComponent(channel, scrollBar(channel)->value())) {
        paletteGrid_->update();
        swatch_->setPalette(QPalette(selectedSwatch()));
        sampleStale_ = true;
    }
}

void PaletteWindow::applyNumberEdit(Channel channel)
{
    if (syncing_)
        return;
    QLineEdit* box = numberEdit(channel);
    const std::int64_t value = numericValue(sstr(box->text()));
    if (value > 255) {
        box->setText(QStringLiteral("255"));
        return; // the change this makes sets the scroll bar
    }
    if (value < 0) {
        box->setText(QStringLiteral("0"));
        return;
    }
    const QScopedValueRollback typing(typing_, true);
    scrollBar(channel)->setValue(static_cast<int>(value));
}

QImage PaletteWindow::gridPicture() const
{
    QImage picture(kGridSize, kGridSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int i = 0; i < 256; ++i)
        painter.fillRect((i % 16) * kGridCell, (i / 16) * kGridCell, kGridCell, kGridCell,
                         qcolour(editor_.workingPalette[static_cast<std::size_t>(i)]));
    const int x = (editor_.selectedIndex % 16) * kGridCell;
    const int y = (editor_.selectedIndex / 16) * kGridCell;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawRect(x, y, 10, 10);
    painter.setPen(Qt::white);
    painter.drawRect(x + 1, y + 1, 10, 10);
    return picture;
}

QColor PaletteWindow::selectedSwatch() const
{
    return qcolour(editor_.selectedColour());
}

void PaletteWindow::refresh(bool sample)
{
    paletteGrid_->update();
    swatch_->setPalette(QPalette(selectedSwatch()));
    showSelectedControls();
    updateUndoButton();
    if (sample)
        showSampleImage();
}

void PaletteWindow::showSelectedControls()
{
    // Programmatic: the controls show the colour, they do not write it back.
    syncing_ = true;
    const Rgb& c = editor_.selectedColour();
    const int values[3] = {c.r, c.g, c.b};
    for (int i = 0; i < 3; ++i) {
        scrollBars_[i]->setValue(values[i]);
        if (numericValue(sstr(numberEdits_[i]->text())) != values[i])
            numberEdits_[i]->setText(qstr(formatNumber(values[i])));
    }
    syncing_ = false;
}

void PaletteWindow::updateUndoButton()
{
    if (undoAction_)
        undoAction_->setEnabled(undoStack() && undoStack()->canUndo());
}

} // namespace vantrel
