#pragma once
// Transitions from an old picture to a new one on a canvas: up to 201 at once, each in a slot,
// all stepped by one shared 20 ms timer. A step composes the frame in a work picture of the
// slot's own and draws it onto the canvas; the clock advances by the nominal interval, so a slow
// machine shows every step rather than skipping to the end.
class TCanvas;
class TteAnimationRec;
class TteBitmap;

constexpr int kAnimationSlotCount = 201;
constexpr int kAnimationInterval = 20;

// Starts a transition in slot (−1: the first free one) and answers the slot, or −1 when none is
// free. The canvas and both pictures must outlive the transition; the new picture's alpha is
// rewritten by every step. A picture without pixels, or an effect that is not registered, starts
// nothing (IsAnimating stays false) but still answers the slot.
int StartAnimation(TCanvas& canvas, int x, int y, int slot, TteAnimationRec& rec, TteBitmap& newPicture,
                   TteBitmap& oldPicture);
bool IsAnimating(int slot);
// Runs a transition to its end while the application goes on handling its events; returns at
// once when it cannot start.
void AnimateAndWait(TCanvas& canvas, int x, int y, TteAnimationRec& rec, TteBitmap& newPicture, TteBitmap& oldPicture);
// Ends the slot's transition; with drawFinal the new picture (opaque but for its key pixels) is
// drawn over the work picture and that onto the canvas first. Freeing the last active slot
// stops the timer.
void FinishAnimation(int slot, bool drawFinal);

// The shared timer's tick: steps every active slot. Tests call it to step without waiting.
void AnimationTick();
// The timer runs exactly while some slot is active.
bool AnimationTimerEnabled();
