#pragma once
// "PCX Browser": walks the folders, previews one PCX at a time and adds the
// one shown to the sprite set after the sprite window's current record.

#include "image/pcx.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vantrel {

struct App;

class SpriteWindow;

class PcxBrowser : public QDialog {
    Q_OBJECT
public:
    PcxBrowser(App& app, SpriteWindow& sprites, QWidget* parent = nullptr);

    // The folder the lists show. Changing it fails with "Error: ..." and
    // leaves the lists where they were when the folder cannot be read.
    QString folder() const { return folder_; }
    bool setFolder(const QString& path);

    // Shows the drive chosen in the drive box.
    void openDrive();
    // Goes into an entry of the folder list ("..": one folder up).
    void openFolder(const QString& entry);
    // Previews the selected file.
    void showPreview();
    // Adds the selected file after the sprite window's current record.
    void addSelected();
    // Selects a file of the file list by name; false when it is not listed.
    bool selectFile(const QString& name);

    QComboBox* driveBox = nullptr;
    QListWidget* folderList = nullptr;
    QListWidget* fileList = nullptr;
    QLabel* folderLabel = nullptr;
    QLabel* preview = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* closeButton = nullptr;

private:
    QString selectedPath() const;

    App& app_;
    SpriteWindow& sprites_;
    QString folder_;
    DecoderState decoder_; // without the character's sprites: a run of its own
};

} // namespace vantrel
