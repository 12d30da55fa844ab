// Scroll bars: pearl arrow buttons (up, down, left, right × normal, hot, pressed, disabled), a
// sunken track, and an aqua capsule thumb with a small gripper.
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

constexpr int kBreadth = 16;
constexpr int kThumbLength = 28;
constexpr int kThumbMargin = 8;

// The arrow buttons' faces: 16 frames (four directions × four states) so that they pair with the
// arrow glyphs frame for frame; the face itself does not depend on the direction.
QImage ArrowFaces()
{
    return FrameStrip(kBreadth, kBreadth, 16, [](QPainter& painter, int frame) {
        const int state = frame % 4;
        const QRectF rect(0, 0, kBreadth, kBreadth);
        QLinearGradient face(rect.topLeft(), rect.bottomLeft());
        const QColor base = state == 2 ? QColor(200, 214, 236) : state == 1 ? kPearlHot : QColor(244, 244, 244);
        face.setColorAt(0.0, Qt::white);
        face.setColorAt(0.5, base);
        face.setColorAt(0.52, Tint(base, -0.05));
        face.setColorAt(1.0, Tint(base, 0.5));
        painter.fillRect(rect, face);
        painter.setPen(QPen(kSoftEdge, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    });
}

// The arrows, drawn at their own size in the middle of the button whatever its size.
QImage ArrowGlyphs()
{
    return FrameStrip(kBreadth, kBreadth, 16, [](QPainter& painter, int frame) {
        const int state = frame % 4;
        const QColor ink = state == 3 ? QColor(188, 188, 188) : state == 2 ? kAquaEdge : QColor(70, 70, 70);
        PaintArrow(painter, QPointF(kBreadth / 2.0, kBreadth / 2.0), 7, frame / 4, ink);
    });
}

// The track is sunken: shaded on the side the light cannot reach. It looks the same all along,
// so the thumbs can carry it behind their capsule.
void PaintTrack(QPainter& painter, int length, bool vertical)
{
    const QRectF rect(0, 0, vertical ? kBreadth : length, vertical ? length : kBreadth);
    QLinearGradient well = vertical ? QLinearGradient(0, 0, kBreadth, 0) : QLinearGradient(0, 0, 0, kBreadth);
    well.setColorAt(0.0, QColor(212, 212, 212));
    well.setColorAt(0.3, QColor(234, 234, 234));
    well.setColorAt(1.0, QColor(246, 246, 246));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, well);
    painter.setPen(kSoftEdge);
    if (vertical) {
        painter.drawLine(0, 0, 0, length - 1);
        painter.drawLine(kBreadth - 1, 0, kBreadth - 1, length - 1);
    } else {
        painter.drawLine(0, 0, length - 1, 0);
        painter.drawLine(0, kBreadth - 1, length - 1, kBreadth - 1);
    }
    painter.restore();
}

QImage Track(bool vertical)
{
    const int length = 32;
    return FrameStrip(vertical ? kBreadth : length, vertical ? length : kBreadth, 1,
                      [=](QPainter& painter, int) { PaintTrack(painter, length, vertical); });
}

QColor ThumbColour(int state)
{
    switch (state) {
    case 1: return kAquaHot;
    case 2: return kAquaPressed;
    case 3: return QColor(196, 204, 216);
    default: return kAqua;
    }
}

QImage Thumb(bool vertical)
{
    const int width = vertical ? kBreadth : kThumbLength;
    const int height = vertical ? kThumbLength : kBreadth;
    return FrameStrip(width, height, 4, [=](QPainter& painter, int state) {
        // Opaque, on the track's own look: a thumb squeezed below its picture's length is first
        // drawn into a scratch ground of the theme's, which must not show through.
        PaintTrack(painter, kThumbLength, vertical);
        const QRectF rect = vertical ? QRectF(2.5, 1.5, kBreadth - 5, kThumbLength - 3)
                                     : QRectF(1.5, 2.5, kThumbLength - 3, kBreadth - 5);
        PaintGlossyShape(painter, RoundedRect(rect, 5.5), ThumbColour(state),
                         state == 3 ? QColor(160, 168, 180) : kAquaEdge, vertical);
    });
}

// Three short ridges across the thumb's middle.
QImage Gripper(bool vertical)
{
    return FrameStrip(8, 8, 4, [vertical](QPainter& painter, int state) {
        const QColor light(255, 255, 255, state == 3 ? 90 : 170);
        const QColor dark = WithAlpha(Tint(ThumbColour(state), -0.45), 150);
        for (int i = 0; i < 3; ++i) {
            const qreal at = 1.5 + i * 2.5;
            if (vertical) {
                painter.fillRect(QRectF(1, at - 1, 6, 1), dark);
                painter.fillRect(QRectF(1, at, 6, 1), light);
            } else {
                painter.fillRect(QRectF(at - 1, 1, 1, 6), dark);
                painter.fillRect(QRectF(at, 1, 1, 6), light);
            }
        }
    });
}

}  // namespace

void AddScrollBars(TTigerStyle& style)
{
    style.Section(QStringLiteral("ScrollBar.ArrowBtn"),
                  {{"imagefile", style.Image(QStringLiteral("ScrollArrowFaces"), ArrowFaces())},
                   {"glyphimagefile", style.Image(QStringLiteral("ScrollArrows"), ArrowGlyphs())},
                   {"glyphtype", "imageglyph"},
                   {"glyphtransparent", "true"},
                   {"imagecount", "16"},
                   {"imagelayout", "vertical"},
                   {"sizingmargins", "3, 3, 3, 3"},
                   {"sizingtype", "stretch"}});
    const auto thumbKeys = [](const QString& file, const QString& margins) {
        return TTigerKeys{{"imagefile", file}, {"imagecount", "4"}, {"imagelayout", "vertical"},
                          {"sizingmargins", margins}, {"sizingtype", "stretch"}};
    };
    const QString along = QStringLiteral("%1, %1, 0, 0").arg(kThumbMargin);
    const QString down = QStringLiteral("0, 0, %1, %1").arg(kThumbMargin);
    style.Section(QStringLiteral("ScrollBar.ThumbBtnHorz"),
                  thumbKeys(style.Image(QStringLiteral("ScrollThumbHorz"), Thumb(false)), along));
    style.Section(QStringLiteral("ScrollBar.ThumbBtnVert"),
                  thumbKeys(style.Image(QStringLiteral("ScrollThumbVert"), Thumb(true)), down));
    const auto trackKeys = [](const QString& file, const QString& margins) {
        return TTigerKeys{{"imagefile", file}, {"sizingmargins", margins}, {"sizingtype", "stretch"}};
    };
    style.Section(QStringLiteral("ScrollBar.UpperTrackHorz"),
                  trackKeys(style.Image(QStringLiteral("ScrollTrackHorz"), Track(false)), "0, 0, 0, 0"));
    style.Section(QStringLiteral("ScrollBar.UpperTrackVert"),
                  trackKeys(style.Image(QStringLiteral("ScrollTrackVert"), Track(true)), "0, 0, 0, 0"));
    const auto gripperKeys = [](const QString& file) {
        return TTigerKeys{{"imagefile", file},         {"imagecount", "4"},     {"imagelayout", "vertical"},
                          {"sizingtype", "truesize"}, {"transparent", "true"}};
    };
    style.Section(QStringLiteral("ScrollBar.GripperHorz"),
                  gripperKeys(style.Image(QStringLiteral("ScrollGripperHorz"), Gripper(false))));
    style.Section(QStringLiteral("ScrollBar.GripperVert"),
                  gripperKeys(style.Image(QStringLiteral("ScrollGripperVert"), Gripper(true))));
}

}  // namespace tiger
