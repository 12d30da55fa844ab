#include "controls/window/FormProperties.h"

#include "controls/frame/TeForm.h"
#include "controls/menus/TeMenuBar.h"
#include "framework/PropInfo.h"

void RegisterTeFormProperties()
{
    RegisterTeHookProperties();
    RegisterFormOptionProperties();
    RegisterProperties<TTeDefaultForm, TTeHook>()
        .Object("Animation", [](const TTeDefaultForm& f) { return &f.Animation(); })
        .Object("Blending", [](const TTeDefaultForm& f) { return &f.Blending(); })
        .SetOf("BorderIcons", &TTeDefaultForm::BorderIcons, &TTeDefaultForm::SetBorderIcons, BorderIconNames(),
               kDefaultBorderIcons)
        .Enumeration("BorderStyle", &TTeDefaultForm::BorderStyle, &TTeDefaultForm::SetBorderStyle, FormBorderStyleNames(),
                     TTeBorderStyle::kbsStandard)
        .Object("Dragging", [](const TTeDefaultForm& f) { return &f.Dragging(); })
        .Object("Gravitation", [](const TTeDefaultForm& f) { return &f.Gravitation(); })
        .Object("Constraints", [](const TTeDefaultForm& f) { return &f.Constraints(); })
        .Reference(
            "MenuBar", [](const TTeDefaultForm& f) { return dynamic_cast<TTeMenuBar*>(f.MenuBar()); },
            [](TTeDefaultForm& f, TTeMenuBar* bar) { f.SetMenuBar(bar); })
        .Reference("WindowMenu", &TTeDefaultForm::WindowMenu, &TTeDefaultForm::SetWindowMenu)
        .Object("SystemMenuOptions", [](const TTeDefaultForm& f) { return &f.SystemMenuOptions(); })
        .Object("TrayMenuOptions", [](const TTeDefaultForm& f) { return &f.TrayMenuOptions(); })
        .Reference("SystemMenuLink", &TTeDefaultForm::SystemMenuLink, &TTeDefaultForm::SetSystemMenuLink)
        .Reference("TrayMenuLink", &TTeDefaultForm::TrayMenuLink, &TTeDefaultForm::SetTrayMenuLink)
        .Boolean("SystemMenuLinkMerge", &TTeDefaultForm::SystemMenuLinkMerge, &TTeDefaultForm::SetSystemMenuLinkMerge,
                 false)
        .Boolean("SystemMenuLinkMergeAtFirst", &TTeDefaultForm::SystemMenuLinkMergeAtFirst,
                 &TTeDefaultForm::SetSystemMenuLinkMergeAtFirst, false)
        .Boolean("MinimizeApplication", &TTeDefaultForm::MinimizeApplication, &TTeDefaultForm::SetMinimizeApplication,
                 true)
        .Enumeration("Performance", &TTeDefaultForm::Performance, &TTeDefaultForm::SetPerformance,
                     FormPerformanceNames(), TTeFormPerformance::ksfpNoBuffer)
        .Object("Shadow", [](const TTeDefaultForm& f) { return &f.Shadow(); })
        .Boolean("StayOnTop", &TTeDefaultForm::StayOnTop, &TTeDefaultForm::SetStayOnTop, false)
        .Boolean("StretchBackground", &TTeDefaultForm::StretchBackground, &TTeDefaultForm::SetStretchBackground, false)
        .Enumeration("WindowState", &TTeDefaultForm::WindowState, &TTeDefaultForm::SetWindowState, WindowStateNames(),
                     TTeWindowState::kwsNormal)
        .Boolean("DisabledNCArea", &TTeDefaultForm::DisabledNCArea, &TTeDefaultForm::SetDisabledNCArea, false)
        .Event("OnFormShown", &TTeDefaultForm::OnFormShown)
        .Event("OnCreate", &TTeDefaultForm::OnCreate)
        .Event("OnPaint", &TTeDefaultForm::OnPaint)
        .Event("OnClose", &TTeDefaultForm::OnClose)
        .Event("OnMinimize", &TTeDefaultForm::OnMinimize)
        .Event("OnMaximize", &TTeDefaultForm::OnMaximize)
        .Event("OnRollup", &TTeDefaultForm::OnRollup)
        .Event("OnMinToTray", &TTeDefaultForm::OnMinToTray)
        .Event("OnResize", &TTeDefaultForm::OnResize)
        .Event("OnPaintBackground", &TTeDefaultForm::OnPaintBackground);
    RegisterProperties<TTeForm, TTeDefaultForm>()
        .Reference("ThemeLink", &TTeForm::ThemeLink, &TTeForm::SetThemeLink)
        .String("ThemeObject", &TTeForm::ThemeObject, &TTeForm::SetThemeObject, QStringLiteral("default"));
    RegisterClass<TTeForm>("TTeForm");
}
