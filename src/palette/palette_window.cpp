#include "palette/palette_window.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "image/picture.h"
#include "palette/act.h"
#include "palette/pal.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

namespace vantrel {

namespace {

const QString kActFilter = QStringLiteral("Character palette file (*.act)|*.act");
const QString kPalFilter = QStringLiteral("Jasc/PSP PAL file (*.pal)|*.pal");

QColor qcolour(const Rgb& c) { return QColor(c.r, c.g, c.b); }

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

} // namespace

PaletteWindow::PaletteWindow(App& app, QWidget* parent) : QWidget(parent), app_(app), editor_(app.workingPalette)
{
    setWindowTitle(QStringLiteral("ACT Editor"));

    auto* grid = new PictureBox(this);
    grid->setObjectName(QStringLiteral("picPal"));
    grid->setFixedSize(kGridSize, kGridSize);
    grid->picture = [this] { return gridPicture(); };
    grid->pressed = [this](QMouseEvent* e) { picPal_MouseDown(e->position().toPoint().x(), e->position().toPoint().y()); };
    grid->doubleClicked = [this](QMouseEvent*) { picPal_DblClick(); };
    picPal_ = grid;

    picSelected_ = new QLabel(this);
    picSelected_->setObjectName(QStringLiteral("picSelected"));
    picSelected_->setFixedSize(48, 48);
    picSelected_->setAutoFillBackground(true);
    picSelected_->setFrameShape(QFrame::Box);

    auto* controls = new QGridLayout;
    controls->addWidget(new QLabel(QStringLiteral("R G B"), this), 0, 0, 1, 2);
    const char* names[3][2] = {{"hscRed", "txtRed"}, {"hscGreen", "txtGreen"}, {"hscBlue", "txtBlue"}};
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
        box->installEventFilter(this);
        scrollBars_[i] = bar;
        textBoxes_[i] = box;
        controls->addWidget(bar, i + 1, 0);
        controls->addWidget(box, i + 1, 1);
        // While the thumb is dragged only the grid follows; the sample and
        // the number box catch up when it is let go.
        connect(bar, &QScrollBar::valueChanged, this, [this, channel, bar] {
            if (bar->isSliderDown())
                hsc_Scroll(channel);
            else
                hsc_Change(channel);
        });
        connect(bar, &QScrollBar::sliderReleased, this, [this, channel] { hsc_Change(channel); });
        connect(box, &QLineEdit::textChanged, this, [this, channel] { txt_Change(channel); });
    }

    auto* display = new PictureBox;
    display->setObjectName(QStringLiteral("picDisplay"));
    display->picture = [this] { return sample_; };
    display->released = [this](QMouseEvent* e) {
        picDisplay_MouseUp(e->button(), e->position().toPoint().x(), e->position().toPoint().y());
    };
    picDisplay_ = display;
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(display);
    scroller->setMinimumSize(240, 200);

    buildToolbar();

    auto* side = new QVBoxLayout;
    side->addWidget(picSelected_);
    side->addLayout(controls);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(grid, 0, Qt::AlignTop);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(toolbar_);
    layout->addLayout(top);
    layout->addWidget(scroller, 1);
    // Every toolbar button stays in sight rather than behind an overflow arrow.
    setMinimumWidth(toolbar_->sizeHint().width() + layout->contentsMargins().left() + layout->contentsMargins().right());

    // The first sprite of the workspace is the sample; with no sprites there
    // is simply no sample.
    if (app_.sprites.count() > 0)
        samplePath_ = qstr(app_.sprites.imagePath(app_.sprites.record(1)));
    if (!loadAct(qstr(app_.files.paletteFiles[1])))
        showSampleImage();
    refresh(false);
}

void PaletteWindow::buildToolbar()
{
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    auto add = [this](const QString& key, const QString& caption, const QString& tip) {
        QAction* action = toolbar_->addAction(caption);
        action->setObjectName(key);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        return action;
    };
    auto* palettes = new QActionGroup(this);
    for (int n = 1; n <= 12; ++n) {
        QAction* action = add(QStringLiteral("Act%1").arg(n), QString::number(n), QStringLiteral("ACT palette %1").arg(n));
        action->setCheckable(true);
        action->setEnabled(!app_.files.paletteFiles[static_cast<std::size_t>(n)].empty());
        palettes->addAction(action);
    }
    toolbar_->addSeparator();
    add(QStringLiteral("SaveAs"), QStringLiteral("Save As"), QString());
    add(QStringLiteral("openpal"), QStringLiteral("Import PAL"), QStringLiteral("Import a JASC PAL file"));
    add(QStringLiteral("savepal"), QStringLiteral("Export PAL"), QStringLiteral("Save a JASC PAL file"));
    add(QStringLiteral("OpenPic"), QStringLiteral("Sample"), QStringLiteral("Load PCX for sample image"));
    add(QStringLiteral("Undo"), QStringLiteral("Undo"), QStringLiteral("Undo last palette change"));
    updateUndoButton();
}

QAction* PaletteWindow::toolbarAction(const QString& key) const
{
    for (QAction* action : toolbar_->actions()) {
        if (action->objectName() == key)
            return action;
    }
    return nullptr;
}

void PaletteWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (key.startsWith(QLatin1String("Act"))) {
        const int n = key.mid(3).toInt();
        if (n < 1 || n > 12 || !confirmDiscard())
            return;
        loadAct(qstr(app_.files.paletteFiles[static_cast<std::size_t>(n)]));
    } else if (key == QLatin1String("SaveAs")) {
        saveActAs();
    } else if (key == QLatin1String("openpal")) {
        importPal();
    } else if (key == QLatin1String("savepal")) {
        exportPal();
    } else if (key == QLatin1String("OpenPic")) {
        chooseSampleImage();
    } else if (key == QLatin1String("Undo")) {
        swapUndo();
    }
}

bool PaletteWindow::loadAct(const QString& path)
{
    if (path.isEmpty())
        return false;
    const ActReadResult result = readActFile(sstr(path));
    if (!result.ok) {
        app_.dialogs.message(this, qstr(result.error));
        return false;
    }
    editor_.setPalette(result.palette, true);
    for (int n = 1; n <= 12; ++n) {
        if (qstr(app_.files.paletteFiles[static_cast<std::size_t>(n)]) == path) {
            currentSlot_ = n;
            toolbarAction(QStringLiteral("Act%1").arg(n))->setChecked(true);
            break;
        }
    }
    refresh(true);
    return true;
}

bool PaletteWindow::saveActAs()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Save ACT file");
    options.directory = qstr(app_.files.characterDir);
    if (currentSlot_ > 0)
        options.fileName = qstr(fileNameOf(app_.files.paletteFiles[static_cast<std::size_t>(currentSlot_)]));
    options.filter = kActFilter;
    options.mustExist = false;
    const QString path = app_.dialogs.saveFile(this, options);
    if (path.isEmpty())
        return false;
    const WriteResult written = writeFileAtomic(sstr(path), actBytes(editor_.workingPalette));
    if (!written) {
        app_.dialogs.message(this, qstr(written.error));
        return false;
    }
    editor_.markSaved();
    return true;
}

void PaletteWindow::importPal()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Import PAL file");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kPalFilter;
    const QString path = app_.dialogs.openFile(this, options);
    if (path.isEmpty())
        return;
    const auto bytes = readFileBytes(sstr(path));
    const auto palette = bytes ? paletteFromPal(*bytes) : std::nullopt;
    if (!palette) {
        app_.dialogs.message(this, QString::fromLatin1(kPalRejected));
        return;
    }
    editor_.setPalette(*palette, false);
    refresh(true);
}

void PaletteWindow::exportPal()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Export PAL file");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kPalFilter;
    options.mustExist = false;
    const QString path = app_.dialogs.saveFile(this, options);
    if (path.isEmpty())
        return;
    const WriteResult written = writeFileAtomic(sstr(path), palText(editor_.workingPalette));
    if (!written)
        app_.dialogs.message(this, qstr(written.error));
}

void PaletteWindow::chooseSampleImage()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Find a DEF file");
    options.directory = app_.appDir + QStringLiteral("/tempsff/");
    options.filter = QStringLiteral("Character image file (*.pcx)|*.pcx");
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
        sample_ = loadPcx(app_, this, samplePath_, kPaletteWorking, 0);
        sampleRefused_ = sample_.isNull();
    }
    picDisplay_->setFixedSize(sample_.isNull() ? QSize(1, 1) : sample_.size());
    picDisplay_->update();
}

void PaletteWindow::selectIndex(int index)
{
    editor_.selectIndex(index);
    refresh(false);
}

void PaletteWindow::swapUndo()
{
    if (editor_.swapUndo())
        refresh(true);
}

void PaletteWindow::picPal_MouseDown(int x, int y)
{
    const std::optional<int> cell = editor_.pressGrid(x, y);
    updateUndoButton();
    if (cell && *cell != editor_.selectedIndex)
        selectIndex(*cell);
}

void PaletteWindow::picPal_DblClick()
{
    const Rgb current = editor_.selectedColour();
    const std::optional<QColor> chosen = app_.dialogs.chooseColour(this, qcolour(current));
    if (!chosen)
        return;
    const auto number = static_cast<std::uint32_t>(chosen->red() | (chosen->green() << 8) | (chosen->blue() << 16));
    if (editor_.setSelectedColour(PaletteEditor::colourOfNumber(number)))
        refresh(true);
}

void PaletteWindow::picDisplay_MouseUp(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton || sample_.isNull() || x < 0 || y < 0 || x >= sample_.width() || y >= sample_.height())
        return;
    selectIndex(sample_.pixelIndex(x, y));
}

void PaletteWindow::hsc_Change(Channel channel)
{
    if (syncing_)
        return;
    const int value = scrollBar(channel)->value();
    const bool changed = editor_.setComponent(channel, value);
    QLineEdit* box = textBox(channel);
    // The box is left alone while it already says this number, so typing in
    // it is not interrupted by its own echo.
    if (numericValue(sstr(box->text())) != value) {
        const QSignalBlocker quiet(box);
        box->setText(qstr(formatNumber(value)));
    }
    if (changed || sampleStale_)
        refresh(true);
}

void PaletteWindow::hsc_Scroll(Channel channel)
{
    if (syncing_)
        return;
    if (editor_.setComponent(channel, scrollBar(channel)->value())) {
        picPal_->update();
        picSelected_->setPalette(QPalette(selectedSwatch()));
        sampleStale_ = true;
    }
}

void PaletteWindow::txt_Change(Channel channel)
{
    if (syncing_)
        return;
    QLineEdit* box = textBox(channel);
    const std::int64_t value = numericValue(sstr(box->text()));
    if (value > 255) {
        box->setText(QStringLiteral("255"));
        return; // the change this makes sets the scroll bar
    }
    if (value < 0) {
        box->setText(QStringLiteral("0"));
        return;
    }
    scrollBar(channel)->setValue(static_cast<int>(value));
}

bool PaletteWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The number boxes take digits and backspace; other typed characters are
    // dropped (editing keys without text still work).
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* box : textBoxes_) {
            if (watched != box)
                continue;
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (key->key() != Qt::Key_Backspace && !text.isEmpty() && text.at(0).isPrint()
                && !QStringLiteral("1234567890").contains(text.at(0)))
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
    picPal_->update();
    picSelected_->setPalette(QPalette(selectedSwatch()));
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
        if (numericValue(sstr(textBoxes_[i]->text())) != values[i])
            textBoxes_[i]->setText(qstr(formatNumber(values[i])));
    }
    syncing_ = false;
}

void PaletteWindow::updateUndoButton()
{
    if (QAction* undo = toolbarAction(QStringLiteral("Undo")))
        undo->setEnabled(editor_.undoAvailable());
}

bool PaletteWindow::confirmDiscard()
{
    if (!editor_.modified())
        return true;
    const Answer answer = app_.dialogs.message(this, QStringLiteral("The palette has changed. Save it before it is dropped?"),
                                               QStringLiteral("Vantrel"), Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Yes)
        return saveActAs();
    return answer == Answer::No;
}

void PaletteWindow::closeEvent(QCloseEvent* event)
{
    if (confirmDiscard())
        event->accept();
    else
        event->ignore();
}

} // namespace vantrel
