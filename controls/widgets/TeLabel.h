#pragma once
// The themed label: windowless text, optionally with a small picture the theme draws for another
// object, hot tracking, a size that follows its text, and an accelerator that focuses FocusControl.
// Underlined through FontOptions and with the hand cursor it is the look of a web link.
#include <QString>

#include "controls/core/TeGraphicControl.h"
#include "controls/widgets/FontOptions.h"
#include "framework/Alignment.h"
#include "framework/ComponentRef.h"
#include "framework/WinControl.h"

class TTeLabel : public TTeGraphicControl {
public:
    explicit TTeLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // Only the picture reacts to the mouse (instead of the whole label with HotTrack).
    bool ActiveGlyph() const { return activeGlyph_; }
    void SetActiveGlyph(bool value) { activeGlyph_ = value; }
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool value);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control) { focusControl_ = control; }
    TTeFontOptions* FontOptions() { return &fontOptions_; }
    const TTeFontOptions* FontOptions() const { return &fontOptions_; }
    void SetFontOptions(const TTeFontOptions* options) { fontOptions_.Assign(options); }
    bool ShowGlyph() const { return showGlyph_; }
    void SetShowGlyph(bool value);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool value);
    // The theme object whose button look the picture has; no picture while empty.
    const QString& GlyphThemeObject() const { return glyphThemeObject_; }
    void SetGlyphThemeObject(const QString& name);
    int GlyphSpace() const { return glyphSpace_; }
    void SetGlyphSpace(int space);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    // False: the label fills itself with Color. Only without a theme.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    void Dispatch(TMessage& message) override;
    void Loaded() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    // The text shown: the caption.
    virtual QString GetLabelText() const { return caption_; }

    void PaintControl() override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    bool Themed() const;
    bool GlyphShown() const;
    TRect GlyphRect() const;
    unsigned TextFormat() const;
    // The font the text is drawn in (the theme's when it draws labels), FontOptions applied.
    void PrepareFont(TFont& font, bool themed, bool hot) const;
    void AdjustSize();
    void SetGlyphHot(bool hot);

    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool activeGlyph_ = false;
    bool autoSize_ = true;
    QString caption_;
    TComponentRef<TWinControl> focusControl_;
    TTeFontOptions fontOptions_;
    bool showGlyph_ = false;
    bool hotTrack_ = false;
    QString glyphThemeObject_;
    int glyphSpace_ = 5;
    bool showAccelChar_ = true;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool transparent_ = true;
    bool wordWrap_ = false;
    bool pressed_ = false;
    bool glyphPressed_ = false;
    bool glyphHot_ = false;
    TFont textFont_;
};

void RegisterLabelProperties();
