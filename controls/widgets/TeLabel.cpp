#include "controls/widgets/TeLabel.h"

#include "controls/core/ParentBackground.h"
#include "controls/widgets/ClassicLook.h"
#include "framework/Canvas.h"
#include "framework/Messages.h"
#include "framework/TextLayout.h"
#include "framework/TextSize.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "theme/ThemedElements.h"

namespace {

constexpr TteKind kLabel = 0;
constexpr TteKind kGlyphButton = ThemeByte(TteButtonKind::kbkPushButton);

}  // namespace

TTeLabel::TTeLabel(TComponent* owner)
    : TTeGraphicControl(owner), fontOptions_([this] {
          if (ComponentState().Contains(TComponentStateFlag::csDesigning))
              Invalidate();
      })
{
    SetControlStyle(ControlStyle() - TControlStyle{TControlStyleFlag::csOpaque});
    SetBounds(Left(), Top(), 65, 17);
}

void TTeLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TTeLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustSize();
}

void TTeLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    AdjustSize();
    Invalidate();
}

void TTeLabel::SetShowGlyph(bool value)
{
    if (value == showGlyph_)
        return;
    showGlyph_ = value;
    AdjustSize();
    Invalidate();
}

void TTeLabel::SetHotTrack(bool value)
{
    if (value == hotTrack_)
        return;
    hotTrack_ = value;
    Invalidate();
}

void TTeLabel::SetGlyphThemeObject(const QString& name)
{
    if (name == glyphThemeObject_)
        return;
    glyphThemeObject_ = name;
    AdjustSize();
    Invalidate();
}

void TTeLabel::SetGlyphSpace(int space)
{
    if (space == glyphSpace_)
        return;
    glyphSpace_ = space;
    AdjustSize();
    Invalidate();
}

void TTeLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustSize();
    Invalidate();
}

void TTeLabel::SetLayout(TTextLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    Invalidate();
}

void TTeLabel::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    TControlStyle style = ControlStyle() - TControlStyle{TControlStyleFlag::csOpaque};
    if (!value)
        style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TTeLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustSize();
    Invalidate();
}

void TTeLabel::Loaded()
{
    TTeGraphicControl::Loaded();
    AdjustSize();
}

void TTeLabel::FontChanged()
{
    AdjustSize();
    TTeGraphicControl::FontChanged();
}

void TTeLabel::EnabledChanged()
{
    if (!Enabled())
        pressed_ = glyphPressed_ = false;
    TTeGraphicControl::EnabledChanged();
}

void TTeLabel::Dispatch(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR) {
        TWinControl* target = focusControl_;
        if (target != nullptr && showAccelChar_ && Enabled() &&
            IsAccel(QChar(static_cast<char16_t>(message.WParam)), caption_) && target->CanFocus()) {
            message.Result = 1;
            target->SetFocus();
            return;
        }
    }
    TTeGraphicControl::Dispatch(message);
    // The theme's fonts may measure the text differently.
    if (message.Msg == TE_THEMECHANGE || message.Msg == TE_THEMELINKCHANGE)
        AdjustSize();
}

// Input: only hot tracking and the active picture look different when hot or pressed.

void TTeLabel::SetGlyphHot(bool hot)
{
    if (hot == glyphHot_)
        return;
    glyphHot_ = hot;
    if (activeGlyph_)
        Invalidate();
}

void TTeLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        pressed_ = true;
        glyphPressed_ = GlyphShown() && GlyphRect().Contains(Point(x, y));
        if (hotTrack_ || (activeGlyph_ && glyphPressed_))
            Invalidate();
    }
    TTeGraphicControl::MouseDown(button, shift, x, y);
}

void TTeLabel::MouseMove(TShiftState shift, int x, int y)
{
    SetGlyphHot(GlyphShown() && GlyphRect().Contains(Point(x, y)));
    TTeGraphicControl::MouseMove(shift, x, y);
}

void TTeLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        const bool repaint = hotTrack_ || (activeGlyph_ && glyphPressed_);
        pressed_ = glyphPressed_ = false;
        if (repaint)
            Invalidate();
    }
    TTeGraphicControl::MouseUp(button, shift, x, y);
}

void TTeLabel::MouseEnter()
{
    TTeGraphicControl::MouseEnter();
    if (hotTrack_)
        Invalidate();
}

void TTeLabel::MouseLeave()
{
    TTeGraphicControl::MouseLeave();
    SetGlyphHot(false);
    if (hotTrack_)
        Invalidate();
}

// Size and painting.

bool TTeLabel::Themed() const
{
    return IsLabelThemed(kLabel, ThemeObject(), ThemeLink());
}

bool TTeLabel::GlyphShown() const
{
    // Only a theme draws the picture, and only one that draws buttons for that object: the
    // abstract theme's stand-in block is no picture.
    return showGlyph_ && !glyphThemeObject_.isEmpty() && IsButtonThemed(kGlyphButton, glyphThemeObject_, ThemeLink());
}

TRect TTeLabel::GlyphRect() const
{
    return Rect(0, 0, ClientHeight(), ClientHeight());
}

unsigned TTeLabel::TextFormat() const
{
    unsigned format = DT_EXPANDTABS;
    if (alignment_ == TAlignment::taCenter)
        format |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        format |= DT_RIGHT;
    if (wordWrap_)
        format |= DT_WORDBREAK;
    if (!showAccelChar_)
        format |= DT_NOPREFIX;
    return format;
}

void TTeLabel::PrepareFont(TFont& font, bool themed, bool hot) const
{
    if (themed) {
        TteThemeFont kind = hotTrack_ && hot ? TteThemeFont::ktfStaticTextHot : TteThemeFont::ktfStaticTextNormal;
        if (!Enabled())
            kind = TteThemeFont::ktfStaticTextDisabled;
        Theme()->AssignFont(font, static_cast<int>(kind), ThemeObject());
    } else {
        font.Assign(Font());
    }
    fontOptions_.ApplyTo(font);
}

void TTeLabel::AdjustSize()
{
    if (!autoSize_ || ComponentState().Contains(TComponentStateFlag::csLoading))
        return;
    QString text = GetLabelText();
    // An empty caption still takes one line.
    if (text.isEmpty() || (showAccelChar_ && text == QLatin1String("&")))
        text = QStringLiteral(" ");
    TFont font;
    PrepareFont(font, Themed(), false);
    const int glyph = GlyphShown() ? Height() + glyphSpace_ : 0;
    const TSize size = MeasureText(font, text, TextFormat() & ~(DT_CENTER | DT_RIGHT), Width() - glyph);
    int left = Left();
    const int width = size.cx + glyph;
    if (alignment_ == TAlignment::taRightJustify)
        left = Left() + Width() - width;
    SetBounds(left, Top(), width, size.cy);
}

void TTeLabel::PaintControl()
{
    TCanvas& canvas = Canvas();
    const bool themed = Themed();
    const bool transparent = themed ? Theme()->IsLabelTransparent(kLabel, ThemeObject()) : transparent_;
    PaintControlBackground(*this, canvas, transparent, ClientRect());

    TRect textRect = ClientRect();
    if (GlyphShown()) {
        std::uint8_t state = ThemeByte(TteButtonState::kbsNormal);
        if (activeGlyph_ ? glyphPressed_ : hotTrack_ && pressed_)
            state = ThemeByte(TteButtonState::kbsPressed);
        else if (activeGlyph_ ? glyphHot_ : hotTrack_ && IsHot())
            state = ThemeByte(TteButtonState::kbsHot);
        Theme()->DrawButton(kGlyphButton, canvas, TteElementInfo{InflateRectBy(GlyphRect(), -1), state},
                            glyphThemeObject_);
        textRect.Left = GlyphRect().Right + glyphSpace_;
    }

    PrepareFont(textFont_, themed, IsHot());
    canvas.SetFont(&textFont_);
    const QString text = GetLabelText();
    const unsigned format = TextFormat();
    if (layout_ != TTextLayout::tlTop) {
        TRect measured = Rect(0, 0, textRect.Width(), 0);
        canvas.DrawText(text, measured, format | DT_CALCRECT);
        const int room = textRect.Height() - measured.Height();
        textRect.Top += layout_ == TTextLayout::tlCenter ? room / 2 : room;
    }
    if (themed) {
        const TteLabelState state = Enabled() ? TteLabelState::klsNormal : TteLabelState::klsDisabled;
        Theme()->DrawLabelText(kLabel, canvas, ThemeByte(state), MakeTextInfo(textRect, text, format), ThemeObject());
        return;
    }
    DrawControlText(canvas, text, textRect, format, !Enabled());
}

void RegisterLabelProperties()
{
    TPropRegistrar<TTeLabel> properties = RegisterProperties<TTeLabel, TTeGraphicControl>();
    properties
        .Enumeration("Alignment", &TTeLabel::Alignment, &TTeLabel::SetAlignment, AlignmentNames(),
                     TAlignment::taLeftJustify)
        .Boolean("ActiveGlyph", &TTeLabel::ActiveGlyph, &TTeLabel::SetActiveGlyph, false)
        .Boolean("AutoSize", &TTeLabel::AutoSize, &TTeLabel::SetAutoSize, true)
        .String("Caption", &TTeLabel::Caption, &TTeLabel::SetCaption, QString())
        .Reference("FocusControl", &TTeLabel::FocusControl, &TTeLabel::SetFocusControl)
        .Object("FontOptions", [](const TTeLabel& label) { return label.FontOptions(); })
        .Boolean("ShowGlyph", &TTeLabel::ShowGlyph, &TTeLabel::SetShowGlyph, false)
        .Boolean("HotTrack", &TTeLabel::HotTrack, &TTeLabel::SetHotTrack, false)
        .String("GlyphThemeObject", &TTeLabel::GlyphThemeObject, &TTeLabel::SetGlyphThemeObject, QString())
        .Integer("GlyphSpace", &TTeLabel::GlyphSpace, &TTeLabel::SetGlyphSpace, 5)
        .Boolean("ShowAccelChar", &TTeLabel::ShowAccelChar, &TTeLabel::SetShowAccelChar, true)
        .Enumeration("Layout", &TTeLabel::Layout, &TTeLabel::SetLayout, TextLayoutNames(), TTextLayout::tlTop)
        .Boolean("Transparent", &TTeLabel::Transparent, &TTeLabel::SetTransparent, true)
        .Boolean("WordWrap", &TTeLabel::WordWrap, &TTeLabel::SetWordWrap, false);
    AddThemeSelectionProperties(properties);
}
