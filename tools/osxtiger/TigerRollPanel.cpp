// The roll panel: a quiet inset body under a pearl heading, round chevron buttons that fold and
// unfold it, and the small red light to close it.
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

constexpr int kChevronButton = 17;

QImage Body()
{
    return FrameStrip(16, 16, 1, [](QPainter& painter, int) {
        painter.setBrush(QColor(244, 244, 244));
        painter.setPen(QPen(kSoftEdge, 1.0));
        painter.drawRect(QRectF(0.5, 0.5, 15, 15));
    });
}

QImage Heading()
{
    return FrameStrip(16, 20, 1, [](QPainter& painter, int) {
        QLinearGradient face(0, 0, 0, 20);
        face.setColorAt(0.0, Qt::white);
        face.setColorAt(0.5, QColor(238, 238, 238));
        face.setColorAt(0.52, QColor(228, 228, 228));
        face.setColorAt(1.0, QColor(240, 240, 240));
        painter.setBrush(face);
        painter.setPen(QPen(kSoftEdge, 1.0));
        painter.drawPath(RoundedRect(QRectF(0.5, 0.5, 15, 24), 4));
    });
}

// Frames normal, hot, pressed; up chevrons fold the panel, down chevrons unfold it.
QImage Chevrons(bool up)
{
    return FrameStrip(kChevronButton, kChevronButton, 3, [up](QPainter& painter, int frame) {
        const QRectF circle(1.5, 1, kChevronButton - 3, kChevronButton - 3);
        const QColor base = frame == 2 ? QColor(214, 224, 240) : frame == 1 ? kPearlHot : kPearl;
        painter.setBrush(Gloss(circle, base));
        painter.setPen(QPen(frame == 1 ? kPearlHotEdge : kEdge, 1.0));
        painter.drawEllipse(circle);
        painter.setPen(QPen(QColor(70, 70, 70), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        const QPointF c = circle.center();
        for (const qreal offset : {-1.8, 1.8}) {
            const qreal tip = up ? -2.0 : 2.0;
            painter.drawPolyline(QPolygonF{c + QPointF(-3, offset - tip / 2), c + QPointF(0, offset + tip / 2),
                                           c + QPointF(3, offset - tip / 2)});
        }
    });
}

TTigerKeys ChevronKeys(const QString& file)
{
    return {{"imagefile", file}, {"imagecount", "3"}, {"imagelayout", "vertical"}, {"sizingtype", "truesize"},
            {"transparent", "true"}};
}

}  // namespace

void AddRollPanel(TTigerStyle& style)
{
    style.Section(QStringLiteral("explorerbar"), {{"fillcolor", IniColour(kFace)}, {"textcolor", IniColour(kInk)}});
    style.Section(QStringLiteral("explorerbar.SpecialGroupBackground"),
                  {{"imagefile", style.Image(QStringLiteral("RollPanelBody"), Body())},
                   {"sizingmargins", "2, 2, 2, 2"},
                   {"sizingtype", "stretch"}});
    style.Section(QStringLiteral("explorerbar.NormalGroupHead"),
                  {{"imagefile", style.Image(QStringLiteral("RollPanelHeading"), Heading())},
                   {"sizingmargins", "5, 5, 5, 2"},
                   {"sizingtype", "stretch"},
                   {"transparent", "true"},
                   {"textcolor", IniColour(kInk)}});
    style.Section(QStringLiteral("explorerbar.NormalGroupCollapse"),
                  ChevronKeys(style.Image(QStringLiteral("RollPanelFold"), Chevrons(true))));
    style.Section(QStringLiteral("explorerbar.NormalGroupExpand"),
                  ChevronKeys(style.Image(QStringLiteral("RollPanelUnfold"), Chevrons(false))));
    // The same light as a tool window's close button.
    style.Section(QStringLiteral("explorerbar.headerclose"),
                  {{"imagefile", QStringLiteral("Tiger\\SmallClose.bmp")},
                   {"imagecount", "4"},
                   {"imagelayout", "vertical"},
                   {"sizingtype", "truesize"},
                   {"transparent", "true"}});
}

}  // namespace tiger
