#pragma once
// Numbers of the window messages that the program makes observable as message events. Input, paint,
// size, focus, enter/leave and show/hide travel as Qt's own events; only these carry numbers.
#include <cstddef>
#include <cstdint>

// The erase request a transparent child sends its parent: wParam carries the surface, lParam 1.
constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
// Platform changes the theme manager turns into theme notifications.
constexpr std::uint32_t WM_SYSCOLORCHANGE = 0x0015;
constexpr std::uint32_t WM_SETTINGCHANGE = 0x001A;
constexpr std::uint32_t WM_DISPLAYCHANGE = 0x007E;
constexpr std::uint32_t WM_THEMECHANGED = 0x031A;
// A scroll bar's moves, handed to the control that owns it: wParam the scroll code, lParam the position.
constexpr std::uint32_t WM_HSCROLL = 0x0114;
constexpr std::uint32_t WM_VSCROLL = 0x0115;
// Control messages the framework sends between the controls of a form. A key the focused control
// leaves alone (Enter, Escape) goes to every control of its form as CM_DIALOGKEY (wParam the virtual
// key, lParam the shift state's bits) until one answers 1; a character typed with Alt goes round as
// CM_DIALOGCHAR (wParam the character) the same way. CM_FOCUSCHANGED tells every control of a form
// which control got the focus (lParam the TControl).
constexpr std::uint32_t CM_DIALOGKEY = 0xB005;
constexpr std::uint32_t CM_DIALOGCHAR = 0xB006;
constexpr std::uint32_t CM_FOCUSCHANGED = 0xB007;
// A command of the window's system menu or of the platform, with the command in wParam: minimize,
// restore, the system menu from the keyboard or the mouse, context help. SC_KEYMENU is the keyboard's
// way into the window's menu: lParam 0 for Alt alone or F10, else the character typed with Alt; a
// handler that entered a menu answers 1.
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
constexpr std::intptr_t SC_MINIMIZE = 0xF020;
constexpr std::intptr_t SC_MOUSEMENU = 0xF090;
constexpr std::intptr_t SC_KEYMENU = 0xF100;
constexpr std::intptr_t SC_RESTORE = 0xF120;
constexpr std::intptr_t SC_CONTEXTHELP = 0xF180;
// First number free for a program's private messages.
constexpr std::uint32_t WM_USER = 0x0400;
