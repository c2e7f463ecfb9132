#pragma once

#include <functional>
#include <string>

class QWidget;

// What the two window programs, the bare window and the real one, do around their window.
// It hooks itself into the application as the QApplication is made, so the real program's
// own main() builds the window untouched. The first arguments choose what it does:
//   startup LAUNCHED  print the first complete frame's time since LAUNCHED (monotonic
//                     nanoseconds, read by the parent just before it started us) and quit
//   idle SETUP        after the first frame run the setup of that name, say "ready", and sit
//                     until standard input closes; then print every timer tick and the peak
//                     memory
//   memory            print the peak memory once the window has been at rest a while, and quit
// Everything is printed as "name value" lines.
namespace windowbench {

// Adds a setup for "idle SETUP"; "rest" does nothing. Call it before main() runs.
void addSetup(const std::string& name, std::function<void(QWidget& window)> setup);

}  // namespace windowbench
