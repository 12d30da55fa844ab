#pragma once
// The mouse, and for a menu opened from the tray the keyboard, held by a menu level's window while
// its loop runs, so that a press outside the program reaches the loop and closes the menu. A
// platform that cannot grab (offscreen, some Wayland desktops) refuses the first try and is not
// asked again: each refusal only prints a warning, and every level of every menu would ask.
class QWidget;

void GrabMenuInput(QWidget* window, bool keyboard);
void ReleaseMenuInput(QWidget* window, bool keyboard);
