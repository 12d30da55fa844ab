// Progress bars (a sunken trough with an aqua chunk) and track bars (a thin groove with an aqua
// knob pointing at its ticks; frames normal, hot, dragged, focused, disabled).
#include <QTransform>

#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

QImage Trough(bool vertical)
{
    const int width = vertical ? 16 : 32;
    const int height = vertical ? 32 : 16;
    return FrameStrip(width, height, 1, [=](QPainter& painter, int) {
        // The theme does not ask for the parent's background under a progress bar, so the round
        // corners stand on the window's face colour instead of showing through.
        painter.fillRect(QRect(0, 0, width, height), kFace);
        const QRectF rect(0.5, 0.5, width - 1, height - 1);
        PaintWell(painter, RoundedRect(rect, 3), rect, QColor(246, 246, 246), kEdge);
    });
}

QImage Chunk(bool vertical)
{
    const int width = vertical ? 12 : 16;
    const int height = vertical ? 16 : 12;
    return FrameStrip(width, height, 1, [=](QPainter& painter, int) {
        PaintGlossyShape(painter, RoundedRect(QRectF(0.5, 0.5, width - 1, height - 1.5), 2.5), kAqua, kAquaEdge,
                         vertical);
    });
}

QImage Groove(bool vertical)
{
    const int width = vertical ? 8 : 20;
    const int height = vertical ? 20 : 8;
    return FrameStrip(width, height, 1, [=](QPainter& painter, int) {
        const QRectF rect = vertical ? QRectF(2.5, 0.5, 3, height - 1) : QRectF(0.5, 2.5, width - 1, 3);
        PaintWell(painter, RoundedRect(rect, 1.5), rect, QColor(206, 206, 206), QColor(136, 136, 136));
    });
}

// Where a knob points: its ticks' side, or none for ticks on both sides.
enum class TPoint { Up, Down, Left, Right, None };

constexpr int kKnobBreadth = 11;
constexpr int kKnobLength = 15;

// An upright knob (pointing up, or round at both ends) in kKnobBreadth × kKnobLength, turned
// for the other directions.
QPainterPath Knob(TPoint point)
{
    const qreal w = kKnobBreadth, h = kKnobLength;
    QPainterPath path;
    if (point == TPoint::None) {
        path.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 2), 4, 4);
        return path;
    }
    path.moveTo(w / 2, 0.6);
    path.lineTo(w - 0.5, 5.6);
    path.lineTo(w - 0.5, h - 4);
    path.quadTo(w - 0.5, h - 1.5, w - 3, h - 1.5);
    path.lineTo(3, h - 1.5);
    path.quadTo(0.5, h - 1.5, 0.5, h - 4);
    path.lineTo(0.5, 5.6);
    path.closeSubpath();
    QTransform turn;
    switch (point) {
    case TPoint::Down: turn = QTransform(1, 0, 0, -1, 0, h - 1); break;
    case TPoint::Left: turn = QTransform(0, 1, 1, 0, 0, 0); break;
    case TPoint::Right: turn = QTransform(0, 1, -1, 0, h - 1, 0); break;
    default: break;
    }
    return turn.map(path);
}

QImage KnobPicture(TPoint point, bool vertical)
{
    const int width = vertical ? kKnobLength : kKnobBreadth;
    const int height = vertical ? kKnobBreadth : kKnobLength;
    QPainterPath shape = Knob(point);
    if (vertical && point == TPoint::None)
        shape = QTransform(0, 1, 1, 0, 0, 0).map(shape);
    return FrameStrip(width, height, 5, [shape](QPainter& painter, int frame) {
        const QColor base = frame == 1 ? kAquaHot : frame == 2 ? kAquaPressed : frame == 4 ? QColor(200, 208, 220) : kAqua;
        PaintGlossyShape(painter, shape, base, frame == 4 ? QColor(160, 168, 180) : kAquaEdge);
        if (frame == 3) {
            // Focused: a soft blue ring around the knob.
            painter.setPen(QPen(QColor(120, 170, 240, 150), 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(shape);
        }
    });
}

TTigerKeys KnobKeys(const QString& file)
{
    return {{"imagefile", file},  {"imagecount", "5"},         {"imagelayout", "vertical"},
            {"sizingtype", "truesize"}, {"transparent", "true"}, {"transparentcolor", "255 0 255"}};
}

}  // namespace

void AddProgressAndTrackBars(TTigerStyle& style)
{
    style.Section(QStringLiteral("Progress"), {{"bgtype", "none"}});
    const auto stretched = [](const QString& file, const QString& margins) {
        return TTigerKeys{{"imagefile", file}, {"sizingmargins", margins}, {"sizingtype", "stretch"},
                          {"transparent", "true"}};
    };
    const auto opaque = [](const QString& file, const QString& margins) {
        return TTigerKeys{{"imagefile", file}, {"sizingmargins", margins}, {"sizingtype", "stretch"}};
    };
    style.Section(QStringLiteral("Progress.Bar"),
                  opaque(style.Image(QStringLiteral("ProgressTrough"), Trough(false)), "4, 4, 4, 4"));
    style.Section(QStringLiteral("Progress.BarVert"),
                  opaque(style.Image(QStringLiteral("ProgressTroughVert"), Trough(true)), "4, 4, 4, 4"));
    style.Section(QStringLiteral("Progress.Chunk"),
                  stretched(style.Image(QStringLiteral("ProgressChunk"), Chunk(false)), "3, 3, 3, 3"));
    style.Section(QStringLiteral("Progress.ChunkVert"),
                  stretched(style.Image(QStringLiteral("ProgressChunkVert"), Chunk(true)), "3, 3, 3, 3"));

    style.Section(QStringLiteral("TrackBar"), {{"bgtype", "none"}, {"transparent", "true"}});
    style.Section(QStringLiteral("TrackBar.Track"),
                  stretched(style.Image(QStringLiteral("TrackGroove"), Groove(false)), "4, 4, 0, 0"));
    style.Section(QStringLiteral("TrackBar.TrackVert"),
                  stretched(style.Image(QStringLiteral("TrackGrooveVert"), Groove(true)), "0, 0, 4, 4"));
    struct TKnob {
        const char* Section;
        const char* Picture;
        TPoint Point;
        bool Vertical;
    };
    const TKnob knobs[] = {
        {"TrackBar.Thumb", "TrackKnob", TPoint::None, false},
        {"TrackBar.ThumbTop", "TrackKnobUp", TPoint::Up, false},
        {"TrackBar.ThumbBottom", "TrackKnobDown", TPoint::Down, false},
        {"TrackBar.ThumbVert", "TrackKnobVert", TPoint::None, true},
        {"TrackBar.ThumbLeft", "TrackKnobLeft", TPoint::Left, true},
        {"TrackBar.ThumbRight", "TrackKnobRight", TPoint::Right, true},
    };
    for (const TKnob& knob : knobs)
        style.Section(QString::fromLatin1(knob.Section),
                      KnobKeys(style.Image(QString::fromLatin1(knob.Picture), KnobPicture(knob.Point, knob.Vertical))));
}

}  // namespace tiger
