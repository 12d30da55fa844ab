#include "controls/core/TeControl.h"

#include <QResizeEvent>

#include "controls/core/PaintSurface.h"
#include "controls/core/ParentBackground.h"
#include "controls/core/TeScrollBar.h"
#include "framework/CanvasBinding.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "framework/SystemMetrics.h"
#include "theme/CustomThemeLink.h"
#include "theme/ThemeManager.h"

TTeControl::TTeControl(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
    RegisterControlBackgroundPainters();
    AddThemeNotification(this);
}

TTeControl::~TTeControl()
{
    RemoveThemeNotification(this);
}

void TTeControl::SetThemeLink(TteCustomThemeLink* link)
{
    if (theme_.SetLink(link))
        ThemeSelectionChanged();
}

void TTeControl::SetThemeObject(const QString& name)
{
    if (theme_.SetObject(name))
        ThemeSelectionChanged();
}

void TTeControl::ThemeSelectionChanged()
{
    theme_.SelectionChanged();
}

void TTeControl::Loaded()
{
    TCustomControl::Loaded();
    ApplyThemeBounds();
}

void TTeControl::Dispatch(TMessage& message)
{
    if (theme_.React(message))
        return;
    if (message.Msg == WM_ERASEBKGND) {
        // A transparent child asks for what lies beneath it; the platform's own requests are
        // answered without drawing, so that only Paint touches the window.
        if (message.WParam != 0 && message.LParam != 0)
            PaintBorderAndContent(*reinterpret_cast<TDeviceContext*>(message.WParam));
        message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(message);
}

void TTeControl::PaintBorderAndContent(TDeviceContext& surface)
{
    TCanvasBinding binding(Canvas(), surface);
    PaintBorder();
    const int level = surface.SaveDC();
    if (BothScrollBars())
        surface.IntersectClipRect(ClientRect());
    try {
        PaintControl();
    } catch (...) {
        surface.RestoreDC(level);
        throw;
    }
    surface.RestoreDC(level);
}

void TTeControl::Paint()
{
    if (Width() <= 0 || Height() <= 0 || paintWidth_ <= 0 || paintHeight_ <= 0)
        return;
    TDeviceContext& window = *Canvas().Handle();
    TPaintSurface target(performance_, window, paintWidth_, paintHeight_, true);
    TDeviceContext& surface = target.Context();
    // Declared after the surface, so the canvas is bound back before the buffer goes.
    TCanvasBinding binding(Canvas(), surface);
    paintFont_.Assign(Font());
    Canvas().SetFont(&paintFont_);

    TRect inner = GetInnerRect();
    if (BothScrollBars()) {
        inner.Right = ClientRect().Right;
        inner.Bottom = ClientRect().Bottom;
    }
    int level = surface.SaveDC();
    surface.ExcludeClipRect(inner);
    try {
        PaintBorder();
        surface.RestoreDC(level);
        level = surface.SaveDC();
        if (BothScrollBars())
            surface.IntersectClipRect(ClientRect());
        PaintControl();
    } catch (...) {
        surface.RestoreDC(level);
        throw;
    }
    surface.RestoreDC(level);
    PaintControls(surface);
    target.CopyToDestination();
}

void TTeControl::PaintBorder()
{
    TCanvas& canvas = Canvas();
    if (scrollBarMode_ == TTeScrollBarMode::ksmBoth) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(Rect(Width() - 20, Height() - 20, Width(), Height()));
    }
    const TRect outer = Rect(0, 0, paintWidth_, paintHeight_);
    if (GetInnerRect() == outer)
        return;
    PaintBevels(canvas, outer, border_, Color());
}

void TTeControl::PaintControl()
{
    Canvas().Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas().Brush()->SetColor(Color());
    Canvas().FillRect(GetInnerRect());
}

TRect TTeControl::GetInnerRect() const
{
    return BorderInnerRect(Rect(0, 0, paintWidth_, paintHeight_), border_);
}

void TTeControl::BorderPropertyChanged()
{
    BorderChanged();
    LayoutScrollBars();
    Invalidate();
}

void TTeControl::SetBorderWidth(int width)
{
    if (width == border_.BorderWidth)
        return;
    border_.BorderWidth = width;
    BorderPropertyChanged();
}

void TTeControl::SetBevelInner(TTeBevelCut cut)
{
    if (cut == border_.BevelInner)
        return;
    bevelKind_ = TTeBevelKind::kbkNone;
    border_.BevelInner = cut;
    BorderPropertyChanged();
}

void TTeControl::SetBevelOuter(TTeBevelCut cut)
{
    if (cut == border_.BevelOuter)
        return;
    bevelKind_ = TTeBevelKind::kbkNone;
    border_.BevelOuter = cut;
    BorderPropertyChanged();
}

void TTeControl::SetBevelSides(TTeBevelSides sides)
{
    if (sides == border_.BevelSides)
        return;
    border_.BevelSides = sides;
    BorderPropertyChanged();
}

void TTeControl::SetBevelKind(TTeBevelKind kind)
{
    if (kind == bevelKind_)
        return;
    bevelKind_ = kind;
    TTeBevelCut cut;
    if (BevelCutOfKind(kind, cut)) {
        border_.BevelInner = cut;
        border_.BevelOuter = cut;
    }
    BorderPropertyChanged();
}

void TTeControl::SetBevelWidth(int width)
{
    if (width == border_.BevelWidth)
        return;
    border_.BevelWidth = width;
    BorderPropertyChanged();
}

void TTeControl::SetBounds(int left, int top, int width, int height)
{
    // The next paint must use the new size even if it comes before the widget has changed.
    paintWidth_ = std::max(0, width);
    paintHeight_ = std::max(0, height);
    TCustomControl::SetBounds(left, top, width, height);
    LayoutScrollBars();
}

bool TTeControl::WidgetEvent(QEvent* event)
{
    // A size the widget got some other way than through SetBounds.
    if (event->type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        paintWidth_ = size.width();
        paintHeight_ = size.height();
    }
    return TCustomControl::WidgetEvent(event);
}

TRect TTeControl::ClientRect() const
{
    TRect r = TCustomControl::ClientRect();
    if (vertScrollBar_ != nullptr)
        r.Right = std::min(r.Right, vertScrollBar_->Left());
    if (horzScrollBar_ != nullptr)
        r.Bottom = std::min(r.Bottom, horzScrollBar_->Top());
    return r;
}

void TTeControl::MouseEnter()
{
    hot_ = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TTeControl::MouseLeave()
{
    hot_ = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TTeControl::FocusEnter()
{
    focused_ = true;
    Invalidate();
}

void TTeControl::FocusLeave()
{
    focused_ = false;
    Invalidate();
}

void TTeControl::DoEnter()
{
    FocusEnter();
    TCustomControl::DoEnter();
}

void TTeControl::DoExit()
{
    FocusLeave();
    TCustomControl::DoExit();
}

void TTeControl::VisibleChanged()
{
    if (!Handle()->isVisible())
        focused_ = false;
}

// Own scroll bars.

void TTeControl::SetScrollBarMode(TTeScrollBarMode mode)
{
    if (mode == scrollBarMode_)
        return;
    scrollBarMode_ = mode;
    const bool horizontal = mode == TTeScrollBarMode::ksmHorizontal || mode == TTeScrollBarMode::ksmBoth;
    const bool vertical = mode == TTeScrollBarMode::ksmVertical || mode == TTeScrollBarMode::ksmBoth;
    const auto keep = [this](TComponentRef<TTeScrollBar>& bar, bool wanted, TTeScrollOrientation orientation) {
        if (wanted && bar == nullptr) {
            TTeScrollBar* created = CreateScrollBar();
            bar = created;
            created->SetOrientation(orientation);
            created->SetParent(this);
            bar->OnScroll = [this, created](TObject*, TScrollCode code, int& position) {
                ScrollBarMoved(created, static_cast<std::uint8_t>(code), position);
            };
        } else if (!wanted && bar != nullptr) {
            bar->Free();
        }
    };
    keep(horzScrollBar_, horizontal, TTeScrollOrientation::ksoHorizontal);
    keep(vertScrollBar_, vertical, TTeScrollOrientation::ksoVertical);
    LayoutScrollBars();
    Invalidate();
}

TTeScrollBar* TTeControl::CreateScrollBar()
{
    return new TTeScrollBar(this);
}

int TTeControl::GetScrollBarSize() const
{
    return GetSystemMetrics(SM_CYVTHUMB);
}

void TTeControl::LayoutScrollBars()
{
    const TRect inner = GetInnerRect();
    const int size = GetScrollBarSize();
    if (horzScrollBar_ != nullptr) {
        const int right = inner.Right - (vertScrollBar_ != nullptr ? size : 0);
        horzScrollBar_->SetBounds(inner.Left, inner.Bottom - size, std::max(0, right - inner.Left), size);
    }
    if (vertScrollBar_ != nullptr) {
        const int bottom = inner.Bottom - (horzScrollBar_ != nullptr ? size : 0);
        vertScrollBar_->SetBounds(inner.Right - size, inner.Top, size, std::max(0, bottom - inner.Top));
    }
}

void TTeControl::SetScrollBarPosition(TTeScrollBar* bar, int position)
{
    const bool locked = scrollEchoLock_;
    scrollEchoLock_ = true;
    bar->SetPosition(position);
    scrollEchoLock_ = locked;
}

void TTeControl::ScrollBarMoved(TTeScrollBar* bar, std::uint8_t code, int& position)
{
    if (scrollEchoLock_)
        return;
    const std::uint32_t msg = bar == horzScrollBar_ ? WM_HSCROLL : WM_VSCROLL;
    const std::intptr_t passed = code >= 1 && code <= 8 ? code : 0;
    Perform(this, msg, passed, position);
    // The control decides: the bar ends where the handler put it (or stays where it was).
    position = bar->Position();
}
