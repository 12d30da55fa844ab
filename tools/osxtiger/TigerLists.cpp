// Lists: the header (pearl items with thin separators), the list view's white field, and the
// status bar (light metal, quiet panes and a ribbed size grip).
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

constexpr int kHeaderHeight = 18;

void PaintHeaderFace(QPainter& painter, int width, int frame)
{
    const QRectF rect(0, 0, width, kHeaderHeight);
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    const QColor base = frame == 2 ? QColor(212, 224, 242) : frame == 1 ? QColor(250, 252, 255) : QColor(240, 240, 240);
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(0.5, base);
    face.setColorAt(0.52, Tint(base, -0.035));
    face.setColorAt(1.0, Tint(base, 0.3));
    painter.fillRect(rect, face);
    painter.fillRect(QRectF(0, kHeaderHeight - 1, width, 1), kSoftEdge);
}

QImage HeaderItems()
{
    return FrameStrip(32, kHeaderHeight, 3, [](QPainter& painter, int frame) {
        PaintHeaderFace(painter, 32, frame);
        painter.fillRect(QRectF(31, 3, 1, kHeaderHeight - 6), QColor(200, 200, 200));
    });
}

QImage StatusBar()
{
    QImage image(16, 20, QImage::Format_ARGB32_Premultiplied);
    PaintBrushedMetal(image, image.rect(), QColor(226, 226, 226), QColor(210, 210, 210), 3305, 3);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, 16, 1), QColor(166, 166, 166));
    painter.fillRect(QRect(0, 1, 16, 1), QColor(244, 244, 244));
    return image;
}

// A pane of the status bar: only a thin engraved line at its right end.
QImage StatusPane()
{
    return FrameStrip(8, 20, 1, [](QPainter& painter, int) {
        painter.fillRect(QRectF(6, 4, 1, 13), QColor(0, 0, 0, 44));
        painter.fillRect(QRectF(7, 4, 1, 13), QColor(255, 255, 255, 150));
    });
}

QImage SizeGrip()
{
    return FrameStrip(12, 12, 1, [](QPainter& painter, int) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (int i = 0; i < 3; ++i) {
            const int at = 3 + i * 4;
            painter.setPen(QColor(0, 0, 0, 120));
            painter.drawLine(at, 11, 11, at);
            painter.setPen(QColor(255, 255, 255, 220));
            painter.drawLine(at + 1, 11, 11, at + 1);
        }
    });
}

}  // namespace

void AddLists(TTigerStyle& style)
{
    style.Section(QStringLiteral("header"), {{"imagefile", style.Image(QStringLiteral("Header"),
                                                                      FrameStrip(16, kHeaderHeight, 1,
                                                                                 [](QPainter& painter, int) {
                                                                                     PaintHeaderFace(painter, 16, 0);
                                                                                 }))},
                                             {"sizingmargins", "0, 0, 2, 2"},
                                             {"sizingtype", "stretch"}});
    style.Section(QStringLiteral("header.headeritem"),
                  {{"imagefile", style.Image(QStringLiteral("HeaderItem"), HeaderItems())},
                   {"imagecount", "3"},
                   {"imagelayout", "vertical"},
                   {"sizingmargins", "2, 2, 3, 3"},
                   {"sizingtype", "stretch"},
                   {"contentmargins", "4, 4, 0, 0"},
                   {"textcolor", "0 0 0"}});
    style.Section(QStringLiteral("listview"), {{"bgtype", "borderfill"},
                                               {"bordercolor", "150 150 150"},
                                               {"bordersize", "1"},
                                               {"fillcolor", "255 255 255"},
                                               {"textcolor", "0 0 0"}});

    style.Section(QStringLiteral("status"), {{"imagefile", style.Image(QStringLiteral("StatusBar"), StatusBar())},
                                             {"sizingmargins", "0, 0, 3, 3"},
                                             {"sizingtype", "stretch"},
                                             {"textcolor", "34 34 34"}});
    const QString pane = style.Image(QStringLiteral("StatusPane"), StatusPane());
    const TTigerKeys paneKeys{{"imagefile", pane}, {"sizingmargins", "0, 2, 5, 5"}, {"sizingtype", "stretch"},
                              {"transparent", "true"}};
    style.Section(QStringLiteral("status.pane"), paneKeys);
    style.Section(QStringLiteral("status.gripperpane"), paneKeys);
    style.Section(QStringLiteral("status.gripper"), {{"imagefile", style.Image(QStringLiteral("SizeGrip"), SizeGrip())},
                                                     {"sizingtype", "truesize"},
                                                     {"transparent", "true"}});
}

}  // namespace tiger
