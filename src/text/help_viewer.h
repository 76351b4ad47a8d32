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
// The topic that lists every other one.
inline constexpr std::int64_t kHelpContentsTopic = 199;

struct App;

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

// Shows the topic in the program's one help window (the main window's, or
// `owner`'s when there is no main window), made on first use and brought
// to the front.
HelpViewer* showHelpTopic(App& app, std::int64_t contextNumber, QWidget* owner);

// The help topic of the state controller or trigger named by the word at
// `position` in `line` (any letter case); the contents when it names none.
std::int64_t helpTopicAt(const QString& line, int position);

} // namespace vantrel
