#include "check_open.h"

#include "documents/document_manager.h"
#include "documents/workspace_folders.h"
#include "shell/main_window.h"
#include "sprites/sprite_document.h"
#include "ui/app.h"
#include "ui/settings_store_qt.h"

#include <cstdio>

namespace vantrel {

namespace {

// Messages go to standard error; every question is answered No (or Cancel),
// every file dialog as cancelled.
class ConsoleDialogs final : public Dialogs {
public:
    Answer message(QWidget*, const QString& text, const QString&, Buttons buttons, Icon, const QString& detail) override
    {
        std::fprintf(stderr, "vantrel: %s\n", qPrintable(text));
        if (!detail.isEmpty())
            std::fprintf(stderr, "vantrel: %s\n", qPrintable(detail));
        switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;
        default: return Answer::Cancel;
        }
    }
    int choose(QWidget*, const QString& text, const QStringList& choices, const QString&) override
    {
        std::fprintf(stderr, "vantrel: %s\n", qPrintable(text));
        return static_cast<int>(choices.size()) - 1;
    }
    QString openFile(QWidget*, const FileDialogOptions&) override { return {}; }
    QStringList openFiles(QWidget*, const FileDialogOptions&) override { return {}; }
    QString saveFile(QWidget*, const FileDialogOptions&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    std::optional<QString> askText(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    void setBusy(bool) override { }
    bool shellOpen(const QString&) override { return false; }
    bool shellEdit(const QString&) override { return false; }
};

} // namespace

int checkOpen(const QString& defPath, const QString& applicationDir, const AppPaths& paths)
{
    if (defPath.isEmpty()) {
        std::fputs("vantrel: --check-open needs a .def file\n", stderr);
        return 1;
    }
    ConsoleDialogs dialogs;
    SettingsStoreQt store;
    const OwnWorkspace workspace = makeOwnWorkspace();
    if (!workspace.ok()) {
        std::fprintf(stderr, "vantrel: %s\n", qPrintable(workspace.error));
        return 1;
    }
    App app(applicationDir, workspace.folder, dialogs, store);
    app.workspacesDir = workspace.root; // the close-down removes the folder
    app.toolsDir = paths.toolsDir;
    app.dataDir = paths.dataDir;
    app.settings = loadProgramSettings(store);
    DocumentManager documents;
    app.documents = &documents;

    MainWindow main(app);
    main.openCharacter(defPath);
    const bool opened = main.characterOpen();
    const SpriteDocument* table = characterSprites(&documents);
    const int sprites = opened && table ? table->workspace().count() : 0;
    if (opened)
        std::printf("%s: %d sprites\n", qPrintable(defPath), sprites);
    else
        std::fprintf(stderr, "vantrel: %s not opened (%s)\n", qPrintable(defPath), qPrintable(main.openError()));
    main.closeDown();
    return opened && sprites > 0 ? 0 : 1;
}

} // namespace vantrel
