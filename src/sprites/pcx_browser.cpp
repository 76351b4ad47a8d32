#include "pcx_browser.h"

#include "image/picture.h"
#include "sprites/sprite_window.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

const QSize kPreviewSize(240, 240);

} // namespace

PcxBrowser::PcxBrowser(App& app, SpriteWindow& sprites, QWidget* parent)
    : QDialog(parent), app_(app), sprites_(sprites)
{
    setObjectName(QStringLiteral("PcxBrowser"));
    setWindowTitle(QStringLiteral("PCX Browser"));

    dlbDrive = new QComboBox(this);
    for (const QFileInfo& drive : QDir::drives())
        dlbDrive->addItem(drive.absoluteFilePath());
    lblFolder = new QLabel(this);
    lblFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dlbDir = new QListWidget(this);
    flbFile = new QListWidget(this);
    picDisplay = new QLabel(this);
    picDisplay->setFixedSize(kPreviewSize);
    picDisplay->setAlignment(Qt::AlignCenter);
    cmdAdd = new QPushButton(QStringLiteral("Add"), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(dlbDrive);
    left->addWidget(lblFolder);
    left->addWidget(dlbDir, 1);
    left->addWidget(flbFile, 1);
    auto* frame = new QGroupBox(QStringLiteral("Selected PCX"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(picDisplay);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    auto* right = new QVBoxLayout;
    right->addWidget(frame);
    right->addLayout(buttons);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(560, 420);

    connect(dlbDrive, &QComboBox::currentIndexChanged, this, &PcxBrowser::dlbDrive_Change);
    connect(dlbDir, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { dlbDir_Change(item->text()); });
    connect(flbFile, &QListWidget::itemClicked, this, &PcxBrowser::flbFile_Click);
    connect(flbFile, &QListWidget::currentRowChanged, this, &PcxBrowser::flbFile_Click);
    connect(flbFile, &QListWidget::itemDoubleClicked, this, &PcxBrowser::cmdAdd_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &PcxBrowser::cmdAdd_Click);
    connect(cmdClose, &QPushButton::clicked, this, &PcxBrowser::cmdClose_Click);

    // The character's folder is where its pictures usually are.
    const QString charDir = qstr(app_.files.characterDir);
    if (charDir.isEmpty() || !setFolder(charDir))
        setFolder(QDir::homePath());
}

bool PcxBrowser::setFolder(const QString& path)
{
    const QFileInfo info(path);
    QString problem;
    if (!info.exists())
        problem = QStringLiteral("The folder %1 does not exist.").arg(path);
    else if (!info.isDir())
        problem = QStringLiteral("%1 is not a folder.").arg(path);
    else if (!info.isReadable() || !info.isExecutable())
        problem = QStringLiteral("Permission denied: %1").arg(path);
    if (!problem.isEmpty()) {
        app_.dialogs.message(this, QStringLiteral("Error: ") + problem);
        return false;
    }
    const QDir dir(info.absoluteFilePath());
    folder_ = QDir::cleanPath(dir.absolutePath());

    dlbDir->clear();
    if (!dir.isRoot())
        dlbDir->addItem(QStringLiteral(".."));
    dlbDir->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));

    const QSignalBlocker blocker(flbFile);
    flbFile->clear();
    // The pattern must match whatever the letter case of the extension.
    for (const QString& name : QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (name.endsWith(QStringLiteral(".pcx"), Qt::CaseInsensitive))
            flbFile->addItem(name);
    }
    lblFolder->setText(folder_);
    picDisplay->clear();
    return true;
}

void PcxBrowser::dlbDrive_Change()
{
    const QString drive = dlbDrive->currentText();
    if (!drive.isEmpty())
        setFolder(drive);
}

void PcxBrowser::dlbDir_Change(const QString& entry)
{
    setFolder(QDir(folder_).filePath(entry));
}

bool PcxBrowser::selectFile(const QString& name)
{
    const auto items = flbFile->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    flbFile->setCurrentItem(items.first());
    return true;
}

QString PcxBrowser::selectedPath() const
{
    const QListWidgetItem* item = flbFile->currentItem();
    if (!item || !item->isSelected())
        return {};
    return QDir(folder_).filePath(item->text());
}

void PcxBrowser::flbFile_Click()
{
    const QString path = selectedPath();
    picDisplay->clear();
    if (path.isEmpty())
        return;
    const QImage picture = loadPcx(app_, this, path, kPaletteFromFile, 0);
    if (picture.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(picture);
    // Large pictures are shrunk to fit the box; small ones keep their pixels.
    if (pixmap.width() > kPreviewSize.width() || pixmap.height() > kPreviewSize.height())
        pixmap = pixmap.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    picDisplay->setPixmap(pixmap);
}

void PcxBrowser::cmdAdd_Click()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    sprites_.insertPicture(path);
}

void PcxBrowser::cmdClose_Click()
{
    close();
}

} // namespace vantrel
