// What the toolkit needs to know about the windowing system before it starts:
// which platforms it tries by default, whether a display can be reached, and
// where the module keeps its own toolkit plugins.
#pragma once

#include <string>

namespace platform {

// The windowing platforms the toolkit tries when none is asked for, in its
// own notation: names separated by ";", best first.
std::string defaultWindowingPlatforms();

// Whether the display of that windowing platform can be connected to now: an
// X server for "xcb" (the one DISPLAY names), a compositor's socket for
// "wayland". Platforms that draw without a display connection ("offscreen",
// "windows", ...) always can.
bool displayReachable(const std::string& platform);

// The folder beside the module where its toolkit plugins lie, as a UTF-8
// path; empty where the toolkit's own plugin folders serve (off Windows).
std::string modulePluginFolder();

// Keeps the module, and with it the toolkit's libraries, in the process until
// the process ends. A host may unload the module after every operation (the
// spooler does); a toolkit that has been used is not unloaded and loaded
// again, and unloading it runs its clean-up, which overwrote the last error an
// operation had just set. Does nothing where hosts keep the module (off
// Windows).
void keepModuleLoaded();

} // namespace platform
