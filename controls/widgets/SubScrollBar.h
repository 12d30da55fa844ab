#pragma once
// The themed scroll bars of a grid: two in-place windows on the grid's parent, each laid exactly
// over one of the grid's platform scroll bars and kept in step with it both ways. The platform bar
// leads: its place, visibility, range, page and position are copied whenever any of them changes;
// a move of a themed bar is handed to the platform bar as the scroll code it stands for.
#include <memory>

#include "controls/widgets/InplaceScrollBar.h"
#include "framework/Component.h"

class QScrollBar;
class TStringGrid;

class TTeSubScrollBar : public TComponent {
public:
    // Owned by grid, which must outlive it.
    explicit TTeSubScrollBar(TStringGrid* grid);
    ~TTeSubScrollBar() override;

    TTeInplaceScrollBar* Vertical() const { return vertical_; }
    TTeInplaceScrollBar* Horizontal() const { return horizontal_; }

    // The grid moved to another parent: the in-place windows follow it.
    void GridParentChanged();
    // Copies place and state of both platform bars.
    void Synchronise();

protected:
    void Destroying() override;

private:
    class TFollower;

    void Synchronise(TTeInplaceScrollBar* inplace, QScrollBar* platform);
    void Scrolled(QScrollBar* platform, TScrollCode code, int& position);
    void BringToFront();

    TStringGrid* grid_;
    TComponentRef<TTeInplaceScrollBar> vertical_;
    TComponentRef<TTeInplaceScrollBar> horizontal_;
    std::unique_ptr<TFollower> follower_;
    // While a themed bar's move is handed to the grid, positions are not taken back from it.
    bool sending_ = false;
};
