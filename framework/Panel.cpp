#include "framework/Panel.h"

#include <algorithm>

#include "framework/PropInfo.h"

const QStringList& PanelBevelNames()
{
    static const QStringList names{"bvNone", "bvLowered", "bvRaised"};
    return names;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csAcceptsControls, TControlStyleFlag::csOpaque});
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut cut)
{
    if (cut == bevelOuter_)
        return;
    bevelOuter_ = cut;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut cut)
{
    if (cut == bevelInner_)
        return;
    bevelInner_ = cut;
    Invalidate();
}

void TPanel::SetBevelWidth(int width)
{
    width = std::max(1, width);
    if (width == bevelWidth_)
        return;
    bevelWidth_ = width;
    Invalidate();
}

void TPanel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TPanel::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    // A bevel is bevelWidth nested one-pixel frames: light above and left, dark below and right
    // for a raised one, the other way round for a lowered one.
    auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone)
            return;
        const TColor topLeft = cut == TBevelCut::bvRaised ? clBtnHighlight : clBtnShadow;
        const TColor bottomRight = cut == TBevelCut::bvRaised ? clBtnShadow : clBtnHighlight;
        for (int i = 0; i < bevelWidth_ && rect.Width() > 0 && rect.Height() > 0; ++i) {
            canvas.Brush()->SetColor(topLeft);
            canvas.FillRect(Rect(rect.Left, rect.Top, rect.Right - 1, rect.Top + 1));
            canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1));
            canvas.Brush()->SetColor(bottomRight);
            canvas.FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
            canvas.FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
            rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
        }
    };
    bevel(bevelOuter_);
    bevel(bevelInner_);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(rect);
    if (caption_.isEmpty())
        return;
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(caption_, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void RegisterPanel()
{
    RegisterProperties<TPanel, TWinControl>()
        .Enumeration("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, PanelBevelNames(), TBevelCut::bvRaised)
        .Enumeration("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, PanelBevelNames(), TBevelCut::bvNone)
        .Integer("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth, 1)
        .String("Caption", &TPanel::Caption, &TPanel::SetCaption);
    RegisterClass<TPanel>("TPanel");
}
