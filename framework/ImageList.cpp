#include "framework/ImageList.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>

#include "framework/Canvas.h"
#include "framework/ClassRegistry.h"
#include "framework/DeviceContext.h"
#include "framework/PropInfo.h"
#include "framework/Stream.h"

namespace {

// "TWIL" and a format number, so that other bytes are refused rather than shown as noise.
constexpr quint32 kDataMagic = 0x4C495754;
constexpr quint32 kDataVersion = 1;
// Far above any icon, low enough that damaged sizes cannot ask for gigabytes.
constexpr int kMaxSide = 1024;
constexpr int kMaxCount = 4096;

QRgb ArgbOf(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// The classic disabled look: the shape in the shadow colour over the same shape in the highlight
// colour one pixel down and right.
QImage Embossed(const QImage& image)
{
    const QRgb shadow = ArgbOf(clBtnShadow);
    const QRgb highlight = ArgbOf(clBtnHighlight);
    QImage out(image.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            out.setPixel(x, y, shadow);
            if (x + 1 < image.width() && y + 1 < image.height()) {
                const QRgb below = reinterpret_cast<const QRgb*>(image.constScanLine(y + 1))[x + 1];
                if (qAlpha(below) == 0)
                    out.setPixel(x + 1, y + 1, highlight);
            }
        }
    }
    return out;
}

[[noreturn]] void Damaged()
{
    throw EReadError(QStringLiteral("Image list data is damaged"));
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

void TCustomImageList::SetWidth(int width)
{
    width = std::clamp(width, 1, kMaxSide);
    if (width == width_)
        return;
    width_ = width;
    images_.clear();
    disabled_.clear();
    Change();
}

void TCustomImageList::SetHeight(int height)
{
    height = std::clamp(height, 1, kMaxSide);
    if (height == height_)
        return;
    height_ = height;
    images_.clear();
    disabled_.clear();
    Change();
}

int TCustomImageList::AddMasked(const QImage& picture, TColor maskColor)
{
    if (picture.width() < width_ || picture.height() < height_)
        return -1;
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = ArgbOf(maskColor) & RGB_MASK;
    const int first = Count();
    for (int left = 0; left + width_ <= source.width() && Count() < kMaxCount; left += width_) {
        QImage cell = source.copy(left, 0, width_, height_);
        for (int y = 0; y < height_; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
            for (int x = 0; x < width_; ++x)
                row[x] = (row[x] & RGB_MASK) == mask ? 0 : (row[x] | 0xFF000000u);
        }
        images_.append(cell);
        disabled_.append(QImage());
    }
    Change();
    return first;
}

void TCustomImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    images_.removeAt(index);
    disabled_.removeAt(index);
    Change();
}

void TCustomImageList::Clear()
{
    if (images_.isEmpty())
        return;
    images_.clear();
    disabled_.clear();
    Change();
}

QImage TCustomImageList::Image(int index, bool enabled) const
{
    if (index < 0 || index >= Count())
        return {};
    if (enabled)
        return images_.at(index);
    if (disabled_.at(index).isNull())
        disabled_[index] = Embossed(images_.at(index));
    return disabled_.at(index);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    const QImage image = Image(index, enabled);
    if (image.isNull())
        return;
    // Blended, not copied: the transparent pixels keep what lies beneath.
    TDeviceContext& context = *canvas.Handle();
    const TPoint at = context.ToDevice(TPoint{x, y});
    QPainter& painter = context.Painter();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(at.X, at.Y), image);
}

QByteArray TCustomImageList::Data() const
{
    if (images_.isEmpty())
        return {};
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << kDataMagic << kDataVersion << qint32(width_) << qint32(height_) << qint32(Count());
    for (const QImage& image : images_) {
        for (int y = 0; y < height_; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < width_; ++x)
                out << quint32(row[x]);
        }
    }
    return data;
}

void TCustomImageList::SetData(const QByteArray& data)
{
    if (data.isEmpty()) {
        Clear();
        return;
    }
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 magic = 0;
    quint32 version = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 count = 0;
    in >> magic >> version >> width >> height >> count;
    if (in.status() != QDataStream::Ok || magic != kDataMagic || version != kDataVersion || width < 1 ||
        width > kMaxSide || height < 1 || height > kMaxSide || count < 0 || count > kMaxCount)
        Damaged();
    const qint64 pixels = qint64(width) * height * count;
    if (data.size() - 20 != pixels * 4)
        Damaged();
    QList<QImage> images;
    for (int i = 0; i < count; ++i) {
        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                quint32 pixel = 0;
                in >> pixel;
                row[x] = pixel;
            }
        }
        images.append(image);
    }
    width_ = width;
    height_ = height;
    images_ = images;
    disabled_ = QList<QImage>(images_.size());
    Change();
}

void TCustomImageList::Change()
{
    const TComponentState state = ComponentState();
    if (state.Contains(TComponentStateFlag::csDestroying))
        return;
    links_.Changed();
    if (OnChange)
        OnChange(this);
}

void RegisterImageListProperties()
{
    // Data carries its own size; Width and Height come first so that reading them does not empty
    // the pictures read after them.
    RegisterProperties<TCustomImageList, TComponent>()
        .Integer("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth, 16)
        .Integer("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight, 16)
        .Binary("Bitmap", &TCustomImageList::Data, &TCustomImageList::SetData)
        .Event("OnChange", &TCustomImageList::OnChange);
    RegisterClass<TImageList>();
}
