#pragma once
// The window-state actions of a themed frame's caption buttons that the frame does not carry out
// itself: minimizing, rolling up to the caption, hiding in the notification area, and the system
// menu. The frame calls them through this interface once its action event has allowed them.
#include "framework/Types.h"

class TTeDefaultForm;

class TTeWindowStates {
public:
    virtual ~TTeWindowStates() = default;
    virtual void Minimize(TTeDefaultForm& form) = 0;
    virtual void Rollup(TTeDefaultForm& form) = 0;
    virtual void MinimizeToTray(TTeDefaultForm& form) = 0;
    // screenPoint: where the menu's top-left corner goes.
    virtual void ShowSystemMenu(TTeDefaultForm& form, TPoint screenPoint) = 0;
};

// What a frame uses until it is given others: the platform minimizes the window; rolling up,
// the notification area and the system menu do nothing.
TTeWindowStates& PlainWindowStates();
