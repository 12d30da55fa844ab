#pragma once
// The keys of the program's forms, seen before the control with the focus: each key press goes to
// its form's shortcut handling, and the keyboard's ways into a window's menu (Alt pressed and
// released alone, F10, Alt with a character) go to the window as WM_SYSCOMMAND SC_KEYMENU.
class QEvent;
class QObject;

// Called by the application object for every event; true when the event was used up.
bool PreviewFormKey(QObject* receiver, QEvent* event);
