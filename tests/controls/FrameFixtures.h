#pragma once
// A shown form whose frame is taken over by a TTeForm, in the built-in look or with a theme of
// its own link, and the carried OSXTiger theme.
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "controls/frame/TeForm.h"
#include "framework/Form.h"
#include "tests/controls/ControlFixtures.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

inline std::unique_ptr<TTeThemeMsStyles> Tiger()
{
    auto theme = CreateStoredTheme(QStringLiteral("OSXTiger"));
    if (!theme)
        ADD_FAILURE() << "the tests carry no OSXTiger";
    return theme;
}

inline void ProcessPending()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

struct TFramedForm {
    TOwned<TForm> owned{MakeOwned<TForm>(nullptr)};
    TForm& form{*owned};
    TTeForm* frame = nullptr;

    // A client area of width x height at (100, 100); icons as the program's windows have them
    // unless given. Gravitation is off so that moves land where the mouse puts them.
    explicit TFramedForm(int width = 240, int height = 120, TteCustomThemeLink* link = nullptr,
                         TTeBorderIcons icons = {TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu,
                                                 TTeBorderIcon::kbiMinimize, TTeBorderIcon::kbiRollup,
                                                 TTeBorderIcon::kbiTray})
    {
        form.SetBounds(100, 100, width, height);
        form.SetColor(RGB(200, 200, 200));
        frame = new TTeForm(&form);
        frame->SetBorderIcons(icons);
        frame->SetThemeLink(link);
        frame->Gravitation().SetEnabled(false);
        frame->Loaded();
        form.Show();
        if (!QTest::qWaitForWindowExposed(form.Handle()))
            ADD_FAILURE() << "the form was never shown";
        ProcessPending();
    }

    QWidget* Window() const { return form.Handle(); }
    QPoint Centre(TTeBorderIcon icon) const
    {
        const TRect r = frame->GetButtonRect(icon);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};
