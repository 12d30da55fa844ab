#include "themes/SkinObjects.h"

#include "framework/Canvas.h"
#include "framework/Filer.h"
#include "framework/Stream.h"
#include "graphics/BitmapList.h"
#include "graphics/CanvasDraw.h"
#include "graphics/Pixel.h"
#include "graphics/RectUtils.h"

TSkinFont::TSkinFont()
{
    SetName(QStringLiteral("Tahoma"));
    SetSize(8);
}

TSeSkinObject::TSeSkinObject(TComponent* owner) : TComponent(owner) {}

TSeSkinObject::~TSeSkinObject() = default;

int TSeSkinObject::Count() const { return ComponentCount(); }

// Reading makes sure that every owned component is a skin object (ReadSkinObject).
TSeSkinObject* TSeSkinObject::Child(int index) const { return static_cast<TSeSkinObject*>(Components(index)); }

TSeSkinObject* TSeSkinObject::Parent() const { return dynamic_cast<TSeSkinObject*>(Owner()); }

TSeSkinObject* TSeSkinObject::FindObject(const QString& name)
{
    if (Name().compare(name, Qt::CaseInsensitive) == 0)
        return this;
    for (int i = 0; i < Count(); ++i)
        if (TSeSkinObject* found = Child(i)->FindObject(name))
            return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::FindKind(TSeKind kind)
{
    if (kind_ == kind)
        return this;
    for (int i = 0; i < Count(); ++i)
        if (TSeSkinObject* found = Child(i)->FindKind(kind))
            return found;
    return nullptr;
}

void TSeSkinObject::BindLink(TteBitmapLink& link) const
{
    link.SetBitmap(bitmaps_ != nullptr ? bitmaps_->FindBitmap(link.Name()) : nullptr);
    if (detect_)
        link.DetectTransparency(margins_);
}

void TSeSkinObject::BindBitmaps(TteBitmapList* bitmaps, bool detect)
{
    bitmaps_ = bitmaps;
    detect_ = detect;
    BindOwnLinks();
    detect_ = true;
    for (int i = 0; i < Count(); ++i)
        Child(i)->BindBitmaps(bitmaps, detect);
}

void TSeSkinObject::Notification(TComponent*, TOperation) {}

TSeSkinObject* TSeSkinObject::Clone(TComponent* owner) const
{
    // Copied field by field: a copy through the stored form would cost a write and a read.
    TSeSkinObject* copy = CreateSkinObjectLike(*this, owner);
    copy->SetName(Name());
    copy->CopyFrom(*this);
    for (int i = 0; i < Count(); ++i)
        Child(i)->Clone(copy);
    // The links were copied with their transparency; only the bitmaps they point at are looked up.
    if (owner == nullptr || dynamic_cast<TSeSkinObject*>(owner) == nullptr)
        copy->BindBitmaps(bitmaps_, false);
    return copy;
}

void TSeSkinObject::CopyFrom(const TSeSkinObject& other)
{
    SetTag(other.Tag());
    align_ = other.align_;
    color_ = other.color_;
    drawIfOwner_ = other.drawIfOwner_;
    font_.Assign(&other.font_);
    kind_ = other.kind_;
    masked_ = other.masked_;
    left_ = other.left_;
    top_ = other.top_;
    width_ = other.width_;
    height_ = other.height_;
    margins_ = other.margins_;
    textAlign_ = other.textAlign_;
    textEffect_ = other.textEffect_;
    textMarginLeft_ = other.textMarginLeft_;
    textShiftSysIcon_ = other.textShiftSysIcon_;
    textMarginRight_ = other.textMarginRight_;
    textMarginRightStretch_ = other.textMarginRightStretch_;
    textMarginTop_ = other.textMarginTop_;
}

void TSeSkinObject::SetBounds(const TRect& bounds)
{
    const TRect current = BoundsRect();
    if (bounds == current)
        return;
    previous_ = current;
    left_ = bounds.Left;
    top_ = bounds.Top;
    width_ = std::max(0, bounds.Width());
    height_ = std::max(0, bounds.Height());
    Realign();
    previous_ = BoundsRect();
}

void TSeSkinObject::Realign()
{
    TRect b = BoundsRect();
    const auto pass = [this](auto&& place, bool backwards = false) {
        const int n = Count();
        for (int k = 0; k < n; ++k) {
            TSeSkinObject* child = Child(backwards ? n - 1 - k : k);
            if (child->visible_)
                place(*child);
        }
    };
    const auto vertical = [&b](TSeSkinObject& c, TSeAlign top, TSeAlign bottom) {
        if (c.align_ == top) {
            c.SetBounds({b.Left, b.Top, b.Right, b.Top + c.height_});
            b.Top += c.height_;
        } else if (c.align_ == bottom) {
            c.SetBounds({b.Left, b.Bottom - c.height_, b.Right, b.Bottom});
            b.Bottom -= c.height_;
        }
    };
    const auto horizontal = [&b](TSeSkinObject& c, TSeAlign left, TSeAlign right) {
        if (c.align_ == left) {
            c.SetBounds({b.Left, b.Top, b.Left + c.width_, b.Bottom});
            b.Left += c.width_;
        } else if (c.align_ == right) {
            c.SetBounds({b.Right - c.width_, b.Top, b.Right, b.Bottom});
            b.Right -= c.width_;
        }
    };
    pass([&](TSeSkinObject& c) { vertical(c, TSeAlign::saMostTop, TSeAlign::saMostBottom); });
    pass([&](TSeSkinObject& c) { horizontal(c, TSeAlign::saMostLeft, TSeAlign::saMostRight); });
    pass([&](TSeSkinObject& c) { vertical(c, TSeAlign::saTop, TSeAlign::saBottom); });
    pass([&](TSeSkinObject& c) { horizontal(c, TSeAlign::saLeft, TSeAlign::saRight); });
    pass(
        [](TSeSkinObject& c) {
            if (c.align_ != TSeAlign::saText)
                return;
            int textWidth = 0;
            if (!c.text_.isEmpty()) {
                TCanvas measure;
                measure.SetFont(&c.font_);
                textWidth = measure.TextWidth(c.text_);
            }
            c.width_ = textWidth + c.textMarginLeft_ + c.textMarginRight_;
        },
        true);
    pass(
        [&b](TSeSkinObject& c) {
            if (c.align_ != TSeAlign::saCenter)
                return;
            const int left = b.Left + (b.Width() - c.width_) / 2;
            const int top = b.Top + (b.Height() - c.height_) / 2;
            c.SetBounds({left, top, left + c.width_, top + c.height_});
        },
        true);
    pass([&b](TSeSkinObject& c) {
        if (c.align_ == TSeAlign::saClient)
            c.SetBounds(b);
    });
    pass([this](TSeSkinObject& c) {
        if (c.align_ == TSeAlign::saAll)
            c.SetBounds({0, 0, width_, height_});
    });

    const bool moved = previous_.Width() > 0;
    for (int i = 0; i < Count(); ++i) {
        TSeSkinObject& c = *Child(i);
        const TRect r = c.BoundsRect();
        switch (c.align_) {
        case TSeAlign::saTopRightAngle:
            c.SetBounds({width_ - c.width_, 0, width_, c.height_});
            break;
        case TSeAlign::saTopLeft:
            if (moved)
                c.SetBounds(OffsetRectBy(r, left_ - previous_.Left, top_ - previous_.Top));
            break;
        case TSeAlign::saTopRight:
            if (moved)
                c.SetBounds(OffsetRectBy(r, left_ + width_ - previous_.Right, top_ - previous_.Top));
            break;
        case TSeAlign::saBottomLeft:
            if (moved)
                c.SetBounds(OffsetRectBy(r, 0, height_ - previous_.Height()));
            break;
        // Follows the bottom-right corner by the same delta rule as the other corners.
        case TSeAlign::saBottomRight:
            if (moved)
                c.SetBounds(OffsetRectBy(r, left_ + width_ - previous_.Right, top_ + height_ - previous_.Bottom));
            break;
        default:
            break;
        }
    }
}

bool TSeSkinObject::IsClippedOut(const TRect& clip) const
{
    if (clip.IsEmpty())
        return false;
    const TRect b = BoundsRect();
    return b.Right <= clip.Left || clip.Right <= b.Left || b.Bottom <= clip.Top || clip.Bottom <= b.Top;
}

void TSeSkinObject::Paint(TCanvas& canvas, const TRect& clip) { PaintAs(canvas, clip, color_, font_); }

void TSeSkinObject::PaintAs(TCanvas& canvas, const TRect& clip, TColor color, const TFont& font)
{
    if (!visible_ || !HasArea() || IsClippedOut(clip) || kind_ == TSeKind::skRoundMask)
        return;
    if (Count() == 0 || drawIfOwner_) {
        // Solid whatever brush the canvas was left with: a menu's text leaves it clear.
        if (color != kSkinNoColor)
            FillRectColor(canvas, BoundsRect(), color);
        PaintTextIn(canvas, font);
    }
    PaintChildren(canvas, clip);
}

void TSeSkinObject::PaintChildren(TCanvas& canvas, const TRect& clip)
{
    for (int i = 0; i < Count(); ++i) {
        TSeSkinObject* child = Child(i);
        if (child->visible_ && child->HasArea() && !child->IsClippedOut(clip))
            child->Paint(canvas, clip);
    }
}

void TSeSkinObject::PaintText(TCanvas& canvas) { PaintTextIn(canvas, StateFont(state_)); }

namespace {

QRegion RoundRectRegion(const TRect& r, int cornerWidth, int cornerHeight)
{
    // The rectangle less the four corner squares, plus a quarter ellipse in each corner.
    const int cw = std::min(cornerWidth, r.Width()), ch = std::min(cornerHeight, r.Height());
    QRegion region(r.Left, r.Top + ch / 2, r.Width(), r.Height() - 2 * (ch / 2));
    region = region.united(QRegion(r.Left + cw / 2, r.Top, r.Width() - 2 * (cw / 2), r.Height()));
    if (cw > 0 && ch > 0) {
        region = region.united(QRegion(r.Left, r.Top, cw, ch, QRegion::Ellipse));
        region = region.united(QRegion(r.Right - cw, r.Top, cw, ch, QRegion::Ellipse));
        region = region.united(QRegion(r.Left, r.Bottom - ch, cw, ch, QRegion::Ellipse));
        region = region.united(QRegion(r.Right - cw, r.Bottom - ch, cw, ch, QRegion::Ellipse));
    }
    return region;
}

}  // namespace

std::optional<QRegion> TSeSkinObject::GetRegion()
{
    if (kind_ == TSeKind::skTranparentOnly || kind_ == TSeKind::skTranparent || kind_ == TSeKind::skNoMask ||
        !HasArea())
        return std::nullopt;
    if (Count() > 0 && !drawIfOwner_ && masked_) {
        std::optional<QRegion> united;
        for (int i = 0; i < Count(); ++i) {
            TSeSkinObject* child = Child(i);
            if (!child->visible_)
                continue;
            if (std::optional<QRegion> region = child->GetRegion())
                united = united ? united->united(*region) : *region;
        }
        return united;
    }
    return OwnRegion();
}

std::optional<QRegion> TSeSkinObject::OwnRegion()
{
    if (kind_ == TSeKind::skRoundMask)
        return RoundRectRegion(BoundsRect(), margins_.Left, margins_.Top);
    return QRegion(left_, top_, width_, height_);
}

void TSeSkinObject::SetState(std::uint8_t state)
{
    state_ = state;
    for (int i = 0; i < Count(); ++i)
        Child(i)->SetState(state);
}

void TSeSkinObject::SetButtons(std::uint16_t buttons)
{
    buttons_ = buttons;
    for (int i = 0; i < Count(); ++i)
        Child(i)->SetButtons(buttons);
}

void TSeSkinObject::SetActive(bool active)
{
    active_ = active;
    for (int i = 0; i < Count(); ++i)
        Child(i)->SetActive(active);
}

TColor TSeSkinObject::TintColor(TColor color, int delta, bool hue)
{
    if (color == kSkinNoColor)
        return color;
    return hue ? HueShiftColor(color, delta) : BrightnessShiftColor(color, delta);
}

void TSeSkinObject::TintFont(TFont& font, int delta, bool hue) { font.SetColor(TintColor(font.Color(), delta, hue)); }

void TSeSkinObject::TintHue(int delta)
{
    color_ = TintColor(color_, delta, true);
    TintFont(font_, delta, true);
    for (int i = 0; i < Count(); ++i)
        Child(i)->TintHue(delta);
}

void TSeSkinObject::TintBrightness(int delta)
{
    color_ = TintColor(color_, delta, false);
    TintFont(font_, delta, false);
    for (int i = 0; i < Count(); ++i)
        Child(i)->TintBrightness(delta);
}

void TSeSkinObject::SetCharset(TFontCharset charset)
{
    font_.SetCharset(charset);
    for (int i = 0; i < Count(); ++i)
        Child(i)->SetCharset(charset);
}

TSeSkinObject* TSeSkinObject::HitTest(TPoint point)
{
    if (!visible_ || !BoundsRect().Contains(point))
        return nullptr;
    TSeSkinObject* hit = kind_ == TSeKind::skTranparent ? nullptr : this;
    for (int i = 0; i < Count(); ++i)
        if (TSeSkinObject* deeper = Child(i)->HitTest(point))
            hit = deeper;
    return hit;
}

const TFont& TSeSkinObject::StateFont(std::uint8_t) const { return font_; }

void TSeSkinObject::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        QStringLiteral("Objects"), [this](TStream& stream) { ReadObjects(stream); },
        [this](TStream& stream) { WriteObjects(stream); }, Count() > 0);
}

void TSeSkinObject::GetChildren(const std::function<void(TComponent*)>&) const {}

namespace {

// Children of a stored object: the count with these bits set says they are in the binary form.
constexpr std::int32_t kBinaryChildrenMark = 0xF0000;
// A stored object takes at least a class name count and a data count.
constexpr std::int64_t kMinStoredObject = 8;

}  // namespace

void TSeSkinObject::ReadObjects(TStream& stream)
{
    const std::int32_t word = ReadInt32(stream);
    const bool binary = (word & kBinaryChildrenMark) == kBinaryChildrenMark;
    const std::int32_t count = binary ? word & ~kBinaryChildrenMark : word;
    if (count < 0 || count > (stream.Size() - stream.Position()) / kMinStoredObject)
        throw EFilerError(QStringLiteral("Damaged skin: %1 objects cannot fit in the data of %2").arg(count).arg(Name()));
    for (std::int32_t i = 0; i < count; ++i)
        ReadSkinObject(stream, this, binary);
}

void TSeSkinObject::WriteObjects(TStream& stream) const
{
    WriteInt32(stream, Count() | kBinaryChildrenMark);
    for (int i = 0; i < Count(); ++i)
        WriteSkinObject(stream, *Child(i), true);
}
