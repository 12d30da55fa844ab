#include "framework/Label.h"

#include "framework/Brush.h"
#include "framework/ClassRegistry.h"
#include "framework/PropInfo.h"
#include "framework/TextLayout.h"
#include "framework/TextSize.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 17);
}

unsigned TLabel::TextFormat() const
{
    return DT_LEFT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0u);
}

void TLabel::AdjustSize()
{
    if (!autoSize_ || ComponentState().Contains(TComponentStateFlag::csReading))
        return;
    // An empty caption still keeps the height of one line, so the label can be found and clicked.
    const TSize size = MeasureText(*Font(), caption_.isEmpty() ? QStringLiteral(" ") : caption_, TextFormat(),
                                   wordWrap_ ? Width() : 0);
    SetBounds(Left(), Top(), wordWrap_ ? Width() : size.cx, size.cy);
}

void TLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    AdjustSize();
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    autoSize_ = value;
    AdjustSize();
}

void TLabel::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustSize();
    Invalidate();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustSize();
}

void TLabel::FontChanged()
{
    AdjustSize();
    TGraphicControl::FontChanged();
}

void TLabel::Paint()
{
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->Assign(Font());
    if (!Enabled())
        canvas.Font()->SetColor(clGrayText);
    TRect text = ClientRect();
    canvas.DrawText(caption_, text, TextFormat());
}

void RegisterLabelComponent()
{
    RegisterClass<TLabel>(QStringLiteral("TLabel"));
    RegisterProperties<TLabel, TControl>()
        .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
        .String("Caption", &TLabel::Caption, &TLabel::SetCaption)
        .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
        .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false);
}
