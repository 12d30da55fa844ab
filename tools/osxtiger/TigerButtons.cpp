// Push buttons (white pearl pills, aqua blue when pressed or default) and spin buttons.
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 22;
// The corners keep their round whatever the button's size.
constexpr int kButtonMargin = 10;

// Fill and outline of a pearl or aqua face in one of the five button frames.
void FaceColours(TLook look, QColor& base, QColor& edge)
{
    switch (look) {
    case TLook::Normal: base = kPearl; edge = kEdge; break;
    case TLook::Hot: base = kPearlHot; edge = kPearlHotEdge; break;
    case TLook::Pressed: base = kAquaPressed; edge = Tint(kAquaEdge, -0.2); break;
    case TLook::Disabled: base = QColor(246, 246, 246); edge = QColor(198, 198, 198); break;
    case TLook::Accent: base = kAqua; edge = kAquaEdge; break;
    }
}

void PaintFace(QPainter& painter, const QRectF& rect, qreal radius, TLook look)
{
    QColor base, edge;
    FaceColours(look, base, edge);
    if (look == TLook::Normal || look == TLook::Hot || look == TLook::Disabled) {
        // Pearl: a quiet white with only a hint of the gloss break.
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, look == TLook::Disabled ? 10 : 24));
        painter.drawPath(RoundedRect(rect.translated(0, 1), radius));
        QLinearGradient pearl(rect.topLeft(), rect.bottomLeft());
        pearl.setColorAt(0.0, QColor(255, 255, 255));
        pearl.setColorAt(0.48, base);
        pearl.setColorAt(0.52, Tint(base, -0.055));
        pearl.setColorAt(1.0, Tint(base, 0.6));
        painter.setBrush(pearl);
        painter.setPen(QPen(edge, 1.0));
        painter.drawPath(RoundedRect(rect, radius));
        painter.restore();
        return;
    }
    PaintGlossyShape(painter, RoundedRect(rect, radius), base, edge);
}

// Spin buttons: a small pearl face (aqua when pressed) and, as a glyph at its own size, the arrow.
QImage SpinFace(int width, int height)
{
    return FrameStrip(width, height, 4, [=](QPainter& painter, int frame) {
        PaintFace(painter, QRectF(0.5, 0.5, width - 1, height - 1.5), 3, static_cast<TLook>(frame));
    });
}

QImage SpinArrow(int direction)
{
    constexpr int kSize = 9;
    return FrameStrip(kSize, kSize, 4, [=](QPainter& painter, int frame) {
        const auto look = static_cast<TLook>(frame);
        const QColor ink = look == TLook::Disabled ? kDisabledInk : look == TLook::Pressed ? Qt::white : kInk;
        PaintArrow(painter, QPointF(kSize / 2.0, kSize / 2.0), 6, direction, ink);
    });
}

TTigerKeys SpinKeys(const QString& face, const QString& arrow)
{
    return {{"imagefile", face},          {"glyphimagefile", arrow},     {"glyphtype", "imageglyph"},
            {"glyphtransparent", "true"}, {"imagecount", "4"},           {"imagelayout", "vertical"},
            {"sizingmargins", "4, 4, 4, 4"}, {"sizingtype", "stretch"}, {"transparent", "true"}};
}

}  // namespace

void AddButtons(TTigerStyle& style)
{
    const QImage push = FrameStrip(kButtonWidth, kButtonHeight, 5, [](QPainter& painter, int frame) {
        PaintFace(painter, QRectF(0.5, 0.5, kButtonWidth - 1, kButtonHeight - 2), kButtonMargin - 1,
                  static_cast<TLook>(frame));
    });
    style.Section(QStringLiteral("Button.Pushbutton"),
                  {{"imagefile", style.Image(QStringLiteral("Button"), push)},
                   {"imagecount", "5"},
                   {"imagelayout", "vertical"},
                   {"sizingmargins", QStringLiteral("%1, %1, %1, %1").arg(kButtonMargin)},
                   {"sizingtype", "stretch"},
                   {"contentmargins", "6, 6, 3, 3"},
                   {"transparent", "true"},
                   {"textcolor", "0 0 0"},
                   {"fillcolorhint", "236 236 236"}});
    style.Section(QStringLiteral("Button.Pushbutton(Disabled)"), {{"textcolor", "150 150 150"}});

    const QString upright = style.Image(QStringLiteral("SpinFace"), SpinFace(15, 11));
    const QString lying = style.Image(QStringLiteral("SpinFaceHorz"), SpinFace(11, 15));
    style.Section(QStringLiteral("Spin.Up"), SpinKeys(upright, style.Image(QStringLiteral("SpinUp"), SpinArrow(0))));
    style.Section(QStringLiteral("Spin.Down"),
                  SpinKeys(upright, style.Image(QStringLiteral("SpinDown"), SpinArrow(1))));
    style.Section(QStringLiteral("Spin.Uphorz"),
                  SpinKeys(lying, style.Image(QStringLiteral("SpinRight"), SpinArrow(3))));
    style.Section(QStringLiteral("Spin.Downhorz"),
                  SpinKeys(lying, style.Image(QStringLiteral("SpinLeft"), SpinArrow(2))));
}

}  // namespace tiger
