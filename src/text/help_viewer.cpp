#include "help_viewer.h"

#include "check/state_library.h"
#include "common/text.h"
#include "text/state_extras.h"
#include "ui/app.h"
#include "ui/workbench.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vantrel {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Vantrel Help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QString fragment = url.fragment();
        if (fragment.startsWith(QLatin1String("topic-")))
            showTopic(helpFile_, fragment.mid(6).toLongLong());
    });
    resize(560, 480);
}

bool HelpViewer::showTopic(const QString& helpFile, std::int64_t contextNumber)
{
    helpFile_ = helpFile;
    contextNumber_ = contextNumber;
    const auto html = readFileBytes(helpFile.toStdString());
    if (!html) {
        browser_->setPlainText(tr("The help file %1 cannot be read.").arg(helpFile));
        return false;
    }
    const std::string topic = helpTopic(*html, contextNumber);
    if (topic.empty()) {
        browser_->setPlainText(tr("There is no help topic number %1 in %2.").arg(contextNumber).arg(helpFile));
        return true;
    }
    // The file's own style sheet goes with the topic.
    QString page;
    const auto styleStart = html->find("<style");
    const auto styleEnd = html->find("</style>");
    if (styleStart != std::string::npos && styleEnd != std::string::npos && styleEnd > styleStart)
        page = QString::fromStdString(html->substr(styleStart, styleEnd + 8 - styleStart));
    page += QString::fromStdString(topic);
    browser_->setHtml(page);
    return true;
}

HelpViewer* showHelpTopic(App& app, std::int64_t contextNumber, QWidget* owner)
{
    QWidget* host = app.workbench ? app.workbench->frame() : owner;
    auto* viewer = host->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!viewer)
        viewer = new HelpViewer(host);
    viewer->showTopic(app.dataFile(QString::fromLatin1(kHelpFileName)), contextNumber);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

std::int64_t helpTopicAt(const QString& line, int position)
{
    // A name is letters, digits and underscores ("ChangeState", "AnimElemTime").
    const auto inName = [&line](int i) {
        return i >= 0 && i < line.size() && (line[i].isLetterOrNumber() || line[i] == QLatin1Char('_'));
    };
    int start = std::clamp(position, 0, static_cast<int>(line.size()));
    if (!inName(start) && inName(start - 1))
        --start; // the caret just after the name
    if (!inName(start))
        return kHelpContentsTopic;
    int end = start;
    while (inName(start - 1))
        --start;
    while (inName(end))
        ++end;
    const std::string name = line.mid(start, end - start).toStdString();
    if (const StateController* controller = findStateController(name); controller && controller->helpTopic > 0)
        return controller->helpTopic;
    if (const Trigger* trigger = findTrigger(name); trigger && trigger->helpTopic > 0)
        return trigger->helpTopic;
    return kHelpContentsTopic;
}

} // namespace vantrel
