// The flat theme's window frame: a three-pixel border and a plain caption bar with boxed buttons.
#include <array>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/RectUtils.h"
#include "themes/FlatTheme.h"
#include "themes/FlatThemeDraw.h"

using enum TteThemeColor;

namespace {

constexpr int kButtonWidth = 22;
constexpr int kButtonStep = 24;
constexpr unsigned kCaptionTextFormat = 0x824; // DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX

// Caption buttons from the right edge leftwards.
constexpr std::array kButtonOrder{
    TteFormButton::kfbClose,   TteFormButton::kfbMaximize, TteFormButton::kfbMaxRestore,
    TteFormButton::kfbMinimize, TteFormButton::kfbMinRestore, TteFormButton::kfbRollUp,
    TteFormButton::kfbRollDown, TteFormButton::kfbTray,    TteFormButton::kfbHelp,
};

bool HasCaption(TteFormKind kind) { return kind == TteFormKind::kfkStandard || kind == TteFormKind::kfkDialog; }

} // namespace

bool TTeFlatTheme::IsFormAvailable(TteFormKind, const QString&) { return true; }

std::optional<QRegion> TTeFlatTheme::GetFormRegion(TteFormKind, const TRect&, const QString&) { return std::nullopt; }

TRect TTeFlatTheme::GetFormClientRect(TteFormKind kind, const TteWindowInfo& info, const QString&)
{
    TRect r = InflateRectBy(info.Rect, -3);
    if (HasCaption(kind))
        r.Top += 20;
    else if (kind == TteFormKind::kfkToolWindow)
        r.Top += 16;
    else if (kind != TteFormKind::kfkFrame)
        r = info.Rect;
    return r;
}

TRect TTeFlatTheme::GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName)
{
    const TRect c = GetFormClientRect(kind, info, objectName);
    return {c.Left, info.Rect.Top + 3, c.Right, c.Top};
}

TRect TTeFlatTheme::GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                                      const QString& objectName)
{
    if (!info.Buttons.Contains(button))
        return {};
    const TRect c = GetFormClientRect(kind, info, objectName);
    if (button == TteFormButton::kfbSysMenu)
        return {c.Left, 4, c.Left + kButtonWidth, c.Top - 1};
    int before = 0;
    for (TteFormButton other : kButtonOrder) {
        if (other == button)
            return OffsetRectBy(TRect{c.Right - kButtonWidth, 3, c.Right, c.Top}, -kButtonStep * before, 0);
        if (info.Buttons.Contains(other))
            ++before;
    }
    return {};
}

void TTeFlatTheme::DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName)
{
    const TColor face = Color(ktcButtonNormal);
    TRect r = info.Rect;
    DrawFrameRect(canvas, r, Color(ktcBorder));
    r = InflateRectBy(r, -1);
    Draw3DFrame(canvas, r, face, face);
    r = InflateRectBy(r, -1);
    Draw3DFrame(canvas, r, face, face);

    // A repaint that starts below the top leaves the caption bar alone.
    if (!info.PaintRect.IsEmpty() && info.PaintRect.Top != 0)
        return;
    const TRect caption = GetFormCaptionRect(kind, info, objectName);
    if (caption.IsEmpty())
        return;
    DrawBoxIn(canvas, caption, Color(info.Active ? ktcCaptionNormal : ktcCaptionInactive));
}

void TTeFlatTheme::DrawFormCaptionText(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info,
                                       const TRect& rect, const QString& objectName)
{
    canvas.SetFont(Fonts()->GetObjectFont(info.Active ? 0 : 1, objectName));
    TRect r = rect;
    if (HasCaption(kind))
        r.Left += 20;
    else if (kind == TteFormKind::kfkToolWindow)
        r.Left += 5;
    DrawText(canvas, MakeTextInfo(r, info.Caption, kCaptionTextFormat));
}

void TTeFlatTheme::DrawFormButton(TteFormKind, TCanvas& canvas, const TteFormButtonInfo& info, const QString&)
{
    const TRect& r = info.Rect;
    if (r.IsEmpty())
        return;
    const bool hot = info.State == TteFormButtonState::kfbsHot;
    const bool pressed = info.State == TteFormButtonState::kfbsPressed;
    const TColor face = Color(hot ? ktcButtonHot : ktcButtonNormal);
    if (info.Button != TteFormButton::kfbSysMenu) {
        DrawBoxIn(canvas, r, face);
        if (pressed)
            Draw3DFrame(canvas, InflateRectBy(r, -1), OffsetColorRGB(face, -100), OffsetColorRGB(face, 100));
        else if (hot)
            Draw3DFrame(canvas, InflateRectBy(r, -1), OffsetColorRGB(face, 100), OffsetColorRGB(face, -100));
    }
    const unsigned push = pressed ? DFCS_PUSHED : 0;
    switch (info.Button) {
    case TteFormButton::kfbSysMenu:
        if (info.Glyph != nullptr && !info.Glyph->Empty()) {
            const TRect place = CenterRect(info.Glyph->BoundsRect(), r);
            info.Glyph->Draw(canvas, place.Left, place.Top);
        }
        break;
    case TteFormButton::kfbClose: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONCLOSE | push, clBlack); break;
    case TteFormButton::kfbHelp: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONHELP | push, clBlack); break;
    case TteFormButton::kfbMinimize: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONMIN | push, clBlack); break;
    case TteFormButton::kfbMaximize: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONMAX | push, clBlack); break;
    case TteFormButton::kfbMinRestore:
    case TteFormButton::kfbMaxRestore: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONRESTORE | push, clBlack); break;
    case TteFormButton::kfbRollUp:
    case TteFormButton::kfbRollDown: {
        TRect t = InsetRect(r, 5, 7);
        if (pressed)
            t = OffsetRectBy(t, -1, -1);
        const int middle = (t.Left + t.Right) / 2;
        if (info.Button == TteFormButton::kfbRollUp)
            FillPolygon(canvas, {{t.Left, t.Bottom}, {t.Right, t.Bottom}, {middle, t.Top}}, clBlack);
        else
            FillPolygon(canvas, {{t.Left, t.Top}, {t.Right, t.Top}, {middle, t.Bottom}}, clBlack);
        break;
    }
    case TteFormButton::kfbTray: {
        const TRect inner = InflateRectBy(r, -3);
        TRect square{inner.Right - 3, inner.Bottom - 3, inner.Right, inner.Bottom};
        if (!pressed)
            square = OffsetRectBy(square, 1, 1);
        FillRectColor(canvas, square, clBlack);
        break;
    }
    }
}
