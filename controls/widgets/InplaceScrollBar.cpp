#include "controls/widgets/InplaceScrollBar.h"

#include "theme/BackgroundPainters.h"

TTeInplaceScrollBar::TTeInplaceScrollBar(TComponent* owner, TTeScrollOrientation orientation)
    : TCustomControl(owner)
{
    RegisterInplaceScrollBarPainter();
    auto* bar = new TTeScrollBar(this);
    bar->SetOrientation(orientation);
    bar->SetPerformance(TTePerformance::kspDoubleBuffer);
    bar->SetBorderWidth(0);
    bar->SetParent(this);
    bar_ = bar;
    SetBounds(0, 0, bar->Width(), bar->Height());
}

void TTeInplaceScrollBar::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    if (bar_ != nullptr)
        bar_->SetBounds(0, 0, width, height);
}

void RegisterInplaceScrollBarPainter()
{
    if (IsBackgroundPainterRegistered(typeid(TTeInplaceScrollBar)))
        return;
    RegisterBackgroundPainter<TTeInplaceScrollBar>([](TCanvas&, const TteBackgroundPaintInfo&) { return false; });
}
