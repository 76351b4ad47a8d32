#pragma once
// The progress of a long step (unpacking a character, building the SFF,
// exporting or adding many files) in the main window's status bar: a bar
// that fills when the number of steps is known and runs as a busy bar when it
// is not, and a Cancel button for the steps that can stop without leaving
// anything changed.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vantrel {

class Workbench;

class StatusProgress final : public QWidget {
    Q_OBJECT
public:
    explicit StatusProgress(QWidget* parent = nullptr);

    // Shows the bar for `total` steps, or a busy bar when `total` is 0. A
    // `cancel` offers the Cancel button, which calls it.
    void begin(const QString& text, int total, std::function<void()> cancel = {});
    // `done` of the total steps are done; the bar is painted at once.
    void advance(int done);
    void end();
    bool active() const { return active_; }

    QLabel* label = nullptr;
    QProgressBar* bar = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    std::function<void()> cancel_;
    bool active_ = false;
};

// One long step's progress, ended when the scope is left. Without a
// workbench (a window used alone) it shows nothing.
class ProgressScope {
public:
    ProgressScope(Workbench* workbench, const QString& text, int total, std::function<void()> cancel = {});
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void advance(int done);

private:
    QPointer<StatusProgress> progress_;
};

} // namespace vantrel
