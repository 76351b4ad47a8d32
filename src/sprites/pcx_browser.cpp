#include "pcx_browser.h"
#include "ui/app.h"

#include "documents/document_manager.h"
#include "image/picture.h"
#include "sprites/sprite_document.h"
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

PcxBrowser::PcxBrowser(App& app, SpriteWindow& sprites, QWidget* parent) : QDialog(parent), app_(app), sprites_(sprites)
{
    setObjectName(QStringLiteral("PcxBrowser"));
    setWindowTitle(tr("PCX Browser"));

    driveBox = new QComboBox(this);
    for (const QFileInfo& drive : QDir::drives())
        driveBox->addItem(drive.absoluteFilePath());
    folderLabel = new QLabel(this);
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderList = new QListWidget(this);
    fileList = new QListWidget(this);
    preview = new QLabel(this);
    preview->setFixedSize(kPreviewSize);
    preview->setAlignment(Qt::AlignCenter);
    addButton = new QPushButton(tr("Add"), this);
    closeButton = new QPushButton(tr("Close"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(driveBox);
    left->addWidget(folderLabel);
    left->addWidget(folderList, 1);
    left->addWidget(fileList, 1);
    auto* frame = new QGroupBox(tr("Selected PCX"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(preview);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(closeButton);
    auto* right = new QVBoxLayout;
    right->addWidget(frame);
    right->addLayout(buttons);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(560, 420);

    connect(driveBox, &QComboBox::currentIndexChanged, this, &PcxBrowser::openDrive);
    connect(folderList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { openFolder(item->text()); });
    connect(fileList, &QListWidget::itemClicked, this, &PcxBrowser::showPreview);
    connect(fileList, &QListWidget::currentRowChanged, this, &PcxBrowser::showPreview);
    connect(fileList, &QListWidget::itemDoubleClicked, this, &PcxBrowser::addSelected);
    connect(addButton, &QPushButton::clicked, this, &PcxBrowser::addSelected);
    connect(closeButton, &QPushButton::clicked, this, &PcxBrowser::close);

    // The character's folder is where its pictures usually are.
    const QString charDir = app_.documents ? qstr(app_.documents->character().characterDir) : QString();
    if (charDir.isEmpty() || !setFolder(charDir))
        setFolder(QDir::homePath());
}

bool PcxBrowser::setFolder(const QString& path)
{
    const QFileInfo info(path);
    QString problem;
    if (!info.exists())
        problem = tr("The folder %1 does not exist.").arg(path);
    else if (!info.isDir())
        problem = tr("%1 is not a folder.").arg(path);
    else if (!info.isReadable() || !info.isExecutable())
        problem = tr("Permission denied: %1").arg(path);
    if (!problem.isEmpty()) {
        app_.dialogs.message(this, tr("Error: %1").arg(problem));
        return false;
    }
    const QDir dir(info.absoluteFilePath());
    folder_ = QDir::cleanPath(dir.absolutePath());

    folderList->clear();
    if (!dir.isRoot())
        folderList->addItem(QStringLiteral(".."));
    folderList->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));

    const QSignalBlocker blocker(fileList);
    fileList->clear();
    // The pattern must match whatever the letter case of the extension.
    for (const QString& name : QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (name.endsWith(QStringLiteral(".pcx"), Qt::CaseInsensitive)
            || name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            fileList->addItem(name);
    }
    folderLabel->setText(folder_);
    preview->clear();
    return true;
}

void PcxBrowser::openDrive()
{
    const QString drive = driveBox->currentText();
    if (!drive.isEmpty())
        setFolder(drive);
}

void PcxBrowser::openFolder(const QString& entry)
{
    setFolder(QDir(folder_).filePath(entry));
}

bool PcxBrowser::selectFile(const QString& name)
{
    const auto items = fileList->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    fileList->setCurrentItem(items.first());
    return true;
}

QString PcxBrowser::selectedPath() const
{
    const QListWidgetItem* item = fileList->currentItem();
    if (!item || !item->isSelected())
        return {};
    return QDir(folder_).filePath(item->text());
}

void PcxBrowser::showPreview()
{
    const QString path = selectedPath();
    preview->clear();
    if (path.isEmpty())
        return;
    SpriteDocument* sprites = sprites_.document();
    const QImage picture =
        loadPcx(sprites ? sprites->decoder() : decoder_, app_.dialogs, this, path, kPaletteFromFile, 0);
    if (picture.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(picture);
    // Large pictures are shrunk to fit the box; small ones keep their pixels.
    if (pixmap.width() > kPreviewSize.width() || pixmap.height() > kPreviewSize.height())
        pixmap = pixmap.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    preview->setPixmap(pixmap);
}

void PcxBrowser::addSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    sprites_.insertPicture(path);
}

} // namespace vantrel
