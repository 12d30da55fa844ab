#pragma once
// The show animation of a framed window: the window's first picture comes in over what lay behind
// it through one of the transition effects, drawn on an overlay above the window's own widgets
// until the transition ends.
#include <QImage>

class QWidget;
class TTeAnimation;

// Starts the transition on window from behind (the screen under the window) to picture (the
// window as it will look), both the window's size; answers false, showing nothing, when the
// pictures do not fit the window or the effect cannot start.
bool StartShowAnimation(QWidget& window, const TTeAnimation& settings, const QImage& picture, const QImage& behind);
