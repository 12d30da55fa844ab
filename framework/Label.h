#pragma once
// The framework's plain label: a caption drawn straight onto whatever lies beneath it, or on its own
// colour when not transparent; with AutoSize it takes the size of its text.
#include <QString>

#include "framework/GraphicControl.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // Breaks the caption into lines at the label's width (AutoSize then keeps the width).
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    void Loaded() override;

protected:
    void Paint() override;
    void FontChanged() override;

private:
    unsigned TextFormat() const;
    void AdjustSize();

    QString caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
};

void RegisterLabelComponent();
