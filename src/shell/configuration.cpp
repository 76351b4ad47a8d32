#include "configuration.h"

#include <algorithm>
#include <cstdio>

namespace vantrel {

namespace {

const float kZooms[kZoomPositionCount] = {0.125f, 0.25f, 0.5f, 1.0f, 2.0f, 4.0f, 8.0f};

} // namespace

float zoomForPosition(int position)
{
    return kZooms[std::clamp(position, 1, kZoomPositionCount) - 1];
}

int positionForZoom(float zoom)
{
    for (int p = 1; p <= kZoomPositionCount; ++p)
        if (kZooms[p - 1] == zoom)
            return p;
    return kDefaultZoomPosition;
}

std::string zoomLabel(int position)
{
    return "Default zoom: " + singleText(zoomForPosition(position)) + "x";
}

std::uint32_t colourNumber(int red, int green, int blue)
{
    auto byte = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return byte(red) | byte(green) << 8 | byte(blue) << 16;
}

std::string fontSizeText(double size)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", size);
    return buffer;
}

void saveConfiguration(SettingsStore& store, ProgramSettings& settings, const ConfigChoice& choice)
{
    const std::string sizeText = fontSizeText(choice.fontSize);
    const std::string textColour = std::to_string(choice.textColour);
    const std::string backColour = std::to_string(choice.backColour);

    store.write(kProgramSettings, "DefaultFontName", choice.fontName);
    store.write(kProgramSettings, "DefaultFontSize", sizeText);
    store.write(kProgramSettings, "DefaultFontBold", boolText(choice.bold));
    store.write(kProgramSettings, "DefaultFontItalic", boolText(choice.italic));
    store.write(kProgramSettings, "DefaultTextColour", textColour);
    store.write(kProgramSettings, "DefaultBackColour", backColour);

    settings.defaultZoom = zoomForPosition(choice.zoomPosition);
    store.write(kProgramSettings, "DefaultZoom", singleText(settings.defaultZoom));

    settings.showTips = choice.showTips;
    store.write(kProgramSettings, "ShowTips", boolText(choice.showTips));

    settings.defaultFontName = choice.fontName;
    settings.defaultFontSize = parseInt16(sizeText).value_or(settings.defaultFontSize);
    settings.defaultFontBold = choice.bold;
    settings.defaultFontItalic = choice.italic;
    settings.defaultTextColour = textColour;
    settings.defaultBackColour = backColour;
}

} // namespace vantrel
