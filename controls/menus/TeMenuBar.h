#pragma once
// The themed menu bar: the top level of its item tree drawn inside the window, entered by a click
// on an item or from the keyboard (the window's frame hands it Alt, F10 and Alt with an item's
// accelerator, and the window's shortcuts). AutoSize keeps its height at its items' height; aligned
// to the top, it spans the top of its parent.
#include <QObject>
#include <memory>

#include "controls/core/TeControl.h"
#include "controls/frame/FormOptions.h"
#include "controls/menus/TeItem.h"
#include "controls/menus/TeItemView.h"
#include "framework/Alignment.h"

class TTeMenuBar : public TTeControl {
public:
    explicit TTeMenuBar(TComponent* owner);

    // The root of the tree; its children are the bar's items.
    TTeItem* Items() const { return items_.get(); }
    // The pictures of the items' ImageIndex (the root's, which the items inherit).
    TCustomImageList* Images() const { return items_->Images(); }
    void SetImages(TCustomImageList* images) { items_->SetImages(images); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool ShowBevel() const { return showBevel_; }
    void SetShowBevel(bool value);
    bool AutoLineReduction() const { return items_->AutoLineReduction; }
    void SetAutoLineReduction(bool value) { items_->AutoLineReduction = value; }
    const QString& PopupThemeObject() const { return items_->PopupThemeObject; }
    void SetPopupThemeObject(const QString& name) { items_->PopupThemeObject = name; }

    // Shadow, blending and the show animation of the popups; the animation plays for the first
    // level opened each time the bar is entered.
    TTePopupMenuOptions& PopupMenuOptions() { return popupOptions_; }
    const TTePopupMenuOptions& PopupMenuOptions() const { return popupOptions_; }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);

    TTeItemView* View() const;
    // Enters the bar with item highlighted and, with openPopup, its popup opening; returns when
    // the menu closed.
    void Enter(TTeItem* item, bool openPopup = true);
    // Alt and a character: enters the bar at the top-level item with that accelerator; false
    // (the bar stays inactive) when none has it.
    bool EnterByAccelerator(QChar character);
    // From the keyboard: a null character (Alt alone, F10) highlights the first item without
    // opening it; any other is an accelerator. False when the bar was not entered.
    bool EnterByMenuKey(QChar character);
    // The key as a shortcut of an item of the tree; the item is pressed when one has it.
    bool IsShortCut(int key, Qt::KeyboardModifiers modifiers);
    // Lays out the items again and, with AutoSize, takes their height.
    void Rebuild();
    // Lays out the items read with the bar (their changes while loading were not laid out).
    void Loaded() override;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseLeave() override;

protected:
    ~TTeMenuBar() override;
    void Destroying() override;
    void PaintControl() override;
    void ThemeSelectionChanged() override;
    void ParentChanged() override;

private:
    class TBarView;
    class TParentWatcher;

    // With alTop: the full width of the parent, at its top.
    void Realign();

    std::unique_ptr<TTeItem, TComponentDeleter> items_;
    std::unique_ptr<TBarView> view_;
    std::unique_ptr<TParentWatcher> parentWatcher_;
    TTePopupMenuOptions popupOptions_;
    TAlign align_ = TAlign::alTop;
    bool autoSize_ = true;
    bool showBevel_ = false;
};

