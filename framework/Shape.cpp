#include "framework/Shape.h"

#include <algorithm>

#include "framework/PropInfo.h"

const QStringList& ShapeTypeNames()
{
    static const QStringList names{"stRectangle", "stEllipse"};
    return names;
}

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>())
{
    SetBounds(0, 0, 65, 65);
    pen_->OnChange = [this](TObject*) { Invalidate(); };
    brush_->OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType shape)
{
    if (shape == shape_)
        return;
    shape_ = shape;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.SetPen(pen_.get());
    canvas.SetBrush(brush_.get());
    // A wide pen is centred on the outline, so the outline moves in by half its width to stay
    // inside the control.
    const int penWidth = std::max(1, pen_->Width());
    const int inset = penWidth / 2;
    const TRect r = Rect(inset, inset, inset + Width() - penWidth + 1, inset + Height() - penWidth + 1);
    if (shape_ == TShapeType::stEllipse)
        canvas.Ellipse(r);
    else
        canvas.Rectangle(r);
}

void RegisterShape()
{
    const TPen pen;
    RegisterProperties<TPen>()
        .Color("Color", &TPen::Color, &TPen::SetColor, pen.Color())
        .Integer("Width", &TPen::Width, &TPen::SetWidth, pen.Width());
    const TBrush brush;
    RegisterProperties<TBrush>()
        .Color("Color", &TBrush::Color, &TBrush::SetColor, brush.Color())
        .Enumeration("Style", &TBrush::Style, &TBrush::SetStyle, QStringList{"bsSolid", "bsClear"}, brush.Style());
    RegisterProperties<TShape, TControl>()
        .Enumeration("Shape", &TShape::Shape, &TShape::SetShape, ShapeTypeNames(), TShapeType::stRectangle)
        .Object("Pen", [](const TShape& shape) { return shape.Pen(); })
        .Object("Brush", [](const TShape& shape) { return shape.Brush(); });
    RegisterClass<TShape>("TShape");
}
