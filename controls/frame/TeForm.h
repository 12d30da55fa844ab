#pragma once
// The themed window frame: the frame skinner drawing through a theme. Whenever the theme of its
// link can draw a form of the window's kind under ThemeObject, geometry, hit testing, the region,
// the frame and the client background come from the theme; otherwise the built-in look is used.
// It follows the theme notifications: a new theme lays the frame out again around the same
// client size.
#include "controls/frame/TeDefaultForm.h"
#include "framework/ComponentRef.h"
#include "graphics/Bitmap.h"
#include "theme/CustomThemeLink.h"

class TteTheme;

class TTeForm : public TTeDefaultForm {
public:
    explicit TTeForm(TComponent* owner);
    ~TTeForm() override;

    TteCustomThemeLink* ThemeLink() const { return link_; }
    // At run time the frame is laid out again (while loading, only repainted).
    void SetThemeLink(TteCustomThemeLink* link);
    const QString& ThemeObject() const { return object_; }
    void SetThemeObject(const QString& name);
    // The link's theme, else the application's; nullptr without any.
    TteTheme* Theme() const;
    // Whether the theme draws this window's kind of frame.
    bool Themed() const;

    void Dispatch(TMessage& message) override;

    std::optional<QRegion> CreateWindowRegion() override;
    TRect GetButtonRect(TTeBorderIcon icon) override;
    TRect GetFrameClientRect() override;
    TRect GetMaximizedRect() override;
    void PaintFrame(TCanvas& canvas) override;
    void PaintClient(TCanvas& canvas, const TRect& rect) override;
    TteFormHit HitTest(TPoint point) override;
    void PaintSizeGrip(TCanvas& canvas, const TRect& rect) override;

private:
    void PaintThemedFrame(TteTheme& theme, TCanvas& canvas, const TteWindowInfo& info);

    TComponentRef<TteCustomThemeLink> link_{[this] { OptionChanged(); }};
    QString object_ = QStringLiteral("default");
    // The caption strip of unbuffered painting, kept between paints.
    TteBitmap captionStrip_;
    std::optional<TFrameKey> stripKey_;
};
