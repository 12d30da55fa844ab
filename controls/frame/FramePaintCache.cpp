#include "controls/frame/FramePaintCache.h"

#include <QImage>
#include <QPixmap>

void TFramePaintCache::SizePersistent(int width, int height)
{
    persistent_.SetSize(width, height);
    persistentKey_.reset();
}

const TteBitmap& TFramePaintCache::SmallIcon(const QIcon& icon, int size)
{
    if (icon.cacheKey() != iconKey_) {
        iconKey_ = icon.cacheKey();
        icon_.Assign(icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32));
        icon_.SetAlphaBlend(true);
    }
    return icon_;
}
