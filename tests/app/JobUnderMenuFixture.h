#pragma once
// The main window running a long job (a rip, a conversion) while its menus or the about window are open.
#include <QApplication>
#include <QTimer>

#include "app/AboutWindow.h"
#include "controls/menus/TeItem.h"
#include "controls/menus/TeItemView.h"
#include "controls/menus/TeMenuBar.h"
#include "framework/ComponentStream.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/controls/MenuFixtures.h"
#include "theme/ThemeLink.h"

class JobUnderMenu : public MainWindow {
protected:
    // Whatever a failing job leaves open is closed, so that no test hangs.
    void GuardAgainstHanging()
    {
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (TTeItemView* open = TTeItemView::Innermost())
                open->CloseAll();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        guard.start(5000);
    }

    TTeItem* Item(const char* name) { return dynamic_cast<TTeItem*>(FindNestedComponent(*form, QString::fromLatin1(name))); }

    // A click on a bar item: its press opens the popup and runs the menu loop until the menu closes,
    // the release comes in that loop.
    void ClickBarItem(const char* name)
    {
        QWidget* bar = form->TeMenuBar2->Handle();
        const QPoint at = CenterOf(Item(name));
        QTimer::singleShot(0, [bar, at] { QTest::mouseRelease(bar, Qt::LeftButton, {}, at); });
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
    }

    // Escape closes the innermost level; the next one goes once control is back in the loop below.
    static void EscapeAll()
    {
        if (TTeItemView* level = RunningLevel()) {
            QTest::keyClick(level->Window(), Qt::Key_Escape);
            QTimer::singleShot(0, &EscapeAll);
        }
    }

    // The about window the Help menu opens, drawn through the main window's theme.
    TOwned<TForm> GiveAboutWindow()
    {
        TOwned<TForm> about(CreateAboutWindow(nullptr, static_cast<TteCustomThemeLink*>(form->TeThemeLink1)));
        form->SetAboutWindow(about.get());
        return about;
    }

    // Once the Help menu's level runs, "About..." is clicked, once: the click lands after the menu
    // has closed and opens the window modally.
    void ChooseAboutOnceTheHelpMenuRuns()
    {
        if (aboutChosen_ || RunningLevel() == nullptr || RunningLevel()->Horizontal())
            return;
        aboutChosen_ = true;
        QTimer::singleShot(0, [this] {
            QTest::mouseClick(RunningLevel()->Window(), Qt::LeftButton, {}, CenterOf(Item("CustomItem14")));
        });
    }

    QTimer guard;

private:
    bool aboutChosen_ = false;
};
