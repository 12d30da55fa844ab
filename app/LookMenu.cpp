#include "app/LookMenu.h"

#include <iterator>

#include "app/StartTheme.h"
#include "controls/frame/TeForm.h"
#include "controls/menus/TeItem.h"
#include "theme/ThemeEngine.h"
#include "theme/ThemeLink.h"

namespace {

struct TLook {
    const char* Caption;
    // The name --theme takes for it.
    const char* Name;
};

// Accelerators apart from the frame's own (N, L, T, C).
const TLook kLooks[] = {
    {"&Default", "Default"},
    {"&Flat", "Flat"},
    {"Office &XP", "OfficeXP"},
    {"&OSXTiger", "OSXTiger"},
};
constexpr int kStoredLook = 3;

int LookIndex(const QString& name)
{
    if (name.isEmpty())
        return kStoredLook;
    for (int i = 0; i < static_cast<int>(std::size(kLooks)); ++i)
        if (name.compare(QLatin1String(kLooks[i].Name), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

}  // namespace

TLookMenu::TLookMenu(TComponent* owner, TTeForm& frame, TTeThemeEngine& engine, TTeThemeLink& link,
                     const QString& start)
    : TTePopupMenu(owner), engine_(&engine), link_(&link)
{
    // Set apart from the window's own commands.
    auto* line = new TTeItem(this);
    line->SetCaption(QStringLiteral("-"));
    Items()->Add(line);
    const int current = LookIndex(start);
    for (int i = 0; i < static_cast<int>(std::size(kLooks)); ++i) {
        auto* item = new TTeItem(this);
        item->SetCaption(QString::fromLatin1(kLooks[i].Caption));
        item->SetRadioItem(true);
        item->SetChecked(i == current);
        item->OnClick = [this, i](TObject*) { Choose(i); };
        Items()->Add(item);
    }
    frame.SetSystemMenuLink(this);
    frame.SetSystemMenuLinkMerge(true);
    frame.SetSystemMenuLinkMergeAtFirst(false);
}

void TLookMenu::Choose(int index)
{
    if (engine_.Get() == nullptr || link_.Get() == nullptr)
        return;
    // Every control and the frame follow the application theme once the link holds none; the
    // notifications of the change repaint them and lay the frame out around the same client.
    link_->SetThemeIndex(-1);
    if (index == kStoredLook)
        engine_->SetThemeIndex(0);
    else
        ApplyStartTheme(QString::fromLatin1(kLooks[index].Name), *engine_, *link_);
    // The first item is the separator.
    for (int i = 0; i < static_cast<int>(std::size(kLooks)); ++i)
        Items()->Items(i + 1)->SetChecked(i == index);
}
