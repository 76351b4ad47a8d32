#pragma once
// The sound editor's about box: its name and the program's version.

#include <QDialog>

namespace vantrel {

class SoundAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit SoundAboutDialog(QWidget* parent = nullptr);

    // "Version " and the major, minor and revision numbers joined by ".".
    static QString versionText();
};

} // namespace vantrel
