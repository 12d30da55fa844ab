#include "controls/menus/ImageListBitmap.h"

#include <QHash>
#include <QImage>
#include <memory>

#include "framework/ImageList.h"
#include "graphics/Bitmap.h"
#include "graphics/Pixel.h"

const TteBitmap* ImageListBitmap(const TCustomImageList& images, int index, bool enabled)
{
    const QImage image = images.Image(index, enabled);
    if (image.isNull())
        return nullptr;
    // A picture's cache key changes whenever its pixels do and is never given to another picture,
    // so a kept bitmap can neither go stale nor outlive its meaning.
    static QHash<qint64, std::shared_ptr<TteBitmap>> kept;
    constexpr qsizetype kKept = 256;
    if (const auto found = kept.constFind(image.cacheKey()); found != kept.constEnd())
        return found->get();
    if (kept.size() >= kKept)
        kept.clear();
    auto bitmap = std::make_shared<TteBitmap>();
    bitmap->SetSize(image.width(), image.height());
    bitmap->Fill(TransparentKey);
    bitmap->SetTransparent(true);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0)
                bitmap->SetPixel(x, y, row[x] | 0xFF000000u);
        }
    }
    kept.insert(image.cacheKey(), bitmap);
    return bitmap.get();
}
