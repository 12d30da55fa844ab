#pragma once
// The window frame skinner: a non-visual component dropped on a form that takes over the form's
// frame. It hooks the form's window, gives it frame margins, paints caption, borders and caption
// buttons, answers hit tests, moves and sizes the window (snapping to the work area), paints the
// client background and is the background painter of transparent controls on the form. This base
// draws the built-in look (the platform's classic metrics); TTeForm draws through a theme.
//
// On Qt the form's window is frameless: frame events are the window's own events outside its
// client widget, moving and sizing use the platform's system move and resize where it offers them,
// else the form moves and sizes itself, and the window's shape is its mask.
#include <QList>
#include <QRegion>
#include <QString>
#include <memory>
#include <optional>

#include "controls/core/TeHook.h"
#include "controls/frame/BackgroundCapture.h"
#include "controls/frame/FormOptions.h"
#include "controls/frame/FrameDrag.h"
#include "controls/frame/FrameGeometry.h"
#include "controls/frame/FrameMenuKeys.h"
#include "controls/frame/FramePaintCache.h"
#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/Form.h"
#include "framework/Method.h"
#include "framework/WindowHook.h"
#include "graphics/Bitmap.h"
#include "theme/ThemeRecords.h"

class QRubberBand;
class QTimer;
class QWidget;
class TForm;
class TFrameMenus;
class TTeWindowStates;

// Asked before a window action; setting callDefault to false cancels it.
using TTeFormActionEvent = TMethod<void(TObject* sender, bool& callDefault)>;
// Paints what lies beneath a transparent child: the surface and the child's rectangle.
using TPaintBackground = TMethod<void(TObject* sender, TCanvas& canvas, const TRect& rect)>;

class TTeDefaultForm : public TTeHook {
public:
    explicit TTeDefaultForm(TComponent* owner);
    ~TTeDefaultForm() override;

    // The form whose window is taken over (the owner, when it is a form).
    TForm* Form() const;

    TTeAnimation& Animation() { return options_.Animation(); }
    const TTeAnimation& Animation() const { return options_.Animation(); }
    TTeBlending& Blending() { return options_.Blending(); }
    const TTeBlending& Blending() const { return options_.Blending(); }
    TTeShadow& Shadow() { return options_.Shadow(); }
    const TTeShadow& Shadow() const { return options_.Shadow(); }
    TTeDragging& Dragging() { return dragging_; }
    const TTeDragging& Dragging() const { return dragging_; }
    TTeGravitation& Gravitation() { return gravitation_; }
    const TTeGravitation& Gravitation() const { return gravitation_; }
    TTeSizeConstraints& Constraints() { return constraints_; }
    const TTeSizeConstraints& Constraints() const { return constraints_; }
    TTePopupMenuOptions& SystemMenuOptions() { return systemMenuOptions_; }
    const TTePopupMenuOptions& SystemMenuOptions() const { return systemMenuOptions_; }
    TTePopupMenuOptions& TrayMenuOptions() { return trayMenuOptions_; }
    const TTePopupMenuOptions& TrayMenuOptions() const { return trayMenuOptions_; }

    TTeBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TTeBorderIcons icons);
    TTeBorderStyle BorderStyle() const { return borderStyle_; }
    // kbsDialog also makes the window not sizeable.
    void SetBorderStyle(TTeBorderStyle style);
    // The form's window text.
    QString Caption() const;
    void SetCaption(const QString& caption);
    TTeFormPerformance Performance() const { return performance_; }
    void SetPerformance(TTeFormPerformance performance);
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool value);
    bool StretchBackground() const { return stretchBackground_; }
    void SetStretchBackground(bool value) { stretchBackground_ = value; }
    bool MinimizeApplication() const { return minimizeApplication_; }
    void SetMinimizeApplication(bool value) { minimizeApplication_ = value; }
    bool SystemMenuLinkMerge() const { return systemMenuLinkMerge_; }
    void SetSystemMenuLinkMerge(bool value) { systemMenuLinkMerge_ = value; }
    bool SystemMenuLinkMergeAtFirst() const { return systemMenuLinkMergeAtFirst_; }
    void SetSystemMenuLinkMergeAtFirst(bool value) { systemMenuLinkMergeAtFirst_ = value; }
    bool DisabledNCArea() const { return disabledNCArea_; }
    void SetDisabledNCArea(bool value);
    TTeWindowState WindowState() const;
    void SetWindowState(TTeWindowState state);
    // Gets the window's shortcuts and the keyboard's way into the menu first.
    TComponent* MenuBar() const { return menuKeys_.MenuBar(); }
    void SetMenuBar(TComponent* value) { menuKeys_.SetMenuBar(value); }
    // The menu components the frame works with (MDI window list, system and tray menus); kept as
    // plain component references.
    TComponent* WindowMenu() const { return windowMenu_; }
    void SetWindowMenu(TComponent* value) { windowMenu_ = value; }
    TComponent* SystemMenuLink() const { return systemMenuLink_; }
    void SetSystemMenuLink(TComponent* value) { systemMenuLink_ = value; }
    TComponent* TrayMenuLink() const { return trayMenuLink_; }
    void SetTrayMenuLink(TComponent* value) { trayMenuLink_ = value; }

    // The window-state machine: previous state, normal bounds, pending state, tray icon, system menu.
    TTeWindowStates& States() { return *states_; }
    const TTeWindowStates& States() const { return *states_; }

    // Takes over the owner form's window (never at design time).
    void Loaded() override;
    // Whether the frame has taken over a window.
    bool Hooked() const;

    // The active look (from the window's activation).
    bool ActiveLook() const { return active_; }
    TteFormHit HotPart() const { return drag_.Hot(); }
    TteFormHit PressedPart() const { return drag_.Pressed(); }
    bool Moving() const { return drag_.Moving(); }
    // The outline shown during a border-mode drag (nullptr before the first one).
    QRubberBand* Outline() const { return drag_.OutlineBand(); }
    // The left button went down on the frame and is held.
    bool LeftDownOnFrame() const { return drag_.LeftDown(); }
    // (0, 0, width, height) of the window less the shadow band when there is one.
    TRect VisibleRect() const;
    // What the theme is handed about the window.
    TteWindowInfo WindowInfo() const;
    // The screen behind the window as last captured, for the shadow and blending (empty without).
    const TteBitmap& BackgroundPicture() const { return capture_.Picture(); }

    virtual void UpdateRegion();
    // The window's shape; nothing for a rectangular window.
    virtual std::optional<QRegion> CreateWindowRegion();
    // The rectangle of one caption button in window coordinates; empty when not shown.
    virtual TRect GetButtonRect(TTeBorderIcon icon);
    // The client area in window coordinates.
    virtual TRect GetFrameClientRect();
    TRect GetRollupRect();
    TRect GetMinimizedRect();
    virtual TRect GetMaximizedRect();
    TSize GetMaxTrackSize();
    TSize GetMinTrackSize();
    // The caption, borders and buttons onto canvas (window coordinates).
    virtual void PaintFrame(TCanvas& canvas);
    // The client background of rect (client coordinates) onto canvas.
    virtual void PaintClient(TCanvas& canvas, const TRect& rect);
    // The frame part under point (window coordinates).
    virtual TteFormHit HitTest(TPoint point);
    // The size grip in window coordinates (empty unless a layout shows one); the window is sized from
    // its bottom-right corner there.
    virtual TRect GetSizeGripRect();
    void SetSizeGripRect(const TRect& rect);
    // The size grip onto rect of canvas: the face colour, with the classic ridges while the window
    // is sizeable.
    virtual void PaintSizeGrip(TCanvas& canvas, const TRect& rect);

    // Makes the window take the frame's margins again, keeping the client size; then the size
    // limits and the region, and a repaint of the whole window.
    void UpdateFrame();
    // Raised and lowered to the track sizes, then applied.
    void SetFormBounds(const TRect& bounds);
    // Repaints the frame (not the client area).
    void InvalidateFrame();
    // The whole window as it looks (frame with the given look, client background, controls), into
    // image at (0, 0); sized to the window.
    void PaintWindowImage(QImage& image, bool active);
    // What lies beneath a transparent child at rect (client coordinates), onto canvas: the
    // background handler with DisabledNCArea, else the client background.
    void PaintChildBackground(TCanvas& canvas, const TRect& rect);

    // Frame mouse handling, in window coordinates and the matching screen point.
    void NCMouseDown(TMouseButton button, TShiftState shift, TPoint point, TPoint screenPoint);
    void NCMouseMove(TShiftState shift, TPoint point, TPoint screenPoint);
    void NCMouseUp(TMouseButton button, TShiftState shift, TPoint point, TPoint screenPoint);

    // Window actions, each asked of its event first (restore and help have none).
    void DoClose();
    void DoMaximize();
    void DoRestore();
    void DoMinimize();
    void DoRollup();
    void DoMinimizeToTray();
    void DoHelp();
    void ShowSystemMenu(TPoint screenPoint);

    // Asks event whether the window action may go on.
    bool Ask(const TTeFormActionEvent& event);
    // The frame part under the mouse, repainted when it changes.
    void SetHot(TteFormHit part);
    // The window's size limits from the constraints and the frame's margins.
    void ApplyTrackSizes();

    TNotifyEvent OnFormShown;
    TNotifyEvent OnCreate;
    TNotifyEvent OnPaint;
    TNotifyEvent OnResize;
    TTeFormActionEvent OnClose;
    TTeFormActionEvent OnMinimize;
    TTeFormActionEvent OnMaximize;
    TTeFormActionEvent OnRollup;
    TTeFormActionEvent OnMinToTray;
    TPaintBackground OnPaintBackground;

    void Dispatch(TMessage& message) override;

protected:
    void HookEvent(QEvent* event) override;
    void Unhooked() override;
    void Destroying() override;
    // A frame option changed (shadow, blending, sizeable): the frame is laid out again.
    void OptionChanged();
    // The icon of the system-menu button centred in rect: the window's, else the application's,
    // else the platform's stock one.
    void DrawSmallWindowIcon(TCanvas& canvas, const TRect& rect);
    // The frame as it would be painted now.
    TFrameKey FrameKey() const;
    // The theme, or the way it is found, changed: frames painted before are out of date.
    void FrameChanged() { paintCache_.FrameChanged(); }
    // The classic caption band with its text and buttons.
    void PaintBuiltInCaption(TCanvas& canvas);
    TFrameLook Look() const;
    // part, or the bottom-right corner where it is the client and the point lies on the size grip
    // of a window that can be sized now.
    TteFormHit WithSizeGrip(TteFormHit part, TPoint point);

private:
    class TClientHook;
    class TClientAreaMouse;

    void TakeOver();
    void PaintNonClient(QWidget& window, const QRegion& dirty);
    void PaintClientArea(TCanvas& canvas, const TRect& rect);
    // Everything the client widget shows beneath its controls, rect in client coordinates: the
    // background (with DisabledNCArea the frame too), the size grip, blended when blending is
    // composed off-screen.
    void PaintClientWidget(TCanvas& canvas, const TRect& rect);
    void PaintClientLayers(TCanvas& canvas, const TRect& rect);
    // The frame part a press at point acts on: with DisabledNCArea the client background moves the
    // window as the caption does.
    TteFormHit FramePartAt(TPoint point);
    // A mouse event of the frame at point (window coordinates).
    void FrameMouseEvent(QEvent* event, TPoint point);
    // With DisabledNCArea the frame's mouse input comes through the client area, the size grip's
    // always; the windowless host covering the client area is hooked for it.
    void HookClientArea();
    // A mouse event of widget (the client widget, or host covering it) that the frame takes: true
    // when it was the frame's.
    bool ClientMouse(QEvent* event, QWidget& widget, const TWinControl* host);
    // Blending through the window's opacity where the platform has it.
    void ApplyWindowOpacity();
    bool BlendsOffScreen() const;
    // Frames docked to ours (from) that follow it to to.
    void MoveDockedFrames(const TRect& from, const TRect& to);
    void PaintShadow(TteBitmap& buffer);
    void PaintOnBuffer(TteBitmap& buffer);
    // With a shadow or blending: the screen behind the window's rectangle now.
    void CaptureBackground();
    // With Animation enabled, the window comes in over the screen behind it through the effect.
    void AnimateShow();
    // The captured background beneath the not opaque pixels of rect (window coordinates).
    void PutBackgroundUnder(TteBitmap& buffer, const TRect& rect);
    void FrameMargins();
    void TrackHover();
    void MoveOrSize(TPoint screenPoint);
    TRect SnapArea() const;
    bool StartSystemDrag(TteFormHit part);
    // The bounds of the other shown forms with an active frame.
    QList<TRect> OtherFrames() const;

    // Made first and freed last: the keys and the states go through it.
    std::unique_ptr<TFrameMenus> menus_;
    TFrameMenuKeys menuKeys_;
    std::unique_ptr<TTeWindowStates> states_;
    TTeFormOptions options_;
    TTeDragging dragging_;
    TTeGravitation gravitation_;
    TTeSizeConstraints constraints_;
    TTePopupMenuOptions systemMenuOptions_;
    TTePopupMenuOptions trayMenuOptions_;
    TTeBorderIcons borderIcons_ = kDefaultBorderIcons;
    TTeBorderStyle borderStyle_ = TTeBorderStyle::kbsStandard;
    TTeFormPerformance performance_ = TTeFormPerformance::ksfpNoBuffer;
    bool stayOnTop_ = false;
    bool stretchBackground_ = false;
    bool minimizeApplication_ = true;
    bool systemMenuLinkMerge_ = false;
    bool systemMenuLinkMergeAtFirst_ = false;
    bool disabledNCArea_ = false;
    TComponentRef<TComponent> windowMenu_;
    TComponentRef<TComponent> systemMenuLink_;
    TComponentRef<TComponent> trayMenuLink_;

    bool takenOver_ = false;
    bool active_ = false;
    bool shown_ = false;
    TFrameDrag drag_;
    // The screen behind the window, for the shadow and blending.
    TBackgroundCapture capture_;
    TFramePaintCache paintCache_;
    std::unique_ptr<QTimer> hoverTimer_;
    std::unique_ptr<TClientHook> clientHook_;
    // Defined where it is used; known here as the hook it is.
    std::unique_ptr<TWindowHook> clientAreaMouse_;
    TRect sizeGripRect_;
    // Frame painting is held back while the region changes.
    int suspended_ = 0;
};

