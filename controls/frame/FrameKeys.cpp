// The frame's part in the window's keyboard handling: the menu bar sees every shortcut first, and
// Alt alone, F10 and Alt with a character enter it.
#include <QKeyEvent>

#include "controls/menus/MenuClicks.h"
#include "controls/frame/TeDefaultForm.h"
#include "controls/menus/TeMenuBar.h"
#include "framework/Form.h"
#include "framework/Messages.h"

void TTeDefaultForm::ChainShortCuts()
{
    TForm* form = Form();
    if (form == nullptr || shortCutsChained_)
        return;
    previousShortCut_ = form->OnShortCut;
    form->OnShortCut = [this](TObject*, const QKeyEvent& key, bool& handled) { ShortCut(key, handled); };
    shortCutsChained_ = true;
}

void TTeDefaultForm::UnchainShortCuts()
{
    if (!shortCutsChained_)
        return;
    shortCutsChained_ = false;
    if (TForm* form = Form())
        form->OnShortCut = previousShortCut_;
    previousShortCut_ = nullptr;
}

void TTeDefaultForm::ShortCut(const QKeyEvent& key, bool& handled)
{
    // An open menu has the keys to itself.
    lastKeyInMenu_ = MenuLoopDepth() > 0;
    if (!lastKeyInMenu_ && menuBar_ != nullptr && menuBar_->Visible() && menuBar_->IsShortCut(key.key(), key.modifiers())) {
        handled = true;
        return;
    }
    if (previousShortCut_)
        previousShortCut_(Form(), key, handled);
}

bool TTeDefaultForm::KeyMenu(QChar character)
{
    if (menuBar_ == nullptr || !menuBar_->Visible() || MenuLoopDepth() > 0 || lastKeyInMenu_ ||
        QWidget::mouseGrabber() != nullptr)
        return false;
    return menuBar_->EnterByMenuKey(character);
}
