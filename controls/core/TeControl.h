#pragma once
// The windowed themed control: every themed control that takes the focus or holds others derives
// from it. It finds its theme through its link and object name, follows the theme notifications,
// buffers its painting as its Performance says, draws its border and bevels, keeps its hot and
// focused state, and can carry its own scroll bars.
//
// A paint: the surface is chosen (PaintSurface.h), the border drawn outside the inner rectangle,
// PaintControl inside it, the windowless children on the same surface, and the buffer copied to
// the widget; the canvas is bound back and the buffer freed whatever fails. A parent's erase
// request carrying a surface (from a transparent child) is answered with border and content only.
#include <QString>

#include "controls/core/Bevel.h"
#include "controls/core/ControlTheme.h"
#include "controls/core/Performance.h"
#include "controls/core/TeScrollBar.h"
#include "controls/core/ThemeSelection.h"
#include "framework/ComponentRef.h"
#include "framework/CustomControl.h"
#include "framework/PropInfo.h"

class TteCustomThemeLink;
class TteTheme;

// Which own scroll bars a control has.
enum class TTeScrollBarMode : std::uint8_t { ksmNone, ksmHorizontal, ksmVertical, ksmBoth };

class TTeControl : public TCustomControl {
public:
    explicit TTeControl(TComponent* owner);
    ~TTeControl() override;

    TTePerformance Performance() const { return performance_; }
    void SetPerformance(TTePerformance performance) { performance_ = performance; }

    // Set while the mouse is over the control / while it has the focus.
    bool IsHot() const { return hot_; }
    bool IsFocused() const { return focused_; }

    TteCustomThemeLink* ThemeLink() const { return theme_.Link(); }
    void SetThemeLink(TteCustomThemeLink* link);
    const QString& ThemeObject() const { return theme_.Object(); }
    void SetThemeObject(const QString& name);
    // The theme this control draws with when its element is themed (ThemedElements.h decides
    // whether it is): the link's, else the application's; nullptr without any.
    TteTheme* Theme() const { return theme_.Theme(); }

    int BorderWidth() const { return border_.BorderWidth; }
    void SetBorderWidth(int width);
    TTeBevelCut BevelInner() const { return border_.BevelInner; }
    void SetBevelInner(TTeBevelCut cut);
    TTeBevelCut BevelOuter() const { return border_.BevelOuter; }
    void SetBevelOuter(TTeBevelCut cut);
    TTeBevelSides BevelSides() const { return border_.BevelSides; }
    void SetBevelSides(TTeBevelSides sides);
    TTeBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TTeBevelKind kind);
    int BevelWidth() const { return border_.BevelWidth; }
    void SetBevelWidth(int width);

    TTeScrollBarMode ScrollBarMode() const { return scrollBarMode_; }
    void SetScrollBarMode(TTeScrollBarMode mode);
    // The own bars are windowless children; their moves reach the control as WM_HSCROLL /
    // WM_VSCROLL (wParam the scroll code, lParam the proposed position), and the bar then takes
    // whatever position the control's handler left it at.
    TTeScrollBar* HorzScrollBar() const { return horzScrollBar_.Get(); }
    TTeScrollBar* VertScrollBar() const { return vertScrollBar_.Get(); }
    // Moves a bar without the move coming back to the control as a scroll message.
    void SetScrollBarPosition(TTeScrollBar* bar, int position);

    // The size the next paint uses: taken before the widget changes size.
    int PaintWidth() const { return paintWidth_; }
    int PaintHeight() const { return paintHeight_; }
    // Font as it was at the start of the current paint.
    const TFont& PaintFont() const { return paintFont_; }

    void SetBounds(int left, int top, int width, int height) override;
    // The client area without the own scroll bars.
    TRect ClientRect() const override;
    void Loaded() override;
    void Dispatch(TMessage& message) override;

    // Sets the hot flag and fires OnMouseEnter / clears it and fires OnMouseLeave; controls that
    // look different when hot add a repaint.
    void MouseEnter() override;
    void MouseLeave() override;
    // Sets / clears the focused flag and repaints.
    virtual void FocusEnter();
    virtual void FocusLeave();

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    // The area between the outer and the inner rectangle.
    virtual void PaintBorder();
    // Everything inside the inner rectangle; the base fills it with Color.
    virtual void PaintControl();
    // (0, 0, paint width, paint height) less the border width and the bevels on their sides.
    virtual TRect GetInnerRect() const;
    // A new bar owned by the control.
    virtual TTeScrollBar* CreateScrollBar();
    virtual int GetScrollBarSize() const;
    virtual void BorderChanged() {}
    // ThemeLink or ThemeObject changed: the base takes the bounds from the theme, or repaints.
    virtual void ThemeSelectionChanged();
    // Takes the bounds the theme prescribes; answers false (changing nothing) when it prescribes none.
    bool ApplyThemeBounds() { return theme_.ApplyBounds(); }

    bool PaintsWindowlessChildren() const override { return true; }
    void DoEnter() override;
    void DoExit() override;
    void VisibleChanged() override;
    bool WidgetEvent(QEvent* event) override;

private:
    void BorderPropertyChanged();
    void LayoutScrollBars();
    void ScrollBarMoved(TTeScrollBar* bar, std::uint8_t code, int& position);
    bool BothScrollBars() const { return horzScrollBar_ != nullptr && vertScrollBar_ != nullptr; }
    void PaintBorderAndContent(TDeviceContext& surface);

    TTePerformance performance_ = TTePerformance::kspNoBuffer;
    bool focused_ = false;
    bool hot_ = false;
    // Owned by the control; the references read nullptr once its teardown freed them.
    TComponentRef<TTeScrollBar> horzScrollBar_;
    TComponentRef<TTeScrollBar> vertScrollBar_;
    TTeScrollBarMode scrollBarMode_ = TTeScrollBarMode::ksmNone;
    bool scrollEchoLock_ = false;
    TFont paintFont_;
    TTeBorder border_;
    TTeBevelKind bevelKind_ = TTeBevelKind::kbkNone;
    int paintWidth_ = 0;
    int paintHeight_ = 0;
    TControlTheme theme_{*this};
};

// The stored border and bevel properties of a control that shows a border.
template <typename T>
TPropRegistrar<T>& AddBorderProperties(TPropRegistrar<T>& properties)
{
    return properties.Integer("BorderWidth", &T::BorderWidth, &T::SetBorderWidth, 0)
        .Enumeration("BevelInner", &T::BevelInner, &T::SetBevelInner, BevelCutNames(), TTeBevelCut::kbvLowered)
        .Enumeration("BevelOuter", &T::BevelOuter, &T::SetBevelOuter, BevelCutNames(), TTeBevelCut::kbvLowered)
        .SetOf("BevelSides", &T::BevelSides, &T::SetBevelSides, BevelEdgeNames(), kAllBevelSides)
        .Enumeration("BevelKind", &T::BevelKind, &T::SetBevelKind, BevelKindNames(), TTeBevelKind::kbkNone)
        .Integer("BevelWidth", &T::BevelWidth, &T::SetBevelWidth, 0);
}
