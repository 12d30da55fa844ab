#pragma once
// Skin objects: small retained pictures with a position, an alignment rule, margins, a colour, a
// font, texts and bitmap links, kept as a tree of components. A skin-file theme sets an object's
// state and bounds and lets it paint itself.
#include <QRegion>
#include <QString>
#include <cstdint>
#include <optional>

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/Types.h"
#include "graphics/BitmapLink.h"

class TCanvas;
class TControl;
class TStream;
class TteBitmapList;

// Value order is the stored order of each enumeration.
enum class TSeAlign : std::uint8_t {
    saNone, saLeft, saMostLeft, saTop, saMostTop, saRight, saMostRight, saBottom, saMostBottom, saClient,
    saTopLeft, saTopRight, saBottomLeft, saBottomRight, saCenter, saText, saTopRightAngle, saAll,
};
enum class TSeKind : std::uint8_t {
    skNone, skForm, skCaption, skTitle, skTop, skLeft, skRight, skBottom, skTopLeft, skTopRight, skBottomLeft,
    skBottomRight, skSysButton, skClient, skMenuBar, skMenuBarItem, skMenuBarItemText, skPopupMenu,
    skPopupMenuItem, skPopupMenuItemText, skItemText, skTranparentOnly, skTranparent, skRoundMask, skNoMask,
};
enum class TSeTextAlign : std::uint8_t {
    taTopLeft, taTopCenter, taTopRight, taLeft, taCenter, taRight, taBottomLeft, taBottomCenter, taBottomRight,
};
enum class TSeTextEffect : std::uint8_t { teNone, teShadow };
enum class TscTileStyle : std::uint8_t {
    tsTile, tsStretch, tsCenter, tsVertCenterStretch, tsVertCenterTile, tsHorzCenterStretch, tsHorzCenterTile,
};
enum class TSeAction : std::uint8_t {
    sbaNone, sbaClose, sbaHelp, sbaMinimize, sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown, sbaTray, sbaSysMenu,
    sbaRollPanel, sbaCustom,
};
enum class TSeRollKind : std::uint8_t { rkLeft, rkTop, rkRight, rkBottom };

// Skin states: the element states, and for frame objects the window states.
namespace SkinState {
constexpr std::uint8_t Normal = 0;
constexpr std::uint8_t ButtonHot = 1;      // caption buttons: hover
constexpr std::uint8_t ButtonPressed = 2;  // caption buttons: down
constexpr std::uint8_t Maximized = 2;
constexpr std::uint8_t Minimized = 3;
constexpr std::uint8_t RolledUp = 4;
constexpr std::uint8_t Hot = 5;
constexpr std::uint8_t Pressed = 6;
constexpr std::uint8_t Focused = 7;
constexpr std::uint8_t Disabled = 8;
}  // namespace SkinState

// The "no colour" value: an object of this colour fills nothing.
constexpr TColor kSkinNoColor = clNone;

// The font a skin object has until its skin says otherwise. Objects own their fonts and links as
// members: skins are read and copied object by object, and each separate allocation showed.
class TSkinFont : public TFont {
public:
    TSkinFont();
};

class TSeSkinObject : public TComponent {
public:
    explicit TSeSkinObject(TComponent* owner);
    ~TSeSkinObject() override;

    // The children are the skin objects this one owns, in creation order.
    int Count() const;
    TSeSkinObject* Child(int index) const;
    TSeSkinObject* Parent() const;
    // The first object of the subtree (depth first, this one included) with the name (case ignored).
    TSeSkinObject* FindObject(const QString& name);
    // The first object of the subtree (depth first, this one included) of the kind.
    TSeSkinObject* FindKind(TSeKind kind);

    // Binds the bitmap links of the subtree to bitmaps and computes their transparency; with
    // detect false the links keep the transparency they have (bitmaps copied from theirs).
    void BindBitmaps(TteBitmapList* bitmaps, bool detect = true);
    // A copy of this object's stored properties and children, owned by owner, bound to the same bitmaps.
    TSeSkinObject* Clone(TComponent* owner) const;
    // Copies the stored properties of an object of the same class (not its children).
    virtual void CopyFrom(const TSeSkinObject& other);

    void SetBounds(const TRect& bounds);
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual void Realign();
    // Paints the object at its bounds; an empty clip clips nothing.
    virtual void Paint(TCanvas& canvas, const TRect& clip);
    virtual void PaintText(TCanvas& canvas);
    void PaintChildren(TCanvas& canvas, const TRect& clip);
    // The shape the object gives a window; none for no shape of its own.
    std::optional<QRegion> GetRegion();
    virtual void SetState(std::uint8_t state);
    virtual void SetButtons(std::uint16_t buttons);
    void SetActive(bool active);
    virtual void TintHue(int delta);
    virtual void TintBrightness(int delta);
    void SetCharset(TFontCharset charset);
    // The deepest visible object under the point (children in order, the last hit wins);
    // skTranparent objects are never hit. Null when nothing is.
    TSeSkinObject* HitTest(TPoint point);
    // The font the object shows in a state.
    virtual const TFont& StateFont(std::uint8_t state) const;

    // Stored properties.
    TSeAlign Align() const { return align_; }
    void SetAlign(TSeAlign value) { align_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    bool DrawIfOwner() const { return drawIfOwner_; }
    void SetDrawIfOwner(bool value) { drawIfOwner_ = value; }
    TFont& Font() const { return font_; }
    TSeKind Kind() const { return kind_; }
    void SetKind(TSeKind value) { kind_ = value; }
    bool Masked() const { return masked_; }
    void SetMasked(bool value) { masked_ = value; }
    int Left() const { return left_; }
    void SetLeft(int value) { left_ = value; }
    int Top() const { return top_; }
    void SetTop(int value) { top_ = value; }
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    int Height() const { return height_; }
    void SetHeight(int value) { height_ = value; }
    int MarginLeft() const { return margins_.Left; }
    void SetMarginLeft(int value) { margins_.Left = value; }
    int MarginTop() const { return margins_.Top; }
    void SetMarginTop(int value) { margins_.Top = value; }
    int MarginRight() const { return margins_.Right; }
    void SetMarginRight(int value) { margins_.Right = value; }
    int MarginBottom() const { return margins_.Bottom; }
    void SetMarginBottom(int value) { margins_.Bottom = value; }
    // Left, top, right and bottom margin widths.
    const TRect& Margins() const { return margins_; }
    TSeTextAlign TextAlign() const { return textAlign_; }
    void SetTextAlign(TSeTextAlign value) { textAlign_ = value; }
    TSeTextEffect TextEffect() const { return textEffect_; }
    void SetTextEffect(TSeTextEffect value) { textEffect_ = value; }
    int TextMarginLeft() const { return textMarginLeft_; }
    void SetTextMarginLeft(int value) { textMarginLeft_ = value; }
    bool TextShiftSysIcon() const { return textShiftSysIcon_; }
    void SetTextShiftSysIcon(bool value) { textShiftSysIcon_ = value; }
    int TextMarginRight() const { return textMarginRight_; }
    void SetTextMarginRight(int value) { textMarginRight_ = value; }
    bool TextMarginRightStretch() const { return textMarginRightStretch_; }
    void SetTextMarginRightStretch(bool value) { textMarginRightStretch_ = value; }
    int TextMarginTop() const { return textMarginTop_; }
    void SetTextMarginTop(int value) { textMarginTop_ = value; }

    // Run-time fields.
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    bool Enabled() const { return enabled_; }
    bool Active() const { return active_; }
    std::uint8_t State() const { return state_; }
    std::uint16_t Buttons() const { return buttons_; }
    const QString& Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    // Drawn with the mirrored alignment, for elements that carry a second text.
    const QString& Text2() const { return text2_; }
    void SetText2(const QString& text) { text2_ = text; }
    TControl* Control() const { return control_; }
    void SetControl(TControl* control) { control_ = control; }
    TteBitmapList* Bitmaps() const { return bitmaps_; }

    void DefineProperties(TFiler& filer) override;
    // Children travel in the "Objects" property, not as the framework's nested components.
    void GetChildren(const std::function<void(TComponent*)>& proc) const override;

protected:
    // Skin objects keep no references to other components, so the subtree is not told of each
    // insertion and removal: reading, copying and freeing a skin would tell it thousands of times.
    void Notification(TComponent* component, TOperation operation) override;
    // Paints with the colour and font given in place of the object's own.
    void PaintAs(TCanvas& canvas, const TRect& clip, TColor color, const TFont& font);
    void PaintTextIn(TCanvas& canvas, const TFont& font);
    bool HasArea() const { return width_ > 0 && height_ > 0; }
    // The region of the object itself (not its children's): its bounds, rounded for skRoundMask.
    virtual std::optional<QRegion> OwnRegion();
    bool IsClippedOut(const TRect& clip) const;
    static void TintFont(TFont& font, int delta, bool hue);
    static TColor TintColor(TColor color, int delta, bool hue);
    void BindLink(TteBitmapLink& link) const;
    // The links of this object (not its children).
    virtual void BindOwnLinks() {}

private:
    void ReadObjects(TStream& stream);
    void WriteObjects(TStream& stream) const;

    TSeAlign align_ = TSeAlign::saNone;
    TColor color_ = clWhite;
    bool drawIfOwner_ = false;
    mutable TSkinFont font_;
    TSeKind kind_ = TSeKind::skNone;
    bool masked_ = true;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TRect margins_;
    TSeTextAlign textAlign_ = TSeTextAlign::taLeft;
    TSeTextEffect textEffect_ = TSeTextEffect::teNone;
    int textMarginLeft_ = 0;
    bool textShiftSysIcon_ = false;
    int textMarginRight_ = 0;
    bool textMarginRightStretch_ = false;
    int textMarginTop_ = 0;

    bool visible_ = true;
    bool enabled_ = true;
    bool active_ = false;
    std::uint8_t state_ = 0;
    std::uint16_t buttons_ = 0;
    TRect previous_;
    QString text_;
    QString text2_;
    TControl* control_ = nullptr;
    TteBitmapList* bitmaps_ = nullptr;
    bool detect_ = true;

    friend class TSeSkinSource;
};

// Reads one object stored as a class name and its component stream (binary when binary is set),
// created with owner; raises for an unknown class and for objects nested without bound.
TSeSkinObject* ReadSkinObject(TStream& stream, TComponent* owner, bool binary);
void WriteSkinObject(TStream& stream, const TSeSkinObject& object, bool binary);
// A new object of the same class as object, owned by owner.
TSeSkinObject* CreateSkinObjectLike(const TSeSkinObject& object, TComponent* owner);
// A new object of the registered class of the name (exact; then with "Se", then "Tw" in place of the
// second and third characters); null for none.
TSeSkinObject* CreateSkinObject(const QString& className, TComponent* owner);
// The class names of the registry, in registration order.
QStringList SkinObjectClassNames();
// Registers the skin object classes and their stored properties (once).
void RegisterSkinObjectClasses();
