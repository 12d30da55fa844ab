#pragma once
// The records a themed control hands to a theme: where an element is drawn, its part and state,
// the text to draw and how, the window frame, caption buttons, glyphs and list checks.
#include <QString>
#include <cstdint>

#include "framework/Set.h"
#include "framework/Types.h"

class TteBitmap;

// The variant of an element a control asks for; its values are listed per element family.
using TteKind = std::uint8_t;

// Window frame variants (3 and 5 are not produced).
enum class TteFormKind : std::uint8_t {
    kfkStandard = 0,
    kfkDialog = 1,
    kfkFrame = 2,
    kfkNone = 4,
    kfkToolWindow = 6,
};

// Caption buttons; the value is the button's bit in TteWindowInfo::Buttons.
enum class TteFormButton : std::uint8_t {
    kfbSysMenu = 0,
    kfbClose = 1,
    kfbHelp = 2,
    kfbMinimize = 3,
    kfbMinRestore = 4,
    kfbMaximize = 5,
    kfbMaxRestore = 6,
    kfbRollUp = 7,
    kfbRollDown = 8,
    kfbTray = 9,
};
using TteFormButtons = TSet<TteFormButton>;

// Caption button states.
enum class TteFormButtonState : std::uint8_t { kfbsNormal = 0, kfbsHot = 1, kfbsPressed = 2, kfbsInactive = 3 };

// What a point of a window frame is: the frame-part codes. Theme hit tests produce neither 6 nor 18.
enum class TteFormHit : std::uint8_t {
    kfhNothing = 0,
    kfhCaption = 1,
    kfhLeft = 2,
    kfhTop = 3,
    kfhRight = 4,
    kfhBottom = 5,
    // Any other part of the frame.
    kfhFrame = 6,
    kfhTopLeft = 7,
    kfhTopRight = 8,
    kfhBottomLeft = 9,
    kfhBottomRight = 10,
    kfhClose = 11,
    kfhHelp = 12,
    kfhMinimize = 13,
    kfhMaximize = 14,
    kfhRoll = 15,
    kfhTray = 16,
    kfhSysMenu = 17,
    // No part: set after a window-state action so that no caption button stays hot.
    kfhNone = 18,
};

// Where text sits in its rectangle: column-major, top/middle/bottom within left, centre, right.
enum class TteTextAlignment : std::uint8_t {
    ktaTopLeft = 0,
    ktaMiddleLeft = 1,
    ktaBottomLeft = 2,
    ktaTopCenter = 3,
    ktaCenter = 4,
    ktaBottomCenter = 5,
    ktaTopRight = 6,
    ktaMiddleRight = 7,
    ktaBottomRight = 8,
};

// TteTextInfo::Flags bits (1 has no meaning).
constexpr std::uint8_t kTextRtlReading = 2;
constexpr std::uint8_t kTextNoPrefix = 4;
constexpr std::uint8_t kTextWordBreak = 8;
constexpr std::uint8_t kTextSingleLine = 16;

// Quarter-turn text: 1 reads top to bottom (turned clockwise), 2 bottom to top.
enum class TteTextRotation : std::uint8_t { ktrNone = 0, ktrClockwise = 1, ktrCounterClockwise = 2 };

struct TteTextInfo {
    TRect Rect;
    QString Text;
    TteTextAlignment Alignment = TteTextAlignment::ktaTopLeft;
    std::uint8_t Flags = 0;
    TteTextRotation Rotation = TteTextRotation::ktrNone;
};

// From the platform's DrawText format bits (DT_*): alignment from the centre/right and
// vcenter/bottom bits, flags from right-to-left, no-prefix, single-line and word-break; no rotation.
TteTextInfo MakeTextInfo(const TRect& rect, const QString& text, unsigned format);
TteTextInfo MakeTextInfo(const TRect& rect, const QString& text, TteTextAlignment alignment, std::uint8_t flags,
                         TteTextRotation rotation);

struct TteWindowInfo {
    // The whole window in window coordinates (0, 0, width, height).
    TRect Rect;
    bool Active = false;
    TteFormButtons Buttons;
    // The area being repainted; when it is not empty and does not start at the top, frame
    // drawing leaves the caption bar alone.
    TRect PaintRect;
    QString Caption;
    bool NoClientArea = false;
};

struct TteElementInfo {
    TRect Rect;
    std::uint8_t State = 0;
};

struct TtePartInfo {
    TRect Rect;
    std::uint8_t Part = 0;
    std::uint8_t State = 0;
};

struct TteFormButtonInfo {
    TRect Rect;
    TteFormButton Button = TteFormButton::kfbSysMenu;
    TteFormButtonState State = TteFormButtonState::kfbsNormal;
    // The window icon, for the system-menu button; not owned.
    const TteBitmap* Glyph = nullptr;
};

// Menu and tool glyph kinds.
enum class TteGlyphKind : std::uint8_t {
    kgkCheck = 0,
    kgkRadio = 1,
    kgkSubMenuArrow = 2,
    kgkShadowedImage = 3,
    kgkImage = 4,
};

struct TteGlyphInfo {
    // Where the glyph goes.
    TRect Rect;
    const TteBitmap* Glyph = nullptr;  // not owned, may be null
    std::uint8_t Style = 4;
    TteGlyphKind GlyphKind = TteGlyphKind::kgkCheck;
};

struct TteGroupBoxInfo {
    TRect Rect;
    // The gap the caption leaves in the top edge; empty without a caption.
    TRect CaptionRect;
    std::uint8_t State = 0;
};

enum class TteListCheck : std::uint8_t { klcChecked = 0, klcUnchecked = 1, klcMixed = 2, klcGlyph = 3 };

struct TteListCheckInfo {
    TRect Rect;
    std::uint8_t Style = 4;
    const TteBitmap* Glyph = nullptr;  // not owned
    TteListCheck Check = TteListCheck::klcChecked;
};

// What a theme kind can do, asked of the kind without an instance.
struct TteThemeConfig {
    // Built by name without any data (only the built-in kinds).
    bool BuiltIn = false;
    bool CanSave = false;
    bool CanLoadStream = false;
    // An open-file dialog filter naming the files the kind reads.
    QString Filter;
    // Without the dot.
    QString DefaultExt;
};
