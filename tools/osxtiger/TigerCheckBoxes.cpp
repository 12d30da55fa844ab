// Check boxes and radio buttons: twelve frames each (unchecked, checked, mixed; each normal, hot,
// pressed, disabled). Unchecked boxes are pearl white; checked and mixed ones turn aqua.
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

constexpr int kBoxSize = 13;

enum class TMark { None, Check, Mixed };

void PaintBoxFace(QPainter& painter, const QPainterPath& shape, TMark mark, int state)
{
    const bool disabled = state == 3;
    if (mark == TMark::None) {
        const QColor edge = state == 1 ? kPearlHotEdge : disabled ? QColor(196, 196, 196) : QColor(128, 128, 128);
        const QColor base = state == 2 ? QColor(214, 224, 240) : state == 1 ? kPearlHot : kPearl;
        QLinearGradient pearl(0, 0, 0, kBoxSize);
        pearl.setColorAt(0.0, Tint(base, -0.06));
        pearl.setColorAt(0.5, base);
        pearl.setColorAt(1.0, Qt::white);
        painter.save();
        painter.setBrush(pearl);
        painter.setPen(QPen(edge, 1.0));
        painter.drawPath(shape);
        painter.restore();
        return;
    }
    const QColor base = disabled ? QColor(200, 212, 230) : state == 2 ? kAquaPressed : state == 1 ? kAquaHot : kAqua;
    PaintGlossyShape(painter, shape, base, disabled ? QColor(160, 172, 190) : kAquaEdge);
}

void PaintMark(QPainter& painter, TMark mark, bool radio, bool disabled)
{
    const QColor ink = disabled ? QColor(120, 128, 140) : kInk;
    painter.save();
    if (mark == TMark::Mixed) {
        painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(3.8, 6.5), QPointF(9.2, 6.5));
    } else if (mark == TMark::Check && radio) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(6.5, 6.5), 2.2, 2.2);
    } else if (mark == TMark::Check) {
        painter.setPen(QPen(ink, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF{QPointF(3.4, 6.6), QPointF(5.6, 9.2), QPointF(10.0, 3.2)});
    }
    painter.restore();
}

QImage Boxes(bool radio)
{
    return FrameStrip(kBoxSize, kBoxSize, 12, [radio](QPainter& painter, int frame) {
        const auto mark = static_cast<TMark>(frame / 4);
        const int state = frame % 4;
        const QRectF rect(0.5, 0.5, kBoxSize - 1, kBoxSize - 1);
        QPainterPath shape;
        if (radio)
            shape.addEllipse(rect);
        else
            shape.addRoundedRect(rect, 2.5, 2.5);
        painter.setPen(Qt::NoPen);
        PaintBoxFace(painter, shape, mark, state);
        PaintMark(painter, mark, radio, state == 3);
    });
}

TTigerKeys BoxKeys(const QString& file)
{
    return {{"imagefile", file},  {"imagecount", "12"},         {"imagelayout", "vertical"},
            {"sizingtype", "truesize"}, {"transparent", "true"}, {"transparentcolor", "255 0 255"}};
}

}  // namespace

void AddCheckBoxes(TTigerStyle& style)
{
    style.Section(QStringLiteral("button.checkbox"), BoxKeys(style.Image(QStringLiteral("CheckBox"), Boxes(false))));
    style.Section(QStringLiteral("button.radiobutton"),
                  BoxKeys(style.Image(QStringLiteral("RadioButton"), Boxes(true))));
}

}  // namespace tiger
