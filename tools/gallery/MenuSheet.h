#pragma once
// The menu sheet (trackwell-gallery --menu [--theme NAME] --out FILE.png): the main window's menu
// bar with its "Operation" popup open and the "Rip" submenu open beside it, one panel per look
// (the classic look without a theme, Default, Flat, OfficeXP, OSXTiger; or the one named).
// It runs its own widget application, so main hands it the command line before making one.
bool IsMenuSheetCommand(int argc, char** argv);
int WriteMenuSheet(int argc, char** argv);
