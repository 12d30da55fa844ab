#pragma once
// What the progress and track bar tests share: the looks a bar is drawn in (no theme, the
// abstract "Default" theme that draws no bars, the stored OSXTiger theme), a grab of a control's
// widget, and paint counting.
#include <QCoreApplication>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeTrackBar.h"
#include "framework/WinControl.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

// One look, by the name goldens carry; Make gives the theme to make current (nullptr: none).
struct TBarLook {
    const char* Name;
    std::function<TteTheme*()> Make;
};

inline const TBarLook kBarLooks[] = {
    {"classic", [] { return static_cast<TteTheme*>(nullptr); }},
    {"default", [] { return static_cast<TteTheme*>(new TteBuiltTheme<TteTheme>()); }},
    {"osxtiger", [] { return static_cast<TteTheme*>(CreateStoredTheme(QStringLiteral("OSXTiger")).release()); }},
};

// Makes the look's theme current for a scope and clears it after.
struct TLookScope {
    explicit TLookScope(const TBarLook& look)
    {
        if (TteTheme* theme = look.Make())
            SetCurrentTheme(theme);
        else
            ClearCurrentTheme();
    }
    ~TLookScope() { ClearCurrentTheme(); }
};

inline QImage GrabWidget(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A bar that counts its paints.
template <class Bar>
class TCounted : public Bar {
public:
    explicit TCounted(TComponent* owner = nullptr) : Bar(owner) {}
    int Paints = 0;

protected:
    void PaintControl() override
    {
        ++Paints;
        Bar::PaintControl();
    }
};
