// The colour and font tables of a skin stored without them, taken from well-known objects.
#include <initializer_list>
#include <utility>

#include "framework/Colors.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "themes/SkinObjects.h"
#include "themes/SkinSource.h"

namespace {

using C = TteThemeColor;
using F = TteThemeFont;

}  // namespace

void TSeSkinSource::BuildTables()
{
    TteThemeColors& colors = *colors_;
    const auto colorOf = [&](const char* name, std::initializer_list<C> entries) {
        if (TSeSkinObject* object = FindObject(QLatin1String(name)))
            for (C entry : entries)
                colors.SetColor(entry, object->Color());
    };
    if (TSeSkinObject* form = FindObject(QStringLiteral("form"))) {
        colors.SetColor(C::ktcWindow, form->Color());
        if (TSeSkinObject* title = form->FindKind(TSeKind::skTitle)) {
            colors.SetColor(C::ktcCaptionNormal, title->Color());
            colors.SetColor(C::ktcCaptionInactive, title->Color());
        }
        if (TSeSkinObject* left = form->FindKind(TSeKind::skLeft))
            colors.SetColor(C::ktcWindowBorder, left->Color());
    }
    colorOf("listbox", {C::ktcList, C::ktcTree});
    colorOf("grid", {C::ktcGrid});
    colorOf("container", {C::ktcPanelNormal, C::ktcPanelDisabled});
    colorOf("button", {C::ktcButtonNormal, C::ktcButtonHot, C::ktcButtonPressed, C::ktcButtonFocused,
                       C::ktcButtonDisabled});
    if (FindObject(QStringLiteral("edit")) != nullptr) {
        colorOf("edit", {C::ktcEditNormal, C::ktcEditHot, C::ktcEditFocused, C::ktcEditDisabled});
        colors.SetColor(C::ktcEditSelection, clHighlight);
    }
    const TSeSkinObject* hint = FindObject(QStringLiteral("hint"));
    colors.SetColor(C::ktcHint, hint != nullptr ? hint->Color() : clInfoBk);
    colors.SetColor(C::ktcBorder, 0);

    TteThemeFonts& fonts = *fonts_;
    // Each entry takes the font the object shows in the state.
    const auto fontsOf = [&](TSeSkinObject* object, std::initializer_list<std::pair<F, std::uint8_t>> entries) {
        if (object != nullptr)
            for (const auto& [entry, state] : entries)
                fonts.GetFont(entry)->Assign(&object->StateFont(state));
    };
    const auto named = [this](const char* path) { return FindObject(QLatin1String(path)); };
    if (TSeSkinObject* form = named("form"))
        fontsOf(form->FindKind(TSeKind::skTitle),
                {{F::ktfCaptionTextNormal, SkinState::Focused}, {F::ktfCaptionTextInactive, SkinState::Normal}});
    const auto fiveStates = [&](const char* path, F normal, F pressed, F hot, F focused, F disabled) {
        fontsOf(named(path), {{normal, SkinState::Normal},
                              {pressed, SkinState::Pressed},
                              {hot, SkinState::Hot},
                              {focused, SkinState::Focused},
                              {disabled, SkinState::Disabled}});
    };
    fiveStates("button\\text", F::ktfButtonTextNormal, F::ktfButtonTextPressed, F::ktfButtonTextHot,
               F::ktfButtonTextFocused, F::ktfButtonTextDisabled);
    fiveStates("checkbox\\text", F::ktfCheckBoxTextNormal, F::ktfCheckBoxTextPressed, F::ktfCheckBoxTextHot,
               F::ktfCheckBoxTextFocused, F::ktfCheckBoxTextDisabled);
    fiveStates("radiobutton\\text", F::ktfRadioButtonTextNormal, F::ktfRadioButtonTextPressed,
               F::ktfRadioButtonTextHot, F::ktfRadioButtonTextFocused, F::ktfRadioButtonTextDisabled);
    fontsOf(named("groupbox\\caption"),
            {{F::ktfGroupBoxTextNormal, SkinState::Normal}, {F::ktfGroupBoxTextDisabled, SkinState::Disabled}});
    for (F entry : {F::ktfWindowTextNormal, F::ktfWindowTextDisabled}) {
        TFont& font = *fonts.GetFont(entry);
        font.SetName(QStringLiteral("Tahoma"));
        font.SetSize(8);
        font.SetColor(clBlack);
        font.SetStyle({});
    }
    fontsOf(named("edit\\text"), {{F::ktfEditBoxTextNormal, SkinState::Normal},
                                  {F::ktfEditBoxTextFocused, SkinState::Focused},
                                  {F::ktfEditBoxTextHot, SkinState::Hot},
                                  {F::ktfEditBoxTextSelected, SkinState::Normal},
                                  {F::ktfEditBoxTextDisabled, SkinState::Disabled}});
    if (named("edit\\text") != nullptr)
        fonts.GetFont(F::ktfEditBoxTextSelected)->SetColor(clWhite);
    fontsOf(named("listbox\\item"), {{F::ktfListItemTextNormal, SkinState::Normal},
                                     {F::ktfListItemTextHot, SkinState::Normal},
                                     {F::ktfListItemTextSelected, SkinState::Focused},
                                     {F::ktfListItemTextFocused, SkinState::Normal},
                                     {F::ktfListItemTextDisabled, SkinState::Disabled}});
    const auto menuFonts = [&](const char* path, F normal, F hot, F selected, F disabled) {
        fontsOf(named(path), {{normal, SkinState::Normal},
                              {hot, SkinState::Hot},
                              {selected, SkinState::Focused},
                              {disabled, SkinState::Disabled}});
    };
    menuFonts("menubar\\item", F::ktfMenuItemTextNormal, F::ktfMenuItemTextHot, F::ktfMenuItemTextSelected,
              F::ktfMenuItemTextDisabled);
    menuFonts("menubar\\toolbaritem", F::ktfToolItemTextNormal, F::ktfToolItemTextHot, F::ktfToolItemTextSelected,
              F::ktfToolItemTextDisabled);
    menuFonts("popupmenu\\item", F::ktfPopupMenuItemTextNormal, F::ktfPopupMenuItemTextHot,
              F::ktfPopupMenuItemTextSelected, F::ktfPopupMenuItemTextDisabled);
    if (named("popupmenu\\item") != nullptr)
        fonts.GetFont(F::ktfPopupMenuItemTextDisabled)->SetColor(0x00808080);
}
