// Edit and combo boxes (white wells with a soft inner shadow), the combo box's aqua drop-down
// button, and the group box (a rounded, slightly darker inset).
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

QImage Field()
{
    return FrameStrip(16, 16, 1, [](QPainter& painter, int) {
        const QRectF rect(0.5, 0.5, 15, 15);
        QPainterPath shape;
        shape.addRect(rect);
        PaintWell(painter, shape, rect, Qt::white, kEdge);
        // The top edge is in shade, a touch darker than the others.
        painter.setPen(QPen(QColor(112, 112, 112), 1.0));
        painter.drawLine(QPointF(0.5, 0.5), QPointF(15.5, 0.5));
    });
}

constexpr int kDropDownWidth = 16, kDropDownHeight = 18;

QImage DropDownFace()
{
    return FrameStrip(kDropDownWidth, kDropDownHeight, 4, [](QPainter& painter, int frame) {
        const QColor base = frame == 1 ? kAquaHot : frame == 2 ? kAquaPressed : frame == 3 ? QColor(206, 212, 222) : kAqua;
        const QRectF rect(0.5, 0.5, kDropDownWidth - 1, kDropDownHeight - 1);
        PaintGlossyShape(painter, RoundedRect(rect, 2.5), base, frame == 3 ? QColor(168, 174, 184) : kAquaEdge);
    });
}

// The arrow as a glyph, so it keeps its shape in a button of any height.
QImage DropDownArrow()
{
    constexpr int kSize = 10;
    return FrameStrip(kSize, kSize, 4, [](QPainter& painter, int frame) {
        const QColor ink = frame == 3 ? QColor(150, 156, 166) : QColor(255, 255, 255);
        PaintArrow(painter, QPointF(kSize / 2.0, kSize / 2.0 + 0.5), 7, 1, ink);
    });
}

QImage GroupFrame()
{
    return FrameStrip(16, 16, 1, [](QPainter& painter, int) {
        const QPainterPath shape = RoundedRect(QRectF(0.5, 0.5, 15, 15), 4);
        painter.setBrush(QColor(0, 0, 0, 12));
        painter.setPen(QPen(QColor(0, 0, 0, 58), 1.0));
        painter.drawPath(shape);
        // A light line inside the lower edge: the inset catches light from above.
        painter.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
        painter.drawLine(QPointF(4, 14.5), QPointF(12, 14.5));
    });
}

}  // namespace

void AddFields(TTigerStyle& style)
{
    const QString field = style.Image(QStringLiteral("Field"), Field());
    const TTigerKeys fieldKeys{{"imagefile", field},
                               {"sizingmargins", "3, 3, 3, 3"},
                               {"sizingtype", "stretch"},
                               {"contentmargins", "3, 3, 2, 2"},
                               {"fillcolor", "255 255 255"},
                               {"bordercolor", "150 150 150"},
                               {"textcolor", "0 0 0"}};
    style.Section(QStringLiteral("edit"), fieldKeys);
    style.Section(QStringLiteral("edit.edittext(disabled)"), {{"fillcolor", "240 240 240"}, {"textcolor", "150 150 150"}});
    style.Section(QStringLiteral("edit.edittext(readonly)"), {{"fillcolor", "246 246 246"}});
    style.Section(QStringLiteral("combobox"), fieldKeys);
    style.Section(QStringLiteral("combobox(disabled)"), {{"fillcolor", "240 240 240"}});
    style.Section(QStringLiteral("Combobox.DropDownButton"),
                  {{"imagefile", style.Image(QStringLiteral("ComboButton"), DropDownFace())},
                   {"glyphimagefile", style.Image(QStringLiteral("ComboArrow"), DropDownArrow())},
                   {"glyphtype", "imageglyph"},
                   {"glyphtransparent", "true"},
                   {"imagecount", "4"},
                   {"imagelayout", "vertical"},
                   {"sizingmargins", "3, 3, 4, 4"},
                   {"sizingtype", "stretch"},
                   {"transparent", "true"}});
    style.Section(QStringLiteral("button.groupbox"), {{"imagefile", style.Image(QStringLiteral("GroupBox"), GroupFrame())},
                                                      {"sizingmargins", "5, 5, 5, 5"},
                                                      {"sizingtype", "stretch"},
                                                      {"transparent", "true"},
                                                      {"textcolor", "34 34 34"}});
}

}  // namespace tiger
