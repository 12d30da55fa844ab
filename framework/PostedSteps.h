#pragma once
// Long work on the GUI thread as a chain of steps posted to whatever event loop runs, so that a menu's or a
// modal window's loop opened meanwhile keeps it going.
#include <functional>

// Runs step at once, then posts it again after each call that answers true, handling events meanwhile; returns
// once a call answers false or throws, and rethrows that error. Each step is posted only when the one before
// has returned, so a step never runs inside another, nor inside a handler that a step called.
void RunPostedSteps(const std::function<bool()>& step);
