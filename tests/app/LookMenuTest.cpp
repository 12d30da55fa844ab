// The looks of the main window's system menu: the four built-in looks after the frame's own items,
// the one in use checked as a radio item, and a choice switching the whole window at once.
#include <QImage>
#include <functional>
#include <typeinfo>

#include "app/LookMenu.h"
#include "controls/core/TeControl.h"
#include "controls/core/TeGraphicControl.h"
#include "controls/frame/TeForm.h"
#include "controls/menus/TeItem.h"
#include "controls/widgets/TeButton.h"
#include "framework/ComponentStream.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/controls/MenuFixtures.h"
#include "theme/ThemeLink.h"
#include "theme/ThemedElements.h"
#include "themes/FlatTheme.h"
#include "themes/MsStylesTheme.h"
#include "themes/OfficeXPTheme.h"

namespace {

template <typename T>
bool IsKind(const TteTheme* theme)
{
    return theme != nullptr && typeid(*theme) == typeid(TteBuiltTheme<T>);
}

// The themed controls of the window bound to its link, at any depth.
void CollectThemed(const TComponent& root, const TteCustomThemeLink* link, QList<const TteCustomThemeLink*>& links,
                   int& count)
{
    for (int i = 0; i < root.ComponentCount(); ++i) {
        const TComponent* c = root.Components(i);
        if (const auto* control = dynamic_cast<const TTeControl*>(c)) {
            links << control->ThemeLink();
            ++count;
        } else if (const auto* graphic = dynamic_cast<const TTeGraphicControl*>(c)) {
            links << graphic->ThemeLink();
            ++count;
        }
        CollectThemed(*c, link, links, count);
    }
}

QStringList CheckedLooks(const TLookMenu& menu)
{
    QStringList checked;
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        const TTeItem* item = menu.Items()->Items(i);
        if (item->Checked())
            checked << item->Caption();
        EXPECT_EQ(item->RadioItem(), !item->IsLine()) << item->Caption().toStdString();
    }
    return checked;
}

}  // namespace

TEST_F(MainWindow, TheSystemMenuOffersTheFourLooksAfterItsOwnItemsWithTheStoredOneChecked)
{
    Open(std::string(kThreeTracks));
    QStringList seen;
    DriveMenu([&] { QTest::mouseClick(form->Handle(), Qt::RightButton, {}, QPoint(120, 10)); },
              {{50, [&] {
                    TTeItemView* level = RunningLevel();
                    ASSERT_NE(level, nullptr);
                    for (int i = 0; i < level->ParentItem()->Count(); ++i)
                        if (level->ParentItem()->Items(i)->Visible())
                            seen << level->ParentItem()->Items(i)->Caption();
                }}});
    EXPECT_EQ(seen, QStringList({"Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close", "-", "&Default", "&Flat",
                                 "Office &XP", "&OSXTiger"}));
    EXPECT_EQ(CheckedLooks(*form->LookMenu), QStringList({"&OSXTiger"}));
}

TEST_F(MainWindow, ALookChosenInTheSystemMenuRethemesEveryControlAndTheFrameAroundTheSameClient)
{
    Open(std::string(kThreeTracks));
    const struct {
        Qt::Key key;
        const char* caption;
        std::function<bool(const TteTheme*)> isLook;
    } choices[] = {
        // In an order where each frame differs from the one before: Office XP and Default both
        // leave the frame to the classic look.
        {Qt::Key_F, "&Flat", IsKind<TTeFlatTheme>},
        {Qt::Key_X, "Office &XP", IsKind<TTeOfficeXPTheme>},
        {Qt::Key_O, "&OSXTiger", [](const TteTheme* t) { return dynamic_cast<const TTeThemeMsStyles*>(t) != nullptr; }},
        {Qt::Key_D, "&Default", IsKind<TteTheme>},
    };
    auto* start = dynamic_cast<TTeButton*>(FindNestedComponent(*form, QStringLiteral("TeButton2")));
    QImage frameBefore = form->Handle()->grab(QRect(0, 0, form->Width(), 20)).toImage();
    QImage buttonBefore = start->Handle()->grab().toImage();
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.caption);
        DriveMenu([&] { QTest::mouseClick(form->Handle(), Qt::RightButton, {}, QPoint(120, 10)); },
                  {{50, [&] { QTest::keyClick(RunningLevel()->Window(), choice.key); }}});
        QCoreApplication::processEvents();
        EXPECT_TRUE(choice.isLook(CurrentTheme()));
        QList<const TteCustomThemeLink*> links;
        int controls = 0;
        CollectThemed(*form, form->TeThemeLink1, links, controls);
        EXPECT_GE(controls, 17);
        for (const TteCustomThemeLink* link : links)
            EXPECT_EQ(GetLinkTheme(link), CurrentTheme());
        EXPECT_EQ(GetLinkTheme(form->TeForm1->ThemeLink()), CurrentTheme());
        // The frame's shape follows: OSXTiger's rounded top corners, the others' plain rectangle.
        const QRegion shape = form->Handle()->mask();
        const bool cornerCut = !shape.isEmpty() && !shape.contains(QPoint(0, 0));
        EXPECT_EQ(cornerCut, choice.key == Qt::Key_O);
        EXPECT_EQ(form->ClientWidth(), 642);
        EXPECT_EQ(form->ClientHeight(), 414);
        EXPECT_EQ(CheckedLooks(*form->LookMenu), QStringList({choice.caption}));

        const QImage frameAfter = form->Handle()->grab(QRect(0, 0, form->Width(), 20)).toImage();
        const QImage buttonAfter = start->Handle()->grab().toImage();
        EXPECT_NE(frameAfter, frameBefore);
        EXPECT_NE(buttonAfter, buttonBefore);
        frameBefore = frameAfter;
        buttonBefore = buttonAfter;
    }
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
}
