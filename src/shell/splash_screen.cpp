#include "splash_screen.h"
#include "ui/app.h"

#include "shell/single_instance.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vantrel {

const char* const SplashScreen::kAnotherCopy = QT_TR_NOOP(
    "Whoa, buddy, one instance at a time!  You don't want\nVantrel to become a multiperson disturb program!");

SplashScreen::SplashScreen(App& app, std::function<void()> loadMain, QWidget* parent)
        : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), app_(app), loadMain_(std::move(loadMain))
{
    setObjectName(QStringLiteral("SplashScreen"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setFixedSize(480, 280);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 18);

    auto* title = new QLabel(QStringLiteral("Vantrel"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(36);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* subtitle = new QLabel(tr("Character editor for the MUGEN engine"), this);
    QFont subFont = subtitle->font();
    subFont.setPointSize(13);
    subtitle->setFont(subFont);

    auto* credit = new QLabel(tr("Written by the Vantrel developers for character makers everywhere"), this);
    versionLabel = new QLabel(this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    versionLabel->setAlignment(Qt::AlignRight);

    for (QLabel* label : {title, subtitle, credit, versionLabel}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(pal);
    }
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addStretch(1);
    layout->addWidget(credit);
    layout->addWidget(versionLabel);

    handOverTimer = new QTimer(this);
    handOverTimer->setObjectName(QStringLiteral("handOverTimer"));
    handOverTimer->setSingleShot(true);
    connect(handOverTimer, &QTimer::timeout, this, &SplashScreen::handOver);
}

bool SplashScreen::start(SingleInstanceGuard& guard)
{
    if (!guard.tryAcquire()) {
        app_.dialogs.message(nullptr, tr(kAnotherCopy));
        close();
        return false;
    }
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    handOverTimer->setInterval(2000);
    handOverTimer->start();
    versionLabel->setText(QStringLiteral("v0.14 Public Beta"));
    return true;
}

void SplashScreen::handOver()
{
    handOverTimer->stop();
    // Out of the way before the main window's start-up, so it cannot cover
    // the modal tip window that start-up may show.
    hide();
    if (loadMain_)
        loadMain_();
    close();
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient gradient(0, 0, width(), height());
    gradient.setColorAt(0, QColor(24, 40, 96));
    gradient.setColorAt(1, QColor(120, 24, 40));
    p.fillRect(rect(), gradient);
    p.setPen(QColor(255, 255, 255, 28));
    for (int x = -height(); x < width(); x += 18)
        p.drawLine(x, height(), x + height(), 0);
    p.setPen(Qt::white);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace vantrel
