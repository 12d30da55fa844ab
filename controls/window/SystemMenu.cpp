#include "controls/window/SystemMenu.h"

#include "controls/frame/TeDefaultForm.h"
#include "controls/menus/TePopupMenu.h"
#include "framework/VirtualKeys.h"

namespace {

using TState = TTeWindowState;

struct TOwnItem {
    const char* Caption;
    TCaptionImage Image;
    // The border icon the item needs; kbiCustom: none.
    TTeBorderIcon Icon;
    bool (*ShownIn)(TState state);
    void (TTeDefaultForm::*Operation)();
};

bool Is(TState state, std::initializer_list<TState> states)
{
    for (TState s : states)
        if (s == state)
            return true;
    return false;
}

// In menu order; the close item comes last, after a separator.
const TOwnItem kOwnItems[] = {
    {"&Restore", TCaptionImage::kciRestore, TTeBorderIcon::kbiCustom,
     [](TState s) { return Is(s, {TState::kwsMaximized, TState::kwsMinimized, TState::kwsRollup, TState::kwsTray}); },
     &TTeDefaultForm::DoRestore},
    {"Mi&nimize", TCaptionImage::kciMinimize, TTeBorderIcon::kbiMinimize,
     [](TState s) { return !Is(s, {TState::kwsMinimized, TState::kwsTray}); }, &TTeDefaultForm::DoMinimize},
    {"Ma&ximize", TCaptionImage::kciMaximize, TTeBorderIcon::kbiMaximize,
     [](TState s) { return Is(s, {TState::kwsNormal, TState::kwsRollup}); }, &TTeDefaultForm::DoMaximize},
    {"Ro&llup", TCaptionImage::kciRollup, TTeBorderIcon::kbiRollup,
     [](TState s) { return Is(s, {TState::kwsNormal, TState::kwsMaximized}); }, &TTeDefaultForm::DoRollup},
    {"Minimize to &Tray", TCaptionImage::kciTray, TTeBorderIcon::kbiTray,
     [](TState s) { return !Is(s, {TState::kwsMinimized, TState::kwsTray}); }, &TTeDefaultForm::DoMinimizeToTray},
};

TTeItem* NewItem(TTePopupMenu& menu, const QString& caption)
{
    auto* item = new TTeItem(&menu);
    item->SetCaption(caption);
    return item;
}

}  // namespace

void BuildSystemMenu(TTePopupMenu& menu, TTeDefaultForm& frame, const TSystemMenuRequest& request)
{
    TTeItem& root = *menu.Items();
    menu.SetImages(&CaptionImages());
    while (root.Count() > 0)
        root.Items(root.Count() - 1)->Free();

    const auto own = [&](const char* caption, TCaptionImage image, void (TTeDefaultForm::*operation)()) {
        TTeItem* item = NewItem(menu, QString::fromLatin1(caption));
        item->SetImageIndex(static_cast<int>(image));
        TTeDefaultForm* target = &frame;
        item->OnClick = [target, operation](TObject*) { (target->*operation)(); };
        root.Add(item);
        return item;
    };
    for (const TOwnItem& entry : kOwnItems) {
        const bool iconShown = entry.Icon == TTeBorderIcon::kbiCustom || request.Icons.Contains(entry.Icon);
        if (iconShown && entry.ShownIn(request.State))
            own(entry.Caption, entry.Image, entry.Operation);
    }
    if (request.Icons.Contains(TTeBorderIcon::kbiClose)) {
        if (root.Count() > 0)
            root.Add(NewItem(menu, QStringLiteral("-")));
        own("&Close", TCaptionImage::kciClose, &TTeDefaultForm::DoClose)->SetShortCut(kShortCutAlt | VK_F4);
    }

    if (request.Merged == nullptr || request.State == TState::kwsTray)
        return;
    const TTeItem& source = *request.Merged->Items();
    for (int i = 0; i < source.Count(); ++i) {
        const TTeItem& original = *source.Items(i);
        TTeItem* copy = NewItem(menu, original.Caption());
        copy->SetChecked(original.Checked());
        copy->SetRadioItem(original.RadioItem());
        copy->SetEnabled(original.Enabled());
        copy->SetVisible(original.Visible());
        copy->SetImageIndex(original.ImageIndex());
        copy->SetShortCut(original.ShortCut());
        copy->OnClick = original.OnClick;
        if (request.MergeAtFirst)
            root.Insert(i, copy);
        else
            root.Add(copy);
    }
}
