#include "framework/Button.h"

#include "framework/Brush.h"
#include "framework/ClassRegistry.h"
#include "framework/PropInfo.h"
#include "framework/TextLayout.h"
#include "framework/VirtualKeys.h"

TButton::TButton(TComponent* owner) : TCustomControl(owner)
{
    // A button holds no controls.
    SetControlStyle({});
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    Invalidate();
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    Invalidate();
}

void TButton::KeyDown(std::uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE || key == VK_RETURN) {
        key = 0;
        Click();
    }
}

void TButton::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect r = ClientRect();
    const bool down = ControlState().Contains(TControlStateFlag::csLButtonDown);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);
    // Raised: light top-left, shadow inside a dark bottom-right; pressed: the shadow all round.
    const auto line = [&canvas](const TRect& rect, TColor color) {
        canvas.Brush()->SetColor(color);
        canvas.FillRect(rect);
    };
    if (down) {
        canvas.Brush()->SetColor(cl3DDkShadow);
        canvas.FrameRect(r);
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    } else {
        line(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), clBtnHighlight);
        line(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), clBtnHighlight);
        line(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), cl3DDkShadow);
        line(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), cl3DDkShadow);
        line(Rect(r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1), clBtnShadow);
        line(Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1), clBtnShadow);
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->Assign(Font());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    TRect text = down ? Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1) : r;
    canvas.DrawText(caption_, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused())
        canvas.DrawFocusRect(Rect(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4));
}

void RegisterButtonComponent()
{
    RegisterClass<TButton>(QStringLiteral("TButton"));
    RegisterProperties<TButton, TWinControl>()
        .String("Caption", &TButton::Caption, &TButton::SetCaption)
        .Boolean("TabStop", &TButton::TabStop, &TButton::SetTabStop, true);
}
