#pragma once
// The framework's push button in the classic raised look: a click with the mouse, or Space or Enter
// while it has the focus, fires OnClick.
#include <QString>

#include "framework/CustomControl.h"

class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* owner);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

private:
    QString caption_;
};

void RegisterButtonComponent();
