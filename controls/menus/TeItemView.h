#pragma once
// One shown level of a menu: the bar, or a popup window with the children of one item. A level
// that is entered runs its own modal loop (a nested QEventLoop, so the rest of the program keeps
// running) and, while it is the innermost one, takes every mouse and key event of the program:
// the mouse moves the highlight and presses items, across all open levels; keys move, open,
// close and press. Opening a submenu runs the child level's loop inside this one. Clicks are
// posted and run after the last loop has ended.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "controls/menus/MenuDrawer.h"
#include "framework/ComponentRef.h"
#include "framework/Types.h"

class QEventLoop;
class TCanvas;
class TTeItem;
class TTePopupWindow;

class TTeItemView : public QObject {
public:
    TTeItemView(TTeItem& parentItem, TteMenuKind kind, TTeItemView* parentView);
    ~TTeItemView() override;

    TTeItem* ParentItem() const { return parentItem_.Get(); }
    TteMenuKind Kind() const { return kind_; }
    bool Horizontal() const { return kind_ == TteMenuKind::kmkBar; }
    TTeItem* Highlighted() const { return highlighted_.Get(); }
    bool InLoop() const { return inLoop_; }
    bool SubmenuOpen() const { return childView_ != nullptr; }
    TTeItemView* ParentView() const { return parentView_; }
    TTeItemView* ChildView() const { return childView_; }
    // The window the level draws in; item rectangles are in its coordinates.
    virtual QWidget* Window() const = 0;

    // How the item is drawn now: disabled, selected (highlighted in a running loop), hot, normal.
    TteMenuItemState ItemState(const TTeItem& item) const;
    TTeItem* ItemAt(QPoint windowPoint) const;
    // Highlights item (nullptr: none) and repaints what changed.
    void Highlight(TTeItem* item);
    // Runs the level's loop until the level is closed.
    void RunLoop();
    // Closes this level and every level above it (towards the bar).
    void CloseAll();
    // Closes this level only: its parent stays open with its item highlighted.
    void CloseLevel();
    // Opens the highlighted item's children once control is back in this level's loop.
    void RequestOpen();

    // The innermost level whose loop runs, or nullptr.
    static TTeItemView* Innermost();
    // How many children a scrolling level shows at a time; 0 when it does not scroll.
    int ScrollCount() const { return scrollCount_; }

protected:
    virtual void Invalidate() = 0;
    // Only the item's rectangle is drawn again (nullptr: nothing).
    virtual void InvalidateItem(const TTeItem* item) = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;
    TMenuDrawer Drawer() const;

    TComponentRef<TTeItem> parentItem_;
    TteMenuKind kind_;
    TTeItemView* parentView_;
    TTeItemView* childView_ = nullptr;
    int scrollCount_ = 0;

private:
    bool MouseEvent(QEvent* event);
    bool KeyEvent(QEvent* event);
    void MouseMoved(QPoint global);
    void MousePressed(QPoint global);
    void Press(TTeItem* item);
    void MoveHighlight(int step);
    void SelectAccelerator(QChar character);
    void OpenChild(TTeItem* item);
    void EndLoop();
    void RestTick();
    TTeItemView* LevelAt(QPoint global);
    TTeItemView* Root();
    bool Selectable(const TTeItem* item) const;

    TComponentRef<TTeItem> highlighted_;
    bool inLoop_ = false;
    bool pendingOpen_ = false;
    QEventLoop* loop_ = nullptr;
    QTimer restTimer_;
    int rest_ = 0;
    bool hoverArmed_ = false;
    QPoint lastMouse_{-1000000, -1000000};
};

// A popup level: the window, its frame and its items, placed on the screen that holds its point.
class TTePopupView : public TTeItemView {
public:
    TTePopupView(TTeItem& parentItem, TTeItemView* parentView);
    ~TTePopupView() override;

    QWidget* Window() const override;
    // Lays out the items and sizes the window: content plus frame. The item's Scrolled and
    // ScrollCount choose how many are shown, unless placing found the level taller than the screen.
    void Layout();
    // Places the window within the work area of the monitor holding point: with an empty avoid
    // rectangle at the point (up and left when it would leave the work area), else below the bar
    // item (below) or beside the popup item that avoid is (screen coordinates). A level taller
    // than the work area scrolls, showing as many items as fit.
    void Place(QPoint point, const TRect& avoid, bool below);
    void Paint(TCanvas& canvas);
    // Hovered scroll button: 0 none, 1 up, 2 down.
    int HoveredScrollButton() const { return hoveredScroll_; }
    bool ScrollAt(QPoint windowPoint, int& button) const;
    void HoverScroll(int button);

protected:
    void Invalidate() override;
    void InvalidateItem(const TTeItem* item) override;

private:
    void ScrollTick();
    int ShadowSize() const;
    int WindowWidth() const { return width_ + ShadowSize(); }
    int WindowHeight() const { return height_ + ShadowSize(); }

    TTePopupWindow* window_;
    // The level's size: the window less the frame's shadow.
    int width_ = 0;
    int height_ = 0;
    TRect client_;
    bool fitted_ = false;
    int hoveredScroll_ = 0;
    QTimer scrollTimer_;
};

// Opens root's children as a context menu at the screen point and runs its loop.
void RunContextMenu(TTeItem& root, QPoint point);
