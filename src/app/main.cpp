// Vantrel: an editor for fighter characters of the MUGEN engine.

#include "app/editors.h"
#include "shell/app.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/splash_screen.h"
#include "shell/settings_store_qt.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));

    vantrel::QtDialogs dialogs;
    vantrel::SettingsStoreQt store;
    vantrel::App app(QCoreApplication::applicationDirPath(), dialogs, store);

    vantrel::MainWindow main(app);
    vantrel::registerWindows(main);

    // One optional argument: a .def file to open once the main window is up.
    QString def;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        def = QFileInfo(args.at(1)).absoluteFilePath();

    // For pictures of the program (scripts/screenshot.sh): windows to open
    // after the character, by name, separated by blanks.
    const QStringList windows =
        qEnvironmentVariable("VANTREL_OPEN_WINDOWS").split(QLatin1Char(' '), Qt::SkipEmptyParts);

    vantrel::SplashScreen splash(app, [&main, def, windows] {
        main.MDIForm_Load();
        if (def.isEmpty())
            return;
        QTimer::singleShot(0, &main, [&main, def, windows] {
            main.openCharacter(def);
            if (!main.characterOpen())
                return;
            for (const QString& name : windows)
                main.openWindow(name);
            // Fill the screen and tile once every window has laid itself out.
            if (!windows.isEmpty()) {
                main.setGeometry(main.screen()->availableGeometry());
                QTimer::singleShot(500, main.mdiArea(), &QMdiArea::tileSubWindows);
            }
        });
    });
    // Held until the program ends, so a second copy sees this one running.
    vantrel::SingleInstanceGuard guard;
    if (!splash.Form_Load(guard))
        return 0;
    return QApplication::exec();
}
