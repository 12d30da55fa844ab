#pragma once
// The kinds and option objects of the themed window frame: caption buttons, frame styles, window
// states, frame buffering and drag feedback, and the small persistent option classes (dragging,
// snapping, shadow, blending, show animation, size limits) a frame and its menus carry.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "framework/Component.h"
#include "framework/Persistent.h"
#include "framework/Set.h"
#include "graphics/AnimationRec.h"

enum class TTeBorderIcon : std::uint8_t {
    kbiClose,
    kbiSystemMenu,
    kbiMinimize,
    kbiMaximize,
    kbiHelp,
    kbiRollup,
    kbiTray,
    kbiTop,
    kbiCustom,
};
using TTeBorderIcons = TSet<TTeBorderIcon>;

enum class TTeBorderStyle : std::uint8_t { kbsNone, kbsBorder, kbsStandard, kbsDialog, kbsToolWindow };
enum class TTeWindowState : std::uint8_t { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };
enum class TTeFormPerformance : std::uint8_t {
    ksfpNoBuffer,          // straight onto the window, the caption strip composed off-screen
    ksfpSharedBuffer,      // the controls' one shared buffer
    ksfpPersistentBuffer,  // a bitmap of the window's size kept between paints
    ksfpDoubleBuffer,      // a bitmap of the window's size for each paint
};
enum class TTeFormDragMode : std::uint8_t { kfdmBorder, kfdmFullDrag, kfdmSystemSettings };
enum class TTeDirection : std::uint8_t { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };

const QStringList& BorderIconNames();
const QStringList& FormBorderStyleNames();
const QStringList& WindowStateNames();
const QStringList& FormPerformanceNames();
const QStringList& FormDragModeNames();
const QStringList& DirectionNames();

constexpr TTeBorderIcons kDefaultBorderIcons{TTeBorderIcon::kbiClose,    TTeBorderIcon::kbiSystemMenu,
                                             TTeBorderIcon::kbiMinimize, TTeBorderIcon::kbiMaximize,
                                             TTeBorderIcon::kbiRollup,   TTeBorderIcon::kbiTray};

// An option object owned by a frame; Changed tells the frame that a value moved.
class TTeFrameOption : public TPersistent {
public:
    std::function<void()> Changed;

protected:
    void Notify() const
    {
        if (Changed)
            Changed();
    }
};

class TTeDragging : public TTeFrameOption {
public:
    bool Moveable() const { return moveable_; }
    void SetMoveable(bool value) { moveable_ = value; }
    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool value);
    TTeFormDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TTeFormDragMode mode) { dragMode_ = mode; }
    // kfdmSystemSettings becomes full drag or border drag as the platform's setting says.
    void ResolveSystemSettings();
    void Assign(const TPersistent* source) override;

private:
    bool moveable_ = true;
    bool sizeable_ = true;
    TTeFormDragMode dragMode_ = TTeFormDragMode::kfdmFullDrag;
};

class TTeGravitation : public TTeFrameOption {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    // The snapping distance, 1 to 50.
    int Size() const { return size_; }
    void SetSize(int value);
    bool SnapToForms() const { return snapToForms_; }
    void SetSnapToForms(bool value) { snapToForms_ = value; }
    bool SnapToDesktop() const { return snapToDesktop_; }
    void SetSnapToDesktop(bool value) { snapToDesktop_ = value; }
    bool OwnedForm() const { return ownedForm_; }
    void SetOwnedForm(bool value) { ownedForm_ = value; }
    // Copies Enabled and Size only.
    void Assign(const TPersistent* source) override;

private:
    bool enabled_ = true;
    int size_ = 20;
    bool snapToForms_ = false;
    bool snapToDesktop_ = true;
    bool ownedForm_ = false;
};

class TTeShadow : public TTeFrameOption {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // At most 20; a size of 0 or less turns the shadow off.
    int Size() const { return size_; }
    void SetSize(int value);
    // On and of a size that shows.
    bool Shows() const { return enabled_ && size_ > 0; }
    void Assign(const TPersistent* source) override;

private:
    bool enabled_ = false;
    int size_ = 4;
};

class TTeBlending : public TTeFrameOption {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Alpha of the frame and client, 0 to 255.
    int Value() const { return value_; }
    void SetValue(int value);
    void Assign(const TPersistent* source) override;

private:
    bool enabled_ = false;
    int value_ = 150;
};

// The show effect of a window or menu: which effect, turned how, its resolution, tiles and time.
// The settings live in the effect record the transitions play, which keeps them in its ranges.
class TTeAnimation : public TTeFrameOption {
public:
    static const QString& RandomEffect();

    TTeAnimation();

    bool Enabled() const { return record_->Enabled(); }
    void SetEnabled(bool value) { record_->SetEnabled(value); }
    const QString& EffectKind() const { return record_->Effect(); }
    void SetEffectKind(const QString& value) { record_->SetEffect(value); }
    TTeDirection Direction() const { return direction_; }
    void SetDirection(TTeDirection value);
    int Resolution() const { return record_->Resolution(); }
    void SetResolution(int value) { record_->SetResolution(value); }
    int TileCount() const { return record_->TileCount(); }
    void SetTileCount(int value) { record_->SetTileCount(value); }
    // Milliseconds.
    int Time() const { return record_->Time(); }
    void SetTime(int value) { record_->SetTime(value); }
    // The effect record's rotation: 1, 2 and 3 quarter turns for kdRotate90/180/270, else 0.
    int Rotation() const { return static_cast<int>(record_->Rotation()); }
    // What a transition plays.
    const TteAnimationRec& Record() const { return *record_; }
    void Assign(const TPersistent* source) override;

private:
    TOwned<TteAnimationRec> record_;
    // kdNone and kdNoRotate both mean no rotation to the record; the direction keeps which it was.
    TTeDirection direction_ = TTeDirection::kdNone;
};

// Blending, shadow and animation of one kind of window (popup menus, or a form).
class TTeWindowEffects : public TTeFrameOption {
public:
    TTeBlending& Blending() { return blending_; }
    const TTeBlending& Blending() const { return blending_; }
    TTeShadow& Shadow() { return shadow_; }
    const TTeShadow& Shadow() const { return shadow_; }
    TTeAnimation& Animation() { return animation_; }
    const TTeAnimation& Animation() const { return animation_; }
    void Assign(const TPersistent* source) override;

private:
    TTeBlending blending_;
    TTeShadow shadow_;
    TTeAnimation animation_;
};
class TTePopupMenuOptions : public TTeWindowEffects {};
class TTeFormOptions : public TTeWindowEffects {};

// The smallest and largest window size; 0 means no limit.
class TTeSizeConstraints : public TTeFrameOption {
public:
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { Set(minWidth_, value); }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { Set(minHeight_, value); }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { Set(maxWidth_, value); }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { Set(maxHeight_, value); }
    void Assign(const TPersistent* source) override;

private:
    void Set(int& field, int value);

    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

// The stored properties of the option classes.
void RegisterFormOptionProperties();
