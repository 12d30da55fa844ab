#pragma once
// The settings of one transition: which effect, how long, and the mask grid's cell size, tiling
// and rotation. Forms and menus keep one as a stored property.
#include <QImage>
#include <QString>
#include <QStringList>

#include "framework/Component.h"

// Turns masks by 90° steps; the direction of the slide and push effects.
enum class TteRotation { krNone, krRotate90, krRotate180, krRotate270 };
const QStringList& RotationNames();

class TteAnimationRec : public TComponent {
public:
    explicit TteAnimationRec(TComponent* owner);

    // The mask picture of the bitmap-driven effect (bright parts appear first); kept as a copy.
    const QImage& Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage& bitmap);
    // An effect's display name, or one of the two special names first in EffectNames().
    const QString& Effect() const { return effect_; }
    void SetEffect(const QString& effect) { effect_ = effect; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Cell size of the mask grid in pixels, 1 to 10.
    int Resolution() const { return resolution_; }
    void SetResolution(int resolution);
    TteRotation Rotation() const { return rotation_; }
    void SetRotation(TteRotation rotation) { rotation_ = rotation; }
    // The mask is repeated TileCount × TileCount times over the picture, 1 to 20.
    int TileCount() const { return tileCount_; }
    void SetTileCount(int tileCount);
    // Duration in milliseconds, 50 to 9000.
    int Time() const { return time_; }
    void SetTime(int time);

    // Copies all seven settings from another animation record.
    void Assign(const TPersistent* source) override;

    static constexpr int kMinResolution = 1, kMaxResolution = 10;
    static constexpr int kMinTileCount = 1, kMaxTileCount = 20;
    static constexpr int kMinTime = 50, kMaxTime = 9000;

private:
    QImage bitmap_;
    QString effect_;
    bool enabled_ = false;
    int resolution_ = 1;
    TteRotation rotation_ = TteRotation::krNone;
    int tileCount_ = 1;
    int time_ = 400;
};

// Registers TteAnimationRec and its stored properties with the class registry.
void RegisterAnimationRecClass();
