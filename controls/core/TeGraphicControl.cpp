#include "controls/core/TeGraphicControl.h"

#include "controls/core/PaintSurface.h"
#include "controls/core/ParentBackground.h"
#include "framework/Brush.h"
#include "framework/CanvasBinding.h"
#include "theme/CustomThemeLink.h"
#include "theme/ThemeManager.h"

TTeGraphicControl::TTeGraphicControl(TComponent* owner) : TGraphicControl(owner)
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
}

void TTeGraphicControl::SetThemeLink(TteCustomThemeLink* link)
{
    if (theme_.SetLink(link))
        ThemeSelectionChanged();
}

void TTeGraphicControl::SetThemeObject(const QString& name)
{
    if (theme_.SetObject(name))
        ThemeSelectionChanged();
}

void TTeGraphicControl::ThemeSelectionChanged()
{
    theme_.SelectionChanged();
}

void TTeGraphicControl::Loaded()
{
    TGraphicControl::Loaded();
    ApplyThemeBounds();
}

void TTeGraphicControl::Dispatch(TMessage& message)
{
    if (theme_.React(message))
        return;
    TGraphicControl::Dispatch(message);
}

void TTeGraphicControl::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TCanvas& canvas = Canvas();
    TDeviceContext& parentSurface = *canvas.Handle();
    TPaintSurface target(performance_, parentSurface, Width(), Height(), false);
    const TCanvasBinding binding(canvas, target.Context());
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
