#include "app/Logo.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

void DrawTrackwellLogo(QPainter& painter, const QRectF& square)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = square.center();
    const qreal radius = square.width() / 2.0;
    const qreal hole = radius * 0.16;

    QPainterPath disc;
    disc.addEllipse(centre, radius * 0.96, radius * 0.96);
    QPainterPath holePath;
    holePath.addEllipse(centre, hole, hole);
    disc = disc.subtracted(holePath);

    // The silver body with the rainbow sheen a pressed disc shows under light.
    QConicalGradient sheen(centre, 35);
    sheen.setColorAt(0.00, QColor(226, 232, 240));
    sheen.setColorAt(0.12, QColor(168, 214, 255));
    sheen.setColorAt(0.22, QColor(196, 255, 214));
    sheen.setColorAt(0.32, QColor(255, 244, 190));
    sheen.setColorAt(0.42, QColor(220, 226, 236));
    sheen.setColorAt(0.62, QColor(186, 194, 208));
    sheen.setColorAt(0.72, QColor(255, 214, 236));
    sheen.setColorAt(0.82, QColor(188, 226, 255));
    sheen.setColorAt(1.00, QColor(226, 232, 240));
    painter.setPen(QPen(QColor(92, 104, 124), radius * 0.04));
    painter.setBrush(sheen);
    painter.drawPath(disc);

    // A few tracks: thin rings between the label area and the rim.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 110), qMax<qreal>(radius * 0.015, 0.6)));
    for (const qreal ring : {0.48, 0.62, 0.76, 0.88})
        painter.drawEllipse(centre, radius * ring, radius * ring);

    // The clamping area around the hole, and the well itself in the program's blue.
    QRadialGradient well(centre, radius * 0.36);
    well.setColorAt(0.0, QColor(38, 110, 200));
    well.setColorAt(1.0, QColor(16, 62, 140));
    painter.setPen(QPen(QColor(12, 44, 104), radius * 0.03));
    painter.setBrush(well);
    QPainterPath label;
    label.addEllipse(centre, radius * 0.34, radius * 0.34);
    painter.drawPath(label.subtracted(holePath));
    painter.setPen(QPen(QColor(200, 210, 226), radius * 0.03));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, hole, hole);
    painter.restore();
}

QImage TrackwellLogo(int size)
{
    QImage logo(size, size, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    DrawTrackwellLogo(painter, QRectF(0, 0, size, size));
    return logo;
}

QIcon TrackwellIcon()
{
    // Every window asks for it, and drawing the logo costs far more than copying a picture.
    static const QImage logo = TrackwellLogo(32);
    return QIcon(QPixmap::fromImage(logo));
}
