#pragma once
// An action drawn frame by frame onto one canvas, and written as an animated
// GIF, an APNG or a sprite sheet (a PNG and a JSON of each frame). The
// canvas is the union of every frame's drawn rectangle (and its boxes, when
// they are drawn): each frame image has the canvas's size, the stage origin
// at the same place, and is transparent where nothing is drawn.

#include "common/result.h"
#include "formats/air_document.h"

#include <QImage>
#include <QPoint>

#include <string>
#include <vector>

namespace vantrel {

struct ExportOptions {
    bool boxes = false; // outline the attack (red) and hit (blue) boxes
    int scale = 1;      // whole pixels per pixel, 1 to 16
};

struct ExportedFrame {
    QImage image;  // the canvas, ARGB32 premultiplied
    int time = 0;  // engine ticks as written; -1 holds
    int group = 0; // the sprite drawn (-1: none)
    int number = 0;
};

struct ExportedAction {
    int action = 0;
    QPoint origin; // the stage origin on the canvas, already scaled
    std::vector<ExportedFrame> frames;
    int loopStart = 0;
};

// Reads the character's .def, AIR and SFF and draws action `action`. Fails
// with one sentence when a file cannot be read, the action is not there or
// a frame names a sprite the SFF does not hold.
Result<ExportedAction> renderAction(const std::string& defPath, int action, const ExportOptions& options);
// The same for an AIR text already read (`airName` names it in messages) and
// the character's sprite archive.
Result<ExportedAction> renderAction(const AirDocument& air, const std::string& airName, const std::string& spriteFile,
                                    int action, const ExportOptions& options);

// The delays of a GIF in hundredths of a second for frames of `times` ticks
// at 60 a second: rounded so that the running total stays right (each
// frame ends at the rounded end time of its ticks). A frame of time -1 ends
// the list with a delay of one second; frames after it are not shown.
std::vector<int> gifDelays(const std::vector<int>& times);

// The writers; each replaces its file at once or leaves it as it was.
Result<void> writeGif(const ExportedAction& action, const std::string& path);
// Whether this system's PNG library can write APNG; when not, writeApng
// fails saying so.
bool apngSupported();
Result<void> writeApng(const ExportedAction& action, const std::string& path);
// The sheet: the frames side by side in one PNG at `path`, and next to it
// (the same name ending in ".json") each frame's rectangle in the sheet,
// the axis inside that rectangle, its time and its sprite.
Result<void> writeSheet(const ExportedAction& action, const std::string& path);
std::string sheetJsonPath(const std::string& pngPath);

} // namespace vantrel
