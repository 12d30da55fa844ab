#pragma once
// A window laid over one of a grid's platform scroll bars, filled by a themed scroll bar. It sits
// beside the grid on the grid's parent and draws nothing of its own: what lies beneath it is the
// platform bar it hides, so its background painter paints nothing either.
#include "controls/core/TeScrollBar.h"
#include "framework/CustomControl.h"

class TTeInplaceScrollBar : public TCustomControl {
public:
    TTeInplaceScrollBar(TComponent* owner, TTeScrollOrientation orientation);

    TTeScrollBar* Bar() const { return bar_; }

    // The bar keeps filling the window.
    void SetBounds(int left, int top, int width, int height) override;

private:
    TComponentRef<TTeScrollBar> bar_;
};

// Registers the painter that draws nothing for the in-place windows (once).
void RegisterInplaceScrollBarPainter();
