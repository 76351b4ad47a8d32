#pragma once
// The first window of the program: refuses a second running copy, shows
// itself for two seconds and then hands over to the main window.

#include "shell/app.h"

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace vantrel {

class SingleInstanceGuard;

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    // `loadMain` runs the main window's start-up when the timer fires.
    SplashScreen(App& app, std::function<void()> loadMain, QWidget* parent = nullptr);

    static const QString kAnotherCopy;

    // The start-up: false when another copy runs (the message has been
    // shown and the caller ends the program), else shows the splash and
    // starts the timer.
    bool Form_Load(SingleInstanceGuard& guard);
    void Timer1_Timer();

    QLabel* lblVersion = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    App& app_;
    std::function<void()> loadMain_;
};

} // namespace vantrel
