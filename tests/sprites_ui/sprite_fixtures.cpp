#include "sprite_fixtures.h"

#include "sprites/frmParams.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

#include <filesystem>

namespace vantrel::test {

namespace {

void put16(std::string& s, std::size_t at, int value)
{
    s[at] = static_cast<char>(value & 0xFF);
    s[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

std::string makePcx(int width, int height, const std::vector<std::uint8_t>& pixels, const Palette* palette)
{
    std::string file(128, '\0');
    file[0] = 10;
    file[1] = 5;
    file[2] = 1;
    file[3] = 8;
    put16(file, 8, width - 1);
    put16(file, 10, height - 1);
    file[65] = 1;
    put16(file, 66, width);
    for (std::uint8_t p : pixels) {
        if (p >= 0xC0)
            file += static_cast<char>(0xC1);
        file += static_cast<char>(p);
    }
    file += static_cast<char>(0x0C);
    for (int k = 0; k < 256; ++k) {
        const Rgb c = palette ? (*palette)[static_cast<std::size_t>(k)]
                              : Rgb{static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(2 * k),
                                    static_cast<std::uint8_t>(3 * k)};
        file += static_cast<char>(c.r);
        file += static_cast<char>(c.g);
        file += static_cast<char>(c.b);
    }
    return file;
}

std::string solidPcx(int width, int height, std::uint8_t index)
{
    return makePcx(width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), index));
}

void writeStandInBuilder(const std::string& appDir, const std::string& body)
{
    const std::string path = appDir + "/sprmaker";
    writeFile(path, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

void answerParameters(bool crop, bool images, bool palettes, bool ok)
{
    // The dialog runs its own event loop; look for it from inside that loop.
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, crop, images, palettes, ok] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<frmParams*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            timer->stop();
            timer->deleteLater();
            dialog->Check1->setChecked(crop);
            dialog->Check2->setChecked(images);
            dialog->Check3->setChecked(palettes);
            if (ok)
                dialog->Command1_Click();
            else
                dialog->Command2_Click();
            return;
        }
    });
    timer->start();
}

} // namespace vantrel::test
