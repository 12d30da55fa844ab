#pragma once
// The windowless themed control: drawn on its parent's surface, with the same theme selection,
// notifications, buffering and hot state as TTeControl, but no border, focus or children.
#include <QString>

#include "controls/core/ControlTheme.h"
#include "controls/core/Performance.h"
#include "controls/core/ThemeSelection.h"
#include "framework/GraphicControl.h"
#include "framework/PropInfo.h"

class TteCustomThemeLink;
class TteTheme;

class TTeGraphicControl : public TGraphicControl {
public:
    explicit TTeGraphicControl(TComponent* owner);
    ~TTeGraphicControl() override;

    TTePerformance Performance() const { return performance_; }
    void SetPerformance(TTePerformance performance) { performance_ = performance; }
    bool IsHot() const { return hot_; }

    TteCustomThemeLink* ThemeLink() const { return theme_.Link(); }
    void SetThemeLink(TteCustomThemeLink* link);
    const QString& ThemeObject() const { return theme_.Object(); }
    void SetThemeObject(const QString& name);
    TteTheme* Theme() const { return theme_.Theme(); }

    const TFont& PaintFont() const { return paintFont_; }

    void Loaded() override;
    void Dispatch(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Chooses the surface (the shared buffer is not cleared first), calls PaintControl and copies
    // the result to the parent's surface at the control's place.
    void Paint() override;
    // The base fills the client rectangle with Color.
    virtual void PaintControl();
    virtual void ThemeSelectionChanged();
    bool ApplyThemeBounds() { return theme_.ApplyBounds(); }

private:
    bool hot_ = false;
    TFont paintFont_;
    TTePerformance performance_ = TTePerformance::kspNoBuffer;
    TControlTheme theme_{*this};
};
