// Tool bars and rebars (light metal with dotted grippers; buttons that show only under the mouse)
// and tabs (pearl tabs on a quiet pane; the selected one aqua).
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

constexpr int kToolButton = 22;
constexpr int kTabWidth = 40;
constexpr int kTabHeight = 20;

QImage Rebar()
{
    QImage image(16, 24, QImage::Format_ARGB32_Premultiplied);
    PaintBrushedMetal(image, image.rect(), QColor(236, 236, 236), QColor(218, 218, 218), 4405, 3);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, 16, 1), QColor(250, 250, 250));
    painter.fillRect(QRect(0, 23, 16, 1), QColor(178, 178, 178));
    return image;
}

QImage Gripper(bool vertical)
{
    return FrameStrip(vertical ? 16 : 6, vertical ? 6 : 16, 1, [vertical](QPainter& painter, int) {
        for (int i = 0; i < 4; ++i) {
            const QPointF at = vertical ? QPointF(2.5 + i * 3.5, 2.5) : QPointF(2.5, 2.5 + i * 3.5);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, 200));
            painter.drawEllipse(at + QPointF(0.5, 0.5), 1.0, 1.0);
            painter.setBrush(QColor(0, 0, 0, 90));
            painter.drawEllipse(at, 0.9, 0.9);
        }
    });
}

// Frames normal, hot, pressed, disabled, checked, hot checked: nothing shows until touched.
void PaintToolFace(QPainter& painter, const QRectF& rect, int frame)
{
    if (frame == 0 || frame == 3)
        return;
    const QColor fill = frame == 1 ? QColor(255, 255, 255, 150)
                        : frame == 2 ? QColor(0, 0, 0, 40)
                        : frame == 4 ? QColor(0, 0, 0, 26)
                                     : QColor(0, 0, 0, 16);
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0, 0, 0, frame == 1 ? 60 : 90), 1.0));
    painter.drawPath(RoundedRect(rect, 4));
}

QImage ToolButton(int width, bool arrow)
{
    return FrameStrip(width, kToolButton, 6, [=](QPainter& painter, int frame) {
        PaintToolFace(painter, QRectF(0.5, 0.5, width - 1, kToolButton - 1), frame);
        if (arrow)
            PaintArrow(painter, QPointF(width / 2.0, kToolButton / 2.0), 5, 1,
                       frame == 3 ? kDisabledInk : QColor(60, 60, 60));
    });
}

QImage ToolSeparator()
{
    return FrameStrip(6, kToolButton, 1, [](QPainter& painter, int) {
        painter.fillRect(QRectF(2, 3, 1, kToolButton - 6), QColor(0, 0, 0, 50));
        painter.fillRect(QRectF(3, 3, 1, kToolButton - 6), QColor(255, 255, 255, 170));
    });
}

// Frames normal, hot, pressed (shown as selected), disabled, selected.
QImage Tabs()
{
    return FrameStrip(kTabWidth, kTabHeight, 5, [](QPainter& painter, int frame) {
        // Tabs are not drawn over their parent's background: the corners take the face colour.
        painter.fillRect(QRect(0, 0, kTabWidth, kTabHeight), kFace);
        QPainterPath shape = RoundedRect(QRectF(0.5, 0.5, kTabWidth - 1, kTabHeight + 6), 5);
        if (frame == 2 || frame == 4) {
            PaintGlossyShape(painter, shape, frame == 2 ? kAquaPressed : kAqua, kAquaEdge);
            return;
        }
        const QColor base = frame == 1 ? kPearlHot : frame == 3 ? QColor(240, 240, 240) : QColor(236, 236, 236);
        QLinearGradient face(0, 0, 0, kTabHeight);
        face.setColorAt(0.0, Qt::white);
        face.setColorAt(0.5, base);
        face.setColorAt(0.52, Tint(base, -0.04));
        face.setColorAt(1.0, Tint(base, 0.3));
        painter.setBrush(face);
        painter.setPen(QPen(frame == 3 ? QColor(200, 200, 200) : frame == 1 ? kPearlHotEdge : kEdge, 1.0));
        painter.drawPath(shape);
    });
}

QImage TabPane()
{
    return FrameStrip(16, 16, 1, [](QPainter& painter, int) {
        painter.setBrush(QColor(0, 0, 0, 10));
        painter.setPen(QPen(kEdge, 1.0));
        painter.drawPath(RoundedRect(QRectF(0.5, 0.5, 15, 15), 3));
    });
}

}  // namespace

void AddBars(TTigerStyle& style)
{
    style.Section(QStringLiteral("rebar"), {{"imagefile", style.Image(QStringLiteral("Rebar"), Rebar())},
                                            {"sizingmargins", "0, 0, 2, 2"},
                                            {"sizingtype", "stretch"}});
    const auto gripperKeys = [](const QString& file) {
        return TTigerKeys{{"imagefile", file}, {"sizingtype", "truesize"}, {"transparent", "true"}};
    };
    style.Section(QStringLiteral("rebar.gripper"), gripperKeys(style.Image(QStringLiteral("RebarGripper"), Gripper(false))));
    style.Section(QStringLiteral("rebar.grippervert"),
                  gripperKeys(style.Image(QStringLiteral("RebarGripperVert"), Gripper(true))));

    const auto toolKeys = [](const QString& file) {
        return TTigerKeys{{"imagefile", file},           {"imagecount", "6"},      {"imagelayout", "vertical"},
                          {"sizingmargins", "4, 4, 4, 4"}, {"sizingtype", "stretch"}, {"transparent", "true"},
                          {"textcolor", "0 0 0"}};
    };
    const QString button = style.Image(QStringLiteral("ToolButton"), ToolButton(kToolButton, false));
    style.Section(QStringLiteral("toolbar.button"), toolKeys(button));
    style.Section(QStringLiteral("toolbar.dropdownbutton"), toolKeys(button));
    style.Section(QStringLiteral("toolbar.splitbutton"), toolKeys(button));
    style.Section(QStringLiteral("toolbar.splitbuttondropdown"),
                  toolKeys(style.Image(QStringLiteral("ToolSplitDropDown"), ToolButton(12, true))));
    style.Section(QStringLiteral("toolbar.separator"),
                  {{"imagefile", style.Image(QStringLiteral("ToolSeparator"), ToolSeparator())},
                   {"sizingmargins", "0, 0, 4, 4"},
                   {"sizingtype", "stretch"},
                   {"transparent", "true"}});

    style.Section(QStringLiteral("tab"), {{"bgtype", "none"}, {"textcolor", "0 0 0"}});
    style.Section(QStringLiteral("tab.pane"), {{"imagefile", style.Image(QStringLiteral("TabPane"), TabPane())},
                                               {"sizingmargins", "4, 4, 4, 4"},
                                               {"sizingtype", "stretch"},
                                               {"transparent", "true"}});
    const TTigerKeys tabKeys{{"imagefile", style.Image(QStringLiteral("Tab"), Tabs())},
                             {"imagecount", "5"},
                             {"imagelayout", "vertical"},
                             {"sizingmargins", "6, 6, 6, 2"},
                             {"sizingtype", "stretch"},
                             {"contentmargins", "6, 6, 2, 2"}};
    style.Section(QStringLiteral("tab.toptabitem"), tabKeys);
    style.Section(QStringLiteral("tab.toptabitemleftedge"), tabKeys);
}

}  // namespace tiger
