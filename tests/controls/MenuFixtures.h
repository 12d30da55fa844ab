#pragma once
// What the menu tests share: the main window's menu tree on a bar in a shown form, and a driver
// that runs steps from inside a menu's loop (the loop is modal, so a test acts from timers).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "controls/frame/TeDefaultForm.h"
#include "controls/menus/MenuClicks.h"
#include "controls/menus/TeItemView.h"
#include "controls/menus/TeMenuBar.h"
#include "tests/controls/ControlFixtures.h"

// One step of a drive: after Delay milliseconds in the running loop, Act.
struct TMenuStep {
    int Delay;
    std::function<void()> Act;
};

// Calls enter (which runs a menu loop, or not) while the steps run one after the other from the
// event loop; whatever is still open after the last step is closed so that no test can hang.
inline void DriveMenu(const std::function<void()>& enter, std::vector<TMenuStep> steps)
{
    auto queue = std::make_shared<std::deque<TMenuStep>>(steps.begin(), steps.end());
    auto done = std::make_shared<bool>(false);
    auto next = std::make_shared<std::function<void()>>();
    *next = [queue, done, next] {
        if (queue->empty()) {
            if (TTeItemView* open = TTeItemView::Innermost())
                open->CloseAll();
            *done = true;
            return;
        }
        TMenuStep step = queue->front();
        queue->pop_front();
        QTimer::singleShot(step.Delay, [step, next] {
            step.Act();
            (*next)();
        });
    };
    (*next)();
    enter();
    QElapsedTimer timer;
    timer.start();
    while (!*done && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_TRUE(*done) << "the steps did not finish";
    *next = nullptr;
    // Posted clicks land.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

inline QPoint CenterOf(const TTeItem* item)
{
    return item->ItemRect.ToQRect().center();
}

// The innermost level whose loop still runs (a closed one may not have returned yet).
inline TTeItemView* RunningLevel()
{
    TTeItemView* view = TTeItemView::Innermost();
    while (view != nullptr && !view->InLoop())
        view = view->ParentView();
    return view;
}

// The caption of the item whose children the running level shows ("" for the bar or none).
inline QString OpenLevel()
{
    TTeItemView* view = RunningLevel();
    return view != nullptr ? view->ParentItem()->Caption() : QString();
}

inline QString HighlightedCaption()
{
    TTeItemView* view = RunningLevel();
    return view != nullptr && view->Highlighted() != nullptr ? view->Highlighted()->Caption() : QString();
}

// The main window's menu: File (Exit), Operation (Open CD; Rip: To MP3, To WAV; Stop; Open
// folder), Encoder (a sibling product's item), Help (Home Page, Support, -, About...).
struct TMainMenu {
    TShownForm shown{400, 300};
    TOwned<TTeMenuBar> owned{MakeOwned<TTeMenuBar>(nullptr)};
    TTeMenuBar& bar{*owned};
    TTeItem* file = Add(bar.Items(), "&File");
    TTeItem* exit = Add(file, "E&xit");
    TTeItem* operation = Add(bar.Items(), "&Operation");
    TTeItem* openCd = Add(operation, "&Open CD");
    TTeItem* rip = Add(operation, "&Rip");
    TTeItem* toMp3 = Add(rip, "To &MP3");
    TTeItem* toWav = Add(rip, "To &WAV");
    TTeItem* stop = Add(operation, "&Stop");
    TTeItem* openFolder = Add(operation, "Open &folder");
    TTeItem* encoder = Add(bar.Items(), "&Encoder");
    TTeItem* help = Add(bar.Items(), "&Help");
    TTeItem* homePage = Add(help, "&Home Page");
    TTeItem* support = Add(help, "&Support");
    TTeItem* line = Add(help, "-");
    TTeItem* about = Add(help, "&About...");
    // The window's frame hands the bar its keys.
    TTeDefaultForm* frame = new TTeDefaultForm(&shown.form);
    QStringList clicks;

    TMainMenu()
    {
        bar.SetParent(&shown.form);
        frame->SetMenuBar(&bar);
        frame->Gravitation().SetEnabled(false);
        frame->Loaded();
        stop->SetEnabled(false);
        openCd->SetShortCut(kShortCutCtrl | 'O');
        QCoreApplication::processEvents();
    }
    TTeItem* Add(TTeItem* parent, const char* caption)
    {
        auto* item = new TTeItem(&bar);
        item->SetCaption(QString::fromUtf8(caption));
        item->OnClick = [this](TObject* sender) { clicks << static_cast<TTeItem*>(sender)->Caption(); };
        parent->Add(item);
        return item;
    }
    QWidget* BarWindow() { return bar.Handle(); }
    // Enters the bar by a press on item (the release follows as the first step's business).
    std::function<void()> PressOn(TTeItem* item)
    {
        return [this, item] { QTest::mousePress(BarWindow(), Qt::LeftButton, {}, CenterOf(item)); };
    }
    std::function<void()> KeyIn(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return [this, key, modifiers] { QTest::keyClick(shown.form.Handle(), key, modifiers); };
    }
};
