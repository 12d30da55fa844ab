#pragma once
// A menu item: a component in a tree of items that menu bars, popup menus and the window frame's
// system menu show. Its caption marks the accelerator with "&"; a caption of "-" makes it a
// separator. Changes to what it shows tell the root, whose menu then lays out and repaints.
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

#include "framework/Action.h"
#include "framework/ChangeLink.h"
#include "framework/Component.h"
#include "framework/ComponentRef.h"
#include "framework/Exception.h"
#include "framework/ImageList.h"
#include "framework/Types.h"
#include "theme/CustomThemeLink.h"

class TTePopupMenuOptions;

class EZvItemError : public Exception {
public:
    using Exception::Exception;
};

// A shortcut: virtual key plus kShortCutShift, kShortCutCtrl and kShortCutAlt.
using TShortCut = std::uint16_t;
constexpr TShortCut kShortCutShift = 0x2000;
constexpr TShortCut kShortCutCtrl = 0x4000;
constexpr TShortCut kShortCutAlt = 0x8000;

class TTeItem : public TComponent {
public:
    explicit TTeItem(TComponent* owner);
    ~TTeItem() override;

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A checked radio item shows a bullet instead of a check mark: one choice among its siblings.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The item's own image list (none by default: it uses its nearest ancestor's).
    TCustomImageList* Images() const { return images_.Get(); }
    void SetImages(TCustomImageList* images);
    // The image list the item's ImageIndex picks from: its own, else the nearest ancestor's.
    TCustomImageList* GetImages() const;
    // The image list holds a picture at ImageIndex.
    bool HasImage() const;
    // Caption, checked, enabled, visible, image, shortcut, hint and help context follow the
    // action; a click executes it unless OnClick has a handler of its own.
    TAction* Action() const { return action_.Get(); }
    void SetAction(TAction* action);
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& hint) { hint_ = hint; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    // A popup level of this item's children shows ScrollCount of them at a time, with scroll buttons.
    bool Scrolled() const { return scrolled_; }
    void SetScrolled(bool scrolled) { scrolled_ = scrolled; }
    int ScrollCount() const { return scrollCount_; }
    void SetScrollCount(int count) { scrollCount_ = count; }
    const QString& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const QString& name) { themeObject_ = name; }

    bool IsLine() const { return caption_ == QLatin1String("-"); }

    int Count() const { return static_cast<int>(items_.size()); }
    TTeItem* Items(int index) const { return items_.at(index); }
    TTeItem* Parent() const { return parent_; }
    int MenuIndex() const { return parent_ != nullptr ? static_cast<int>(parent_->items_.indexOf(this)) : -1; }
    TTeItem* Root();
    // Raises EZvItemError ("Toolbar item already inserted") when item already has a parent.
    void Add(TTeItem* item) { Insert(Count(), item); }
    void Insert(int index, TTeItem* item);
    void Remove(TTeItem* item);
    bool HasVisibleChildren() const;
    // Nested in a stored description: joins the items of an item, a menu bar or a popup menu.
    void SetParentComponent(TComponent* parent) override;

    // Where the item is in its level's window; laid out when the level opens.
    TRect ItemRect;
    // The first child shown by a scrolling level.
    int FirstVisible = 0;

    // Pushed down the tree before a menu opens.
    TComponentRef<TteCustomThemeLink> ThemeLink;
    QString PopupThemeObject = QStringLiteral("default");
    // The separators are tidied before the item's children are shown.
    bool AutoLineReduction = true;
    // Opened from the notification area, where no window of the program has the keyboard: the
    // popup takes it.
    bool TrayMenu = false;
    // The popups' blending, shadow and animation (nullptr: none); the animation plays only for the
    // first level opened after the menu was entered, while AnimateNext holds.
    const TTePopupMenuOptions* PopupOptions = nullptr;
    bool AnimateNext = false;

    // Shows visible separators only between visible items: none first, last or doubled.
    void ReduceSeparators();
    // The children's actions refresh their state (OnUpdate), which the children then show.
    void UpdateActions();
    // The first item of the tree below this one, depth first, with the shortcut.
    TTeItem* FindShortCut(TShortCut shortCut);
    // The item is pressed: separators, items with children and disabled items do nothing; any
    // other item's click is delivered once every menu loop has ended.
    void Click();
    // Runs the click now: the action's state refreshed, then OnClick when it is not the action's
    // own handler, else the action, else OnClick.
    void Execute();
    // Presses, from the top level down, each enabled item on the path to the first item with the
    // shortcut; answers whether one was found.
    bool IsShortCut(TShortCut shortCut);

    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeDropDown;
    // Set on a root: told when any item of the tree changes what it shows.
    std::function<void()> OnTreeChange;

protected:
    void Destroying() override;

private:
    void Changed();
    void ActionChanged();

    QString caption_;
    bool checked_ = false;
    bool radioItem_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    TShortCut shortCut_ = 0;
    int imageIndex_ = -1;
    QString hint_;
    int helpContext_ = 0;
    bool scrolled_ = false;
    int scrollCount_ = 0;
    QString themeObject_;
    TTeItem* parent_ = nullptr;
    QList<TTeItem*> items_;
    TChangeLink<TCustomImageList> images_{[this] { Changed(); }, [this] { Changed(); }};
    TChangeLink<TAction> action_{[this] { ActionChanged(); }};
};

// The shortcut of a Qt key with its modifiers; 0 for a key without a virtual key.
TShortCut ShortCutOfKey(int key, Qt::KeyboardModifiers modifiers);
// The accelerator character of a caption ("&File" -> 'F'), or a null character.
QChar AcceleratorOf(const QString& caption);
// The caption without its "&" marks ("&&" stays one "&").
QString StripAccelerator(const QString& caption);
