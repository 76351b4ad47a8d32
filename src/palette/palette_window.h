#pragma once
// The palette editor window "ACT Editor": the 16 x 16 colour grid, the
// selected colour with its red, green and blue controls, a sample sprite
// drawn with the palette being edited, and the palette file commands.

#include "palette/palette_editor.h"
#include "shell/app.h"

#include <QImage>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QScrollBar;
class QToolBar;

namespace vantrel {

class PaletteWindow : public QWidget {
    Q_OBJECT
public:
    explicit PaletteWindow(App& app, QWidget* parent = nullptr);

    // Reads an ACT file into the palette; on failure says why and keeps the
    // palette as it was.
    bool loadAct(const QString& path);
    // Asks for a file and writes the palette; false when cancelled or failed.
    bool saveActAs();
    void showSampleImage();
    void selectIndex(int index);
    void swapUndo();
    void importPal();
    void exportPal();
    void chooseSampleImage();

    void Toolbar1_ButtonClick(const QString& key);
    void picPal_MouseDown(int x, int y);
    void picPal_DblClick();
    void picDisplay_MouseUp(Qt::MouseButton button, int x, int y);
    void hsc_Change(Channel channel);
    void hsc_Scroll(Channel channel);
    void txt_Change(Channel channel);

    const PaletteEditor& model() const { return editor_; }
    QAction* toolbarAction(const QString& key) const;
    QScrollBar* scrollBar(Channel channel) const { return scrollBars_[index(channel)]; }
    QLineEdit* textBox(Channel channel) const { return textBoxes_[index(channel)]; }
    QImage gridPicture() const;
    const QImage& samplePicture() const { return sample_; }
    QColor selectedSwatch() const;
    const QString& SampleImagePath() const { return samplePath_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static int index(Channel channel) { return static_cast<int>(channel); }
    void buildToolbar();
    // After the palette or the selection changed: the grid, the swatch, the
    // controls and (when asked) the sample.
    void refresh(bool sample);
    void showSelectedControls();
    // Asks about unsaved changes; false when the user chose to stay.
    bool confirmDiscard();
    void updateUndoButton();

    App& app_;
    PaletteEditor editor_;
    QToolBar* toolbar_ = nullptr;
    QWidget* picPal_ = nullptr;
    QLabel* picSelected_ = nullptr;
    QWidget* picDisplay_ = nullptr;
    std::array<QScrollBar*, 3> scrollBars_{};
    std::array<QLineEdit*, 3> textBoxes_{};
    QString samplePath_;
    QImage sample_;
    bool sampleRefused_ = false;
    bool sampleStale_ = false; // the palette changed during a drag
    bool syncing_ = false;
    int currentSlot_ = 0;
};

} // namespace vantrel
