#include "help_viewer.h"

#include "common/text.h"
#include "text/state_extras.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vantrel {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Vantrel Help"));
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
        browser_->setPlainText(QStringLiteral("The help file %1 cannot be read.").arg(helpFile));
        return false;
    }
    const std::string topic = helpTopic(*html, contextNumber);
    if (topic.empty()) {
        browser_->setPlainText(QStringLiteral("There is no help topic number %1 in %2.").arg(contextNumber).arg(helpFile));
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

} // namespace vantrel
