#include "text/references_window.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "text/references.h"
#include "ui/app.h"
#include "ui/workbench.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

enum ItemRole { PathRole = Qt::UserRole, LineRole };

} // namespace

std::optional<std::string> characterText(const DocumentManager* documents, const std::string& path)
{
    if (documents) {
        for (const Document* document : documents->documents()) {
            if (QFileInfo(document->fileName()) == QFileInfo(qstr(path)))
                return document->recoveryBytes();
        }
    }
    return readFileBytes(path);
}

std::vector<std::string> characterTextFiles(const DocumentManager& documents)
{
    const CharacterFiles& files = documents.character();
    std::vector<std::string> candidates = {files.constantsFile, files.commandFile};
    candidates.insert(candidates.end(), files.stateFiles.begin(), files.stateFiles.end());
    candidates.push_back(files.commonStatesFile);
    candidates.push_back(files.animationFile);
    std::vector<std::string> paths;
    std::vector<QString> keys;
    for (const std::string& path : candidates) {
        if (path.empty())
            continue;
        // The constants file is often the first state file as well.
        const QString key = DocumentManager::fileKey(qstr(path));
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            continue;
        keys.push_back(key);
        paths.push_back(path);
    }
    return paths;
}

QString definitionText(const DefinitionName& name)
{
    switch (name.kind) {
    case DefinitionKind::State: return ReferencesWindow::tr("state %1").arg(qstr(name.key));
    case DefinitionKind::Action: return ReferencesWindow::tr("action %1").arg(qstr(name.key));
    case DefinitionKind::Command: return ReferencesWindow::tr("command \"%1\"").arg(qstr(name.key));
    case DefinitionKind::Sound: return ReferencesWindow::tr("sound %1").arg(qstr(name.key));
    case DefinitionKind::Sprite: return ReferencesWindow::tr("sprite %1").arg(qstr(name.key));
    }
    return {};
}

ReferencesWindow::ReferencesWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setObjectName(QStringLiteral("ReferencesWindow"));
    setWindowTitle(tr("References"));
    summary_ = new QLabel(tr("Shift+F12 on a state, action or command lists where it is named."), this);
    summary_->setObjectName(QStringLiteral("summaryLabel"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("referenceList"));
    list_->setToolTip(tr("Double-click a place, or press Enter, to go there"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showReference(list_->row(item)); });
    resize(560, 300);
}

void ReferencesWindow::search(const DefinitionName& name)
{
    list_->clear();
    int places = 0;
    const std::vector<std::string> paths =
        app_.documents ? characterTextFiles(*app_.documents) : std::vector<std::string>();
    for (const std::string& path : paths) {
        const std::optional<std::string> bytes = characterText(app_.documents, path);
        if (!bytes)
            continue;
        const std::vector<std::string> lines = splitLines(*bytes);
        const std::vector<std::string_view> views(lines.begin(), lines.end());
        const QString file = QFileInfo(qstr(path)).fileName();
        for (const ReferenceSpan& span : referencesTo(views, name)) {
            const QString text = QString::fromStdString(std::string(trimBlanksAndTabs(lines[span.line])));
            auto* item = new QListWidgetItem(
                QStringLiteral("%1:%2: %3%4")
                    .arg(file)
                    .arg(span.line + 1)
                    .arg(text, span.definition ? QStringLiteral("  ") + tr("(definition)") : QString()),
                list_);
            item->setData(PathRole, qstr(path));
            item->setData(LineRole, static_cast<int>(span.line) + 1);
            ++places;
        }
    }
    summary_->setText(places == 1 ? tr("1 place names %1.").arg(definitionText(name))
                                  : tr("%1 places name %2.").arg(places).arg(definitionText(name)));
    if (places > 0)
        list_->setCurrentRow(0);
}

void ReferencesWindow::showReference(int row)
{
    const QListWidgetItem* item = list_->item(row);
    if (item && app_.workbench)
        app_.workbench->showFileLine(item->data(PathRole).toString(), item->data(LineRole).toInt());
}

} // namespace vantrel
