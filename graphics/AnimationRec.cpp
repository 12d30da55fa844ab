#include "graphics/AnimationRec.h"

#include <QBuffer>
#include <algorithm>

#include "framework/PropInfo.h"
#include "graphics/EffectRegistry.h"

const QStringList& RotationNames()
{
    static const QStringList names{"krNone", "krRotate90", "krRotate180", "krRotate270"};
    return names;
}

TteAnimationRec::TteAnimationRec(TComponent* owner) : TComponent(owner), effect_(QLatin1String(kRandomEffectName)) {}

void TteAnimationRec::SetBitmap(const QImage& bitmap)
{
    bitmap_ = bitmap.copy();
}

void TteAnimationRec::SetResolution(int resolution)
{
    resolution_ = std::clamp(resolution, kMinResolution, kMaxResolution);
}

void TteAnimationRec::SetTileCount(int tileCount)
{
    tileCount_ = std::clamp(tileCount, kMinTileCount, kMaxTileCount);
}

void TteAnimationRec::SetTime(int time)
{
    time_ = std::clamp(time, kMinTime, kMaxTime);
}

void TteAnimationRec::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TteAnimationRec*>(source);
    if (other == nullptr) {
        TComponent::Assign(source);
        return;
    }
    SetBitmap(other->bitmap_);
    effect_ = other->effect_;
    enabled_ = other->enabled_;
    resolution_ = other->resolution_;
    rotation_ = other->rotation_;
    tileCount_ = other->tileCount_;
    time_ = other->time_;
}

namespace {

// The mask picture is stored as PNG bytes (alpha kept); an empty picture stores nothing.
QByteArray BitmapBytes(const TteAnimationRec& rec)
{
    QByteArray bytes;
    if (rec.Bitmap().isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    rec.Bitmap().save(&buffer, "PNG");
    return bytes;
}

void SetBitmapBytes(TteAnimationRec& rec, const QByteArray& bytes)
{
    QImage image;
    if (!bytes.isEmpty() && !image.loadFromData(bytes, "PNG"))
        InvalidPropertyValue(QStringLiteral("the animation's Bitmap is not a PNG picture"));
    rec.SetBitmap(image);
}

}  // namespace

void RegisterAnimationRecClass()
{
    RegisterClass<TteAnimationRec>("TteAnimationRec");
    RegisterProperties<TteAnimationRec, TComponent>()
        .Binary("Bitmap", &BitmapBytes, &SetBitmapBytes)
        .String("Effect", &TteAnimationRec::Effect, &TteAnimationRec::SetEffect, QString(QLatin1String(kRandomEffectName)))
        .Boolean("Enabled", &TteAnimationRec::Enabled, &TteAnimationRec::SetEnabled, false)
        .Integer("Resolution", &TteAnimationRec::Resolution, &TteAnimationRec::SetResolution, 1)
        .Enumeration("Rotation", &TteAnimationRec::Rotation, &TteAnimationRec::SetRotation, RotationNames(),
                     TteRotation::krNone)
        .Integer("TileCount", &TteAnimationRec::TileCount, &TteAnimationRec::SetTileCount, 1)
        .Integer("Time", &TteAnimationRec::Time, &TteAnimationRec::SetTime, 400);
}
