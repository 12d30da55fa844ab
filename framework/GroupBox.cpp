#include "framework/GroupBox.h"

#include "framework/Pen.h"

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TGroupBox::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    const int textHeight = canvas.TextHeight(QStringLiteral("0"));
    // An etched frame: a shadow line with a highlight line one pixel to the bottom right.
    const TRect frame = Rect(0, textHeight / 2 - 1, Width(), Height());
    canvas.Brush()->SetColor(clBtnHighlight);
    canvas.FrameRect(Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom));
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(Rect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1));
    if (caption_.isEmpty())
        return;
    canvas.Brush()->SetColor(Color());
    TRect text = Rect(8, 0, Width() - 8, textHeight);
    canvas.DrawText(caption_, text, DT_LEFT | DT_SINGLELINE);
}
