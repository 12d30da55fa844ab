#include "controls/frame/FrameGeometry.h"

#include <Qt>
#include <algorithm>

#include "framework/SystemMetrics.h"

namespace {

bool Captioned(TTeBorderStyle style)
{
    return style == TTeBorderStyle::kbsStandard || style == TTeBorderStyle::kbsDialog ||
           style == TTeBorderStyle::kbsToolWindow;
}

int CaptionHeight(TTeBorderStyle style)
{
    switch (style) {
    case TTeBorderStyle::kbsStandard:
    case TTeBorderStyle::kbsDialog:
        return GetSystemMetrics(SM_CYCAPTION);
    case TTeBorderStyle::kbsToolWindow:
        return GetSystemMetrics(SM_CYSMCAPTION);
    default:
        return 0;
    }
}

bool Shown(const TFrameLook& look, TTeBorderIcon icon)
{
    return look.Icons.Contains(icon);
}

}  // namespace

TteFormKind FormKindOf(TTeBorderStyle style)
{
    switch (style) {
    case TTeBorderStyle::kbsDialog:
        return TteFormKind::kfkDialog;
    case TTeBorderStyle::kbsBorder:
        return TteFormKind::kfkFrame;
    case TTeBorderStyle::kbsNone:
        return TteFormKind::kfkNone;
    case TTeBorderStyle::kbsToolWindow:
        return TteFormKind::kfkToolWindow;
    case TTeBorderStyle::kbsStandard:
        break;
    }
    return TteFormKind::kfkStandard;
}

TteFormButtons ThemeButtonMask(TTeBorderStyle style, TTeBorderIcons icons, TTeWindowState state)
{
    std::uint64_t mask = Captioned(style) ? 0x1FFF : 0;
    const struct {
        TTeBorderIcon Icon;
        std::uint64_t Bits;
    } kIconBits[] = {
        {TTeBorderIcon::kbiSystemMenu, 0x0001}, {TTeBorderIcon::kbiClose, 0x0002},  {TTeBorderIcon::kbiMaximize, 0x0060},
        {TTeBorderIcon::kbiMinimize, 0x0018},   {TTeBorderIcon::kbiTray, 0x0200},   {TTeBorderIcon::kbiRollup, 0x0180},
        {TTeBorderIcon::kbiHelp, 0x0004},
    };
    for (const auto& entry : kIconBits)
        if (!icons.Contains(entry.Icon))
            mask &= ~entry.Bits;
    // Each state keeps one of the two kinds of the minimize, maximize and roll places.
    switch (state) {
    case TTeWindowState::kwsNormal:
        mask &= ~std::uint64_t{0x0150};
        break;
    case TTeWindowState::kwsMaximized:
        mask &= ~std::uint64_t{0x0130};
        break;
    case TTeWindowState::kwsMinimized:
        mask &= ~std::uint64_t{0x0148};
        break;
    case TTeWindowState::kwsRollup:
        mask &= ~std::uint64_t{0x0090};
        break;
    case TTeWindowState::kwsTray:
        break;
    }
    return TteFormButtons::FromBits(mask);
}

bool ThemeButtonOf(TTeBorderIcon icon, TTeWindowState state, TteFormButton& button)
{
    switch (icon) {
    case TTeBorderIcon::kbiClose:
        button = TteFormButton::kfbClose;
        return true;
    case TTeBorderIcon::kbiSystemMenu:
        button = TteFormButton::kfbSysMenu;
        return true;
    case TTeBorderIcon::kbiMinimize:
        button = state == TTeWindowState::kwsMinimized ? TteFormButton::kfbMinRestore : TteFormButton::kfbMinimize;
        return true;
    case TTeBorderIcon::kbiMaximize:
        button = state == TTeWindowState::kwsMaximized ? TteFormButton::kfbMaxRestore : TteFormButton::kfbMaximize;
        return true;
    case TTeBorderIcon::kbiHelp:
        button = TteFormButton::kfbHelp;
        return true;
    case TTeBorderIcon::kbiRollup:
        button = state == TTeWindowState::kwsRollup ? TteFormButton::kfbRollDown : TteFormButton::kfbRollUp;
        return true;
    case TTeBorderIcon::kbiTray:
        button = TteFormButton::kfbTray;
        return true;
    default:
        return false;
    }
}

TteFormHit HitOfIcon(TTeBorderIcon icon)
{
    switch (icon) {
    case TTeBorderIcon::kbiClose:
        return TteFormHit::kfhClose;
    case TTeBorderIcon::kbiSystemMenu:
        return TteFormHit::kfhSysMenu;
    case TTeBorderIcon::kbiMinimize:
        return TteFormHit::kfhMinimize;
    case TTeBorderIcon::kbiMaximize:
        return TteFormHit::kfhMaximize;
    case TTeBorderIcon::kbiHelp:
        return TteFormHit::kfhHelp;
    case TTeBorderIcon::kbiRollup:
        return TteFormHit::kfhRoll;
    case TTeBorderIcon::kbiTray:
        return TteFormHit::kfhTray;
    default:
        return TteFormHit::kfhNothing;
    }
}

TRect BuiltInClientRect(const TFrameLook& look)
{
    if (!Captioned(look.Style))
        return look.Window;
    const int frame = GetSystemMetrics(SM_CXFRAME);
    const TRect& w = look.Window;
    return {w.Left + frame, w.Top + frame + CaptionHeight(look.Style), w.Right - frame, w.Bottom - frame};
}

TRect BuiltInCaptionBand(const TFrameLook& look)
{
    const TRect client = BuiltInClientRect(look);
    return {client.Left, look.Window.Top + GetSystemMetrics(SM_CXFRAME) + 1, client.Right, client.Top};
}

TRect BuiltInButtonRect(const TFrameLook& look, TTeBorderIcon icon)
{
    const TRect band = BuiltInCaptionBand(look);
    const int h = band.Height();
    if (h <= 4 || !Shown(look, icon))
        return {};
    if (icon == TTeBorderIcon::kbiSystemMenu)
        return {band.Left, band.Top, band.Left + h, band.Top + h};

    // Without platform visual styles (they are never active here) buttons are (h - 2) x (h - 4).
    const int width = h - 2;
    const int top = look.Window.Top + GetSystemMetrics(SM_CXFRAME) + 3;
    const bool toolWindow = look.Style == TTeBorderStyle::kbsToolWindow;
    const bool minimized = look.State == TTeWindowState::kwsMinimized;
    const bool rolledUp = look.State == TTeWindowState::kwsRollup;

    // From the right edge of the band, 2 pixels apart.
    int right = band.Right - 2 + (toolWindow ? 2 : 0);
    const auto place = [&](TTeBorderIcon shown, int extraGap) -> TRect {
        if (!Shown(look, shown))
            return {};
        right -= extraGap;
        const TRect r{right - width, top, right, top + h - 4};
        right = r.Left - 2;
        return r;
    };
    TRect found;
    const auto take = [&](TTeBorderIcon shown, int extraGap = 0) {
        const TRect r = place(shown, extraGap);
        if (shown == icon)
            found = r;
    };
    take(TTeBorderIcon::kbiClose);
    if (toolWindow)
        return found;
    if (!minimized)
        take(TTeBorderIcon::kbiMaximize);
    take(TTeBorderIcon::kbiMinimize);
    if (!minimized) {
        take(TTeBorderIcon::kbiRollup);
        take(TTeBorderIcon::kbiTray);
    }
    if (!rolledUp && !minimized)
        take(TTeBorderIcon::kbiHelp, 2);
    return found;
}

TteFormHit BuiltInHitTest(const TFrameLook& look, TPoint point)
{
    const TRect client = BuiltInClientRect(look);
    const int width = look.Window.Right;
    const int height = look.Window.Bottom;
    const int x = point.X;
    const int y = point.Y;
    TteFormHit hit = TteFormHit::kfhNothing;
    if (y < client.Top && x < width)
        hit = TteFormHit::kfhCaption;
    // Later buttons win where two overlap.
    for (TTeBorderIcon icon : {TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiClose, TTeBorderIcon::kbiMinimize,
                               TTeBorderIcon::kbiMaximize, TTeBorderIcon::kbiHelp, TTeBorderIcon::kbiRollup,
                               TTeBorderIcon::kbiTray})
        if (BuiltInButtonRect(look, icon).Contains(point))
            hit = HitOfIcon(icon);
    if (look.State != TTeWindowState::kwsNormal && look.State != TTeWindowState::kwsTray)
        return hit;

    const int caption = CaptionHeight(look.Style);
    const auto across = [&](TteFormHit low, TteFormHit edge, TteFormHit high, int along, int length) {
        if (along <= 19)
            return low;
        if (along > length - 20)
            return high;
        return edge;
    };
    if (y < client.Top - caption)
        hit = across(TteFormHit::kfhTopLeft, TteFormHit::kfhTop, TteFormHit::kfhTopRight, x, width);
    if (y >= client.Bottom && y < height)
        hit = across(TteFormHit::kfhBottomLeft, TteFormHit::kfhBottom, TteFormHit::kfhBottomRight, x, width);
    if (x < client.Left)
        hit = across(TteFormHit::kfhTopLeft, TteFormHit::kfhLeft, TteFormHit::kfhBottomLeft, y, height);
    if (x >= client.Right && x < width)
        hit = across(TteFormHit::kfhTopRight, TteFormHit::kfhRight, TteFormHit::kfhBottomRight, y, height);
    return hit;
}

TRect BuiltInCaptionTextRect(const TFrameLook& look)
{
    TRect r = BuiltInCaptionBand(look);
    if (look.Style != TTeBorderStyle::kbsToolWindow && Shown(look, TTeBorderIcon::kbiSystemMenu))
        r.Left += r.Height();
    r.Left += 2;
    r.Right -= 2;
    return r;
}

int BuiltInCaptionTextWidth(const TFrameLook& look)
{
    const int bandLeft = BuiltInCaptionBand(look).Left;
    const int width = look.Window.Width();
    if (look.Style == TTeBorderStyle::kbsToolWindow)
        return width - bandLeft - 2 * GetSystemMetrics(SM_CYSMCAPTION);
    int buttons = 1;
    for (TTeBorderIcon icon : {TTeBorderIcon::kbiClose, TTeBorderIcon::kbiMaximize, TTeBorderIcon::kbiMinimize,
                               TTeBorderIcon::kbiHelp, TTeBorderIcon::kbiRollup, TTeBorderIcon::kbiTray})
        buttons += Shown(look, icon) ? 1 : 0;
    return width - bandLeft - buttons * GetSystemMetrics(SM_CYSIZE);
}

TPlatformHit PlatformHitOf(std::uint8_t part, bool moveable, bool sizeable, bool maximized)
{
    const auto hit = static_cast<TteFormHit>(part & 0x7F);
    const bool sizes = sizeable && !maximized;
    const auto edge = [sizes](TPlatformHit answer) { return sizes ? answer : TPlatformHit::kphClient; };
    switch (hit) {
    case TteFormHit::kfhNothing:
        return TPlatformHit::kphClient;
    case TteFormHit::kfhCaption:
        return moveable ? TPlatformHit::kphCaption : TPlatformHit::kphClient;
    case TteFormHit::kfhLeft:
        return edge(TPlatformHit::kphLeft);
    case TteFormHit::kfhTop:
        return edge(TPlatformHit::kphTop);
    case TteFormHit::kfhRight:
        return edge(TPlatformHit::kphRight);
    case TteFormHit::kfhBottom:
        return edge(TPlatformHit::kphBottom);
    case TteFormHit::kfhTopLeft:
        return edge(TPlatformHit::kphTopLeft);
    case TteFormHit::kfhTopRight:
        return edge(TPlatformHit::kphTopRight);
    case TteFormHit::kfhBottomLeft:
        return edge(TPlatformHit::kphBottomLeft);
    case TteFormHit::kfhBottomRight:
        return edge(TPlatformHit::kphBottomRight);
    case TteFormHit::kfhClose:
        return TPlatformHit::kphClose;
    case TteFormHit::kfhHelp:
        return TPlatformHit::kphHelp;
    case TteFormHit::kfhMinimize:
        return TPlatformHit::kphMinimize;
    case TteFormHit::kfhMaximize:
        return TPlatformHit::kphMaximize;
    case TteFormHit::kfhSysMenu:
        return TPlatformHit::kphSystemMenu;
    case TteFormHit::kfhFrame:
    case TteFormHit::kfhRoll:
    case TteFormHit::kfhTray:
    case TteFormHit::kfhNone:
        return TPlatformHit::kphBorder;
    }
    return TPlatformHit::kphBorder;
}

int SizeEdgesOf(TPlatformHit hit)
{
    switch (hit) {
    case TPlatformHit::kphLeft:
        return Qt::LeftEdge;
    case TPlatformHit::kphTop:
        return Qt::TopEdge;
    case TPlatformHit::kphRight:
        return Qt::RightEdge;
    case TPlatformHit::kphBottom:
        return Qt::BottomEdge;
    case TPlatformHit::kphTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case TPlatformHit::kphTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case TPlatformHit::kphBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case TPlatformHit::kphBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return 0;
    }
}

TSize ClampToTrackSize(TSize size, TSize minimum, TSize maximum)
{
    if (minimum.cx > 0)
        size.cx = std::max(size.cx, minimum.cx);
    if (minimum.cy > 0)
        size.cy = std::max(size.cy, minimum.cy);
    if (maximum.cx > 0)
        size.cx = std::min(size.cx, maximum.cx);
    if (maximum.cy > 0)
        size.cy = std::min(size.cy, maximum.cy);
    return size;
}
