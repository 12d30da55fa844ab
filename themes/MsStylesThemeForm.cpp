// The visual-style theme's window frame: caption and edges cut from the style's frame pieces, the
// window's outline taken from their opaque pixels, and the style's caption buttons.
#include <QRegion>
#include <algorithm>

#include "framework/Canvas.h"
#include "framework/TextLayout.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/Pixel.h"
#include "graphics/WideText.h"
#include "theme/ThemeFonts.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"

namespace {

constexpr unsigned kCaptionTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr TRect kNoClip{};

bool HasFullCaption(TteFormKind kind) { return kind == TteFormKind::kfkStandard || kind == TteFormKind::kfkDialog; }

// 1 when either button of a caption place is shown.
int Shown(const TteWindowInfo& info, TteFormButton button, TteFormButton other)
{
    return info.Buttons.Contains(button) || info.Buttons.Contains(other) ? 1 : 0;
}

int Shown(const TteWindowInfo& info, TteFormButton button) { return Shown(info, button, button); }

int ShownButtonCount(const TteWindowInfo& info)
{
    using enum TteFormButton;
    return Shown(info, kfbClose) + Shown(info, kfbMaximize, kfbMaxRestore) + Shown(info, kfbMinimize, kfbMinRestore) +
           Shown(info, kfbHelp) + Shown(info, kfbTray) + Shown(info, kfbRollUp, kfbRollDown);
}

unsigned AlignmentFormat(std::uint8_t contentAlignment)
{
    switch (contentAlignment) {
    case 1: return DT_CENTER;
    case 2: return DT_RIGHT;
    default: return DT_LEFT;
    }
}

} // namespace

std::optional<TTeThemeMsStyles::TFrameStyle> TTeThemeMsStyles::FrameStyle(TteFormKind kind) const
{
    if (HasFullCaption(kind))
        return TFrameStyle{captionBarHeight_, borderWidth_, TMsElement::WindowCaption, TMsElement::WindowFrameLeft,
                           TMsElement::WindowFrameRight, TMsElement::WindowFrameBottom};
    if (kind == TteFormKind::kfkToolWindow)
        return TFrameStyle{smCaptionBarHeight_, smBorderWidth_, TMsElement::WindowSmallCaption,
                           TMsElement::WindowSmallFrameLeft, TMsElement::WindowSmallFrameRight,
                           TMsElement::WindowSmallFrameBottom};
    return std::nullopt;
}

bool TTeThemeMsStyles::IsFormAvailable(TteFormKind, const QString&)
{
    // The objects exist for every section once built, whatever the style holds.
    return !elements_.empty();
}

TRect TTeThemeMsStyles::GetFormClientRect(TteFormKind kind, const TteWindowInfo& info, const QString&)
{
    const TRect& w = info.Rect;
    const std::optional<TFrameStyle> frame = FrameStyle(kind);
    if (!frame)
        return w;
    const int border = frame->BorderWidth;
    return {w.Left + border, w.Top + frame->CaptionBarHeight + border, w.Right - border, w.Bottom - border};
}

TteFormHit TTeThemeMsStyles::FormHitTest(TteFormKind kind, const TteWindowInfo& info, int x, int y,
                                         const QString& objectName)
{
    const TteFormHit hit = TteTheme::FormHitTest(kind, info, x, y, objectName);
    const std::optional<TFrameStyle> frame = FrameStyle(kind);
    if (!frame || (hit != TteFormHit::kfhTop && hit != TteFormHit::kfhNothing))
        return hit;
    // The whole band below the top edge drags the window, also where the caption text does not reach.
    const TRect c = GetFormClientRect(kind, info, objectName);
    const TRect band{c.Left, frame->BorderWidth, c.Right, c.Top};
    return band.Contains({x, y}) ? TteFormHit::kfhCaption : hit;
}

TRect TTeThemeMsStyles::GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName)
{
    const TRect c = GetFormClientRect(kind, info, objectName);
    TRect r{c.Left, info.Rect.Top, c.Right, c.Top};
    const std::optional<TFrameStyle> frame = FrameStyle(kind);
    if (!frame)
        return r;
    TRect margins{0, frame->BorderWidth, 0, 0};
    const TmsuxThemeObject& caption = Element(TMsElement::WindowCaption);
    if (caption.FindProp(QStringLiteral("captionmargins")) != nullptr) {
        margins.Left += caption.CaptionMargins.Left;
        margins.Right += caption.CaptionMargins.Right;
    }
    r.Left += margins.Left;
    r.Top += margins.Top;
    r.Right -= margins.Right;
    if (HasFullCaption(kind) && info.Buttons.Contains(TteFormButton::kfbSysMenu))
        r.Left = c.Left + margins.Left + frame->CaptionBarHeight;
    return r;
}

TRect TTeThemeMsStyles::GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                                          const QString& objectName)
{
    using enum TteFormButton;
    // A button that is not shown has no place: the hit test would otherwise find it.
    if (!info.Buttons.Contains(button))
        return {};
    const TRect& w = info.Rect;
    if (kind == TteFormKind::kfkToolWindow) {
        if (button != kfbClose)
            return {};
        return {w.Right - smBorderWidth_ - 1 - smCaptionBarHeight_ + 2, smBorderWidth_ + 1, w.Right - smBorderWidth_ - 1,
                w.Top + smCaptionBarHeight_ + smBorderWidth_ - 1};
    }
    if (!HasFullCaption(kind))
        return {};

    const int size = captionBarHeight_ - borderWidth_;
    const int step = size + 2;
    const TRect base{w.Right - captionBarHeight_ - 1, borderWidth_ + 1, w.Right - borderWidth_ - 1,
                     w.Top + captionBarHeight_ + 1};
    // Steps left of the close button's place.
    int steps = 0;
    switch (button) {
    case kfbSysMenu: {
        const TRect c = GetFormClientRect(kind, info, objectName);
        return {c.Left, 5, c.Left + size, 5 + size};
    }
    case kfbClose: break;
    case kfbMaximize:
    case kfbMaxRestore: steps = Shown(info, kfbClose); break;
    case kfbMinimize:
    case kfbMinRestore: steps = Shown(info, kfbClose) + Shown(info, kfbMaximize, kfbMaxRestore); break;
    case kfbHelp:
        steps = Shown(info, kfbClose) + Shown(info, kfbMaximize, kfbMaxRestore) + Shown(info, kfbMinimize, kfbMinRestore);
        break;
    default: return {};
    }
    return {base.Left - steps * step, base.Top, base.Right - steps * step, base.Bottom};
}

std::optional<QRegion> TTeThemeMsStyles::GetFormRegion(TteFormKind kind, const TRect& rect, const QString& objectName)
{
    const std::optional<TFrameStyle> frame = FrameStyle(kind);
    if (!frame || rect.IsEmpty())
        return std::nullopt;
    TteWindowInfo info;
    info.Rect = rect;
    const TRect c = GetFormClientRect(kind, info, objectName);
    const int width = rect.Width();
    const struct {
        TMsElement element;
        TRect place;
    } pieces[] = {
        {frame->Caption, {0, 0, width, c.Top}},
        {frame->Left, {0, c.Top, c.Left, c.Bottom}},
        {frame->Right, {c.Right, c.Top, rect.Right, c.Bottom}},
        {frame->Bottom, {0, c.Bottom, width, rect.Bottom}},
    };
    QRegion region(c.ToQRect());
    for (const auto& piece : pieces) {
        if (piece.place.IsEmpty())
            continue;
        // Key pixels where the piece leaves its place undrawn or cut out (round corners).
        TteBitmap scratch;
        scratch.SetSize(piece.place.Width(), piece.place.Height());
        scratch.Fill(TransparentKey);
        Element(piece.element).Draw(scratch.Canvas(), scratch.BoundsRect(), 1, kNoClip);
        if (const std::optional<QRegion> shape = scratch.CreateRegion(piece.place.Left, piece.place.Top))
            region |= *shape;
    }
    return region;
}

void TTeThemeMsStyles::DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName)
{
    const std::optional<TFrameStyle> frame = FrameStyle(kind);
    if (!frame)
        return;
    const int index = info.Active ? 1 : 2;
    const TRect& w = info.Rect;
    const TRect c = GetFormClientRect(kind, info, objectName);
    // A repaint that starts below the top leaves the caption bar alone.
    if (info.PaintRect.IsEmpty() || info.PaintRect.Top == 0)
        Element(frame->Caption).Draw(canvas, {w.Left, w.Top, w.Right, c.Top}, index, kNoClip);
    Element(frame->Left).Draw(canvas, {w.Left, c.Top, c.Left, c.Bottom}, index, kNoClip);
    Element(frame->Right).Draw(canvas, {c.Right, c.Top, w.Right, c.Bottom}, index, kNoClip);
    Element(frame->Bottom).Draw(canvas, {w.Left, c.Bottom, w.Right, w.Bottom}, index, kNoClip);
}

void TTeThemeMsStyles::DrawFormBackground(TteFormKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, SysColor(clBtnFace));
}

void TTeThemeMsStyles::DrawFormCaptionText(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info,
                                           const TRect& rect, const QString&)
{
    const std::optional<TFrameStyle> frame = FrameStyle(kind);
    if (!frame)
        return;
    const TFont* font = Fonts()->GetFont(info.Active ? TteThemeFont::ktfCaptionTextNormal
                                                     : TteThemeFont::ktfCaptionTextInactive);
    canvas.SetFont(font);
    const TmsuxThemeObject& caption = Element(frame->Caption);
    const unsigned format = AlignmentFormat(caption.ContentAlignment) | kCaptionTextFormat;

    TRect r = rect;
    if (HasFullCaption(kind)) {
        // The text ends where the caption buttons begin.
        const int buttonsLeft = info.Rect.Width() - 2 * borderWidth_ - captionBarHeight_ * ShownButtonCount(info);
        r.Right = std::min(r.Right, buttonsLeft);
    }
    const QString text = EllipsisText(canvas, info.Caption, r.Width());

    const TmsuxThemeObject& shadow =
        Element(info.Active ? TMsElement::WindowCaptionActive : TMsElement::WindowCaptionInactive);
    if (shadow.TextShadowType == 1) {
        TRect shadowRect{r.Left + shadow.TextShadowOffset.X, r.Top + shadow.TextShadowOffset.Y,
                         r.Right + shadow.TextShadowOffset.X, r.Bottom + shadow.TextShadowOffset.Y};
        canvas.Font()->SetColor(Element(TMsElement::WindowCaption).TextShadowColor);
        DrawWideText(canvas, text, shadowRect, format);
        canvas.SetFont(font);
    }
    DrawWideText(canvas, text, r, format);
}

void TTeThemeMsStyles::DrawFormButton(TteFormKind kind, TCanvas& canvas, const TteFormButtonInfo& info,
                                      const QString& objectName)
{
    using enum TteFormButton;
    if (info.Rect.IsEmpty())
        return;
    const int index = static_cast<int>(info.State) + 1;
    if (kind == TteFormKind::kfkToolWindow) {
        if (info.Button == kfbClose)
            Element(TMsElement::WindowSmallCloseButton).Draw(canvas, info.Rect, index, kNoClip);
        return;
    }
    if (!HasFullCaption(kind))
        return;
    std::optional<TMsElement> element;
    switch (info.Button) {
    case kfbSysMenu: TteTheme::DrawFormButton(kind, canvas, info, objectName); return;
    case kfbClose: element = TMsElement::WindowCloseButton; break;
    case kfbHelp: element = TMsElement::WindowHelpButton; break;
    case kfbMinimize: element = TMsElement::WindowMinButton; break;
    case kfbMinRestore:
    case kfbMaxRestore:
    case kfbRollDown: element = TMsElement::WindowRestoreButton; break;
    case kfbMaximize: element = TMsElement::WindowMaxButton; break;
    case kfbRollUp:
    case kfbTray: break;
    }
    if (element)
        Element(*element).Draw(canvas, info.Rect, index, kNoClip);
}
