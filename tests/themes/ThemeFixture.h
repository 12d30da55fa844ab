#pragma once
// A small bitmap to draw built-in theme elements on, pre-filled with a colour no theme uses.
#include <QString>
#include <memory>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/Pixel.h"
#include "theme/Theme.h"
#include "themes/FlatTheme.h"
#include "themes/OfficeXPTheme.h"

enum class TKind { Flat, OfficeXP };

inline std::unique_ptr<TteTheme> MakeTheme(TKind kind)
{
    if (kind == TKind::Flat)
        return std::make_unique<TteBuiltTheme<TTeFlatTheme>>();
    return std::make_unique<TteBuiltTheme<TTeOfficeXPTheme>>();
}

// Untouched pixels keep this colour (0x00BBGGRR).
constexpr TColor kUntouched = 0x00123456;

inline const QString kObject = QStringLiteral("default");

struct TThemeSurface {
    explicit TThemeSurface(int width = 80, int height = 60)
    {
        bitmap.SetSize(width, height);
        bitmap.Fill(ColorToPixelAlpha(kUntouched, 255));
    }
    TCanvas& Canvas() { return bitmap.Canvas(); }
    // The pixel as a framework colour (0x00BBGGRR).
    TColor At(int x, int y) { return PixelToColor(bitmap.GetPixel(x, y)) & 0x00FFFFFF; }

    TteBitmap bitmap;
};

// A colour resolved to RGB (system colours through the fixed platform table).
inline TColor Rgb(TColor colour) { return ColorToRGB(colour) & 0x00FFFFFF; }
