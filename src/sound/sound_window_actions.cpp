// The sound window's menus and toolbar. Both show the same actions, so a
// command is enabled, disabled and run in one place.

#include "sound_window.h"
#include "ui/app.h"

#include "ui/action_icons.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace vantrel {

void SoundWindow::buildActions(QVBoxLayout* layout)
{
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key,
                      void (SoundWindow::*slot)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        // Shortcuts belong to this window, not to the whole frame.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = bar->addMenu(tr("&File"));
    saveAction_ = add(file, "saveAction", tr("&Save"), {}, nullptr);
    connect(saveAction_, &QAction::triggered, this, &SoundWindow::save);
    bindKeys(this, saveAction_, QKeySequence::Save);
    saveAsAction_ = add(file, "saveAsAction", tr("Save &As..."), {}, nullptr);
    connect(saveAsAction_, &QAction::triggered, this, &SoundWindow::saveAs);
    bindKeys(this, saveAsAction_, QKeySequence::SaveAs);
    file->addSeparator();
    exitAction_ = add(file, "exitAction", tr("E&xit"), {}, &SoundWindow::exitProgram);
    bindKeys(this, exitAction_, standardKeys(QKeySequence::Quit));

    QMenu* edit = bar->addMenu(tr("Edit"));
    createUndoActions(edit);
    addSamplesAction_ = add(edit, "addSamplesAction", tr("Add sound..."), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
                            &SoundWindow::addSamples);
    deleteSampleAction_ = add(edit, "deleteSampleAction", tr("Delete sound"), {}, &SoundWindow::deleteSample);
    // In the number and comment boxes Delete stays theirs: they take the key first.
    bindKeys(this, deleteSampleAction_, {QKeySequence(QKeySequence::Delete), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    edit->addSeparator();
    exportSampleAction_ = add(edit, "exportSampleAction", tr("Save current sample..."), {}, &SoundWindow::exportSample);
    exportAllAction_ = add(edit, "exportAllAction", tr("Save all samples..."), {}, &SoundWindow::exportAllSamples);
    edit->addSeparator();
    playAction_ = add(edit, "playAction", tr("Play current sample"), QKeySequence(Qt::Key_F5), &SoundWindow::play);
    stopAction_ = add(edit, "stopAction", tr("Stop playing"), QKeySequence(Qt::Key_F6), &SoundWindow::stop);

    QMenu* help = bar->addMenu(tr("Help"));
    aboutAction_ = add(help, "aboutAction", tr("About"), QKeySequence(Qt::CTRL | Qt::Key_H), &SoundWindow::showAbout);

    struct Button {
        QAction* action;     // nullptr: a separator
        const char* caption; // under the icon, as the other windows' toolbars name their buttons
        const char* toolTip;
        ActionIcon icon;
    };
    const Button buttons[] = {
        {saveAction_, QT_TR_NOOP("Save"), QT_TR_NOOP("Save"), ActionIcon::Save},
        {saveAsAction_, QT_TR_NOOP("Save As"), QT_TR_NOOP("Save as..."), ActionIcon::SaveAs},
        {nullptr, nullptr, nullptr, ActionIcon::New},
        {addSamplesAction_, QT_TR_NOOP("Add"), QT_TR_NOOP("Add sample"), ActionIcon::Add},
        {deleteSampleAction_, QT_TR_NOOP("Delete"), QT_TR_NOOP("Delete sample"), ActionIcon::Delete},
        {nullptr, nullptr, nullptr, ActionIcon::New},
        {exportSampleAction_, QT_TR_NOOP("Export"), QT_TR_NOOP("Save current sample..."), ActionIcon::Export},
        {exportAllAction_, QT_TR_NOOP("Export All"), QT_TR_NOOP("Save all samples..."), ActionIcon::ExportAll},
        {nullptr, nullptr, nullptr, ActionIcon::New},
        {aboutAction_, QT_TR_NOOP("About"), QT_TR_NOOP("About this program"), ActionIcon::About},
    };
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setIconSize(QSize(20, 20));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const Button& b : buttons) {
        if (!b.action) {
            toolbar->addSeparator();
            continue;
        }
        // The icon is the toolbar's; the menus stay text only.
        b.action->setIcon(actionIcon(b.icon));
        b.action->setIconVisibleInMenu(false);
        b.action->setIconText(tr(b.caption));
        b.action->setToolTip(toolTipWithKeys(tr(b.toolTip), b.action->shortcut()));
        toolbar->addAction(b.action);
    }
    layout->addWidget(toolbar);
}

} // namespace vantrel
