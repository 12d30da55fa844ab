#include "controls/TeGraphicControl.h"

#include "controls/PaintSurface.h"
#include "controls/ParentBackground.h"
#include "controls/ThemeSelection.h"
#include "framework/Brush.h"
#include "theme/CustomThemeLink.h"
#include "theme/ThemeManager.h"
#include "theme/ThemedElements.h"

TTeGraphicControl::TTeGraphicControl(TComponent* owner) : TGraphicControl(owner), themeObject_(DefaultThemeObject())
{
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
    RegisterControlBackgroundPainters();
    AddThemeNotification(this);
}

TTeGraphicControl::~TTeGraphicControl()
{
    RemoveThemeNotification(this);
    if (themeLink_ != nullptr)
        themeLink_->RemoveFreeNotification(this);
}

TteTheme* TTeGraphicControl::Theme() const
{
    return GetLinkTheme(themeLink_);
}

void TTeGraphicControl::SetThemeLink(TteCustomThemeLink* link)
{
    if (link == themeLink_)
        return;
    if (themeLink_ != nullptr)
        themeLink_->RemoveFreeNotification(this);
    themeLink_ = link;
    if (themeLink_ != nullptr)
        themeLink_->FreeNotification(this);
    ThemeSelectionChanged();
}

void TTeGraphicControl::SetThemeObject(const QString& name)
{
    if (name == themeObject_)
        return;
    themeObject_ = name;
    ThemeSelectionChanged();
}

void TTeGraphicControl::ThemeSelectionChanged()
{
    if (ComponentState().Contains(TComponentStateFlag::csLoading) || !ApplyThemeBounds())
        Invalidate();
}

bool TTeGraphicControl::ApplyThemeBounds()
{
    const std::optional<TRect> bounds = BoundsFromTheme(themeLink_, themeObject_, BoundsRect());
    if (!bounds)
        return false;
    SetBoundsRect(*bounds);
    return true;
}

void TTeGraphicControl::Loaded()
{
    TGraphicControl::Loaded();
    ApplyThemeBounds();
}

void TTeGraphicControl::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == themeLink_) {
        themeLink_ = nullptr;
        Invalidate();
    }
}

void TTeGraphicControl::Dispatch(TMessage& message)
{
    switch (ThemeReactionTo(message, themeLink_)) {
    case TThemeReaction::ktrRepaint:
        Invalidate();
        return;
    case TThemeReaction::ktrRepaintAndBounds:
        Invalidate();
        ApplyThemeBounds();
        return;
    case TThemeReaction::ktrBounds:
        if (!ApplyThemeBounds())
            Invalidate();
        return;
    case TThemeReaction::ktrNone:
        break;
    }
    TGraphicControl::Dispatch(message);
}

void TTeGraphicControl::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TCanvas& canvas = Canvas();
    TDeviceContext& parentSurface = *canvas.Handle();
    TPaintSurface target(performance_, parentSurface, Width(), Height(), false);
    struct TRebind {
        TCanvas& canvas;
        TDeviceContext& surface;
        ~TRebind() { canvas.SetHandle(&surface); }
    } rebind{canvas, parentSurface};
    canvas.SetHandle(&target.Context());
    paintFont_.Assign(Font());
    canvas.SetFont(&paintFont_);
    PaintControl();
    target.CopyToDestination();
}

void TTeGraphicControl::PaintControl()
{
    Canvas().Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas().Brush()->SetColor(Color());
    Canvas().FillRect(ClientRect());
}

void TTeGraphicControl::MouseEnter()
{
    hot_ = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TTeGraphicControl::MouseLeave()
{
    hot_ = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}
