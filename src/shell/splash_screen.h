#pragma once
// The first window of the program: refuses a second running copy, shows
// itself for two seconds and then hands over to the main window.

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace vantrel {

struct App;

class SingleInstanceGuard;

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    // `loadMain` runs the main window's start-up when the splash time is over.
    SplashScreen(App& app, std::function<void()> loadMain, QWidget* parent = nullptr);

    static const char* const kAnotherCopy;

    // The start-up: false when another copy runs (the message has been
    // shown and the caller ends the program), else shows the splash and
    // starts the timer.
    bool start(SingleInstanceGuard& guard);

    QLabel* versionLabel = nullptr;
    QTimer* handOverTimer = nullptr;

public slots:
    // Closes the splash and runs the main window's start-up.
    void handOver();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    App& app_;
    std::function<void()> loadMain_;
};

} // namespace vantrel
