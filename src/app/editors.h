#pragma once

namespace vantrel {
class MainWindow;
// Registers every window the main window can open, by name.
void registerWindows(MainWindow& main);
} // namespace vantrel
