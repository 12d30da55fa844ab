#include "controls/frame/FrameMenuKeys.h"

#include <QKeyEvent>
#include <QWidget>

#include "controls/frame/FrameMenus.h"

void TFrameMenuKeys::Chain(TForm& form)
{
    if (chained_)
        return;
    previousShortCut_ = form.OnShortCut;
    form.OnShortCut = [this, &form](TObject*, const QKeyEvent& key, bool& handled) { ShortCut(&form, key, handled); };
    chained_ = true;
}

void TFrameMenuKeys::Unchain(TForm* form)
{
    if (!chained_)
        return;
    chained_ = false;
    if (form != nullptr)
        form->OnShortCut = previousShortCut_;
    previousShortCut_ = nullptr;
}

void TFrameMenuKeys::ShortCut(TForm* form, const QKeyEvent& key, bool& handled)
{
    // An open menu has the keys to itself.
    lastKeyInMenu_ = menus_.MenuLoopRunning();
    if (!lastKeyInMenu_ && menuBar_ != nullptr && menus_.MenuBarShortCut(*menuBar_, key)) {
        handled = true;
        return;
    }
    if (previousShortCut_)
        previousShortCut_(form, key, handled);
}

bool TFrameMenuKeys::KeyMenu(QChar character)
{
    if (menuBar_ == nullptr || menus_.MenuLoopRunning() || lastKeyInMenu_ || QWidget::mouseGrabber() != nullptr)
        return false;
    return menus_.EnterMenuBar(*menuBar_, character);
}
