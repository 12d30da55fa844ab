#include "controls/frame/FormOptions.h"

#include <algorithm>

#include "framework/PropInfo.h"
#include "framework/SystemMetrics.h"

const QStringList& BorderIconNames()
{
    static const QStringList names{"kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize", "kbiHelp",
                                   "kbiRollup", "kbiTray", "kbiTop", "kbiCustom"};
    return names;
}

const QStringList& FormBorderStyleNames()
{
    static const QStringList names{"kbsNone", "kbsBorder", "kbsStandard", "kbsDialog", "kbsToolWindow"};
    return names;
}

const QStringList& WindowStateNames()
{
    static const QStringList names{"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"};
    return names;
}

const QStringList& FormPerformanceNames()
{
    static const QStringList names{"ksfpNoBuffer", "ksfpSharedBuffer", "ksfpPersistentBuffer", "ksfpDoubleBuffer"};
    return names;
}

const QStringList& FormDragModeNames()
{
    static const QStringList names{"kfdmBorder", "kfdmFullDrag", "kfdmSystemSettings"};
    return names;
}

const QStringList& DirectionNames()
{
    static const QStringList names{"kdNone", "kdNoRotate", "kdRotate90", "kdRotate180", "kdRotate270"};
    return names;
}

void TTeDragging::SetSizeable(bool value)
{
    if (value == sizeable_)
        return;
    sizeable_ = value;
    Notify();
}

void TTeDragging::ResolveSystemSettings()
{
    if (dragMode_ == TTeFormDragMode::kfdmSystemSettings)
        dragMode_ = SystemMetrics().DragFullWindows() ? TTeFormDragMode::kfdmFullDrag : TTeFormDragMode::kfdmBorder;
}

void TTeDragging::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeDragging*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    moveable_ = other->moveable_;
    dragMode_ = other->dragMode_;
    SetSizeable(other->sizeable_);
}

void TTeGravitation::SetSize(int value)
{
    size_ = std::clamp(value, 1, 50);
}

void TTeGravitation::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeGravitation*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    enabled_ = other->enabled_;
    size_ = other->size_;
}

void TTeShadow::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Notify();
}

void TTeShadow::SetSize(int value)
{
    value = std::min(value, 20);
    if (value == size_)
        return;
    size_ = value;
    if (size_ <= 0)
        enabled_ = false;
    Notify();
}

void TTeShadow::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeShadow*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    enabled_ = other->enabled_;
    size_ = other->size_;
    Notify();
}

void TTeBlending::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Notify();
}

void TTeBlending::SetValue(int value)
{
    value = std::clamp(value, 0, 255);
    if (value == value_)
        return;
    value_ = value;
    Notify();
}

void TTeBlending::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeBlending*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    enabled_ = other->enabled_;
    value_ = other->value_;
    Notify();
}

const QString& TTeAnimation::RandomEffect()
{
    static const QString name = QStringLiteral("[ RANDOM ] - Random selection");
    return name;
}

TTeAnimation::TTeAnimation() : record_(MakeOwned<TteAnimationRec>(nullptr))
{
    record_->SetEffect(RandomEffect());
}

void TTeAnimation::SetDirection(TTeDirection value)
{
    direction_ = value;
    switch (value) {
    case TTeDirection::kdRotate90:
        record_->SetRotation(TteRotation::krRotate90);
        break;
    case TTeDirection::kdRotate180:
        record_->SetRotation(TteRotation::krRotate180);
        break;
    case TTeDirection::kdRotate270:
        record_->SetRotation(TteRotation::krRotate270);
        break;
    default:
        record_->SetRotation(TteRotation::krNone);
        break;
    }
}

void TTeAnimation::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeAnimation*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    record_->Assign(other->record_.get());
    direction_ = other->direction_;
}

void TTeWindowEffects::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeWindowEffects*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    blending_.Assign(&other->blending_);
    shadow_.Assign(&other->shadow_);
    animation_.Assign(&other->animation_);
}

void TTeSizeConstraints::Set(int& field, int value)
{
    value = std::max(value, 0);
    if (value == field)
        return;
    field = value;
    Notify();
}

void TTeSizeConstraints::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeSizeConstraints*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    minWidth_ = other->minWidth_;
    minHeight_ = other->minHeight_;
    maxWidth_ = other->maxWidth_;
    maxHeight_ = other->maxHeight_;
    Notify();
}

void RegisterFormOptionProperties()
{
    RegisterProperties<TTeDragging, TPersistent>()
        .Boolean("Moveable", &TTeDragging::Moveable, &TTeDragging::SetMoveable, true)
        .Boolean("Sizeable", &TTeDragging::Sizeable, &TTeDragging::SetSizeable, true)
        .Enumeration("DragMode", &TTeDragging::DragMode, &TTeDragging::SetDragMode, FormDragModeNames(),
                     TTeFormDragMode::kfdmFullDrag);
    RegisterProperties<TTeGravitation, TPersistent>()
        .Boolean("Enabled", &TTeGravitation::Enabled, &TTeGravitation::SetEnabled, true)
        .Integer("Size", &TTeGravitation::Size, &TTeGravitation::SetSize, 20)
        .Boolean("SnapToForms", &TTeGravitation::SnapToForms, &TTeGravitation::SetSnapToForms, false)
        .Boolean("SnapToDesktop", &TTeGravitation::SnapToDesktop, &TTeGravitation::SetSnapToDesktop, true)
        .Boolean("OwnedForm", &TTeGravitation::OwnedForm, &TTeGravitation::SetOwnedForm, false);
    RegisterProperties<TTeShadow, TPersistent>()
        .Boolean("Enabled", &TTeShadow::Enabled, &TTeShadow::SetEnabled, false)
        .Integer("Size", &TTeShadow::Size, &TTeShadow::SetSize, 4);
    RegisterProperties<TTeBlending, TPersistent>()
        .Boolean("Enabled", &TTeBlending::Enabled, &TTeBlending::SetEnabled, false)
        .Integer("Value", &TTeBlending::Value, &TTeBlending::SetValue, 150);
    RegisterProperties<TTeAnimation, TPersistent>()
        .Boolean("Enabled", &TTeAnimation::Enabled, &TTeAnimation::SetEnabled, false)
        .String("EffectKind", &TTeAnimation::EffectKind, &TTeAnimation::SetEffectKind, TTeAnimation::RandomEffect())
        .Enumeration("Direction", &TTeAnimation::Direction, &TTeAnimation::SetDirection, DirectionNames(),
                     TTeDirection::kdNone)
        .Integer("Resolution", &TTeAnimation::Resolution, &TTeAnimation::SetResolution, 1)
        .Integer("TileCount", &TTeAnimation::TileCount, &TTeAnimation::SetTileCount, 1)
        .Integer("Time", &TTeAnimation::Time, &TTeAnimation::SetTime, 400);
    RegisterProperties<TTeWindowEffects, TPersistent>()
        .Object("Blending", [](const TTeWindowEffects& o) { return &o.Blending(); })
        .Object("Shadow", [](const TTeWindowEffects& o) { return &o.Shadow(); })
        .Object("Animation", [](const TTeWindowEffects& o) { return &o.Animation(); });
    RegisterProperties<TTePopupMenuOptions, TTeWindowEffects>();
    RegisterProperties<TTeFormOptions, TTeWindowEffects>();
    RegisterProperties<TTeSizeConstraints, TPersistent>()
        .Integer("MinWidth", &TTeSizeConstraints::MinWidth, &TTeSizeConstraints::SetMinWidth, 0)
        .Integer("MinHeight", &TTeSizeConstraints::MinHeight, &TTeSizeConstraints::SetMinHeight, 0)
        .Integer("MaxWidth", &TTeSizeConstraints::MaxWidth, &TTeSizeConstraints::SetMaxWidth, 0)
        .Integer("MaxHeight", &TTeSizeConstraints::MaxHeight, &TTeSizeConstraints::SetMaxHeight, 0);
}
