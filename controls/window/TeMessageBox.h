#pragma once
// A message box drawn through a theme: a themed frame around the text and an OK button, modal over
// the program's windows; and the application's error display made of it.
#include <QString>

#include "framework/Application.h"
#include "framework/ComponentRef.h"
#include "framework/Form.h"

class TteCustomThemeLink;

// A hidden box owned by owner, holding text under the caption title; its frame, text and button
// draw through link's theme (nullptr: the application theme). OK is both the default and the
// cancel button, so Enter and Escape close it with mrOk; the frame's close gives mrCancel.
TForm* CreateMessageBox(TComponent* owner, const QString& title, const QString& text, TteCustomThemeLink* link);

// Makes the box, shows it modally centred over the active window (the screen without one), frees
// it and answers its modal result.
TModalResult ShowMessageBox(const QString& title, const QString& text, TteCustomThemeLink* link);

// While it lives, the application shows every error no handler caught in a themed message box,
// drawn through the link's theme; the link may go away first, the box then follows the
// application theme.
class TTeErrorDisplay : public TErrorDisplay {
public:
    explicit TTeErrorDisplay(TteCustomThemeLink* link = nullptr);
    ~TTeErrorDisplay() override;
    TTeErrorDisplay(const TTeErrorDisplay&) = delete;
    TTeErrorDisplay& operator=(const TTeErrorDisplay&) = delete;
    void ShowError(const QString& title, const QString& text) override;

private:
    TComponentRef<TteCustomThemeLink> link_;
};
