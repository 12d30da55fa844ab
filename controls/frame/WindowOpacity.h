#pragma once
// Whether the platform blends a whole window with what lies behind it by the window's opacity. Where
// it does (X11, Windows and macOS, through their compositors), a blended frame sets the opacity;
// elsewhere (offscreen, Wayland, framebuffers) the frame composes its pictures over the captured
// background itself.
#include <optional>

bool PlatformHasWindowOpacity();
// Answers value instead of asking the platform (nullopt: ask it again); for tests of both ways.
void ForceWindowOpacity(std::optional<bool> value);
