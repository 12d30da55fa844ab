#include "controls/TeMenuBar.h"

#include <QApplication>
#include <QKeyEvent>

#include "controls/MenuClicks.h"
#include "controls/MenuDrawer.h"
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

// Sees the keys of the bar's window before its controls do: Alt and an accelerator enter the bar,
// an item's shortcut presses the item.
class TTeMenuBar::TKeyWatcher : public QObject {
public:
    explicit TKeyWatcher(TTeMenuBar& bar) : bar_(bar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || MenuLoopDepth() > 0 || !watched->isWidgetType())
            return false;
        QWidget* barWindow = bar_.Handle()->window();
        if (static_cast<QWidget*>(watched)->window() != barWindow || !bar_.Handle()->isVisible())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::AltModifier && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
            return bar_.EnterByAccelerator(QChar(key->key()));
        return bar_.IsShortCut(key->key(), key->modifiers());
    }

private:
    TTeMenuBar& bar_;
};

TTeMenuBar::TTeMenuBar(TComponent* owner)
    : TTeControl(owner), items_(new TTeItem(nullptr)), keys_(std::make_unique<TKeyWatcher>(*this))
{
    view_ = std::make_unique<TBarView>(*this);
    SetColor(clMenu);
    SetBounds(0, 0, 185, GetSystemMetrics(SM_CYMENU));
    items_->OnTreeChange = [this] { Rebuild(); };
    qApp->installEventFilter(keys_.get());
}

TTeMenuBar::~TTeMenuBar() = default;

TTeItemView* TTeMenuBar::View() const
{
    return view_.get();
}

void TTeMenuBar::Destroying()
{
    qApp->removeEventFilter(keys_.get());
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
    Rebuild();
}

void TTeMenuBar::Enter(TTeItem* item)
{
    if (view_->InLoop() || MenuLoopDepth() > 0)
        return;
    items_->ThemeLink = ThemeLink();
    items_->AnimateNext = true;
    view_->Highlight(item);
    if (item != nullptr && item->Count() > 0)
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
