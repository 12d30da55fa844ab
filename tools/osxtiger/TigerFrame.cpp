// The window frame: a light brushed-metal caption with rounded top corners, metal borders and a
// rounded bottom edge; frames 1 (active) and 2 (inactive) stacked in every picture.
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPaint.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

namespace {

constexpr int kCaptionWidth = 96;
// Where the caption may stretch: the rounded corners stay whole.
constexpr int kCaptionMargin = 8;

struct TFrameColours {
    QColor Top, Bottom, Outline;
    int Grain;
};

TFrameColours ColoursOf(int frame)
{
    return frame == 0 ? TFrameColours{kCaptionTop, kCaptionBottom, kFrameOutline, 5}
                      : TFrameColours{QColor(248, 248, 248), QColor(232, 232, 232), kInactiveOutline, 2};
}

// The metal shade the borders continue in below the caption.
QColor BorderMetal(int frame) { return ColoursOf(frame).Bottom; }

QImage Caption(int height, int radius, std::uint32_t seed)
{
    QImage image(kCaptionWidth, height * 2, QImage::Format_ARGB32_Premultiplied);
    for (int frame = 0; frame < 2; ++frame) {
        const TFrameColours colours = ColoursOf(frame);
        const QRect rect(0, frame * height, kCaptionWidth, height);
        PaintBrushedMetal(image, rect, colours.Top, colours.Bottom, seed + frame, colours.Grain);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(rect);
        // A bright line under the outline: the top edge catches the light.
        painter.setPen(QPen(QColor(255, 255, 255, 190), 1.0));
        painter.drawLine(QPointF(radius, rect.top() + 1.5), QPointF(rect.right() - radius + 1, rect.top() + 1.5));
        // A faint seam where the caption meets the window's face.
        painter.setPen(QPen(Tint(colours.Bottom, -0.05), 1.0));
        painter.drawLine(QPointF(0, rect.bottom() + 0.5), QPointF(kCaptionWidth, rect.bottom() + 0.5));
        painter.setPen(QPen(colours.Outline, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(RoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, height + radius), radius));
        painter.end();
        KeyCorners(image, rect, radius, true, false);
    }
    return image;
}

// A side border: the outline on the outer column, metal inside.
QImage Side(int width, bool left)
{
    return FrameStrip(width, 16, 2, [width, left](QPainter& painter, int frame) {
        painter.fillRect(0, 0, width, 16, BorderMetal(frame));
        painter.fillRect(left ? 0 : width - 1, 0, 1, 16, ColoursOf(frame).Outline);
        painter.fillRect(left ? 1 : width - 2, 0, 1, 16, Tint(BorderMetal(frame), 0.35));
    });
}

QImage Bottom(int height, std::uint32_t seed)
{
    constexpr int kWidth = 32;
    QImage image(kWidth, height * 2, QImage::Format_ARGB32_Premultiplied);
    for (int frame = 0; frame < 2; ++frame) {
        const QRect rect(0, frame * height, kWidth, height);
        PaintBrushedMetal(image, rect, BorderMetal(frame), Tint(BorderMetal(frame), -0.04), seed + frame, 2);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(rect);
        painter.setPen(QPen(ColoursOf(frame).Outline, 1.0));
        painter.drawPath(RoundedRect(QRectF(rect).adjusted(0.5, -height - 0.5, -0.5, -0.5), height));
        painter.end();
        KeyCorners(image, rect, height, false, true);
    }
    return image;
}

TTigerKeys FramePiece(const QString& file, const QString& margins)
{
    return {{"imagefile", file},
            {"imagecount", "2"},
            {"imagelayout", "vertical"},
            {"sizingmargins", margins},
            {"sizingtype", "stretch"},
            {"transparent", "true"},
            {"transparentcolor", "255 0 255"}};
}

void AddFrameSet(TTigerStyle& style, const QString& prefix, const QString& picturePrefix, int captionHeight,
                 int border, std::uint32_t seed)
{
    TTigerKeys caption = FramePiece(style.Image(picturePrefix + "Caption", Caption(captionHeight + border, 5, seed)),
                                    QStringLiteral("%1, %1, 0, 0").arg(kCaptionMargin));
    caption.insert(caption.end(), {{"contentalignment", "center"}, {"textshadowcolor", "255 255 255"}});
    style.Section("Window." + prefix + "Caption", caption);
    style.Section("Window." + prefix + "FrameLeft",
                  FramePiece(style.Image(picturePrefix + "FrameLeft", Side(border, true)), "0, 0, 0, 0"));
    style.Section("Window." + prefix + "FrameRight",
                  FramePiece(style.Image(picturePrefix + "FrameRight", Side(border, false)), "0, 0, 0, 0"));
    style.Section("Window." + prefix + "FrameBottom",
                  FramePiece(style.Image(picturePrefix + "FrameBottom", Bottom(border, seed + 7)),
                             QStringLiteral("%1, %1, 0, 0").arg(border + 2)));
}

}  // namespace

void AddWindowFrame(TTigerStyle& style)
{
    style.Section(QStringLiteral("Window"), {{"fillcolor", IniColour(kFace)}});
    AddFrameSet(style, QString(), QStringLiteral("Frame"), kCaptionBarHeight, kBorderWidth, 1105);
    AddFrameSet(style, QStringLiteral("Small"), QStringLiteral("SmallFrame"), kSmallCaptionBarHeight,
                kSmallBorderWidth, 2205);
    // The caption text is engraved: a white copy one pixel below the dark text.
    style.Section(QStringLiteral("Window.Caption(Active)"),
                  {{"textshadowtype", "single"}, {"textshadowoffset", "0, 1"}});
    style.Section(QStringLiteral("Window.Caption(Inactive)"),
                  {{"textshadowtype", "single"}, {"textshadowoffset", "0, 1"}});
}

}  // namespace tiger
