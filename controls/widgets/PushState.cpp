#include "controls/widgets/PushState.h"

#include "framework/VirtualKeys.h"

void TPushState::SetPressed(bool pressed)
{
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    changed_();
}

void TPushState::MouseDown(TMouseButton button, bool enabled)
{
    if (button != TMouseButton::mbLeft || !enabled)
        return;
    tracking_ = true;
    SetPressed(true);
}

void TPushState::MouseMove(bool inside)
{
    if (tracking_)
        SetPressed(inside);
}

bool TPushState::MouseUp(TMouseButton button)
{
    if (button != TMouseButton::mbLeft || !tracking_)
        return false;
    tracking_ = false;
    SetPressed(false);
    return true;
}

void TPushState::KeyDown(std::uint16_t key, TShiftState shift)
{
    if (key == VK_SPACE && !shift.Contains(TShiftStateFlag::ssAlt))
        SetPressed(true);
}

bool TPushState::KeyUp(std::uint16_t key)
{
    if (key != VK_SPACE || !pressed_ || tracking_)
        return false;
    SetPressed(false);
    return true;
}

void TPushState::Reset()
{
    tracking_ = false;
    pressed_ = false;
}

void TPushState::FocusLost()
{
    if (!tracking_)
        pressed_ = false;
}
