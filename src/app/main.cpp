// Vantrel: an editor for fighter characters of the MUGEN engine.

#include "app/check_open.h"
#include "app/editors.h"
#include "common/app_paths.h"
#include "documents/document_manager.h"
#include "documents/workspace_folders.h"
#include "shell/guarded_application.h"
#include "shell/main_window.h"
#include "shell/single_copy.h"
#include "shell/single_instance.h"
#include "shell/splash_screen.h"
#include "text/references_window.h"
#include "ui/app.h"
#include "ui/appearance.h"
#include "ui/dialogs.h"
#include "ui/settings_store_qt.h"
#include "ui/translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[])
{
    vantrel::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    vantrel::applyColourScheme(application, qEnvironmentVariable("VANTREL_COLOUR_SCHEME"));

    // One optional argument: a .def file to open once the main window is up.
    // With --check-open the character is opened and checked without windows.
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool checkOnly = args.removeAll(QStringLiteral("--check-open")) > 0;
    QString def;
    if (!args.isEmpty())
        def = QFileInfo(args.first()).absoluteFilePath();

    const QString appDir = QCoreApplication::applicationDirPath();
    const vantrel::AppPaths paths = vantrel::findAppPaths(appDir);
    if (checkOnly)
        return vantrel::checkOpen(def, appDir, paths);

    // Held until the program ends, so a later start finds this copy and hands
    // its file over instead of running beside it.
    vantrel::SingleInstanceGuard guard;
    if (vantrel::claimSingleCopy(guard, def) == vantrel::StartRole::HandedOver)
        return 0;

    vantrel::QtDialogs dialogs;
    application.setDialogs(&dialogs);
    const auto forgetDialogs = qScopeGuard([&application] { application.setDialogs(nullptr); });
    vantrel::SettingsStoreQt store;
    vantrel::installTranslations(application, paths.dataDir + QStringLiteral("/translations"),
                                 vantrel::languagesToTry(vantrel::chosenLanguage(store)));
    // The sprite workspace, the spawn script and the recovery copies go into
    // a folder of this copy's own under the user's cache.
    const vantrel::OwnWorkspace workspace = vantrel::makeOwnWorkspace();
    if (!workspace.ok()) {
        dialogs.message(nullptr, workspace.error, QStringLiteral("Vantrel"), vantrel::Buttons::Ok,
                        vantrel::Icon::Critical, {});
        return 1;
    }
    vantrel::App app(appDir, workspace.folder, dialogs, store);
    app.toolsDir = paths.toolsDir;
    app.dataDir = paths.dataDir;
    app.workspacesDir = workspace.root;
    app.recoveryDir = workspace.folder + QLatin1Char('/') + vantrel::kRecoveryFolderName;
    vantrel::DocumentManager documents;
    app.documents = &documents;

    vantrel::MainWindow main(app);
    vantrel::registerWindows(main);
    vantrel::CopyServer server(guard.directory());
    if (guard.held() && server.listen())
        vantrel::answerLaterStarts(server, main);

    // For pictures of the program (scripts/screenshot.sh): windows to open
    // after the character, by name, separated by blanks.
    const QStringList windows =
        qEnvironmentVariable("VANTREL_OPEN_WINDOWS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // And the References window filled with the places naming a state ("0"), as Shift+F12 on it does.
    const QString referencedState = qEnvironmentVariable("VANTREL_STATE_REFERENCES");

    vantrel::SplashScreen splash(app, [&main, def, windows, referencedState] {
        main.startUp();
        if (def.isEmpty()) {
            main.showStartupTip();
            return;
        }
        QTimer::singleShot(0, &main, [&main, def, windows, referencedState] {
            // Opened already when a crash's work was restored: opening it
            // again would only ask about the restored changes.
            if (main.fileText() != def)
                main.openCharacter(def);
            main.showStartupTip();
            if (!main.characterOpen())
                return;
            for (const QString& name : windows) {
                if (const std::optional<vantrel::WindowKind> kind = vantrel::windowKindOfKey(name))
                    main.openWindow(*kind);
            }
            if (!referencedState.isEmpty()) {
                if (auto* references =
                        qobject_cast<vantrel::ReferencesWindow*>(main.openWindow(vantrel::WindowKind::References)))
                    references->search({vantrel::DefinitionKind::State, referencedState.toStdString()});
            }
            // Fill the screen and tile once every window has laid itself out.
            if (!windows.isEmpty() || !referencedState.isEmpty()) {
                main.setGeometry(main.screen()->availableGeometry());
                QTimer::singleShot(500, main.mdiArea(), &QMdiArea::tileSubWindows);
            }
        });
    });
    if (!splash.start(guard)) {
        vantrel::removeWorkspace(workspace.folder);
        return 0;
    }
    return QApplication::exec();
}
