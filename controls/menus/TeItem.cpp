#include "controls/menus/TeItem.h"

#include <algorithm>

#include "controls/menus/MenuClicks.h"
#include "controls/menus/TeMenuBar.h"
#include "controls/menus/TePopupMenu.h"
#include "framework/VirtualKeys.h"

TTeItem::TTeItem(TComponent* owner) : TComponent(owner) {}

void TTeItem::SetParentComponent(TComponent* parent)
{
    if (auto* item = dynamic_cast<TTeItem*>(parent))
        item->Add(this);
    else if (auto* bar = dynamic_cast<TTeMenuBar*>(parent))
        bar->Items()->Add(this);
    else if (auto* menu = dynamic_cast<TTePopupMenu*>(parent))
        menu->Items()->Add(this);
}

TTeItem::~TTeItem()
{
    // An item on the stack ends here without Destroying: it still leaves its tree.
    if (parent_ != nullptr)
        parent_->items_.removeOne(this);
    for (TTeItem* child : items_)
        child->parent_ = nullptr;
}

void TTeItem::Destroying()
{
    TComponent::Destroying();
    if (parent_ != nullptr)
        parent_->Remove(this);
    for (TTeItem* child : items_)
        child->parent_ = nullptr;
    items_.clear();
}

void TTeItem::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TTeItem::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Changed();
}

void TTeItem::SetRadioItem(bool radio)
{
    if (radio == radioItem_)
        return;
    radioItem_ = radio;
    Changed();
}

void TTeItem::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed();
}

void TTeItem::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    Changed();
}

void TTeItem::SetImageIndex(int index)
{
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    Changed();
}

void TTeItem::SetImages(TCustomImageList* images)
{
    if (images == images_.Get())
        return;
    images_.Set(images);
    Changed();
}

TCustomImageList* TTeItem::GetImages() const
{
    for (const TTeItem* item = this; item != nullptr; item = item->parent_) {
        if (item->images_.Get() != nullptr)
            return item->images_.Get();
    }
    return nullptr;
}

bool TTeItem::HasImage() const
{
    const TCustomImageList* images = GetImages();
    return images != nullptr && imageIndex_ >= 0 && imageIndex_ < images->Count();
}

void TTeItem::SetAction(TAction* action)
{
    if (action == action_.Get())
        return;
    action_.Set(action);
    ActionChanged();
}

void TTeItem::ActionChanged()
{
    const TAction* action = action_.Get();
    if (action == nullptr)
        return;
    // One announcement for the whole change: each setter alone would lay the menu out again.
    caption_ = action->Caption();
    checked_ = action->Checked();
    enabled_ = action->Enabled();
    visible_ = action->Visible();
    imageIndex_ = action->ImageIndex();
    shortCut_ = action->ShortCut();
    hint_ = action->Hint();
    helpContext_ = action->HelpContext();
    Changed();
}

TTeItem* TTeItem::Root()
{
    TTeItem* item = this;
    while (item->parent_ != nullptr)
        item = item->parent_;
    return item;
}

void TTeItem::Insert(int index, TTeItem* item)
{
    if (item->parent_ != nullptr)
        throw EZvItemError(QStringLiteral("Toolbar item already inserted"));
    items_.insert(std::clamp(index, 0, Count()), item);
    item->parent_ = this;
    Changed();
}

void TTeItem::Remove(TTeItem* item)
{
    if (item->parent_ != this)
        return;
    items_.removeOne(item);
    item->parent_ = nullptr;
    Changed();
}

bool TTeItem::HasVisibleChildren() const
{
    return std::any_of(items_.begin(), items_.end(), [](const TTeItem* item) { return item->visible_; });
}

void TTeItem::Changed()
{
    const TComponentState state = ComponentState();
    if (state.Contains(TComponentStateFlag::csLoading) || state.Contains(TComponentStateFlag::csDestroying))
        return;
    TTeItem* root = Root();
    if (root->OnTreeChange)
        root->OnTreeChange();
}

void TTeItem::ReduceSeparators()
{
    // Visibility is set on the fields: tidying is part of opening, not a change to announce.
    for (TTeItem* item : items_) {
        if (item->IsLine())
            item->visible_ = true;
    }
    TTeItem* previous = nullptr;
    for (int i = 0; i < Count(); ++i) {
        TTeItem* item = items_[i];
        if (item->IsLine()) {
            const bool first = i == 0;
            const bool last = i == Count() - 1;
            if (previous == nullptr || first || last || previous->IsLine())
                item->visible_ = false;
        }
        if (item->visible_)
            previous = item;
    }
    // A separator left as the last visible item closes nothing off.
    for (int i = Count() - 1; i >= 0; --i) {
        if (!items_[i]->visible_)
            continue;
        if (items_[i]->IsLine())
            items_[i]->visible_ = false;
        break;
    }
}

void TTeItem::UpdateActions()
{
    for (TTeItem* item : items_) {
        if (TAction* action = item->action_.Get())
            action->Update();
    }
}

TTeItem* TTeItem::FindShortCut(TShortCut shortCut)
{
    for (TTeItem* item : items_) {
        if (item->shortCut_ == shortCut)
            return item;
        if (TTeItem* found = item->FindShortCut(shortCut))
            return found;
    }
    return nullptr;
}

void TTeItem::Click()
{
    if (IsLine() || !items_.isEmpty() || !enabled_)
        return;
    PostMenuClick(this);
}

void TTeItem::Execute()
{
    TAction* action = action_.Get();
    if (action != nullptr)
        action->Update();
    const bool ownHandler = RunsOwnClick(OnClick, action);
    if (ownHandler)
        OnClick(this);
    else if (action != nullptr)
        action->Execute();
}

bool TTeItem::IsShortCut(TShortCut shortCut)
{
    if (shortCut == 0)
        return false;
    TTeItem* target = FindShortCut(shortCut);
    if (target == nullptr)
        return false;
    QList<TTeItem*> path;
    for (TTeItem* item = target; item != this && item != nullptr; item = item->parent_)
        path.prepend(item);
    // Pressing an item with children does nothing; a disabled one on the way stops the press.
    for (TTeItem* item : path) {
        if (!item->enabled_)
            return true;
    }
    target->Click();
    return true;
}

TShortCut ShortCutOfKey(int key, Qt::KeyboardModifiers modifiers)
{
    TShortCut code = VirtualKeyOf(key);
    if (code == 0)
        return 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        code |= kShortCutShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        code |= kShortCutCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        code |= kShortCutAlt;
    return code;
}

QChar AcceleratorOf(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

QString StripAccelerator(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text.append(caption[i]);
    }
    return text;
}
