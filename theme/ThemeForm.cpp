// The abstract theme's window frame: the geometry every shipped kind's hit test starts from, and
// its plain drawing.
#include <algorithm>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/Pixel.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"

namespace {

const QString kDefaultObject = QStringLiteral("default");
constexpr int kButtonStep = 22;
constexpr int kFrameShade = 100;

bool Has(const TteWindowInfo& info, TteFormButton button)
{
    return info.Buttons.Contains(button);
}

TRect MovedLeft(const TRect& r, int steps)
{
    return OffsetRectBy(r, -steps * kButtonStep, 0);
}

TteFormHit HitOfButton(TteFormButton button)
{
    switch (button) {
    case TteFormButton::kfbSysMenu:
        return TteFormHit::kfhSysMenu;
    case TteFormButton::kfbClose:
        return TteFormHit::kfhClose;
    case TteFormButton::kfbHelp:
        return TteFormHit::kfhHelp;
    case TteFormButton::kfbMinimize:
    case TteFormButton::kfbMinRestore:
        return TteFormHit::kfhMinimize;
    case TteFormButton::kfbMaximize:
    case TteFormButton::kfbMaxRestore:
        return TteFormHit::kfhMaximize;
    case TteFormButton::kfbRollUp:
    case TteFormButton::kfbRollDown:
        return TteFormHit::kfhRoll;
    case TteFormButton::kfbTray:
        return TteFormHit::kfhTray;
    }
    return TteFormHit::kfhNothing;
}

bool FramedKind(TteFormKind kind)
{
    switch (kind) {
    case TteFormKind::kfkStandard:
    case TteFormKind::kfkDialog:
    case TteFormKind::kfkFrame:
    case TteFormKind::kfkToolWindow:
        return true;
    default:
        return false;
    }
}

// The classic caption-button symbol in black. It is drawn through a scratch bitmap of the
// button's size; a button too large for one shows no symbol rather than failing the paint.
void CaptionSymbol(TCanvas& canvas, const TRect& rect, unsigned symbol)
{
    try {
        DrawFrameGlyph(canvas, rect, DFC_CAPTION, symbol, clBlack);
    } catch (const EBitmapError&) {
    }
}

}  // namespace

TRect TteTheme::GetFormClientRect(TteFormKind, const TteWindowInfo& info, const QString&)
{
    const TRect& w = info.Rect;
    return {w.Left + 4, w.Top + 22, w.Right - 4, w.Bottom - 4};
}

TRect TteTheme::GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName)
{
    const TRect c = GetFormClientRect(kind, info, objectName);
    return {c.Left, 3, c.Right, c.Top};
}

TRect TteTheme::GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                                  const QString& objectName)
{
    if (!Has(info, button))
        return {};
    const TRect c = GetFormClientRect(kind, info, objectName);
    const TRect s{c.Right - 23, 4, c.Right - 1, c.Top - 1};
    // Buttons line up from the right: close, maximize, minimize, roll, tray, help.
    const int close = Has(info, TteFormButton::kfbClose) ? 1 : 0;
    const int maximize = Has(info, TteFormButton::kfbMaximize) || Has(info, TteFormButton::kfbMaxRestore) ? 1 : 0;
    const int minimize = Has(info, TteFormButton::kfbMinimize) || Has(info, TteFormButton::kfbMinRestore) ? 1 : 0;
    const int roll = Has(info, TteFormButton::kfbRollUp) || Has(info, TteFormButton::kfbRollDown) ? 1 : 0;
    const int tray = Has(info, TteFormButton::kfbTray) ? 1 : 0;
    switch (button) {
    case TteFormButton::kfbSysMenu:
        return {c.Left, 4, c.Left + 22, c.Top - 1};
    case TteFormButton::kfbClose:
        return s;
    case TteFormButton::kfbMaximize:
    case TteFormButton::kfbMaxRestore:
        return MovedLeft(s, close);
    case TteFormButton::kfbMinimize:
    case TteFormButton::kfbMinRestore:
        return MovedLeft(s, close + maximize);
    case TteFormButton::kfbRollUp:
    case TteFormButton::kfbRollDown:
        return MovedLeft(s, close + maximize + minimize);
    case TteFormButton::kfbTray:
        return MovedLeft(s, close + maximize + minimize + roll);
    case TteFormButton::kfbHelp:
        return MovedLeft(s, close + maximize + minimize + roll + tray);
    }
    return {};
}

TteFormHit TteTheme::FormHitTest(TteFormKind kind, const TteWindowInfo& info, int x, int y, const QString&)
{
    if (!FramedKind(kind))
        return TteFormHit::kfhNothing;
    const TPoint p{x, y};
    const TRect c = GetFormClientRect(kind, info, kDefaultObject);
    const TRect& w = info.Rect;
    const bool left = TRect{w.Left, w.Top, c.Left, w.Bottom}.Contains(p);
    const bool top = TRect{w.Left, w.Top, w.Right, c.Top}.Contains(p);
    const bool right = TRect{c.Right, w.Top, w.Right, w.Bottom}.Contains(p);
    const bool bottom = TRect{w.Left, c.Bottom, w.Right, w.Bottom}.Contains(p);

    // Later tests override earlier ones: edges, then corners, caption, buttons.
    TteFormHit hit = TteFormHit::kfhNothing;
    if (left)
        hit = TteFormHit::kfhLeft;
    if (top)
        hit = TteFormHit::kfhTop;
    if (right)
        hit = TteFormHit::kfhRight;
    if (bottom)
        hit = TteFormHit::kfhBottom;
    if (left && top)
        hit = TteFormHit::kfhTopLeft;
    if (right && top)
        hit = TteFormHit::kfhTopRight;
    if (left && bottom)
        hit = TteFormHit::kfhBottomLeft;
    if (right && bottom)
        hit = TteFormHit::kfhBottomRight;
    if (GetFormCaptionRect(kind, info, kDefaultObject).Contains(p))
        hit = TteFormHit::kfhCaption;
    for (int code = 0; code <= static_cast<int>(TteFormButton::kfbTray); ++code) {
        const auto button = static_cast<TteFormButton>(code);
        if (GetFormButtonRect(kind, info, button, kDefaultObject).Contains(p))
            return HitOfButton(button);
    }
    return hit;
}

void TteTheme::DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName)
{
    const TRect& w = info.Rect;
    const TRect c = GetFormClientRect(kind, info, objectName);
    const TColor face = Colors()->GetColor(TteThemeColor::ktcButtonNormal);
    DrawFrameRect(canvas, w, clBlack);
    TRect r = InflateRectBy(w, -1);
    Draw3DFrame(canvas, r, OffsetColorRGB(face, kFrameShade), OffsetColorRGB(face, -kFrameShade));
    r = InflateRectBy(r, -1);
    const TColor border = Colors()->GetColor(TteThemeColor::ktcWindowBorder);
    FillRectColor(canvas, r.Left, r.Top, c.Left, r.Bottom, border);
    FillRectColor(canvas, c.Right, r.Top, r.Right, r.Bottom, border);
    // The top band above the caption bar; the bar itself covers the rest of it.
    FillRectColor(canvas, c.Left, r.Top, c.Right, std::min(3, c.Top), border);
    FillRectColor(canvas, c.Left, c.Bottom, c.Right, r.Bottom, border);
    // A repaint that starts below the top leaves the caption bar as it is.
    if (!info.PaintRect.IsEmpty() && info.PaintRect.Top != 0)
        return;
    FillRectColor(canvas, c.Left, 3, c.Right, c.Top,
                  Colors()->GetColor(info.Active ? TteThemeColor::ktcCaptionNormal : TteThemeColor::ktcCaptionInactive));
}

void TteTheme::DrawFormBackground(TteFormKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, Colors()->GetColor(TteThemeColor::ktcWindow));
}

void TteTheme::DrawFormCaptionText(TteFormKind, TCanvas& canvas, const TteWindowInfo& info, const TRect& rect,
                                   const QString&)
{
    canvas.SetFont(Fonts()->GetFont(info.Active ? TteThemeFont::ktfCaptionTextNormal
                                                : TteThemeFont::ktfCaptionTextInactive));
    DrawText(canvas, MakeTextInfo(rect, info.Caption, TteTextAlignment::ktaCenter, kTextSingleLine,
                                  TteTextRotation::ktrNone));
}

void TteTheme::DrawFormButton(TteFormKind, TCanvas& canvas, const TteFormButtonInfo& info, const QString&)
{
    const TRect& rect = info.Rect;
    if (rect.IsEmpty())
        return;
    const bool pressed = info.State == TteFormButtonState::kfbsPressed;
    const TColor face = Colors()->GetColor(info.State == TteFormButtonState::kfbsHot ? TteThemeColor::ktcButtonHot
                                                                                    : TteThemeColor::ktcButtonNormal);
    if (info.Button != TteFormButton::kfbSysMenu) {
        FillRectColor(canvas, rect, face);
        const TColor light = OffsetColorRGB(face, kFrameShade);
        const TColor dark = OffsetColorRGB(face, -kFrameShade);
        Draw3DFrame(canvas, rect, pressed ? dark : light, pressed ? light : dark);
    }
    const unsigned push = pressed ? DFCS_PUSHED : 0;
    switch (info.Button) {
    case TteFormButton::kfbSysMenu:
        if (info.Glyph != nullptr && !info.Glyph->Empty())
            info.Glyph->Draw(canvas, CenterRect(info.Glyph->BoundsRect(), rect));
        break;
    case TteFormButton::kfbClose:
        CaptionSymbol(canvas, rect, DFCS_CAPTIONCLOSE | push);
        break;
    case TteFormButton::kfbHelp:
        CaptionSymbol(canvas, rect, DFCS_CAPTIONHELP | push);
        break;
    case TteFormButton::kfbMinimize:
        CaptionSymbol(canvas, rect, DFCS_CAPTIONMIN | push);
        break;
    case TteFormButton::kfbMinRestore:
    case TteFormButton::kfbMaxRestore:
        CaptionSymbol(canvas, rect, DFCS_CAPTIONRESTORE | push);
        break;
    case TteFormButton::kfbMaximize:
        CaptionSymbol(canvas, rect, DFCS_CAPTIONMAX | push);
        break;
    case TteFormButton::kfbRollUp:
    case TteFormButton::kfbRollDown: {
        TRect r{rect.Left + 4, rect.Top + 5, rect.Right - 4, rect.Bottom - 5};
        if (pressed)
            r = {r.Left - 1, r.Top - 1, r.Right - 1, r.Bottom - 1};
        const int middle = (r.Left + r.Right) / 2;
        if (info.Button == TteFormButton::kfbRollUp)
            FillPolygon(canvas, {{r.Left, r.Bottom}, {r.Right, r.Bottom}, {middle, r.Top}}, clBlack);
        else
            FillPolygon(canvas, {{r.Left, r.Top}, {r.Right, r.Top}, {middle, r.Bottom}}, clBlack);
        break;
    }
    case TteFormButton::kfbTray: {
        const TRect r = InflateRectBy(rect, -3);
        const int shift = pressed ? 0 : 1;
        FillRectColor(canvas, r.Right - 3 + shift, r.Bottom - 3 + shift, r.Right + shift, r.Bottom + shift, clBlack);
        break;
    }
    }
}

void TteTheme::DrawFormGrip(TteFormKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    FillRectColor(canvas, info.Rect, Colors()->GetColor(TteThemeColor::ktcWindowBorder));
    if (info.State == 0)
        return;
    TRect r = InflateRectBy(info.Rect, -4);
    r = {r.Left + 3, r.Top + 3, r.Right + 3, r.Bottom + 3};
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clGray);
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetColor(clBlack);
    canvas.Polygon({{r.Right, r.Top - 4}, {r.Right, r.Top}, {r.Left, r.Bottom}, {r.Left - 4, r.Bottom}});
    canvas.Polygon({{r.Right, r.Top + 3}, {r.Right, r.Bottom}, {r.Left + 3, r.Bottom}});
}
