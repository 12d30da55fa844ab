// The caption buttons: round lights (red close, yellow minimise, green zoom, graphite help) whose
// symbol shows under the mouse; frames normal, hot, pressed and inactive (unlit grey).
#include <cmath>

#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

enum class TSymbol { Close, Minimize, Zoom, Restore, Help };

void PaintSymbol(QPainter& painter, TSymbol symbol, const QPointF& c, qreal r, const QColor& color)
{
    painter.save();
    painter.setPen(QPen(color, r > 5 ? 1.6 : 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal s = r * 0.48;
    switch (symbol) {
    case TSymbol::Close:
        painter.drawLine(c + QPointF(-s, -s) * 0.8, c + QPointF(s, s) * 0.8);
        painter.drawLine(c + QPointF(-s, s) * 0.8, c + QPointF(s, -s) * 0.8);
        break;
    case TSymbol::Minimize:
        painter.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        break;
    case TSymbol::Zoom:
        painter.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        painter.drawLine(c + QPointF(0, -s), c + QPointF(0, s));
        break;
    case TSymbol::Restore: {
        // Two corners pointing inwards: the window goes back to its own size.
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        const qreal a = s * 1.05;
        painter.drawPolygon(QPolygonF{c + QPointF(-a, -a), c + QPointF(0.3, -a), c + QPointF(-a, 0.3)});
        painter.drawPolygon(QPolygonF{c + QPointF(a, a), c + QPointF(-0.3, a), c + QPointF(a, -0.3)});
        break;
    }
    case TSymbol::Help: {
        QPainterPath hook;
        hook.arcMoveTo(QRectF(c.x() - s * 0.8, c.y() - s * 1.2, s * 1.6, s * 1.4), 160);
        hook.arcTo(QRectF(c.x() - s * 0.8, c.y() - s * 1.2, s * 1.6, s * 1.4), 160, -250);
        hook.lineTo(c + QPointF(0, s * 0.45));
        painter.drawPath(hook);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(c + QPointF(0, s * 1.15), 0.9, 0.9);
        break;
    }
    }
    painter.restore();
}

QImage Light(int size, qreal diameter, const QColor& base, const QColor& edge, TSymbol symbol)
{
    return FrameStrip(size, size, 4, [=](QPainter& painter, int frame) {
        const qreal inset = (size - diameter) / 2;
        const QRectF circle(inset, inset - 0.5, diameter, diameter);
        const bool pressed = frame == 2;
        const bool inactive = frame == 3;
        PaintRoundLight(painter, circle, inactive ? kUnlit : pressed ? Tint(base, -0.22) : base,
                        inactive ? kUnlitEdge : edge);
        if (frame == 1 || pressed)
            PaintSymbol(painter, symbol, circle.center(), diameter / 2, WithAlpha(Tint(edge, -0.5), 210));
    });
}

TTigerKeys LightKeys(const QString& file)
{
    return {{"imagefile", file},  {"imagecount", "4"},         {"imagelayout", "vertical"},
            {"sizingtype", "truesize"}, {"transparent", "true"}, {"transparentcolor", "255 0 255"}};
}

}  // namespace

void AddCaptionButtons(TTigerStyle& style)
{
    // The button rectangle is CaptionBarHeight - BorderWidth square; the light sits inside it.
    const int size = kCaptionBarHeight - kBorderWidth;
    const qreal diameter = 14;
    struct TLight {
        const char* Section;
        const char* Picture;
        QColor Base, Edge;
        TSymbol Symbol;
    };
    const TLight lights[] = {
        {"Window.CloseButton", "Close", kClose, kCloseEdge, TSymbol::Close},
        {"Window.MinButton", "Minimize", kMinimize, kMinimizeEdge, TSymbol::Minimize},
        {"Window.MaxButton", "Maximize", kZoom, kZoomEdge, TSymbol::Zoom},
        {"Window.RestoreButton", "Restore", kZoom, kZoomEdge, TSymbol::Restore},
        {"Window.HelpButton", "Help", kGraphite, kGraphiteEdge, TSymbol::Help},
    };
    for (const TLight& light : lights)
        style.Section(QString::fromLatin1(light.Section),
                      LightKeys(style.Image(QString::fromLatin1(light.Picture),
                                            Light(size, diameter, light.Base, light.Edge, light.Symbol))));

    // Tool windows and the buttons of a maximised child in the menu bar use smaller lights.
    const int smallSize = kSmallCaptionBarHeight - 2;
    const qreal smallDiameter = 11;
    const QString smallClose = style.Image(
        QStringLiteral("SmallClose"), Light(smallSize, smallDiameter, kClose, kCloseEdge, TSymbol::Close));
    style.Section(QStringLiteral("Window.SmallCloseButton"), LightKeys(smallClose));
    style.Section(QStringLiteral("Window.MDIMinButton"),
                  LightKeys(style.Image(QStringLiteral("SmallMinimize"),
                                        Light(smallSize, smallDiameter, kMinimize, kMinimizeEdge, TSymbol::Minimize))));
    style.Section(QStringLiteral("Window.MDICloseButton"), LightKeys(smallClose));
    style.Section(QStringLiteral("Window.MDIRestoreButton"),
                  LightKeys(style.Image(QStringLiteral("SmallRestore"),
                                        Light(smallSize, smallDiameter, kZoom, kZoomEdge, TSymbol::Restore))));
}

}  // namespace tiger
