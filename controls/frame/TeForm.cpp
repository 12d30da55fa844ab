#include "controls/frame/TeForm.h"

#include <QWidget>
#include <algorithm>

#include "controls/core/BufferCopy.h"
#include "controls/frame/FrameGeometry.h"
#include "framework/Form.h"
#include "framework/Monitors.h"
#include "graphics/Bitmap.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "theme/ThemedElements.h"

namespace {

// The caption strip is composed off-screen this much taller than the caption, so that nothing of
// it flickers when the frame is drawn straight onto the window.
constexpr int kCaptionStripExtra = 50;

const TTeBorderIcon kPaintOrder[] = {TTeBorderIcon::kbiClose,    TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiMinimize,
                                     TTeBorderIcon::kbiMaximize, TTeBorderIcon::kbiHelp,       TTeBorderIcon::kbiRollup,
                                     TTeBorderIcon::kbiTray};

}  // namespace

TTeForm::TTeForm(TComponent* owner) : TTeDefaultForm(owner)
{
    AddThemeNotification(this);
}

TTeForm::~TTeForm()
{
    RemoveThemeNotification(this);
}

void TTeForm::SetThemeLink(TteCustomThemeLink* link)
{
    if (link == link_)
        return;
    link_ = link;
    FrameChanged();
    if (ComponentState().Contains(TComponentStateFlag::csLoading))
        InvalidateFrame();
    else
        OptionChanged();
}

void TTeForm::SetThemeObject(const QString& name)
{
    if (name == object_)
        return;
    object_ = name;
    FrameChanged();
    if (Form() != nullptr)
        Form()->Handle()->update();
}

TteTheme* TTeForm::Theme() const
{
    return GetLinkTheme(link_);
}

bool TTeForm::Themed() const
{
    return IsFormThemed(FormKindOf(BorderStyle()), object_, link_) && Theme() != nullptr;
}

void TTeForm::Dispatch(TMessage& message)
{
    if (message.Msg == TE_THEMELINKCHANGE || message.Msg == TE_THEMECHANGE)
        FrameChanged();
    if (message.Msg == TE_THEMELINKCHANGE) {
        if (reinterpret_cast<const TteCustomThemeLink*>(message.LParam) == link_)
            UpdateFrame();
        return;
    }
    if (message.Msg == TE_THEMECHANGE) {
        switch (static_cast<TteThemeChange>(message.WParam)) {
        case TteThemeChange::ktcReplaced:
        case TteThemeChange::ktcAssigned:
        case TteThemeChange::ktcRemoved:
            UpdateFrame();
            if (WindowState() == TTeWindowState::kwsMaximized && Form() != nullptr) {
                const TRect r = GetMaximizedRect();
                Form()->SetBounds(r.Left, r.Top, r.Width(), r.Height());
            }
            break;
        case TteThemeChange::ktcColors:
            if (Form() != nullptr)
                Form()->Handle()->update();
            break;
        default:
            break;
        }
        return;
    }
    TTeDefaultForm::Dispatch(message);
}

std::optional<QRegion> TTeForm::CreateWindowRegion()
{
    if (!Themed())
        return TTeDefaultForm::CreateWindowRegion();
    return Theme()->GetFormRegion(FormKindOf(BorderStyle()), VisibleRect(), object_);
}

TRect TTeForm::GetButtonRect(TTeBorderIcon icon)
{
    if (!Themed())
        return TTeDefaultForm::GetButtonRect(icon);
    TteFormButton button;
    if (!BorderIcons().Contains(icon) || !ThemeButtonOf(icon, WindowState(), button))
        return {};
    return Theme()->GetFormButtonRect(FormKindOf(BorderStyle()), WindowInfo(), button, object_);
}

TRect TTeForm::GetFrameClientRect()
{
    if (!Themed())
        return TTeDefaultForm::GetFrameClientRect();
    return Theme()->GetFormClientRect(FormKindOf(BorderStyle()), WindowInfo(), object_);
}

TRect TTeForm::GetMaximizedRect()
{
    if (!Themed())
        return TTeDefaultForm::GetMaximizedRect();
    const TMonitorInfo monitor = MonitorFromRect(Form()->BoundsRect());
    return StayOnTop() ? monitor.Bounds : monitor.WorkArea;
}

TteFormHit TTeForm::HitTest(TPoint point)
{
    if (!Themed())
        return TTeDefaultForm::HitTest(point);
    return WithSizeGrip(Theme()->FormHitTest(FormKindOf(BorderStyle()), WindowInfo(), point.X, point.Y, object_), point);
}

void TTeForm::PaintClient(TCanvas& canvas, const TRect& rect)
{
    if (!Themed()) {
        TTeDefaultForm::PaintClient(canvas, rect);
        return;
    }
    Theme()->DrawFormBackground(FormKindOf(BorderStyle()), canvas, rect, object_);
}

void TTeForm::PaintSizeGrip(TCanvas& canvas, const TRect& rect)
{
    if (!Themed()) {
        TTeDefaultForm::PaintSizeGrip(canvas, rect);
        return;
    }
    Theme()->DrawFormGrip(FormKindOf(BorderStyle()), canvas, TteElementInfo{rect, Dragging().Sizeable() ? std::uint8_t{1} : std::uint8_t{0}}, object_);
}

void TTeForm::PaintFrame(TCanvas& canvas)
{
    if (!Themed()) {
        TTeDefaultForm::PaintFrame(canvas);
        return;
    }
    TteTheme& theme = *Theme();
    TteWindowInfo info = WindowInfo();
    // A buffer (a picture) needs no strip of its own; only the window does.
    if (Performance() != TTeFormPerformance::ksfpNoBuffer || canvas.Image() != nullptr) {
        PaintThemedFrame(theme, canvas, info);
        return;
    }
    // Straight onto the window: the caption strip is composed off-screen and copied at once; the
    // rest of the frame is drawn around it.
    const TRect client = GetFrameClientRect();
    const int stripHeight = std::min(info.Rect.Height(), client.Top + kCaptionStripExtra);
    // Composed again only when the frame's look changed.
    const TFrameKey key = FrameKey();
    if (key != stripKey_ || captionStrip_.Width() != info.Rect.Width() || captionStrip_.Height() != stripHeight) {
        stripKey_.reset();
        if (captionStrip_.Width() != info.Rect.Width() || captionStrip_.Height() != stripHeight)
            captionStrip_.SetSize(info.Rect.Width(), stripHeight);
        captionStrip_.SetAlphaBlend(false);
        PaintThemedFrame(theme, captionStrip_.Canvas(), info);
        captionStrip_.Canvas().Handle()->EndPainting();
        stripKey_ = key;
    }

    info.PaintRect = {0, stripHeight, info.Rect.Width(), info.Rect.Height()};
    const int level = canvas.SaveDC();
    canvas.ExcludeClipRect({0, 0, info.Rect.Width(), stripHeight});
    theme.DrawForm(FormKindOf(BorderStyle()), canvas, info, object_);
    canvas.RestoreDC(level);
    CopyBufferInStrips(*canvas.Handle(), captionStrip_, {0, 0, captionStrip_.Width(), stripHeight}, {0, 0});
}

void TTeForm::PaintThemedFrame(TteTheme& theme, TCanvas& canvas, const TteWindowInfo& info)
{
    const TteFormKind kind = FormKindOf(BorderStyle());
    theme.DrawForm(kind, canvas, info, object_);
    const TRect captionRect = theme.GetFormCaptionRect(kind, info, object_);
    if (!captionRect.IsEmpty())
        theme.DrawFormCaptionText(kind, canvas, info, captionRect, object_);
    const bool leftDown = LeftDownOnFrame();
    for (TTeBorderIcon icon : kPaintOrder) {
        TteFormButton button;
        if (!BorderIcons().Contains(icon) || !ThemeButtonOf(icon, WindowState(), button))
            continue;
        const TRect r = theme.GetFormButtonRect(kind, info, button, object_);
        if (r.IsEmpty())
            continue;
        if (icon == TTeBorderIcon::kbiSystemMenu) {
            DrawSmallWindowIcon(canvas, r);
            continue;
        }
        const TteFormHit part = HitOfIcon(icon);
        TteFormButtonState state = TteFormButtonState::kfbsNormal;
        if (!info.Active)
            state = TteFormButtonState::kfbsInactive;
        else if (leftDown && PressedPart() == part && HotPart() == part)
            state = TteFormButtonState::kfbsPressed;
        else if (HotPart() == part && !Moving())
            state = TteFormButtonState::kfbsHot;
        theme.DrawFormButton(kind, canvas, TteFormButtonInfo{r, button, state, nullptr}, object_);
    }
}
