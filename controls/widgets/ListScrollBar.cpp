#include "controls/widgets/ListScrollBar.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <cmath>

#include "framework/CanvasBinding.h"
#include "framework/DeviceContext.h"
#include "framework/SystemMetrics.h"

TListScrollBar::TListScrollBar(std::function<TteTheme*()> theme) : QScrollBar(Qt::Vertical), theme_(std::move(theme))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TListScrollBar::sizeHint() const
{
    const int thumb = GetSystemMetrics(SM_CYVTHUMB);
    return QSize(thumb, 3 * thumb);
}

TScrollBarLayout TListScrollBar::Layout() const
{
    // The list counts top rows; the themed bar the whole range with the page inside it.
    const TScrollBarRange range{minimum(), maximum() + pageStep() - 1, pageStep(), value()};
    return LayOutScrollBar(Rect(0, 0, width(), height()), TTeScrollOrientation::ksoVertical, 0, true,
                           GetSystemMetrics(SM_CYVTHUMB), range);
}

TScrollBarPart TListScrollBar::PartAt(QPoint point) const
{
    const TScrollBarLayout layout = Layout();
    const TPoint p{point.x(), point.y()};
    if (layout.Thumb.Contains(p))
        return TScrollBarPart::ksbpThumb;
    if (layout.FirstButton.Contains(p))
        return TScrollBarPart::ksbpFirstButton;
    if (layout.SecondButton.Contains(p))
        return TScrollBarPart::ksbpSecondButton;
    if (layout.PageBefore.Contains(p))
        return TScrollBarPart::ksbpPageBefore;
    if (layout.PageAfter.Contains(p))
        return TScrollBarPart::ksbpPageAfter;
    return TScrollBarPart::ksbpNone;
}

void TListScrollBar::paintEvent(QPaintEvent* event)
{
    TDeviceContext surface(this);
    surface.IntersectClipRect(TRect::FromQRect(event->rect()));
    TCanvas canvas;
    const TCanvasBinding binding(canvas, surface);
    TScrollBarLook look;
    look.Bounds = Rect(0, 0, width(), height());
    look.Enabled = isEnabled();
    look.Hot = hot_;
    look.Pressed = dragging_ ? TScrollBarPart::ksbpThumb : pressed_;
    look.Theme = theme_();
    look.ThemeObject = QStringLiteral("default");
    PaintScrollBar(canvas, look, Layout());
}

void TListScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    switch (PartAt(event->position().toPoint())) {
    case TScrollBarPart::ksbpThumb:
        dragging_ = true;
        break;
    case TScrollBarPart::ksbpFirstButton:
        pressed_ = TScrollBarPart::ksbpFirstButton;
        triggerAction(SliderSingleStepSub);
        break;
    case TScrollBarPart::ksbpSecondButton:
        pressed_ = TScrollBarPart::ksbpSecondButton;
        triggerAction(SliderSingleStepAdd);
        break;
    case TScrollBarPart::ksbpPageBefore:
        triggerAction(SliderPageStepSub);
        break;
    case TScrollBarPart::ksbpPageAfter:
        triggerAction(SliderPageStepAdd);
        break;
    case TScrollBarPart::ksbpNone:
        break;
    }
    update();
}

void TListScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const int y = event->position().toPoint().y();
    if (dragging_) {
        const TScrollBarLayout layout = Layout();
        const int trackLength = layout.TrackEnd - layout.TrackStart;
        if (trackLength > 0) {
            const double share = static_cast<double>(y - layout.TrackStart) / trackLength;
            setValue(static_cast<int>(std::lrint(share * maximum())));
        }
    }
    const TScrollBarPart hot = dragging_ ? TScrollBarPart::ksbpThumb : PartAt(event->position().toPoint());
    if (hot != hot_) {
        hot_ = hot;
        update();
    }
}

void TListScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    dragging_ = false;
    pressed_ = TScrollBarPart::ksbpNone;
    update();
}

void TListScrollBar::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    triggerAction(delta < 0 ? SliderSingleStepAdd : SliderSingleStepSub);
    update();
}

void TListScrollBar::leaveEvent(QEvent* event)
{
    QScrollBar::leaveEvent(event);
    if (!dragging_ && hot_ != TScrollBarPart::ksbpNone) {
        hot_ = TScrollBarPart::ksbpNone;
        update();
    }
}
