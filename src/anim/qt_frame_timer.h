#pragma once
// The player's one-shot frame timer on a QTimer owned by a window.

#include "anim/player.h"

#include <QTimer>

namespace vantrel {

class QtFrameTimer final : public FrameTimer {
public:
    explicit QtFrameTimer(QObject* owner) : timer_(new QTimer(owner)) { timer_->setSingleShot(true); }
    QTimer* qtimer() const { return timer_; }
    void start(int milliseconds) override { timer_->start(milliseconds); }
    void stop() override { timer_->stop(); }

private:
    QTimer* timer_;
};

} // namespace vantrel
