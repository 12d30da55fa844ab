#include "controls/menus/TeMenuBar.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "controls/menus/MenuClicks.h"
#include "controls/menus/MenuDrawer.h"
#include "framework/Brush.h"
#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "framework/SystemMetrics.h"
#include "graphics/RectUtils.h"

// The bar's level: it draws in the bar's window.
class TTeMenuBar::TBarView : public TTeItemView {
public:
    TBarView(TTeMenuBar& bar) : TTeItemView(*bar.Items(), TteMenuKind::kmkBar, nullptr), bar_(bar) {}
    QWidget* Window() const override { return bar_.Handle(); }
    using TTeItemView::Drawer;

protected:
    void Invalidate() override { bar_.Invalidate(); }
    void InvalidateItem(const TTeItem* item) override
    {
        if (item != nullptr)
            bar_.InvalidateRect(item->ItemRect);
    }

private:
    TTeMenuBar& bar_;
};

// Keeps an aligned bar at the top of its parent when the parent changes size.
class TTeMenuBar::TParentWatcher : public QObject {
public:
    explicit TParentWatcher(TTeMenuBar& bar) : bar_(bar) {}
    ~TParentWatcher() override { Watch(nullptr); }

    void Watch(QWidget* parent)
    {
        if (parent == parent_)
            return;
        if (parent_ != nullptr)
            parent_->removeEventFilter(this);
        parent_ = parent;
        if (parent_ != nullptr)
            parent_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            bar_.Realign();
        return false;
    }

private:
    TTeMenuBar& bar_;
    QPointer<QWidget> parent_;
};

TTeMenuBar::TTeMenuBar(TComponent* owner)
    : TTeControl(owner), items_(new TTeItem(nullptr)), parentWatcher_(std::make_unique<TParentWatcher>(*this))
{
    view_ = std::make_unique<TBarView>(*this);
    SetColor(clMenu);
    SetBounds(0, 0, 185, GetSystemMetrics(SM_CYMENU));
    items_->OnTreeChange = [this] { Rebuild(); };
}

TTeMenuBar::~TTeMenuBar() = default;

TTeItemView* TTeMenuBar::View() const
{
    return view_.get();
}

void TTeMenuBar::Destroying()
{
    parentWatcher_->Watch(nullptr);
    if (view_->InLoop())
        view_->CloseAll();
    items_->OnTreeChange = nullptr;
    TTeControl::Destroying();
}

void TTeMenuBar::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    Rebuild();
}

void TTeMenuBar::SetShowBevel(bool value)
{
    if (value == showBevel_)
        return;
    showBevel_ = value;
    Invalidate();
}

void TTeMenuBar::Rebuild()
{
    if (ComponentState().Contains(TComponentStateFlag::csLoading))
        return;
    Realign();
    const TMenuDrawer drawer = view_->Drawer();
    const TSize content = drawer.LayoutLevel(MenuMeasuringCanvas(), *items_, Point(0, 0));
    if (autoSize_ && content.cy > 0 && content.cy != Height())
        SetBounds(Left(), Top(), Width(), content.cy + (showBevel_ ? 2 : 0));
    Invalidate();
}

void TTeMenuBar::Loaded()
{
    TTeControl::Loaded();
    Rebuild();
}

void TTeMenuBar::ThemeSelectionChanged()
{
    items_->ThemeLink = ThemeLink();
    Rebuild();
}

void TTeMenuBar::ParentChanged()
{
    TTeControl::ParentChanged();
    parentWatcher_->Watch(Handle()->parentWidget());
    Rebuild();
}

void TTeMenuBar::SetAlign(TAlign value)
{
    if (value == align_)
        return;
    align_ = value;
    Realign();
}

void TTeMenuBar::Realign()
{
    const QWidget* parent = Handle()->parentWidget();
    if (align_ != TAlign::alTop || parent == nullptr || ComponentState().Contains(TComponentStateFlag::csLoading))
        return;
    if (Left() != 0 || Top() != 0 || Width() != parent->width())
        SetBounds(0, 0, parent->width(), Height());
}

void TTeMenuBar::Enter(TTeItem* item, bool openPopup)
{
    if (view_->InLoop() || MenuLoopDepth() > 0)
        return;
    items_->ThemeLink = ThemeLink();
    items_->PopupOptions = &popupOptions_;
    items_->AnimateNext = true;
    view_->Highlight(item);
    if (openPopup && item != nullptr && item->Count() > 0)
        view_->RequestOpen();
    view_->RunLoop();
}

bool TTeMenuBar::EnterByAccelerator(QChar character)
{
    const QChar wanted = character.toUpper();
    for (int i = 0; i < items_->Count(); ++i) {
        TTeItem* item = items_->Items(i);
        if (item->Visible() && item->Enabled() && AcceleratorOf(item->Caption()) == wanted) {
            Enter(item);
            return true;
        }
    }
    return false;
}

bool TTeMenuBar::EnterByMenuKey(QChar character)
{
    if (!character.isNull())
        return EnterByAccelerator(character);
    for (int i = 0; i < items_->Count(); ++i) {
        TTeItem* item = items_->Items(i);
        if (item->Visible() && item->Enabled()) {
            Enter(item, false);
            return true;
        }
    }
    return false;
}

bool TTeMenuBar::IsShortCut(int key, Qt::KeyboardModifiers modifiers)
{
    return items_->IsShortCut(ShortCutOfKey(key, modifiers));
}

void TTeMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TTeControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    TTeItem* item = view_->ItemAt(QPoint(x, y));
    if (item != nullptr && item->Enabled())
        Enter(item);
}

void TTeMenuBar::MouseMove(TShiftState shift, int x, int y)
{
    TTeControl::MouseMove(shift, x, y);
    if (!view_->InLoop())
        view_->Highlight(view_->ItemAt(QPoint(x, y)));
}

void TTeMenuBar::MouseLeave()
{
    TTeControl::MouseLeave();
    if (!view_->InLoop())
        view_->Highlight(nullptr);
}

void TTeMenuBar::PaintControl()
{
    TCanvas& canvas = Canvas();
    const TMenuDrawer drawer = view_->Drawer();
    const TRect all = Rect(0, 0, PaintWidth(), PaintHeight());
    drawer.DrawBar(canvas, all, Color());
    // A highlight that moves repaints two items, not the whole bar.
    const TRect clip = canvas.ClipRect();
    for (int i = 0; i < items_->Count(); ++i) {
        const TTeItem& item = *items_->Items(i);
        if (item.Visible() && !item.ItemRect.IsEmpty() && !IntersectRects(item.ItemRect, clip).IsEmpty())
            drawer.DrawItem(canvas, item, view_->ItemState(item));
    }
    if (showBevel_) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FillRect(Rect(0, all.Bottom - 2, all.Right, all.Bottom - 1));
        canvas.Brush()->SetColor(clBtnHighlight);
        canvas.FillRect(Rect(0, all.Bottom - 1, all.Right, all.Bottom));
    }
}
