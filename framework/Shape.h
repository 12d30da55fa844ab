#pragma once
// The framework's shape: a rectangle or an ellipse filling the control, outlined with Pen and filled
// with Brush; one pixel high it is a separator line.
#include <QStringList>

#include "framework/Brush.h"
#include "framework/GraphicControl.h"
#include "framework/Pen.h"

enum class TShapeType { stRectangle, stEllipse };
const QStringList& ShapeTypeNames();

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TPen* Pen() const { return pen_.get(); }
    TBrush* Brush() const { return brush_.get(); }

protected:
    void Paint() override;

private:
    TShapeType shape_ = TShapeType::stRectangle;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
};

// Registers the stored properties of the shape, its pen and brush, and the class (once, at start-up).
void RegisterShape();
