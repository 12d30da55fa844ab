#include "graphics/RectUtils.h"

#include <QPolygon>
#include <QRegion>

bool PointInPolygon(TPoint point, const QList<TPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(points.size());
    for (const TPoint& p : points)
        polygon << p.ToQPoint();
    return QRegion(polygon, Qt::WindingFill).contains(point.ToQPoint());
}
