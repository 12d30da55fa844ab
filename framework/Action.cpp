#include "framework/Action.h"

#include "framework/ClassRegistry.h"
#include "framework/PropInfo.h"

TAction::TAction(TComponent* owner) : TComponent(owner) {}

void TAction::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Change();
}

void TAction::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Change();
}

void TAction::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Change();
}

void TAction::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    Change();
}

void TAction::SetImageIndex(int index)
{
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    Change();
}

void TAction::SetShortCut(std::uint16_t shortCut)
{
    if (shortCut == shortCut_)
        return;
    shortCut_ = shortCut;
    Change();
}

void TAction::SetHint(const QString& hint)
{
    if (hint == hint_)
        return;
    hint_ = hint;
    Change();
}

void TAction::SetHelpContext(int context)
{
    if (context == helpContext_)
        return;
    helpContext_ = context;
    Change();
}

TActionList* TAction::ActionList() const
{
    return dynamic_cast<TActionList*>(Owner());
}

TCustomImageList* TAction::Images() const
{
    const TActionList* list = ActionList();
    return list != nullptr ? list->Images() : nullptr;
}

bool TAction::Execute()
{
    Update();
    if (!enabled_ || !OnExecute)
        return false;
    OnExecute(this);
    return true;
}

bool TAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TAction::Change()
{
    if (ComponentState().Contains(TComponentStateFlag::csDestroying))
        return;
    links_.Changed();
}

TActionList::TActionList(TComponent* owner) : TComponent(owner), images_([this] { ImagesChanged(); }, [this] {
    ImagesChanged();
}) {}

int TActionList::ActionCount() const
{
    int count = 0;
    for (int i = 0; i < ComponentCount(); ++i)
        count += dynamic_cast<TAction*>(Components(i)) != nullptr ? 1 : 0;
    return count;
}

TAction* TActionList::Actions(int index) const
{
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* action = dynamic_cast<TAction*>(Components(i)); action != nullptr && index-- == 0)
            return action;
    }
    return nullptr;
}

void TActionList::SetImages(TCustomImageList* images)
{
    if (images == images_.Get())
        return;
    images_.Set(images);
    ImagesChanged();
}

void TActionList::ImagesChanged()
{
    if (ComponentState().Contains(TComponentStateFlag::csDestroying))
        return;
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* action = dynamic_cast<TAction*>(Components(i)))
            action->Change();
    }
}

bool RunsOwnClick(const TNotifyEvent& onClick, const TAction* action)
{
    if (!onClick)
        return false;
    return action == nullptr || onClick.MethodName().isEmpty() ||
           onClick.MethodName() != action->OnExecute.MethodName();
}

void RegisterActionProperties()
{
    RegisterProperties<TAction, TComponent>()
        .String("Caption", &TAction::Caption, &TAction::SetCaption, QString())
        .Boolean("Checked", &TAction::Checked, &TAction::SetChecked, false)
        .Boolean("Enabled", &TAction::Enabled, &TAction::SetEnabled, true)
        .Boolean("Visible", &TAction::Visible, &TAction::SetVisible, true)
        .Integer("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex, -1)
        .Integer("ShortCut", &TAction::ShortCut, &TAction::SetShortCut, 0)
        .String("Hint", &TAction::Hint, &TAction::SetHint, QString())
        .Integer("HelpContext", &TAction::HelpContext, &TAction::SetHelpContext, 0)
        .Event("OnExecute", &TAction::OnExecute)
        .Event("OnUpdate", &TAction::OnUpdate);
    RegisterProperties<TActionList, TComponent>().Reference("Images", &TActionList::Images, &TActionList::SetImages);
    RegisterClass<TAction>();
    RegisterClass<TActionList>();
}
