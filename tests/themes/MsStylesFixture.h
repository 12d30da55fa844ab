#pragma once
// Visual styles made in code. The frame style gives every section of the element table a strip of
// solid frames whose colour names the section and the frame, so one pixel tells which element object
// and which frame were drawn.
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "framework/IniFile.h"
#include "framework/Stream.h"
#include "framework/StringList.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/Pixel.h"
#include "themes/MsStylesElements.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"

// Puts a name, an INI text and bitmaps into a theme, ready to be packed; the theme's own element
// objects still show the style it had.
inline void SetStyle(TTeThemeMsStyles& theme, const QString& name, const QString& iniText,
                     std::vector<std::unique_ptr<TteBitmap>> bitmaps)
{
    theme.SetName(name);
    TStringList lines;
    lines.SetText(iniText);
    theme.Ini().SetStrings(lines);
    for (auto& bitmap : bitmaps)
        theme.Bitmaps().Add(std::move(bitmap));
}

// A new theme loaded from source's packed stream, as the manager hands a stored theme over.
inline std::unique_ptr<TTeThemeMsStyles> LoadedCopy(TTeThemeMsStyles& source)
{
    TMemoryStream packed;
    source.SavePacked(packed);
    packed.Seek(0, TSeekOrigin::soBeginning);
    auto theme = std::make_unique<TteBuiltTheme<TTeThemeMsStyles>>();
    theme->LoadFromStream(packed);
    return theme;
}

// A strip of frames side by side, each frameWidth x frameHeight, opaque; colour(frame from 1, x, y).
inline std::unique_ptr<TteBitmap> StripBitmap(const QString& name, int frames, int frameWidth, int frameHeight,
                                              const std::function<TColor(int, int, int)>& colour)
{
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetSize(frames * frameWidth, frameHeight);
    for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < frames * frameWidth; ++x)
            bitmap->SetPixel(x, y, ColorToPixelAlpha(colour(x / frameWidth + 1, x % frameWidth, y), 255));
    bitmap->SetName(name);
    return bitmap;
}

constexpr int kStripFrames = 16;

// The colour of frame k (from 1) of an element's strip (0x00BBGGRR; far from the magenta key).
constexpr TColor FrameColour(TMsElement element, int frame)
{
    return 0x00400000u | static_cast<TColor>(frame * 8) << 8 | static_cast<TColor>(element);
}

// The substitutes the frame style sets for the system colours, and its menu colours.
constexpr TColor kStyleWindow = 0x001E140A;     // 10 20 30
constexpr TColor kStyleBtnFace = 0x003C3C3C;    // 60 60 60
constexpr TColor kStyleHighlight = 0x005A5046;  // 70 80 90
constexpr TColor kStyleMenu = 0x00786E64;       // 100 110 120
constexpr TColor kStyleMenuHilight = 0x00968C82;  // 130 140 150

// Keys that replace an element's section in the frame style; an empty text leaves the section out.
using TSectionOverrides = std::map<TMsElement, QString>;

inline QString SectionName(TMsElement element)
{
    return QString::fromLatin1(kMsElementSections[static_cast<std::size_t>(element)]);
}

// Every section a 16-frame strip of 2 x 2 solid frames, stretched; overrides and extra bitmaps as given.
inline std::unique_ptr<TTeThemeMsStyles> MakeFrameStyle(const TSectionOverrides& overrides = {},
                                                        std::vector<std::unique_ptr<TteBitmap>> extra = {})
{
    QStringList ini;
    std::vector<std::unique_ptr<TteBitmap>> bitmaps = std::move(extra);
    for (std::size_t i = 0; i < kMsElementCount; ++i) {
        const auto element = static_cast<TMsElement>(i);
        const auto replaced = overrides.find(element);
        if (replaced != overrides.end()) {
            if (!replaced->second.isEmpty())
                ini << QStringLiteral("[%1]").arg(SectionName(element)) << replaced->second;
            continue;
        }
        ini << QStringLiteral("[%1]").arg(SectionName(element)) << QStringLiteral("imagefile=S%1.bmp").arg(i)
            << QStringLiteral("imagecount=%1").arg(kStripFrames);
        bitmaps.push_back(StripBitmap(QStringLiteral("S%1_BMP").arg(i), kStripFrames, 2, 2,
                                      [element](int frame, int, int) { return FrameColour(element, frame); }));
    }
    ini << QStringLiteral("[SysMetrics]") << QStringLiteral("Window=10 20 30") << QStringLiteral("BtnFace=60 60 60")
        << QStringLiteral("Highlight=70 80 90") << QStringLiteral("Menu=100 110 120")
        << QStringLiteral("MenuHilight=130 140 150");
    TteBuiltTheme<TTeThemeMsStyles> source;
    SetStyle(source, QStringLiteral("Frames"), ini.join(QStringLiteral("\r\n")), std::move(bitmaps));
    return LoadedCopy(source);
}
