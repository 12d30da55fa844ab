#pragma once
// What the control benchmarks share: a window shown and exposed before timing starts, and the
// stored theme the main window uses.
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

// Shows the window and waits until the platform has exposed it: before that repaint draws nothing.
inline bool ShowExposed(QWidget* window)
{
    window->show();
    for (int i = 0; i < 1000 && (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return window->windowHandle() != nullptr && window->windowHandle()->isExposed();
}

// OSXTiger as the application theme unless a theme is already current.
inline void UseStoredTheme()
{
    if (CurrentTheme() == nullptr)
        SetCurrentTheme(CreateStoredTheme(QStringLiteral("OSXTiger")).release());
}
