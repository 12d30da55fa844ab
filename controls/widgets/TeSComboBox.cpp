#include "controls/widgets/TeSComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPaintEvent>

#include "controls/core/ClassicFrameControl.h"
#include "controls/core/ParentBackground.h"
#include "controls/core/TeControl.h"
#include "controls/core/ThemeSelection.h"
#include "controls/widgets/ListScrollBar.h"
#include "framework/Brush.h"
#include "framework/CanvasBinding.h"
#include "framework/DeviceContext.h"
#include "framework/TextLayout.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"
#include "theme/CustomThemeLink.h"
#include "theme/Theme.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeManager.h"
#include "theme/ThemeParts.h"
#include "theme/ThemedElements.h"

namespace {

static_assert(static_cast<int>(TteThemeFont::ktfListItemTextNormal) == 57, "list item fonts are 57 + state");

constexpr int kButtonWidth = 15;

}  // namespace

// Paints the drop-down list's frame through the theme in place of the window's own.
class TTeSComboBox::TListFrame : public QObject {
public:
    explicit TListFrame(TTeSComboBox& box) : box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        box_.PaintListFrame(static_cast<QWidget*>(watched));
        return true;
    }

private:
    TTeSComboBox& box_;
};

TTeSComboBox::TTeSComboBox(TComponent* owner) : TComboBox(owner)
{
    AddThemeNotification(this);
}

TTeSComboBox::~TTeSComboBox()
{
    RemoveThemeNotification(this);
    UnhookList();
}

void TTeSComboBox::SetThemeLink(TteCustomThemeLink* link)
{
    if (theme_.SetLink(link))
        Invalidate();
}

void TTeSComboBox::SetThemeObject(const QString& name)
{
    if (theme_.SetObject(name))
        Invalidate();
}

void TTeSComboBox::SetTextAlign(TAlignment align)
{
    if (align == textAlign_)
        return;
    textAlign_ = align;
    RecreateWindow();
}

TRect TTeSComboBox::ButtonRect() const
{
    TRect r = InflateRectBy(Rect(0, 0, Width(), Height()), -2);
    r.Left = r.Right - kButtonWidth;
    return r;
}

void TTeSComboBox::Dispatch(TMessage& message)
{
    if (message.Msg == TE_THEMECHANGE) {
        switch (static_cast<TteThemeChange>(message.WParam)) {
        case TteThemeChange::ktcReplaced:
        case TteThemeChange::ktcAssigned:
        case TteThemeChange::ktcRemoved:
        case TteThemeChange::ktcColors:
            // The list is taken over again, or given back, when it next opens.
            UnhookList();
            RecreateWindow();
            break;
        default:
            break;
        }
        return;
    }
    if (message.Msg == TE_THEMELINKCHANGE) {
        Invalidate();
        return;
    }
    TComboBox::Dispatch(message);
}

void TTeSComboBox::MouseEnter()
{
    faceHot_ = true;
    TComboBox::MouseEnter();
    Invalidate();
}

void TTeSComboBox::MouseLeave()
{
    faceHot_ = false;
    buttonHot_ = false;
    TComboBox::MouseLeave();
    Invalidate();
}

void TTeSComboBox::FaceMouseMove(int x, int y)
{
    if (Style() == TComboBoxStyle::csSimple)
        return;
    const bool hot = ButtonRect().Contains(Point(x, y));
    if (hot == buttonHot_)
        return;
    buttonHot_ = hot;
    Box()->update(ButtonRect().ToQRect());
}

bool TTeSComboBox::PaintFace(QPaintEvent* event)
{
    TDeviceContext surface(Box());
    surface.IntersectClipRect(TRect::FromQRect(event->rect()));
    const TCanvasBinding binding(Canvas(), surface);
    Canvas().SetFont(Font());
    PaintFace(Rect(0, 0, Box()->width(), Box()->height()));
    if (Style() == TComboBoxStyle::csSimple)
        return true;
    const TRect inner = InflateRectBy(Rect(0, 0, Width(), Height()), -2);
    const TRect button = ButtonRect();
    PaintButton(button);
    const bool listStyle = Style() != TComboBoxStyle::csDropDown && Style() != TComboBoxStyle::csSimple;
    if (listStyle && ItemIndex() >= 0) {
        TOwnerDrawState state{TOwnerDrawStateFlag::odComboBoxEdit};
        if (Focused())
            state.Include(TOwnerDrawStateFlag::odSelected).Include(TOwnerDrawStateFlag::odFocused);
        if (!Enabled())
            state.Include(TOwnerDrawStateFlag::odDisabled);
        DrawItem(ItemIndex(), Rect(inner.Left, inner.Top, button.Left - 2, inner.Bottom), state);
    }
    return true;
}

void TTeSComboBox::PaintFace(const TRect& rect)
{
    TCanvas& canvas = Canvas();
    if (IsEditThemed(0, ThemeObject(), ThemeLink())) {
        TteEditState state = TteEditState::kesNormal;
        if (!Enabled())
            state = TteEditState::kesDisabled;
        else if (faceHot_)
            state = TteEditState::kesHot;
        else if (Focused())
            state = TteEditState::kesFocused;
        // A theme's edit picture may leave its corners see-through, and the face's widget claims
        // every pixel: what lies beneath goes in first, else those pixels would keep whatever the
        // window's buffer held before.
        DrawParentBackground(this, *canvas.Handle());
        Theme()->DrawEdit(ThemeByte(TteEditKind::kekEdit), canvas, TteElementInfo{rect, ThemeByte(state)},
                          DefaultThemeObject());
        return;
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(rect);
    DrawClassicSunkenFrame(canvas, rect);
}

void TTeSComboBox::PaintButton(const TRect& rect)
{
    TCanvas& canvas = Canvas();
    if (IsEditThemed(0, ThemeObject(), ThemeLink())) {
        TteEditButtonState state = TteEditButtonState::kebsNormal;
        if (!Enabled())
            state = TteEditButtonState::kebsDisabled;
        else if (DroppedDown())
            state = TteEditButtonState::kebsPressed;
        else if (buttonHot_)
            state = TteEditButtonState::kebsHot;
        Theme()->DrawEditButton(ThemeByte(TteEditKind::kekComboButtonRight), canvas,
                                TtePartInfo{rect, ThemeByte(state), ThemeByte(TteEditButtonArrow::kebaDropDown)},
                                DefaultThemeObject());
        return;
    }
    unsigned state = DFCS_SCROLLCOMBOBOX;
    if (DroppedDown())
        state |= DFCS_PUSHED;
    if (!Enabled())
        state |= DFCS_INACTIVE;
    DrawClassicFrameControl(canvas, rect, DFC_SCROLL, state);
}

void TTeSComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (!IsListBoxThemed(0, ThemeObject(), ThemeLink())) {
        TComboBox::DrawItem(index, rect, state);
        return;
    }
    TteTheme* theme = Theme();
    TCanvas& canvas = Canvas();
    const bool real = index >= 0 && index < Items()->Count();
    const TteListItemState itemState = real && state.Contains(TOwnerDrawStateFlag::odSelected)
                                           ? TteListItemState::klisFocused
                                           : TteListItemState::klisNormal;
    // The list's rows share one picture, and a theme's item may leave its background to the list
    // (a skin's normal item has no colour): the row starts from the list's colour, or it would
    // show the row drawn before it.
    if (!state.Contains(TOwnerDrawStateFlag::odComboBoxEdit))
        FillRectColor(canvas, rect, theme->Colors()->GetColor(TteThemeColor::ktcList));
    theme->DrawListBoxItem(0, canvas, TteElementInfo{rect, ThemeByte(itemState)}, ThemeObject());
    if (!real)
        return;
    theme->AssignFont(*canvas.Font(), static_cast<int>(TteThemeFont::ktfListItemTextNormal) + ThemeByte(itemState),
                      ThemeObject());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect text = Rect(rect.Left + 2, rect.Top, rect.Right, rect.Bottom);
    canvas.DrawText(Items()->Strings(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TTeSComboBox::DropDown()
{
    if (IsListBoxThemed(0, ThemeObject(), ThemeLink()))
        HookList();
    else
        UnhookList();
    TComboBox::DropDown();
    Box()->update();
}

void TTeSComboBox::CloseUp()
{
    TComboBox::CloseUp();
    Invalidate();
}

void TTeSComboBox::WindowRecreated()
{
    // The simple style's list is on show from the start, so it is taken over (or given back) now;
    // a drop-down list waits until it opens.
    const bool simple = Style() == TComboBoxStyle::csSimple;
    if (simple && IsListBoxThemed(0, ThemeObject(), ThemeLink()))
        HookList();
    else if (simple || hookedWindow_ != ListWindow())
        UnhookList();
}

void TTeSComboBox::HookList()
{
    if (listFrame_ != nullptr && hookedWindow_ == ListWindow())
        return;
    UnhookList();
    listFrame_ = std::make_unique<TListFrame>(*this);
    hookedWindow_ = ListWindow();
    hookedView_ = ListView();
    hookedWindow_->installEventFilter(listFrame_.get());
    auto* bar = new TListScrollBar([this] { return IsScrollBarThemed(0, DefaultThemeObject(), ThemeLink()) ? Theme() : nullptr; });
    hookedView_->setVerticalScrollBar(bar);
    listBar_ = bar;
}

void TTeSComboBox::UnhookList()
{
    if (listFrame_ == nullptr)
        return;
    if (hookedWindow_ != nullptr) {
        hookedWindow_->removeEventFilter(listFrame_.get());
        hookedWindow_->update();
    }
    listFrame_.reset();
    // The list view takes its own bar back (and frees the themed one).
    if (hookedView_ != nullptr)
        hookedView_->setVerticalScrollBar(new QScrollBar(Qt::Vertical));
    hookedWindow_ = nullptr;
    hookedView_ = nullptr;
}

void TTeSComboBox::PaintListFrame(QWidget* list)
{
    TDeviceContext surface(list);
    const TCanvasBinding binding(Canvas(), surface);
    const TRect rect = Rect(0, 0, list->width(), list->height());
    if (IsListBoxThemed(0, ThemeObject(), ThemeLink())) {
        Theme()->DrawListBox(0, Canvas(), rect, ThemeObject());
        return;
    }
    Canvas().Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas().Brush()->SetColor(clWindowFrame);
    Canvas().FrameRect(rect);
}

void RegisterThemedComboBoxProperties()
{
    auto properties = RegisterProperties<TTeSComboBox, TComboBox>();
    AddThemeSelectionProperties(properties)
        .Enumeration("TextAlign", &TTeSComboBox::TextAlign, &TTeSComboBox::SetTextAlign, AlignmentNames(),
                     TAlignment::taLeftJustify);
}
