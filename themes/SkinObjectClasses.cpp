#include "themes/SkinObjectClasses.h"

#include "framework/Canvas.h"
#include "framework/TextLayout.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/NineLattice.h"
#include "graphics/Pixel.h"
#include "graphics/RectUtils.h"
#include "graphics/WideText.h"

const TteBitmapLink& ValidOr(const TteBitmapLink& preferred, const TteBitmapLink& fallback)
{
    return preferred.Valid() ? preferred : fallback;
}

namespace {

// The picture of a button-like object in state: its own for the state where it has one, else the
// normal picture.
const TteBitmapLink& ButtonStateLink(std::uint8_t state, const TteBitmapLink& normal, const TteBitmapLink& hot,
                                     const TteBitmapLink& focused, const TteBitmapLink& pressed,
                                     const TteBitmapLink& disabled)
{
    switch (state) {
    case SkinState::Focused: return ValidOr(focused, normal);
    case SkinState::Hot: return ValidOr(hot, normal);
    case SkinState::Disabled: return ValidOr(disabled, normal);
    case SkinState::Pressed: return ValidOr(pressed, normal);
    default: return normal;
    }
}

bool IsLively(std::uint8_t state) { return state >= SkinState::Hot && state <= SkinState::Focused; }

bool Stretches(TscTileStyle style)
{
    return style == TscTileStyle::tsStretch || style == TscTileStyle::tsVertCenterStretch ||
           style == TscTileStyle::tsHorzCenterStretch;
}

// The bitmap's Transparent flag as a part needs it, put back when the part is drawn.
class TTransparencyScope {
public:
    TTransparencyScope(TteBitmap& bitmap, bool transparent) : bitmap_(bitmap), saved_(bitmap.Transparent())
    {
        bitmap_.SetTransparent(transparent);
    }
    ~TTransparencyScope() { bitmap_.SetTransparent(saved_); }
    TTransparencyScope(const TTransparencyScope&) = delete;
    TTransparencyScope& operator=(const TTransparencyScope&) = delete;

private:
    TteBitmap& bitmap_;
    bool saved_;
};

// How a tile style fills a part of a nine-part picture: stretched, one to one at the part's
// top-left, or tiled.
TteCellFill FillOf(TscTileStyle style)
{
    if (Stretches(style))
        return TteCellFill::kcfStretch;
    return style == TscTileStyle::tsCenter ? TteCellFill::kcfOneToOne : TteCellFill::kcfTile;
}

// The link's picture cut by the margins m into nine parts laid into d, the centre, the edges and the
// corners each drawn with the transparency asked for them.
void DrawNineParts(TCanvas& canvas, const TteBitmapLink& link, const TRect& m, const TRect& d, TscTileStyle center,
                   TscTileStyle border, bool centerTransparent, bool borderTransparent, bool cornerTransparent)
{
    TteBitmap& bitmap = *link.Bitmap();
    // The picture's own flag comes back once the parts have set theirs.
    const TTransparencyScope restore(bitmap, bitmap.Transparent());
    DrawNineLattice(canvas, bitmap, TteNineLattice(d, m), TteNineLattice(link.Rect(), m),
                    {FillOf(center), FillOf(border)}, [&](TteLatticeCell cell, const TRect&) {
                        bitmap.SetTransparent(cell == TteLatticeCell::klcCentre ? centerTransparent
                                              : TteNineLattice::IsCorner(cell) ? cornerTransparent
                                                                               : borderTransparent);
                        return true;
                    });
}

// The frame a style lays the link's picture into: the whole bounds, the picture's size centred, or
// a strip through the middle.
TRect StyleFrame(TscTileStyle style, const TRect& bounds, const TRect& link)
{
    switch (style) {
    case TscTileStyle::tsCenter:
        return CenterRect({0, 0, link.Width(), link.Height()}, bounds);
    case TscTileStyle::tsVertCenterStretch:
    case TscTileStyle::tsVertCenterTile:
        return CenterRect({0, 0, link.Width(), bounds.Height()}, bounds);
    case TscTileStyle::tsHorzCenterStretch:
    case TscTileStyle::tsHorzCenterTile:
        return CenterRect({0, 0, bounds.Width(), link.Height()}, bounds);
    default:
        return bounds;
    }
}

// The whole picture into the frame the style gives it.
void DrawWhole(TCanvas& canvas, const TteBitmapLink& link, const TRect& bounds, TscTileStyle style, const TRect& clip,
               bool transparent)
{
    TteBitmap& bitmap = *link.Bitmap();
    TTransparencyScope scope(bitmap, transparent);
    const TRect frame = StyleFrame(style, bounds, link.Rect());
    if (Stretches(style))
        bitmap.Draw(canvas, frame, link.Rect());
    else if (style == TscTileStyle::tsCenter)
        bitmap.Draw(canvas, frame.Left, frame.Top, link.Rect());
    else if (clip.IsEmpty())
        bitmap.Tile(canvas, frame, link.Rect());
    else
        bitmap.TileClipped(canvas, frame, link.Rect(), clip);
}

bool HasMargins(const TRect& m) { return m.Left != 0 || m.Top != 0 || m.Right != 0 || m.Bottom != 0; }

}  // namespace

// --- objects with active and disabled looks ---

TSeActiveObject::TSeActiveObject(TComponent* owner) : TSeSkinObject(owner) {}

void TSeActiveObject::Paint(TCanvas& canvas, const TRect& clip)
{
    if (Active() || IsLively(State()))
        PaintAs(canvas, clip, activeColor_, activeFont_);
    else if (State() == SkinState::Disabled)
        PaintAs(canvas, clip, Color(), disabledFont_);
    else
        TSeSkinObject::Paint(canvas, clip);
}

const TFont& TSeActiveObject::StateFont(std::uint8_t state) const
{
    if (state == SkinState::Hot || state == SkinState::Focused)
        return activeFont_;
    if (state == SkinState::Disabled)
        return disabledFont_;
    return Font();
}

void TSeActiveObject::TintHue(int delta)
{
    activeColor_ = TintColor(activeColor_, delta, true);
    TintFont(activeFont_, delta, true);
    TintFont(disabledFont_, delta, true);
    TSeSkinObject::TintHue(delta);
}

void TSeActiveObject::TintBrightness(int delta)
{
    activeColor_ = TintColor(activeColor_, delta, false);
    TintFont(activeFont_, delta, false);
    TintFont(disabledFont_, delta, false);
    TSeSkinObject::TintBrightness(delta);
}

TSeActiveSkinObject::TSeActiveSkinObject(TComponent* owner) : TSeSkinObject(owner) {}

void TSeActiveSkinObject::Paint(TCanvas& canvas, const TRect& clip)
{
    if (State() == SkinState::Hot || State() == SkinState::Focused)
        PaintAs(canvas, clip, activeColor_, activeFont_);
    else
        TSeSkinObject::Paint(canvas, clip);
}

void TSeActiveSkinObject::TintHue(int delta)
{
    activeColor_ = TintColor(activeColor_, delta, true);
    TintFont(activeFont_, delta, true);
    TSeSkinObject::TintHue(delta);
}

void TSeActiveSkinObject::TintBrightness(int delta)
{
    activeColor_ = TintColor(activeColor_, delta, false);
    TintFont(activeFont_, delta, false);
    TSeSkinObject::TintBrightness(delta);
}

// --- bitmap objects ---

TSeBitmapObject::TSeBitmapObject(TComponent* owner) : TSeSkinObject(owner) {}

void TSeBitmapObject::BindOwnLinks()
{
    BindLink(bitmap_);
}

void TSeBitmapObject::Paint(TCanvas& canvas, const TRect& clip)
{
    PaintLink(canvas, clip, CurrentLink());
}

void TSeBitmapObject::PaintLink(TCanvas& canvas, const TRect& clip, const TteBitmapLink& link)
{
    if (!Visible() || !HasArea() || IsClippedOut(clip))
        return;
    if (!link.Valid() || Color() == kSkinNoColor) {
        TSeSkinObject::Paint(canvas, clip);
        return;
    }
    const TRect bounds = BoundsRect();
    if (!HasMargins(Margins())) {
        DrawWhole(canvas, link, bounds, tileStyle_, clip, link.CenterTransparent());
    } else {
        const TRect frame = StyleFrame(tileStyle_, bounds, link.Rect());
        DrawNineParts(canvas, link, Margins(), frame, tileStyle_, borderTileStyle_, link.CenterTransparent(),
                      link.BorderTransparent(), link.CornerTransparent());
    }
    PaintText(canvas);
    Realign();
    PaintChildren(canvas, clip);
}

std::optional<QRegion> TSeBitmapObject::OwnRegion()
{
    if (!bitmap_.Valid() || !Masked() || Kind() == TSeKind::skClient)
        return TSeSkinObject::OwnRegion();
    TteBitmap picture;
    picture.SetSize(Width(), Height());
    picture.Fill(TransparentKey);
    picture.Canvas().SetWindowOrg(Left(), Top());
    Paint(picture.Canvas(), {});
    return picture.CreateRegion(Left(), Top());
}

TSeActiveBitmap::TSeActiveBitmap(TComponent* owner) : TSeBitmapObject(owner) {}

void TSeActiveBitmap::BindOwnLinks()
{
    TSeBitmapObject::BindOwnLinks();
    BindLink(activeBitmap_);
}

const TteBitmapLink& TSeActiveBitmap::CurrentLink() const
{
    if (Active() || IsLively(State()))
        return ValidOr(activeBitmap_, Bitmap());
    return Bitmap();
}

const TFont& TSeActiveBitmap::StateFont(std::uint8_t state) const
{
    return state == SkinState::Hot || state == SkinState::Focused ? activeFont_ : Font();
}

void TSeActiveBitmap::TintHue(int delta)
{
    TintFont(activeFont_, delta, true);
    TSeBitmapObject::TintHue(delta);
}

void TSeActiveBitmap::TintBrightness(int delta)
{
    TintFont(activeFont_, delta, false);
    TSeBitmapObject::TintBrightness(delta);
}

TSeSystemButton::TSeSystemButton(TComponent* owner) : TSeActiveBitmap(owner) { SetKind(TSeKind::skSysButton); }

void TSeSystemButton::BindOwnLinks()
{
    TSeActiveBitmap::BindOwnLinks();
    BindLink(bitmapHot_);
    BindLink(bitmapPressed_);
}

void TSeSystemButton::Paint(TCanvas& canvas, const TRect& clip)
{
    // The window icon of a system-menu button is drawn by the theme after the button.
    const auto childrenIn = [this](std::uint8_t state, bool active) {
        for (int i = 0; i < Count(); ++i) {
            Child(i)->SetState(state);
            Child(i)->SetActive(active);
        }
    };
    if (!Active()) {
        childrenIn(SkinState::Disabled, false);
        PaintLink(canvas, clip, Bitmap());
    } else if (buttonState_ == TSeButtonState::Hot) {
        childrenIn(SkinState::Hot, true);
        PaintLink(canvas, clip, ValidOr(bitmapHot_, CurrentLink()));
    } else if (buttonState_ == TSeButtonState::Pressed) {
        childrenIn(SkinState::Pressed, false);
        PaintLink(canvas, clip, ValidOr(bitmapPressed_, CurrentLink()));
        childrenIn(SkinState::Pressed, true);
    } else {
        PaintLink(canvas, clip, CurrentLink());
    }
}

void TSeSystemButton::SetState(std::uint8_t state)
{
    TSeActiveBitmap::SetState(state);
    const auto hideFor = [this](std::initializer_list<TSeAction> actions) {
        for (TSeAction action : actions)
            if (action_ == action)
                SetVisible(false);
    };
    switch (state) {
    case SkinState::Normal:
        SetVisible(true);
        hideFor({TSeAction::sbaRestore, TSeAction::sbaRollDown});
        break;
    case SkinState::Maximized:
        hideFor({TSeAction::sbaMaximize, TSeAction::sbaRollDown});
        break;
    case SkinState::Minimized:
        hideFor({TSeAction::sbaMinimize, TSeAction::sbaMaximize, TSeAction::sbaRollUp, TSeAction::sbaRollDown});
        break;
    case SkinState::RolledUp:
        hideFor({TSeAction::sbaRestore, TSeAction::sbaRollUp});
        break;
    default:
        break;
    }
}

void TSeSystemButton::SetButtons(std::uint16_t buttons)
{
    TSeActiveBitmap::SetButtons(buttons);
    int bit = -1;
    switch (action_) {
    case TSeAction::sbaSysMenu: bit = 0; break;
    case TSeAction::sbaClose: bit = 1; break;
    case TSeAction::sbaHelp: bit = 2; break;
    case TSeAction::sbaMinimize: bit = 3; break;
    case TSeAction::sbaRestore: bit = State() == SkinState::Maximized ? 6 : 4; break;
    case TSeAction::sbaMaximize: bit = 5; break;
    case TSeAction::sbaRollUp: bit = 7; break;
    case TSeAction::sbaRollDown: bit = 8; break;
    case TSeAction::sbaTray: bit = 9; break;
    default: break;
    }
    if (bit >= 0)
        SetVisible((buttons >> bit) & 1);
}

TSeButtonObject::TSeButtonObject(TComponent* owner) : TSeBitmapObject(owner) {}

void TSeButtonObject::BindOwnLinks()
{
    TSeBitmapObject::BindOwnLinks();
    for (TteBitmapLink* link : {&hot_, &focused_, &pressed_, &disabled_})
        BindLink(*link);
}

const TteBitmapLink& TSeButtonObject::CurrentLink() const
{
    return ButtonStateLink(State(), Bitmap(), hot_, focused_, pressed_, disabled_);
}

// --- text and colour objects ---

TSeTextObject::TSeTextObject(TComponent* owner) : TSeSkinObject(owner) {}

void TSeTextObject::Paint(TCanvas& canvas, const TRect& clip) { PaintAs(canvas, clip, Color(), StateFont(State())); }

const TFont& TSeTextObject::StateFont(std::uint8_t state) const
{
    switch (state) {
    case SkinState::Hot: return hot_;
    case SkinState::Pressed: return pressed_;
    case SkinState::Focused: return focused_;
    case SkinState::Disabled: return disabled_;
    default: return Font();
    }
}

void TSeTextObject::TintHue(int delta)
{
    for (TFont* font : {&hot_, &focused_, &pressed_, &disabled_})
        TintFont(*font, delta, true);
    TSeSkinObject::TintHue(delta);
}

void TSeTextObject::TintBrightness(int delta)
{
    for (TFont* font : {&hot_, &focused_, &pressed_, &disabled_})
        TintFont(*font, delta, false);
    TSeSkinObject::TintBrightness(delta);
}

TSeLinkSkinObject::TSeLinkSkinObject(TComponent* owner) : TSeSkinObject(owner) {}

void TSeLinkSkinObject::Paint(TCanvas& canvas, const TRect& clip)
{
    if (State() != 1 || !Visible() || !HasArea() || IsClippedOut(clip))
        return;
    const TRect box = BoundsRect();
    FillRectColor(canvas, box, clWhite);
    canvas.Brush()->SetColor(clBlack);
    canvas.FrameRect(box);
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetStyle(TFontStyles{TFontStyle::fsItalic});
    font.SetColor(clBlack);
    canvas.SetFont(&font);
    TRect text = box;
    DrawWideText(canvas, linkControl_, text, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

TSeColorButtonObject::TSeColorButtonObject(TComponent* owner) : TSeSkinObject(owner) {}

void TSeColorButtonObject::Paint(TCanvas& canvas, const TRect& clip)
{
    const int look = State() == SkinState::Hot       ? 0
                     : State() == SkinState::Pressed ? 1
                     : State() == SkinState::Focused ? 2
                     : State() == SkinState::Disabled ? 3
                                                      : -1;
    if (look < 0)
        TSeSkinObject::Paint(canvas, clip);
    else
        PaintAs(canvas, clip, colors_[look], fonts_[look]);
}

void TSeColorButtonObject::TintHue(int delta)
{
    for (int i = 0; i < 4; ++i) {
        colors_[i] = TintColor(colors_[i], delta, true);
        TintFont(fonts_[i], delta, true);
    }
    TSeSkinObject::TintHue(delta);
}

void TSeColorButtonObject::TintBrightness(int delta)
{
    for (int i = 0; i < 4; ++i) {
        colors_[i] = TintColor(colors_[i], delta, false);
        TintFont(fonts_[i], delta, false);
    }
    TSeSkinObject::TintBrightness(delta);
}

// --- bitmap skin objects and boxes ---

TSeBitmapSkinObject::TSeBitmapSkinObject(TComponent* owner) : TSeSkinObject(owner) {}

void TSeBitmapSkinObject::BindOwnLinks()
{
    BindLink(bitmap_);
}

void TSeBitmapSkinObject::Paint(TCanvas& canvas, const TRect& clip)
{
    const TteBitmapLink& link = CurrentLink();
    if (!Visible() || !HasArea() || !link.Valid() || IsClippedOut(clip))
        return;
    const TscTileStyle style = tileStyle_ == TscTileStyle::tsStretch || tileStyle_ == TscTileStyle::tsCenter
                                   ? tileStyle_
                                   : TscTileStyle::tsTile;
    DrawWhole(canvas, link, BoundsRect(), style, {}, link.CenterTransparent());
    PaintText(canvas);
}

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(TComponent* owner) : TSeBitmapSkinObject(owner) {}

void TSeFormBitmapSkinObject::BindOwnLinks()
{
    TSeBitmapSkinObject::BindOwnLinks();
    BindLink(inactive_);
}

const TteBitmapLink& TSeFormBitmapSkinObject::CurrentLink() const
{
    return Active() ? Bitmap() : ValidOr(inactive_, Bitmap());
}

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* owner) : TSeBitmapSkinObject(owner) {}

void TSeSysButtonSkinObject::BindOwnLinks()
{
    TSeBitmapSkinObject::BindOwnLinks();
    BindLink(hover_);
    BindLink(down_);
}

const TteBitmapLink& TSeSysButtonSkinObject::CurrentLink() const
{
    if (buttonState_ == TSeButtonState::Hot)
        return ValidOr(hover_, Bitmap());
    if (buttonState_ == TSeButtonState::Pressed)
        return ValidOr(down_, Bitmap());
    return Bitmap();
}

TSeBitmapBoxObject::TSeBitmapBoxObject(TComponent* owner) : TSeBitmapSkinObject(owner) {}

void TSeBitmapBoxObject::Paint(TCanvas& canvas, const TRect& clip)
{
    const TteBitmapLink& link = CurrentLink();
    if (!Visible() || !HasArea() || !link.Valid() || IsClippedOut(clip))
        return;
    const bool transparent = link.CenterTransparent();
    DrawNineParts(canvas, link, Margins(), BoundsRect(), TileStyle(), borderTileStyle_, transparent, transparent,
                  transparent);
    PaintText(canvas);
}

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(TComponent* owner) : TSeBitmapBoxObject(owner) {}

void TSeActiveBitmapBoxObject::BindOwnLinks()
{
    TSeBitmapBoxObject::BindOwnLinks();
    BindLink(focused_);
}

const TteBitmapLink& TSeActiveBitmapBoxObject::CurrentLink() const
{
    return IsLively(State()) && State() != SkinState::Pressed ? ValidOr(focused_, Bitmap()) : Bitmap();
}

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(TComponent* owner) : TSeBitmapBoxObject(owner) {}

void TSeButtonBitmapBoxObject::BindOwnLinks()
{
    TSeBitmapBoxObject::BindOwnLinks();
    for (TteBitmapLink* link : {&hot_, &focused_, &pressed_, &disabled_})
        BindLink(*link);
}

const TteBitmapLink& TSeButtonBitmapBoxObject::CurrentLink() const
{
    return ButtonStateLink(State(), Bitmap(), hot_, focused_, pressed_, disabled_);
}

TSeRollPanelObject::TSeRollPanelObject(TComponent* owner) : TSeSkinObject(owner) {}
