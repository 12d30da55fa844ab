#include "controls/menus/MenuComponents.h"

#include "controls/menus/TeMenuBar.h"
#include "controls/menus/TePopupMenu.h"
#include "framework/ClassRegistry.h"
#include "framework/PropInfo.h"

void RegisterMenuComponents()
{
    RegisterProperties<TTeItem, TComponent>()
        .String("Caption", &TTeItem::Caption, &TTeItem::SetCaption, QString())
        .Boolean("Checked", &TTeItem::Checked, &TTeItem::SetChecked, false)
        .Boolean("RadioItem", &TTeItem::RadioItem, &TTeItem::SetRadioItem, false)
        .Boolean("Enabled", &TTeItem::Enabled, &TTeItem::SetEnabled, true)
        .Boolean("Visible", &TTeItem::Visible, &TTeItem::SetVisible, true)
        .Integer("ImageIndex", &TTeItem::ImageIndex, &TTeItem::SetImageIndex, -1)
        .Reference("Images", &TTeItem::Images, &TTeItem::SetImages)
        .Reference("Action", &TTeItem::Action, &TTeItem::SetAction)
        .Integer("ShortCut", &TTeItem::ShortCut, &TTeItem::SetShortCut, 0)
        .String("Hint", &TTeItem::Hint, &TTeItem::SetHint, QString())
        .Integer("HelpContext", &TTeItem::HelpContext, &TTeItem::SetHelpContext, 0)
        .Boolean("Scrolled", &TTeItem::Scrolled, &TTeItem::SetScrolled, false)
        .Integer("ScrollCount", &TTeItem::ScrollCount, &TTeItem::SetScrollCount, 0)
        .String("ThemeObject", &TTeItem::ThemeObject, &TTeItem::SetThemeObject, QString())
        .Event("OnClick", &TTeItem::OnClick)
        .Event("OnBeforeDropDown", &TTeItem::OnBeforeDropDown);
    auto bar = RegisterProperties<TTeMenuBar, TTeControl>()
                   .Enumeration("Align", &TTeMenuBar::Align, &TTeMenuBar::SetAlign, AlignNames(), TAlign::alTop)
                   .Boolean("AutoSize", &TTeMenuBar::AutoSize, &TTeMenuBar::SetAutoSize, true)
                   .Reference("Images", &TTeMenuBar::Images, &TTeMenuBar::SetImages)
                   .Boolean("ShowBevel", &TTeMenuBar::ShowBevel, &TTeMenuBar::SetShowBevel, false)
                   .Boolean("AutoLineReduction", &TTeMenuBar::AutoLineReduction, &TTeMenuBar::SetAutoLineReduction,
                            true)
                   .String("PopupThemeObject", &TTeMenuBar::PopupThemeObject, &TTeMenuBar::SetPopupThemeObject,
                           QStringLiteral("default"))
                   .Object("PopupMenuOptions", [](const TTeMenuBar& b) { return &b.PopupMenuOptions(); });
    AddThemeSelectionProperties(bar);
    RegisterProperties<TTePopupMenu, TComponent>()
        .Object("PopupMenuOptions", [](const TTePopupMenu& m) { return &m.PopupMenuOptions(); })
        .Reference("Images", &TTePopupMenu::Images, &TTePopupMenu::SetImages)
        .Event("OnPopup", &TTePopupMenu::OnPopup);
    RegisterClass<TTeItem>();
    RegisterClass<TTeMenuBar>();
    RegisterClass<TTePopupMenu>();
}
