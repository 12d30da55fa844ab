#include "controls/widgets/TeButton.h"

#include <QApplication>
#include <cmath>

#include "controls/core/ParentBackground.h"
#include "controls/widgets/ClassicLook.h"
#include "framework/Canvas.h"
#include "framework/Messages.h"
#include "framework/Stream.h"
#include "framework/TextLayout.h"
#include "framework/VirtualKeys.h"
#include "graphics/CanvasDraw.h"
#include "graphics/Pixel.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "theme/ThemedElements.h"

namespace {

constexpr TteKind kPushButton = ThemeByte(TteButtonKind::kbkPushButton);

// The pixels of a picture's cell as the button shows them: grey levels (unless hot) for a
// black-and-white picture, light grey for a one-cell picture on a disabled button.
enum TCellLook { kclPlain = 0, kclGrey = 1, kclLight = 2 };

TteColor CellPixel(TteColor pixel, int look)
{
    if (look == kclPlain)
        return pixel | 0xFF000000u;
    // Turning grey keeps the lightness, so the light grey of a disabled picture follows it as well.
    const float lightness = PixelToHSL(pixel).L;
    const auto level = static_cast<std::int16_t>((look & kclLight) ? 160 + std::nearbyint(lightness * 50.0f)
                                                                     : std::nearbyint(lightness * 255.0f));
    return MakePixel(level, level, level, 255);
}

}  // namespace

TTeButton::TTeButton(TComponent* owner)
    : TTeControl(owner), fontOptions_([this] {
          if (ComponentState().Contains(TComponentStateFlag::csDesigning))
              Invalidate();
      })
{
    SetPerformance(TTePerformance::kspDoubleBuffer);
    SetTabStop(true);
    SetBounds(Left(), Top(), 75, 25);
}

void TTeButton::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TTeButton::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TTeButton::SetDefault(bool value)
{
    if (value == default_)
        return;
    default_ = value;
    // As if the focus had just moved to where it is.
    const QWidget* focus = QApplication::focusWidget();
    FocusChanged(focus != nullptr ? FindControl(focus) : nullptr);
}

void TTeButton::FocusChanged(const TControl* focused)
{
    const bool active = dynamic_cast<const TTeButton*>(focused) != nullptr ? focused == this : default_;
    if (active == activeDefault_)
        return;
    activeDefault_ = active;
    Invalidate();
}

void TTeButton::SetBlackAndWhiteGlyph(bool value)
{
    if (value == blackAndWhiteGlyph_)
        return;
    blackAndWhiteGlyph_ = value;
    cellKey_ = -1;
    Invalidate();
}

void TTeButton::SetGlyph(const TteBitmap& glyph)
{
    glyph_.Assign(glyph);
    const int width = glyph_.Width();
    const int height = glyph_.Height();
    const bool cells = height > 0 && width % height == 0 && width / height < 5 && width / height > 0;
    numGlyphs_ = cells ? width / height : 1;
    cellKey_ = -1;
    Invalidate();
}

void TTeButton::SetImages(TCustomImageList* images)
{
    if (images == images_.Get())
        return;
    images_.Set(images);
    PictureChanged();
}

void TTeButton::SetImageIndex(int index)
{
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    PictureChanged();
}

void TTeButton::SetAction(TAction* action)
{
    if (action == action_.Get())
        return;
    action_.Set(action);
    ActionChanged();
    PictureChanged();
}

void TTeButton::ActionChanged()
{
    TAction* action = action_.Get();
    if (action == nullptr)
        return;
    SetCaption(action->Caption());
    SetEnabled(action->Enabled());
    SetVisible(action->Visible());
    if (action->Images() != nullptr && action->Images() == images_.Get())
        SetImageIndex(action->ImageIndex());
    PictureChanged();
}

void TTeButton::PictureChanged()
{
    listPictureValid_ = false;
    cellKey_ = -1;
    Invalidate();
}

bool TTeButton::GlyphStored() const
{
    const TCustomImageList* images = images_.Get();
    const bool fromList = images != nullptr && imageIndex_ >= 0 && imageIndex_ < images->Count();
    return kind_ == TBitBtnKind::bkCustom && !fromList;
}

const TteBitmap* TTeButton::Picture()
{
    if (!glyph_.Empty())
        return &glyph_;
    if (!listPictureValid_) {
        listPictureValid_ = true;
        QImage image;
        if (images_.Get() != nullptr)
            image = images_->Image(imageIndex_);
        if (image.isNull() && action_.Get() != nullptr && action_->Images() != nullptr)
            image = action_->Images()->Image(action_->ImageIndex());
        hasListPicture_ = !image.isNull();
        if (hasListPicture_) {
            listPicture_.SetSize(image.width(), image.height());
            // Magenta marks the transparent pixels, as in a glyph whose corner pixel is magenta.
            listPicture_.Fill(0xFFFF00FFu);
            for (int y = 0; y < image.height(); ++y) {
                const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(row[x]) != 0)
                        listPicture_.SetPixel(x, y, row[x] | 0xFF000000u);
                }
            }
        }
    }
    return hasListPicture_ ? &listPicture_ : nullptr;
}

void TTeButton::SetNumGlyphs(int count)
{
    count = std::clamp(count, 1, 4);
    if (count == numGlyphs_)
        return;
    numGlyphs_ = count;
    cellKey_ = -1;
    Invalidate();
}

void TTeButton::SetKind(TBitBtnKind kind)
{
    kind_ = kind;
    if (kind != TBitBtnKind::bkCustom) {
        const TBitBtnKindInfo& info = BitBtnKindInfo(kind);
        SetDefault(kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes);
        if (!ComponentState().Contains(TComponentStateFlag::csLoading) || caption_.isEmpty())
            caption_ = QString::fromLatin1(info.Caption);
        modalResult_ = info.ModalResult;
        SetGlyph(BitBtnKindGlyph(kind));
        numGlyphs_ = 2;
    }
    Invalidate();
}

void TTeButton::SetLayout(TButtonLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    Invalidate();
}

void TTeButton::SetSpacing(int spacing)
{
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    Invalidate();
}

void TTeButton::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Invalidate();
}

void TTeButton::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

// Input.

void TTeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    // The windowed base has focused the button already (it is a tab stop).
    push_.MouseDown(button, Enabled());
    TTeControl::MouseDown(button, shift, x, y);
}

void TTeButton::MouseMove(TShiftState shift, int x, int y)
{
    push_.MouseMove(ClientRect().Contains(Point(x, y)));
    TTeControl::MouseMove(shift, x, y);
}

void TTeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    // The click is this button's to make, not the base's.
    SetControlState(ControlState() - TControlState{TControlStateFlag::csLButtonDown});
    const bool released = push_.MouseUp(button);
    TTeControl::MouseUp(button, shift, x, y);
    if (released && Rect(0, 0, Width(), Height()).Contains(Point(x, y)))
        Click();
}

void TTeButton::KeyDown(std::uint16_t& key, TShiftState shift)
{
    push_.KeyDown(key, shift);
    TTeControl::KeyDown(key, shift);
}

void TTeButton::KeyUp(std::uint16_t& key, TShiftState shift)
{
    if (push_.KeyUp(key))
        Click();
    TTeControl::KeyUp(key, shift);
}

void TTeButton::MouseEnter()
{
    TTeControl::MouseEnter();
    Invalidate();
}

void TTeButton::MouseLeave()
{
    TTeControl::MouseLeave();
    Invalidate();
}

void TTeButton::EnabledChanged()
{
    if (!Enabled())
        push_.Reset();
    TTeControl::EnabledChanged();
}

void TTeButton::FocusLeave()
{
    // A space held while the focus goes does not click.
    push_.FocusLost();
    TTeControl::FocusLeave();
}

void TTeButton::Click()
{
    if (TForm* form = GetParentForm(this)) {
        if (kind_ == TBitBtnKind::bkClose)
            form->Close();
        else
            form->SetModalResult(modalResult_);
    }
    TAction* action = action_.Get();
    const bool ownHandler = RunsOwnClick(OnClick, action);
    if (action != nullptr && !ownHandler)
        action->Execute();
    else
        TTeControl::Click();
}

void TTeButton::ThemeSelectionChanged()
{
    faces_.Clear();
    TTeControl::ThemeSelectionChanged();
}

void TTeButton::Dispatch(TMessage& message)
{
    // The theme may draw the faces differently now.
    if (message.Msg == TE_THEMECHANGE || message.Msg == TE_THEMELINKCHANGE)
        faces_.Clear();
    switch (message.Msg) {
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<const TControl*>(message.LParam));
        break;
    case CM_DIALOGKEY: {
        const TShiftState shift = TShiftState::FromBits(static_cast<std::uint64_t>(message.LParam));
        const bool plain = !shift.Contains(TShiftStateFlag::ssShift) && !shift.Contains(TShiftStateFlag::ssCtrl) &&
                           !shift.Contains(TShiftStateFlag::ssAlt);
        const bool mine = (message.WParam == VK_RETURN && activeDefault_) || (message.WParam == VK_ESCAPE && cancel_);
        if (plain && mine && CanFocus()) {
            message.Result = 1;
            Click();
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(static_cast<char16_t>(message.WParam)), caption_) && CanFocus()) {
            message.Result = 1;
            SetFocus();
            Click();
            return;
        }
        break;
    default:
        break;
    }
    TTeControl::Dispatch(message);
}

// Painting.

std::uint8_t TTeButton::State() const
{
    if (!Enabled())
        return ThemeByte(TteButtonState::kbsDisabled);
    if (push_.Pressed())
        return ThemeByte(TteButtonState::kbsPressed);
    if (IsHot())
        return ThemeByte(TteButtonState::kbsHot);
    if (IsFocused())
        return ThemeByte(TteButtonState::kbsFocused);
    if (activeDefault_)
        return ThemeByte(TteButtonState::kbsDefault);
    return ThemeByte(TteButtonState::kbsNormal);
}

void TTeButton::PaintControl()
{
    themed_ = IsButtonThemed(kPushButton, ThemeObject(), ThemeLink());
    TCanvas& canvas = Canvas();
    const bool transparent = themed_ ? Theme()->IsButtonTransparent(kPushButton, ThemeObject()) : transparent_;
    // A themed face that is not see-through covers the whole button.
    if (transparent || !themed_)
        PaintControlBackground(*this, canvas, transparent, Rect(0, 0, Width(), Height()));
    UseCaptionFont();
    captionSize_ = CaptionSize();
    PaintFace();
    PaintCaption();
    PaintGlyph();
}

void TTeButton::PaintFace()
{
    TCanvas& canvas = Canvas();
    const TRect bounds = Rect(0, 0, Width(), Height());
    if (themed_) {
        const std::uint8_t state = State();
        faces_.Paint(canvas, Width(), Height(), state, [&] {
            Theme()->DrawButton(kPushButton, canvas, TteElementInfo{bounds, state}, ThemeObject());
        });
        return;
    }
    DrawClassicButtonFace(canvas, bounds, Color(), push_.Pressed(), IsFocused() || activeDefault_);
    if (IsFocused()) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.Font()->SetColor(clBlack);
        canvas.DrawFocusRect(InflateRectBy(GetInnerRect(), -4));
    }
}

void TTeButton::UseCaptionFont()
{
    if (themed_) {
        TteThemeFont font = TteThemeFont::ktfButtonTextNormal;
        switch (static_cast<TteButtonState>(State())) {
        case TteButtonState::kbsDisabled:
            font = TteThemeFont::ktfButtonTextDisabled;
            break;
        case TteButtonState::kbsPressed:
            font = TteThemeFont::ktfButtonTextPressed;
            break;
        case TteButtonState::kbsHot:
            font = TteThemeFont::ktfButtonTextHot;
            break;
        case TteButtonState::kbsFocused:
            font = TteThemeFont::ktfButtonTextFocused;
            break;
        default:
            break;
        }
        Theme()->AssignFont(captionFont_, static_cast<int>(font), ThemeObject());
    } else {
        captionFont_.Assign(&PaintFont());
    }
    fontOptions_.ApplyTo(captionFont_);
    Canvas().SetFont(&captionFont_);
}

TSize TTeButton::CaptionSize()
{
    if (caption_.isEmpty())
        return {};
    // 0: one line, not wrapped.
    const int wrapWidth = wordWrap_ ? std::max(1, Width() - spacing_ - GlyphSize().cx - 10) : 0;
    // The colour, which often differs between states, does not change the size.
    if (caption_ == measuredCaption_ && wrapWidth == measuredWrapWidth_ && captionFont_.SameQFont(measuredFont_))
        return captionSize_;
    TRect r = Rect(0, 0, wrapWidth, 0);
    Canvas().DrawText(caption_, r, DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE));
    measuredCaption_ = caption_;
    measuredWrapWidth_ = wrapWidth;
    measuredFont_.Assign(&captionFont_);
    return {r.Width(), r.Height()};
}

TSize TTeButton::GlyphSize()
{
    const TteBitmap* picture = Picture();
    if (picture == nullptr)
        return {};
    return {picture->Width() / Cells(), picture->Height()};
}

TRect TTeButton::GetTextRect()
{
    int width = captionSize_.cx;
    int height = captionSize_.cy;
    if (HasGlyph()) {
        const TSize glyph = GlyphSize();
        // Without a caption the picture alone is placed: no spacing after it.
        const int gap = caption_.isEmpty() ? 0 : spacing_;
        if (GlyphBeside()) {
            width += glyph.cx + gap;
            height = std::max(height, glyph.cy);
        } else {
            height += glyph.cy + gap;
            width = std::max(width, glyph.cx);
        }
    }
    int left = (Width() - width) / 2;
    if (alignment_ == TAlignment::taLeftJustify)
        left = 4;
    else if (alignment_ == TAlignment::taRightJustify)
        left = Width() - 4 - width;
    TRect r = Rect(left, (Height() - height) / 2, 0, 0);
    r.Right = r.Left + width;
    r.Bottom = r.Top + height;
    return push_.Pressed() ? OffsetRectBy(r, 1, 1) : r;
}

TRect TTeButton::GetContentRect()
{
    TRect r = GetTextRect();
    if (!HasGlyph())
        return r;
    const TSize glyph = GlyphSize();
    const int gap = caption_.isEmpty() ? 0 : spacing_;
    switch (layout_) {
    case TButtonLayout::blGlyphLeft:
        r.Left += glyph.cx + gap;
        break;
    case TButtonLayout::blGlyphRight:
        r.Right -= glyph.cx + gap;
        break;
    case TButtonLayout::blGlyphTop:
        r.Top += glyph.cy + gap;
        break;
    case TButtonLayout::blGlyphBottom:
        r.Bottom -= glyph.cy + gap;
        break;
    }
    return r;
}

TRect TTeButton::GetGlyphRect()
{
    TRect r = GetTextRect();
    const TSize glyph = GlyphSize();
    switch (layout_) {
    case TButtonLayout::blGlyphLeft:
        r.Right = r.Left + glyph.cx;
        break;
    case TButtonLayout::blGlyphRight:
        r.Left = r.Right - glyph.cx;
        break;
    case TButtonLayout::blGlyphTop:
        r.Bottom = r.Top + glyph.cy;
        break;
    case TButtonLayout::blGlyphBottom:
        r.Top = r.Bottom - glyph.cy;
        break;
    }
    return r;
}

unsigned TTeButton::CaptionFormat() const
{
    // The content rectangle fits one line exactly, so it is drawn from its top-left; wrapped
    // lines are placed each by the alignment.
    if (!wordWrap_)
        return DT_SINGLELINE;
    if (alignment_ == TAlignment::taCenter)
        return DT_WORDBREAK | DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify)
        return DT_WORDBREAK | DT_RIGHT;
    return DT_WORDBREAK;
}

void TTeButton::PaintCaption()
{
    if (caption_.isEmpty())
        return;
    TCanvas& canvas = Canvas();
    const TRect r = GetContentRect();
    if (themed_) {
        Theme()->DrawButtonText(kPushButton, canvas, TteElementInfo{Rect(0, 0, Width(), Height()), State()},
                                MakeTextInfo(r, caption_, CaptionFormat()), ThemeObject());
        return;
    }
    DrawControlText(canvas, caption_, r, CaptionFormat(), !Enabled());
}

const TteBitmap& TTeButton::PreparedCell()
{
    const int cells = Cells();
    int index = 0;
    if (cells > 1 && !Enabled())
        index = 1;
    else if (cells > 2 && push_.Pressed())
        index = 2;
    int look = kclPlain;
    if (blackAndWhiteGlyph_ && !IsHot())
        look |= kclGrey;
    if (cells == 1 && !Enabled())
        look |= kclLight;
    const int key = index * 4 + look;
    if (key == cellKey_)
        return cell_;
    cellKey_ = key;
    const TteBitmap& picture = *Picture();
    const TSize size = GlyphSize();
    cell_.SetSize(size.cx, size.cy);
    cell_.Fill(TransparentKey);
    cell_.SetTransparent(true);
    const TteColor ground = glyph_.Empty() ? 0xFF00FFu : glyph_.GetPixel(0, glyph_.Height() - 1) & kRgbMask;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const int sx = index * size.cx + x;
            if (sx >= picture.Width())
                break;
            const TteColor pixel = picture.GetPixel(sx, y);
            if ((pixel & kRgbMask) != ground)
                cell_.SetPixel(x, y, CellPixel(pixel, look));
        }
    }
    return cell_;
}

void TTeButton::PaintGlyph()
{
    if (!HasGlyph() || GlyphSize().cx <= 0)
        return;
    const TteBitmap& cell = PreparedCell();
    const TRect place = CenterRect(cell.BoundsRect(), GetGlyphRect());
    if (themed_) {
        Theme()->DrawButtonGlyph(kPushButton, Canvas(), TteElementInfo{Rect(0, 0, Width(), Height()), State()},
                                 TteGlyphInfo{place, &cell, 4, TteGlyphKind::kgkImage}, ThemeObject());
        return;
    }
    cell.Draw(Canvas(), place.Left, place.Top);
}

namespace {

// The stored form of Glyph: one stored bitmap record; empty for no picture.
QByteArray GlyphData(const TTeButton& button)
{
    if (button.Glyph().Empty())
        return {};
    TMemoryStream stream;
    button.Glyph().SaveToStream(stream);
    return stream.Bytes();
}

void SetGlyphData(TTeButton& button, const QByteArray& data)
{
    TteBitmap glyph;
    if (!data.isEmpty()) {
        TMemoryStream stream;
        stream.WriteBuffer(data.constData(), data.size());
        stream.SetPosition(0);
        // Read apart, so that damaged data leaves the glyph the button had.
        glyph.LoadFromStream(stream);
    }
    button.SetGlyph(glyph);
}

}  // namespace

void RegisterButtonProperties()
{
    TPropRegistrar<TTeButton> properties = RegisterProperties<TTeButton, TTeControl>();
    // Kind first: while loading, the caption, modal result and Default read after it win.
    properties
        .Enumeration("Kind", &TTeButton::Kind, &TTeButton::SetKind, BitBtnKindNames(), TBitBtnKind::bkCustom)
        .Enumeration("Alignment", &TTeButton::Alignment, &TTeButton::SetAlignment, AlignmentNames(),
                     TAlignment::taCenter)
        .String("Caption", &TTeButton::Caption, &TTeButton::SetCaption, QString())
        .Boolean("Default", &TTeButton::Default, &TTeButton::SetDefault, false)
        .Boolean("Cancel", &TTeButton::Cancel, &TTeButton::SetCancel, false)
        .Boolean("BlackAndWhiteGlyph", &TTeButton::BlackAndWhiteGlyph, &TTeButton::SetBlackAndWhiteGlyph, false)
        .Binary("Glyph", &GlyphData, &SetGlyphData)
        .StoredIf(&TTeButton::GlyphStored)
        .Integer("NumGlyphs", &TTeButton::NumGlyphs, &TTeButton::SetNumGlyphs, 1)
        .Reference("Images", &TTeButton::Images, &TTeButton::SetImages)
        .Integer("ImageIndex", &TTeButton::ImageIndex, &TTeButton::SetImageIndex, -1)
        .Reference("Action", &TTeButton::Action, &TTeButton::SetAction)
        .Enumeration("Layout", &TTeButton::Layout, &TTeButton::SetLayout, ButtonLayoutNames(),
                     TButtonLayout::blGlyphLeft)
        .Integer("ModalResult", &TTeButton::ModalResult, &TTeButton::SetModalResult, 0)
        .Integer("Spacing", &TTeButton::Spacing, &TTeButton::SetSpacing, 4)
        .Boolean("WordWrap", &TTeButton::WordWrap, &TTeButton::SetWordWrap, false)
        .Boolean("Transparent", &TTeButton::Transparent, &TTeButton::SetTransparent, false)
        .Object("FontOptions", [](const TTeButton& button) { return button.FontOptions(); });
    AddThemeSelectionProperties(properties);
}
