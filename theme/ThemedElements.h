#pragma once
// Whether a control's element is drawn by a theme, and which theme it draws with: the theme of
// its link when the link supplies one, else the application theme.
#include <QString>

#include "theme/ThemeRecords.h"

class TteTheme;
class TteCustomThemeLink;

// The link's theme when link is set and supplies one, else the current theme (or nullptr).
TteTheme* GetLinkTheme(const TteCustomThemeLink* link);

// Asked of the link's theme alone when it supplies one; otherwise of the current theme with
// objectName and, when that says no, with "default"; false without any theme.
bool IsFormThemed(TteFormKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsLabelThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsButtonThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsCheckBoxThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsScrollBarThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsProgressBarThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsTrackBarThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsStatusBarThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsEditThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsGroupBoxThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsMenuThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsToolBarThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsTabThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsListBoxThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
bool IsGridThemed(TteKind kind, const QString& objectName, const TteCustomThemeLink* link);
