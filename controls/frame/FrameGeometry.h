#pragma once
// The geometry of a window frame that no theme draws (the platform's classic metrics), and what
// frame parts mean to the platform: the client area, the caption band and its buttons, the frame
// part under a point, the buttons a theme is asked to draw, and the caption's text width.
#include <cstdint>

#include "controls/frame/FormOptions.h"
#include "framework/Types.h"
#include "theme/ThemeRecords.h"

// What the frame looks like, in the terms the built-in geometry needs; Window is (0, 0, visible
// width, visible height).
struct TFrameLook {
    TTeBorderStyle Style = TTeBorderStyle::kbsStandard;
    TTeBorderIcons Icons = kDefaultBorderIcons;
    TTeWindowState State = TTeWindowState::kwsNormal;
    TRect Window;
};

TteFormKind FormKindOf(TTeBorderStyle style);
// The buttons the theme may draw: bit n for button kind n, from the style, the icons and the state.
TteFormButtons ThemeButtonMask(TTeBorderStyle style, TTeBorderIcons icons, TTeWindowState state);
// The theme's button kind that shows icon in state (restore while minimized or maximized, roll down
// while rolled up); nothing for the icons without a button (kbiTop, kbiCustom).
bool ThemeButtonOf(TTeBorderIcon icon, TTeWindowState state, TteFormButton& button);
// The frame part of a theme button (kfhMinimize for both minimize kinds, and so on).
TteFormHit HitOfIcon(TTeBorderIcon icon);

// The window shrunk by the frame width on every side and by the caption at the top; the whole
// window for kbsNone and kbsBorder.
TRect BuiltInClientRect(const TFrameLook& look);
// The caption band: from one pixel below the top frame to the client top, as wide as the client.
TRect BuiltInCaptionBand(const TFrameLook& look);
// Where the caption button of icon goes; empty when it is not shown.
TRect BuiltInButtonRect(const TFrameLook& look, TTeBorderIcon icon);
// The frame part under point (window coordinates).
TteFormHit BuiltInHitTest(const TFrameLook& look, TPoint point);
// The caption's text rectangle and the width its text is cut to (with an ellipsis).
TRect BuiltInCaptionTextRect(const TFrameLook& look);
int BuiltInCaptionTextWidth(const TFrameLook& look);

// What a frame part means to the platform: move, size from an edge or corner, a caption button,
// or nothing (the client).
enum class TPlatformHit : std::uint8_t {
    kphClient,
    kphCaption,
    kphLeft,
    kphTop,
    kphRight,
    kphBottom,
    kphTopLeft,
    kphTopRight,
    kphBottomLeft,
    kphBottomRight,
    kphBorder,
    kphClose,
    kphHelp,
    kphMinimize,
    kphMaximize,
    kphSystemMenu,
};
// The top bit of part is ignored. Edges and corners only when sizeable and not maximized; the
// caption only when moveable.
TPlatformHit PlatformHitOf(std::uint8_t part, bool moveable, bool sizeable, bool maximized);
// The edges a size drag from hit moves (Qt::Edges bits); 0 for a part that does not size.
int SizeEdgesOf(TPlatformHit hit);

// size raised to minimum and lowered to maximum where those are non-zero.
TSize ClampToTrackSize(TSize size, TSize minimum, TSize maximum);
