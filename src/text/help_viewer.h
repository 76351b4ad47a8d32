#pragma once
// The help window: shows one topic of the help file that ships beside the
// program (sctrls.html), chosen by its context number. Links between topics
// ("#topic-200") move to the linked topic.

#include <QString>
#include <QWidget>

#include <cstdint>

class QTextBrowser;

namespace vantrel {

inline constexpr const char* kHelpFileName = "sctrls.html";

class HelpViewer final : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the topic; false when the file cannot be read (the window then
    // says so). A missing topic is shown as such.
    bool showTopic(const QString& helpFile, std::int64_t contextNumber);
    std::int64_t contextNumber() const { return contextNumber_; }
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
    QString helpFile_;
    std::int64_t contextNumber_ = -1;
};

} // namespace vantrel
