#include "controls/menus/TeItemView.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include "controls/menus/MenuClicks.h"
#include "controls/menus/MenuGrab.h"
#include "controls/menus/TeItem.h"
#include "controls/menus/TePopupForm.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/CanvasBinding.h"
#include "framework/DeviceContext.h"
#include "framework/Form.h"
#include "framework/SystemMetrics.h"
#include "graphics/Platform.h"

namespace {

constexpr int kRestTick = 50;
constexpr int kRestToOpen = 500;
constexpr int kScrollTick = 100;

TTeItemView* innermost = nullptr;

}  // namespace

// The top-most frameless window of a popup level, a form skinned by a popup frame. It is shown
// without taking the focus, since the level's loop takes the keys. Windows are kept for the next
// level that opens at the same depth: making a top-level window costs more than drawing a menu.
class TTePopupWindow : public TForm {
public:
    TTePopupWindow() : TForm(nullptr), frame_(new TTePopupForm(this)), surface_(new TSurface(*this))
    {
        QWidget* window = Handle();
        window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus);
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        frame_->Loaded();
    }

    // Where the level is painted: the whole client area.
    QWidget* Surface() const { return surface_; }
    void SetLevelSize(int width, int height) { surface_->setGeometry(0, 0, width, height); }
    TTePopupForm& Frame() { return *frame_; }
    // The level the window shows now, or nullptr while it waits in the pool.
    TTePopupView* View = nullptr;

    static TTePopupWindow* Take(TTePopupView& view)
    {
        TTePopupWindow* window = nullptr;
        while (window == nullptr && !Pool().isEmpty()) {
            const TPooled pooled = Pool().takeLast();
            if (!pooled.widget.isNull())
                window = pooled.window;
        }
        if (window == nullptr)
            window = new TTePopupWindow();
        window->View = &view;
        return window;
    }
    static void Give(TTePopupWindow* window)
    {
        window->Handle()->hide();
        window->View = nullptr;
        Pool().append({window->Handle(), window});
    }

private:
    // Paints the level; the frame paints only what lies around it (its shadow).
    class TSurface : public QWidget {
    public:
        explicit TSurface(TTePopupWindow& window) : QWidget(window.ClientWidget()), window_(window)
        {
            setAttribute(Qt::WA_OpaquePaintEvent);
            setObjectName(QStringLiteral("TTePopupWindow"));
        }

    protected:
        void paintEvent(QPaintEvent*) override
        {
            if (window_.View == nullptr)
                return;
            TDeviceContext surface(this);
            const TCanvasBinding binding(canvas_, surface);
            window_.View->Paint(canvas_);
        }

    private:
        TTePopupWindow& window_;
        // Kept with the window: a canvas is not free to make.
        TCanvas canvas_;
    };

    TTePopupForm* frame_;
    TSurface* surface_;
    // Weak: the application deletes the windows that are left when it ends.
    struct TPooled {
        QPointer<QWidget> widget;
        TTePopupWindow* window;
    };
    static QList<TPooled>& Pool()
    {
        static QList<TPooled> pool;
        return pool;
    }
};

TTeItemView::TTeItemView(TTeItem& parentItem, TteMenuKind kind, TTeItemView* parentView)
    : parentItem_(&parentItem), kind_(kind), parentView_(parentView)
{
    restTimer_.setInterval(kRestTick);
    connect(&restTimer_, &QTimer::timeout, this, [this] { RestTick(); });
}

TTeItemView::~TTeItemView()
{
    if (inLoop_)
        EndLoop();
}

TMenuDrawer TTeItemView::Drawer() const
{
    TTeItem* root = parentItem_ != nullptr ? parentItem_->Root() : nullptr;
    if (root == nullptr)
        return TMenuDrawer(nullptr, QStringLiteral("default"), kind_);
    return TMenuDrawer(root->ThemeLink.Get(), root->PopupThemeObject, kind_);
}

TTeItemView* TTeItemView::Innermost()
{
    return innermost;
}

TteMenuItemState TTeItemView::ItemState(const TTeItem& item) const
{
    if (!item.Enabled())
        return TteMenuItemState::kmisDisabled;
    if (&item == highlighted_.Get())
        return inLoop_ ? TteMenuItemState::kmisSelected : TteMenuItemState::kmisHot;
    return TteMenuItemState::kmisNormal;
}

TTeItem* TTeItemView::ItemAt(QPoint windowPoint) const
{
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr)
        return nullptr;
    for (int i = 0; i < parent->Count(); ++i) {
        TTeItem* item = parent->Items(i);
        if (item->Visible() && item->ItemRect.Contains(Point(windowPoint.x(), windowPoint.y())))
            return item;
    }
    return nullptr;
}

bool TTeItemView::Selectable(const TTeItem* item) const
{
    return item != nullptr && item->Visible() && !item->IsLine();
}

void TTeItemView::Highlight(TTeItem* item)
{
    if (item == highlighted_.Get())
        return;
    InvalidateItem(highlighted_.Get());
    highlighted_ = item;
    InvalidateItem(item);
}

TTeItemView* TTeItemView::Root()
{
    TTeItemView* view = this;
    while (view->parentView_ != nullptr)
        view = view->parentView_;
    return view;
}

void TTeItemView::RunLoop()
{
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr)
        return;
    inLoop_ = true;
    EnterMenuLoop();
    TTeItemView* outer = innermost;
    innermost = this;
    if (highlighted_ == nullptr) {
        for (int i = parent->FirstVisible; i < parent->Count(); ++i) {
            if (Selectable(parent->Items(i))) {
                highlighted_ = parent->Items(i);
                break;
            }
        }
    }
    InvalidateItem(highlighted_.Get());
    restTimer_.start();
    qApp->installEventFilter(this);
    const bool takesKeys = parent->Root()->TrayMenu;
    GrabMenuInput(Window(), takesKeys);
    QEventLoop loop;
    loop_ = &loop;
    while (inLoop_)
        loop.exec();
    loop_ = nullptr;
    ReleaseMenuInput(Window(), takesKeys);
    if (parentView_ != nullptr && parentView_->inLoop_)
        GrabMenuInput(parentView_->Window(), false);
    qApp->removeEventFilter(this);
    restTimer_.stop();
    innermost = outer;
    LeaveMenuLoop();
    InvalidateItem(highlighted_.Get());
}

void TTeItemView::EndLoop()
{
    inLoop_ = false;
    pendingOpen_ = false;
    if (loop_ != nullptr)
        loop_->exit();
}

void TTeItemView::CloseAll()
{
    for (TTeItemView* view = this; view != nullptr; view = view->parentView_) {
        view->EndLoop();
        view->Highlight(nullptr);
    }
}

void TTeItemView::CloseLevel()
{
    EndLoop();
}

void TTeItemView::RequestOpen()
{
    pendingOpen_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!pendingOpen_ || !inLoop_ || childView_ != nullptr)
            return;
        pendingOpen_ = false;
        OpenChild(highlighted_.Get());
    });
}

void TTeItemView::OpenChild(TTeItem* item)
{
    if (item == nullptr || !item->Visible() || !item->Enabled() || item->Count() == 0)
        return;
    if (item->Root()->AutoLineReduction)
        item->ReduceSeparators();
    if (!item->HasVisibleChildren())
        return;
    item->UpdateActions();
    if (item->OnBeforeDropDown)
        Application->Guard(item, [item] { item->OnBeforeDropDown(item); });
    if (!item->HasVisibleChildren() || !inLoop_)
        return;
    TTePopupView popup(*item, this);
    popup.Layout();
    const TRect local = item->ItemRect;
    const QPoint topLeft = Window()->mapToGlobal(QPoint(local.Left, local.Top));
    const TRect screen = Rect(topLeft.x(), topLeft.y(), topLeft.x() + local.Width(), topLeft.y() + local.Height());
    popup.Place(QPoint(screen.Left, screen.Bottom), screen, Horizontal());
    childView_ = &popup;
    popup.Window()->show();
    popup.RunLoop();
    popup.Window()->hide();
    childView_ = nullptr;
    if (pendingOpen_ && inLoop_)
        RequestOpen();
}

void TTeItemView::Press(TTeItem* item)
{
    if (item == nullptr)
        return;
    if (item->Count() > 0) {
        Highlight(item);
        RequestOpen();
        return;
    }
    if (item->Enabled() && !item->IsLine()) {
        item->Click();
        CloseAll();
    }
}

void TTeItemView::MoveHighlight(int step)
{
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr || parent->Count() == 0)
        return;
    const int count = parent->Count();
    const int start = highlighted_ != nullptr ? highlighted_->MenuIndex() : (step > 0 ? count - 1 : 0);
    int index = start;
    do {
        index = (index + step + count) % count;
        if (Selectable(parent->Items(index)))
            break;
    } while (index != start);
    TTeItem* item = parent->Items(index);
    if (!Selectable(item))
        return;
    if (scrollCount_ > 0) {
        if (index < parent->FirstVisible)
            parent->FirstVisible = index;
        else if (index >= parent->FirstVisible + scrollCount_)
            parent->FirstVisible = index - scrollCount_ + 1;
        if (auto* popup = dynamic_cast<TTePopupView*>(this))
            popup->Layout();
    }
    const bool reopen = childView_ != nullptr;
    Highlight(item);
    if (reopen) {
        childView_->CloseLevel();
        RequestOpen();
    }
}

void TTeItemView::SelectAccelerator(QChar character)
{
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr)
        return;
    const QString mark = QStringLiteral("&") + character.toUpper();
    for (int i = 0; i < parent->Count(); ++i) {
        TTeItem* item = parent->Items(i);
        if (item->Visible() && item->Caption().toUpper().contains(mark)) {
            Highlight(item);
            Press(item);
            return;
        }
    }
}

TTeItemView* TTeItemView::LevelAt(QPoint global)
{
    for (TTeItemView* view = this; view != nullptr; view = view->parentView_) {
        QWidget* window = view->Window();
        if (window != nullptr && window->isVisible() && window->rect().contains(window->mapFromGlobal(global)))
            return view;
    }
    return nullptr;
}

void TTeItemView::RestTick()
{
    if (innermost != this)
        return;
    rest_ += kRestTick;
    if (rest_ < kRestToOpen)
        return;
    rest_ = 0;
    if (!hoverArmed_ || childView_ != nullptr)
        return;
    hoverArmed_ = false;
    TTeItem* item = highlighted_.Get();
    if (item != nullptr && item->Count() > 0)
        RequestOpen();
}

bool TTeItemView::eventFilter(QObject* watched, QEvent* event)
{
    if (innermost != this || !inLoop_)
        return false;
    switch (event->type()) {
    case QEvent::Close: {
        // The window holding the menu closes: the menu goes first.
        QWidget* owner = Root()->Window();
        if (watched->isWidgetType() && owner != nullptr && static_cast<QWidget*>(watched) == owner->window())
            CloseAll();
        return false;
    }
    case QEvent::ApplicationDeactivate:
        CloseAll();
        return false;
    case QEvent::Move: {
        QWidget* owner = Root()->Window();
        if (watched->isWidgetType() && owner != nullptr && Root()->Horizontal() &&
            static_cast<QWidget*>(watched) == owner->window())
            CloseAll();
        return false;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return watched->isWidgetType() ? MouseEvent(event) : false;
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return KeyEvent(event);
    default:
        return false;
    }
}

bool TTeItemView::MouseEvent(QEvent* event)
{
    if (event->type() == QEvent::Wheel || event->type() == QEvent::ContextMenu)
        return true;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove:
        MouseMoved(global);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
            MousePressed(global);
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton && LevelAt(global) == this) {
            TTeItem* item = ItemAt(Window()->mapFromGlobal(global));
            // The release that follows the press opening this level is not a choice.
            if (item != nullptr && item == highlighted_.Get() && item->Count() == 0)
                Press(item);
        }
        break;
    default:
        break;
    }
    return true;
}

void TTeItemView::MouseMoved(QPoint global)
{
    if (global == lastMouse_)
        return;
    lastMouse_ = global;
    TTeItemView* level = LevelAt(global);
    if (level == this) {
        rest_ = 0;
        hoverArmed_ = true;
        const QPoint local = Window()->mapFromGlobal(global);
        if (auto* popup = dynamic_cast<TTePopupView*>(this)) {
            int button = 0;
            popup->HoverScroll(popup->ScrollAt(local, button) ? button : 0);
        }
        TTeItem* item = ItemAt(local);
        if (Selectable(item))
            Highlight(item);
        return;
    }
    hoverArmed_ = false;
    if (level == nullptr)
        return;
    TTeItem* item = level->ItemAt(level->Window()->mapFromGlobal(global));
    if (!Selectable(item) || item == level->highlighted_.Get())
        return;
    // Another open level's item comes under the mouse: the levels between close, and it opens.
    level->Highlight(item);
    for (TTeItemView* view = this; view != level; view = view->parentView_)
        view->EndLoop();
    level->pendingOpen_ = true;
}

void TTeItemView::MousePressed(QPoint global)
{
    TTeItemView* level = LevelAt(global);
    if (level == nullptr) {
        CloseAll();
        return;
    }
    TTeItem* item = level->ItemAt(level->Window()->mapFromGlobal(global));
    if (level == this) {
        if (item != nullptr) {
            if (Selectable(item))
                Highlight(item);
            Press(item);
        }
        return;
    }
    // A press on a bar item that is open closes the menu, as on the platform.
    if (level->Horizontal() && item != nullptr && item == level->highlighted_.Get()) {
        CloseAll();
        return;
    }
    if (item == nullptr)
        return;
    for (TTeItemView* view = this; view != level; view = view->parentView_)
        view->EndLoop();
    if (Selectable(item))
        level->Highlight(item);
    if (item->Count() > 0)
        level->pendingOpen_ = true;
    else if (item->Enabled() && !item->IsLine()) {
        item->Click();
        level->CloseAll();
    }
}

bool TTeItemView::KeyEvent(QEvent* event)
{
    if (event->type() == QEvent::KeyRelease || QGuiApplication::mouseButtons().testFlag(Qt::LeftButton))
        return true;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool horizontal = Horizontal();
    TTeItem* item = highlighted_.Get();
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Space:
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Press(item);
        break;
    case Qt::Key_Alt:
    case Qt::Key_F10:
        CloseAll();
        break;
    case Qt::Key_Escape:
        if (horizontal)
            CloseAll();
        else
            CloseLevel();
        break;
    case Qt::Key_Left:
        if (horizontal)
            MoveHighlight(-1);
        else if (parentView_ != nullptr && parentView_->Horizontal()) {
            parentView_->MoveHighlight(-1);
            parentView_->pendingOpen_ = true;
            CloseLevel();
        } else if (parentView_ != nullptr)
            CloseLevel();
        break;
    case Qt::Key_Right:
        if (horizontal)
            MoveHighlight(1);
        else if (item != nullptr && item->Count() > 0)
            RequestOpen();
        else if (parentView_ != nullptr && parentView_->Horizontal()) {
            parentView_->MoveHighlight(1);
            parentView_->pendingOpen_ = true;
            CloseLevel();
        } else if (parentView_ != nullptr)
            CloseLevel();
        break;
    case Qt::Key_Up:
        if (!horizontal)
            MoveHighlight(-1);
        break;
    case Qt::Key_Down:
        if (horizontal)
            RequestOpen();
        else
            MoveHighlight(1);
        break;
    default:
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            SelectAccelerator(key->text().at(0));
        break;
    }
    return true;
}

TTePopupView::TTePopupView(TTeItem& parentItem, TTeItemView* parentView)
    : TTeItemView(parentItem, TteMenuKind::kmkPopup, parentView), window_(TTePopupWindow::Take(*this))
{
    TTeItem* root = parentItem.Root();
    TTePopupForm& frame = window_->Frame();
    if (frame.ThemeLink() != root->ThemeLink.Get())
        frame.SetThemeLink(root->ThemeLink.Get());
    frame.ApplyOptions(root->PopupOptions, root->AnimateNext);
    root->AnimateNext = false;
    scrollTimer_.setInterval(kScrollTick);
    connect(&scrollTimer_, &QTimer::timeout, this, [this] { ScrollTick(); });
}

TTePopupView::~TTePopupView()
{
    TTePopupWindow::Give(window_);
}

QWidget* TTePopupView::Window() const
{
    return window_->Handle();
}

void TTePopupView::Invalidate()
{
    window_->Surface()->update();
}

void TTePopupView::InvalidateItem(const TTeItem* item)
{
    if (item != nullptr)
        window_->Surface()->update(item->ItemRect.ToQRect());
}

void TTePopupView::Layout()
{
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr)
        return;
    const TMenuDrawer drawer = Drawer();
    // The frame's size: what the client area leaves of a window.
    const TRect probe = Rect(0, 0, 200, 200);
    const TRect inner = drawer.PopupClientRect(probe);
    if (!fitted_)
        scrollCount_ = parent->Scrolled() ? std::max(0, parent->ScrollCount()) : 0;
    const TSize content =
        drawer.LayoutLevel(MenuMeasuringCanvas(), *parent, Point(inner.Left, inner.Top), scrollCount_);
    const int width = content.cx + inner.Left + (probe.Right - inner.Right);
    const int height = content.cy + inner.Top + (probe.Bottom - inner.Bottom);
    client_ = Rect(inner.Left, inner.Top, inner.Left + content.cx, inner.Top + content.cy);
    width_ = width;
    height_ = height;
    window_->SetLevelSize(width, height);
    // A shown level that scrolls keeps its place; a new one is sized where it is placed.
    if (window_->Visible())
        window_->SetBounds(window_->Left(), window_->Top(), WindowWidth(), WindowHeight());
    Invalidate();
}

void TTePopupView::Place(QPoint point, const TRect& avoid, bool below)
{
    const TRect work = GetMonitorRectFromPoint(Point(point.x(), point.y()), true);
    TTeItem* parent = parentItem_.Get();
    if (WindowHeight() > work.Height() && parent != nullptr && !fitted_) {
        // Items are at most a menu line high, except separators, which are shorter.
        const int frame = WindowHeight() - client_.Height();
        const int line = SystemMetrics().NonClientMetrics().MenuHeight;
        fitted_ = true;
        scrollCount_ = std::max(1, (work.Height() - frame - 2 * kMenuScrollButtonHeight) / std::max(1, line));
        parent->FirstVisible = 0;
        Layout();
    }
    const int width = WindowWidth();
    const int height = WindowHeight();
    int x = point.x();
    int y = point.y();
    if (avoid.IsEmpty()) {
        if (x + width > work.Right)
            x = point.x() - width;
        if (y + height > work.Bottom)
            y = point.y() - height;
    } else if (below) {
        x = avoid.Left;
        y = avoid.Bottom;
        if (x + width > work.Right)
            x = avoid.Right - width;
        if (y + height > work.Bottom)
            y = std::max(work.Top, avoid.Top - height);
    } else {
        x = avoid.Right;
        y = avoid.Top;
        if (x + width > work.Right)
            x = avoid.Left - width;
        if (y + height > work.Bottom)
            y = avoid.Bottom - height;
    }
    x = std::max(work.Left, std::min(x, work.Right - width));
    y = std::max(work.Top, std::min(y, work.Bottom - height));
    window_->SetBounds(x, y, width, height);
}

int TTePopupView::ShadowSize() const
{
    // The frame's shadow lies beyond the level, inside the window.
    const TTeShadow& shadow = window_->Frame().Shadow();
    return shadow.Shows() ? shadow.Size() : 0;
}

bool TTePopupView::ScrollAt(QPoint windowPoint, int& button) const
{
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr || scrollCount_ <= 0)
        return false;
    if (windowPoint.x() < client_.Left || windowPoint.x() >= client_.Right)
        return false;
    if (windowPoint.y() >= client_.Top && windowPoint.y() < client_.Top + kMenuScrollButtonHeight)
        button = 1;
    else if (windowPoint.y() >= client_.Bottom - kMenuScrollButtonHeight && windowPoint.y() < client_.Bottom)
        button = 2;
    else
        return false;
    return true;
}

void TTePopupView::HoverScroll(int button)
{
    if (button == hoveredScroll_)
        return;
    hoveredScroll_ = button;
    if (button != 0)
        scrollTimer_.start();
    else
        scrollTimer_.stop();
    Invalidate();
}

void TTePopupView::ScrollTick()
{
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr)
        return;
    const int before = parent->FirstVisible;
    if (hoveredScroll_ == 1 && parent->FirstVisible > 0)
        --parent->FirstVisible;
    else if (hoveredScroll_ == 2 && parent->FirstVisible + scrollCount_ < parent->Count())
        ++parent->FirstVisible;
    if (parent->FirstVisible != before)
        Layout();
}

void TTePopupView::Paint(TCanvas& canvas)
{
    const TMenuDrawer drawer = Drawer();
    drawer.DrawPopupFrame(canvas, Rect(0, 0, width_, height_));
    TTeItem* parent = parentItem_.Get();
    if (parent == nullptr)
        return;
    if (scrollCount_ > 0) {
        const auto state = [this](int button) {
            return hoveredScroll_ == button ? TteMenuItemState::kmisSelected : TteMenuItemState::kmisNormal;
        };
        drawer.DrawScrollButton(canvas, Rect(client_.Left, client_.Top, client_.Right, client_.Top + kMenuScrollButtonHeight),
                                true, state(1));
        drawer.DrawScrollButton(
            canvas, Rect(client_.Left, client_.Bottom - kMenuScrollButtonHeight, client_.Right, client_.Bottom), false,
            state(2));
    }
    for (int i = 0; i < parent->Count(); ++i) {
        const TTeItem& item = *parent->Items(i);
        if (item.Visible() && !item.ItemRect.IsEmpty())
            drawer.DrawItem(canvas, item, ItemState(item));
    }
}

void RunContextMenu(TTeItem& root, QPoint point)
{
    if (root.Root()->AutoLineReduction)
        root.ReduceSeparators();
    if (!root.HasVisibleChildren())
        return;
    root.UpdateActions();
    TTePopupView popup(root, nullptr);
    popup.Layout();
    popup.Place(point, TRect{}, false);
    popup.Window()->show();
    popup.RunLoop();
    popup.Window()->hide();
}
