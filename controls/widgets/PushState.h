#pragma once
// The push of a button-like control (a push button, a check box): the left mouse button or the
// space bar held on it. The control hands its input over and acts when a push completes (a click,
// a toggle); the push state only says when the pressed look changes.
#include <cstdint>
#include <functional>

#include "framework/Control.h"

class TPushState {
public:
    // changed: the pressed look changed (the control repaints).
    explicit TPushState(std::function<void()> changed) : changed_(std::move(changed)) {}

    bool Pressed() const { return pressed_; }
    // The left button went down on the control and is still down.
    bool Tracking() const { return tracking_; }

    // A left press on an enabled control starts a push that the mouse tracks.
    void MouseDown(TMouseButton button, bool enabled);
    // While the mouse tracks, the control looks pressed only with the pointer inside.
    void MouseMove(bool inside);
    // Ends a push the mouse tracked; answers whether the left button ended one (the control then
    // completes it when the release point counts as inside).
    bool MouseUp(TMouseButton button);
    // Space without Alt pushes.
    void KeyDown(std::uint16_t key, TShiftState shift);
    // Answers whether releasing key completed a push of the space bar (not one the mouse holds).
    bool KeyUp(std::uint16_t key);
    // A disabled control holds no push; the caller repaints anyway.
    void Reset();
    // The focus went: a push of the space bar ends without completing, one of the mouse goes on.
    void FocusLost();

private:
    void SetPressed(bool pressed);

    std::function<void()> changed_;
    bool pressed_ = false;
    bool tracking_ = false;
};
