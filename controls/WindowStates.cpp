#include "controls/WindowStates.h"

#include <QWidget>

#include "controls/TeDefaultForm.h"
#include "framework/Form.h"

namespace {

class TPlainWindowStates : public TTeWindowStates {
public:
    void Minimize(TTeDefaultForm& form) override
    {
        if (TForm* window = form.Form())
            window->Handle()->showMinimized();
    }
    void Rollup(TTeDefaultForm&) override {}
    void MinimizeToTray(TTeDefaultForm&) override {}
    void ShowSystemMenu(TTeDefaultForm&, TPoint) override {}
};

}  // namespace

TTeWindowStates& PlainWindowStates()
{
    static TPlainWindowStates states;
    return states;
}
