// Field-by-field copies of the skin object classes' stored properties (the base copies its own).
#include "themes/SkinObjectClasses.h"

namespace {

// other is of the same class as the object copying from it (Clone makes it so).
template <class T>
const T& Same(const TSeSkinObject& other)
{
    return static_cast<const T&>(other);
}

void Copy(TFont& to, const TFont& from) { to.Assign(&from); }
void Copy(TteBitmapLink& to, const TteBitmapLink& from) { to.Assign(&from); }

}  // namespace

void TSeActiveObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    const auto& o = Same<TSeActiveObject>(other);
    activeColor_ = o.activeColor_;
    Copy(activeFont_, o.activeFont_);
    Copy(disabledFont_, o.disabledFont_);
}

void TSeActiveSkinObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    const auto& o = Same<TSeActiveSkinObject>(other);
    activeColor_ = o.activeColor_;
    Copy(activeFont_, o.activeFont_);
}

void TSeBitmapObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    const auto& o = Same<TSeBitmapObject>(other);
    Copy(bitmap_, o.bitmap_);
    borderTileStyle_ = o.borderTileStyle_;
    tileStyle_ = o.tileStyle_;
    maskedBorder_ = o.maskedBorder_;
    maskedAngles_ = o.maskedAngles_;
}

void TSeActiveBitmap::CopyFrom(const TSeSkinObject& other)
{
    TSeBitmapObject::CopyFrom(other);
    const auto& o = Same<TSeActiveBitmap>(other);
    Copy(activeBitmap_, o.activeBitmap_);
    Copy(activeFont_, o.activeFont_);
}

void TSeSystemButton::CopyFrom(const TSeSkinObject& other)
{
    TSeActiveBitmap::CopyFrom(other);
    const auto& o = Same<TSeSystemButton>(other);
    action_ = o.action_;
    Copy(bitmapHot_, o.bitmapHot_);
    Copy(bitmapPressed_, o.bitmapPressed_);
}

void TSeButtonObject::CopyFrom(const TSeSkinObject& other)
{
    TSeBitmapObject::CopyFrom(other);
    const auto& o = Same<TSeButtonObject>(other);
    Copy(hot_, o.hot_);
    Copy(focused_, o.focused_);
    Copy(pressed_, o.pressed_);
    Copy(disabled_, o.disabled_);
}

void TSeTextObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    const auto& o = Same<TSeTextObject>(other);
    Copy(hot_, o.hot_);
    Copy(focused_, o.focused_);
    Copy(pressed_, o.pressed_);
    Copy(disabled_, o.disabled_);
}

void TSeLinkSkinObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    linkControl_ = Same<TSeLinkSkinObject>(other).linkControl_;
}

void TSeBitmapSkinObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    const auto& o = Same<TSeBitmapSkinObject>(other);
    Copy(bitmap_, o.bitmap_);
    tileStyle_ = o.tileStyle_;
}

void TSeFormBitmapSkinObject::CopyFrom(const TSeSkinObject& other)
{
    TSeBitmapSkinObject::CopyFrom(other);
    Copy(inactive_, Same<TSeFormBitmapSkinObject>(other).inactive_);
}

void TSeSysButtonSkinObject::CopyFrom(const TSeSkinObject& other)
{
    TSeBitmapSkinObject::CopyFrom(other);
    const auto& o = Same<TSeSysButtonSkinObject>(other);
    action_ = o.action_;
    Copy(hover_, o.hover_);
    Copy(down_, o.down_);
    rollPanel_ = o.rollPanel_;
}

void TSeColorButtonObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    const auto& o = Same<TSeColorButtonObject>(other);
    for (int i = 0; i < 4; ++i) {
        colors_[i] = o.colors_[i];
        Copy(fonts_[i], o.fonts_[i]);
    }
}

void TSeBitmapBoxObject::CopyFrom(const TSeSkinObject& other)
{
    TSeBitmapSkinObject::CopyFrom(other);
    borderTileStyle_ = Same<TSeBitmapBoxObject>(other).borderTileStyle_;
}

void TSeActiveBitmapBoxObject::CopyFrom(const TSeSkinObject& other)
{
    TSeBitmapBoxObject::CopyFrom(other);
    Copy(focused_, Same<TSeActiveBitmapBoxObject>(other).focused_);
}

void TSeButtonBitmapBoxObject::CopyFrom(const TSeSkinObject& other)
{
    TSeBitmapBoxObject::CopyFrom(other);
    const auto& o = Same<TSeButtonBitmapBoxObject>(other);
    Copy(hot_, o.hot_);
    Copy(focused_, o.focused_);
    Copy(pressed_, o.pressed_);
    Copy(disabled_, o.disabled_);
}

void TSeRollPanelObject::CopyFrom(const TSeSkinObject& other)
{
    TSeSkinObject::CopyFrom(other);
    const auto& o = Same<TSeRollPanelObject>(other);
    rollKind_ = o.rollKind_;
    rollValue_ = o.rollValue_;
}
