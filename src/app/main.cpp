// Vantrel: an editor for fighter characters of the MUGEN engine.

#include "app/editors.h"
#include "shell/app.h"
#include "shell/dialogs.h"
#include "shell/frmMain.h"
#include "shell/settings_store_qt.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));

    vantrel::QtDialogs dialogs;
    vantrel::SettingsStoreQt store;
    vantrel::App app(QCoreApplication::applicationDirPath(), dialogs, store);

    vantrel::frmMain main(app);
    vantrel::registerWindows(main);
    main.MDIForm_Load();

    // One optional argument: a .def file to open once the window is up.
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1) {
        const QString def = QFileInfo(args.at(1)).absoluteFilePath();
        QTimer::singleShot(0, &main, [&main, def] { main.OpenCharacter(def); });
    }
    return QApplication::exec();
}
