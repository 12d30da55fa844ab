#include "graphics/BitmapPainter.h"

#include <QImage>

TteBitmapPainter::TteBitmapPainter(QImage& surface) : painter_(&surface) {}

TteBitmapPainter::~TteBitmapPainter()
{
    painter_.end();
}
