// The text of a skin object: alignment, margins, the separator line, ellipsis, shadow and
// right-to-left reading.
#include <QGuiApplication>
#include <QWidget>

#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/Form.h"
#include "framework/TextLayout.h"
#include "framework/WinControl.h"
#include "graphics/CanvasDraw.h"
#include "graphics/WideText.h"
#include "themes/SkinObjects.h"

namespace {

constexpr TColor kShadowColor = 0x00808080;
constexpr TColor kDisabledTextColor = 0x00808080;

unsigned AlignFormat(TSeTextAlign align)
{
    switch (align) {
    case TSeTextAlign::taTopLeft: return DT_SINGLELINE | DT_LEFT;
    case TSeTextAlign::taTopCenter: return DT_SINGLELINE | DT_CENTER;
    case TSeTextAlign::taTopRight: return DT_SINGLELINE | DT_RIGHT;
    case TSeTextAlign::taLeft: return DT_SINGLELINE | DT_VCENTER;
    case TSeTextAlign::taCenter: return DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    case TSeTextAlign::taRight: return DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    case TSeTextAlign::taBottomLeft: return DT_SINGLELINE | DT_BOTTOM;
    case TSeTextAlign::taBottomCenter: return DT_SINGLELINE | DT_BOTTOM | DT_CENTER;
    case TSeTextAlign::taBottomRight: return DT_SINGLELINE | DT_BOTTOM | DT_RIGHT;
    }
    return DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

// Left and right exchanged, for the second text.
unsigned Mirrored(unsigned format)
{
    if (format & DT_RIGHT)
        return format & ~DT_RIGHT;
    if (format & DT_CENTER)
        return format;
    return format | DT_RIGHT;
}

// Right-to-left reading follows Qt's layout direction: that of the window the object's control
// is in (a widget takes its parent's direction unless set), else the application's.
bool ReadsRightToLeft(const TControl* control)
{
    const QWidget* window = nullptr;
    for (const TControl* each = control; each != nullptr && window == nullptr; each = each->Parent())
        if (const auto* windowed = dynamic_cast<const TWinControl*>(each))
            window = windowed->Handle();
    if (window == nullptr && control != nullptr && control->ParentForm() != nullptr)
        window = control->ParentForm()->Handle();
    return window != nullptr ? window->isRightToLeft() : QGuiApplication::isRightToLeft();
}

// Right-to-left: the alignment mirrored and the text read from the right.
unsigned BiDiFormat(unsigned format, bool rightToLeft)
{
    return rightToLeft ? Mirrored(format) | DT_RTLREADING : format;
}

}  // namespace

void TSeSkinObject::PaintTextIn(TCanvas& canvas, const TFont& font)
{
    if (text_ == QLatin1String("-")) {
        const int middle = top_ + height_ / 2;
        FillRectColor(canvas, {left_ + 3, middle, left_ + width_ - 3, middle + 1}, font.Color());
        return;
    }
    if (text_.isEmpty() && text2_.isEmpty())
        return;
    canvas.SetFont(&font);
    if (!enabled_)
        canvas.Font()->SetColor(kDisabledTextColor);
    const TRect area{left_ + textMarginLeft_, top_ + textMarginTop_, left_ + width_ - textMarginRight_, top_ + height_};
    const bool rightToLeft = ReadsRightToLeft(control_);
    const unsigned format = AlignFormat(textAlign_) | DT_NOPREFIX;
    QString text = text_;
    if (kind_ == TSeKind::skTitle)
        text = EllipsisText(canvas, text, width_ - textMarginLeft_ - textMarginRight_);
    const auto draw = [&canvas](const QString& what, TRect rect, unsigned how) {
        DrawWideText(canvas, what, rect, how);
    };
    if (!text.isEmpty()) {
        if (textEffect_ == TSeTextEffect::teShadow) {
            const TColor ink = canvas.Font()->Color();
            canvas.Font()->SetColor(kShadowColor);
            draw(text, {area.Left + 1, area.Top + 1, area.Right + 1, area.Bottom + 1}, BiDiFormat(format, rightToLeft));
            canvas.Font()->SetColor(ink);
        }
        draw(text, area, BiDiFormat(format, rightToLeft));
    }
    // The second text keeps to the other side: mirrored, and mirrored back when reading from the right.
    if (!text2_.isEmpty())
        draw(text2_, area, BiDiFormat(Mirrored(format), rightToLeft));
}
