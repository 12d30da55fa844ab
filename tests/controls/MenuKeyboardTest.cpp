// The menu bar and its popups through the keyboard: the keys of every level in one table, Alt with
// an accelerator, Alt alone and F10, shortcuts through the window's frame, and the separators a
// level shows.
#include "controls/window/ControlComponents.h"
#include "tests/controls/MenuFixtures.h"

TEST(MenuKeyboard, KeysMoveOpenAndCloseAcrossLevels)
{
    TMainMenu m;
    struct TSeen {
        QString level;
        QString highlighted;
    };
    QList<TSeen> seen;
    const auto record = [&seen] { seen.append({OpenLevel(), HighlightedCaption()}); };
    std::vector<TMenuStep> steps{
        {30, [&] { QTest::mouseRelease(m.BarWindow(), Qt::LeftButton, {}, CenterOf(m.operation)); }},
        {40, record},
    };
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left,
                        Qt::Key_Escape, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Escape,
                        Qt::Key_Right, Qt::Key_Escape}) {
        steps.push_back({10, m.KeyIn(key)});
        steps.push_back({40, record});
    }
    DriveMenu(m.PressOn(m.operation), steps);
    const TSeen expected[] = {
        {"&Operation", "&Open CD"},   // entered: the first item highlighted
        {"&Operation", "&Rip"},       // Down
        {"&Operation", "&Stop"},      // Down: a disabled item is highlighted, only pressing it does nothing
        {"&Operation", "&Rip"},       // Up
        {"&Rip", "To &MP3"},          // Right opens the children
        {"&Rip", "To &WAV"},          // Down
        {"&Rip", "To &MP3"},          // Down wraps around
        {"&Operation", "&Rip"},       // Left in a second level closes only it
        {"", "&Operation"},           // Escape closes the popup; the bar stays entered
        {"&Operation", "&Open CD"},   // Down on the bar opens the item
        {"&File", "E&xit"},           // Left in a first level: the bar's previous item opens
        {"&Operation", "&Open CD"},   // Right on an item without children: the bar's next item
        {"&Operation", "Open &folder"},  // Up wraps to the last
        {"", "&Operation"},           // Escape
        {"", "&Encoder"},             // Right on the bar: next item (no children, nothing opens)
        {"", ""},                     // Escape on the bar leaves it
    };
    ASSERT_EQ(seen.size(), static_cast<qsizetype>(std::size(expected)));
    for (qsizetype i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].level, expected[i].level);
        EXPECT_EQ(seen[i].highlighted, expected[i].highlighted);
    }
    EXPECT_FALSE(m.bar.View()->InLoop());
    EXPECT_TRUE(m.clicks.isEmpty());
}

TEST(MenuKeyboard, AltWithAnAcceleratorEntersTheBarAndAnUnmatchedOneLeavesItInactive)
{
    TMainMenu m;
    QString level;
    DriveMenu(m.KeyIn(Qt::Key_Q, Qt::AltModifier), {{30, [&] { level = OpenLevel(); }}});
    EXPECT_EQ(level, "");
    EXPECT_FALSE(m.bar.View()->InLoop());
    EXPECT_EQ(m.bar.View()->Highlighted(), nullptr);

    DriveMenu(m.KeyIn(Qt::Key_H, Qt::AltModifier), {{40, [&] { level = OpenLevel(); }}});
    EXPECT_EQ(level, "&Help");
}

TEST(MenuKeyboard, ACharacterPressesTheItemWithThatAcceleratorAndEnterPressesTheHighlightedOne)
{
    TMainMenu m;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier), {{40, m.KeyIn(Qt::Key_F)}});
    EXPECT_EQ(m.clicks, QStringList{"Open &folder"});
    m.clicks.clear();
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {{40, m.KeyIn(Qt::Key_R)}, {40, m.KeyIn(Qt::Key_Down)}, {20, m.KeyIn(Qt::Key_Return)}});
    EXPECT_EQ(m.clicks, QStringList{"To &WAV"});
    EXPECT_EQ(MenuLoopDepth(), 0);
}

TEST(MenuKeyboard, EnterOnADisabledItemKeepsTheMenuOpen)
{
    TMainMenu m;
    QString level;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {{40, m.KeyIn(Qt::Key_Down)}, {10, m.KeyIn(Qt::Key_Down)}, {10, m.KeyIn(Qt::Key_Return)},
               {40, [&] { level = OpenLevel(); }}});
    EXPECT_EQ(level, "&Operation");
    EXPECT_TRUE(m.clicks.isEmpty());
}

TEST(MenuKeyboard, AShortcutPressesItsItemOutsideTheMenu)
{
    TMainMenu m;
    QTest::keyClick(m.shown.form.Handle(), Qt::Key_O, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(m.clicks, QStringList{"&Open CD"});
    // Disabled on its way: found, not pressed.
    m.clicks.clear();
    m.operation->SetEnabled(false);
    EXPECT_TRUE(m.bar.IsShortCut(Qt::Key_O, Qt::ControlModifier));
    QCoreApplication::processEvents();
    EXPECT_TRUE(m.clicks.isEmpty());
    EXPECT_FALSE(m.bar.IsShortCut(Qt::Key_P, Qt::ControlModifier));
}

TEST(MenuKeyboard, AltAloneAndF10EnterTheBarAtItsFirstItemWithNothingOpen)
{
    const std::function<void(TMainMenu&)> ways[] = {
        [](TMainMenu& m) {
            QTest::keyPress(m.shown.form.Handle(), Qt::Key_Alt);
            QTest::keyRelease(m.shown.form.Handle(), Qt::Key_Alt);
        },
        [](TMainMenu& m) { QTest::keyClick(m.shown.form.Handle(), Qt::Key_F10); },
    };
    for (const auto& enter : ways) {
        TMainMenu m;
        QString level;
        QString highlighted;
        QString afterDown;
        DriveMenu([&] { enter(m); }, {{30,
                                       [&] {
                                           level = OpenLevel();
                                           highlighted = HighlightedCaption();
                                       }},
                                      {10, m.KeyIn(Qt::Key_Down)},
                                      {40, [&] { afterDown = OpenLevel(); }}});
        EXPECT_EQ(level, "");
        EXPECT_EQ(highlighted, "&File");
        EXPECT_EQ(afterDown, "&File");
    }
}

TEST(MenuKeyboard, AltInsideAnOpenMenuClosesItAndItsReleaseDoesNotReopenIt)
{
    TMainMenu m;
    bool closedByAlt = false;
    bool openAfterRelease = true;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {{40, [&] { QTest::keyPress(m.shown.form.Handle(), Qt::Key_Alt); }},
               {30, [&] { closedByAlt = !m.bar.View()->InLoop(); }},
               {0, [&] { QTest::keyRelease(m.shown.form.Handle(), Qt::Key_Alt); }},
               {30, [&] { openAfterRelease = m.bar.View()->InLoop(); }}});
    EXPECT_TRUE(closedByAlt);
    EXPECT_FALSE(openAfterRelease);
}

TEST(MenuKeyboard, ShortcutsReachTheBarThroughItsFrameBeforeTheFormsOwnHandler)
{
    TShownForm shown(400, 300);
    TOwned<TTeMenuBar> bar = MakeOwned<TTeMenuBar>(nullptr);
    bar->SetParent(&shown.form);
    auto* item = new TTeItem(bar.get());
    item->SetCaption("&Open CD");
    item->SetShortCut(kShortCutCtrl | 'O');
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    bar->Items()->Add(item);
    QStringList formKeys;
    shown.form.OnShortCut = [&](TObject*, const QKeyEvent& key, bool&) {
        if (key.key() != Qt::Key_Control)
            formKeys << key.text();
    };

    // A bar is not a window's menu until the window's frame names it.
    QTest::keyClick(shown.form.Handle(), Qt::Key_O, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 0);

    auto* frame = new TTeDefaultForm(&shown.form);
    frame->SetMenuBar(bar.get());
    frame->Loaded();
    formKeys.clear();
    QTest::keyClick(shown.form.Handle(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(shown.form.Handle(), Qt::Key_P, Qt::NoModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(formKeys, QStringList{"p"});

    // Without its frame the form has its own handler back.
    frame->Free();
    formKeys.clear();
    QTest::keyClick(shown.form.Handle(), Qt::Key_O, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(formKeys.size(), 1);
}

TEST(MenuBar, AlignedToTheTopItSpansItsParentAndFollowsItsWidth)
{
    TMainMenu m;
    EXPECT_EQ(m.bar.Align(), TAlign::alTop);
    EXPECT_EQ(m.bar.BoundsRect(), Rect(0, 0, m.shown.form.ClientWidth(), m.bar.Height()));
    m.shown.form.SetClientSize(300, 200);
    EXPECT_EQ(m.bar.BoundsRect(), Rect(0, 0, 300, m.bar.Height()));
    m.bar.SetAlign(TAlign::alNone);
    m.bar.SetBounds(10, 20, 100, m.bar.Height());
    m.shown.form.SetClientSize(350, 200);
    EXPECT_EQ(m.bar.BoundsRect(), Rect(10, 20, 110, m.bar.Height() + 20));
}

namespace {

int VisibleSeparators(const TTeItem* parent)
{
    int count = 0;
    for (int i = 0; i < parent->Count(); ++i)
        count += parent->Items(i)->IsLine() && parent->Items(i)->Visible() ? 1 : 0;
    return count;
}

}  // namespace

TEST(MenuSeparators, TheHelpMenuShowsOneSeparatorWhereverOthersWereAdded)
{
    TMainMenu m;
    int shown = -1;
    DriveMenu(m.KeyIn(Qt::Key_H, Qt::AltModifier), {{40, [&] { shown = VisibleSeparators(m.help); }}});
    EXPECT_EQ(shown, 1);

    // First, doubled and last: only the one between Support and About stays.
    TTeItem* first = m.Add(m.help, "-");
    m.help->Remove(first);
    m.help->Insert(0, first);
    TTeItem* doubled = m.Add(m.help, "-");
    m.help->Remove(doubled);
    m.help->Insert(m.line->MenuIndex(), doubled);
    m.Add(m.help, "-");
    DriveMenu(m.KeyIn(Qt::Key_H, Qt::AltModifier), {{40, [&] { shown = VisibleSeparators(m.help); }}});
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(first->Visible());
    EXPECT_TRUE(m.support->ItemRect.Bottom <= m.about->ItemRect.Top);
}

TEST(MenuSeparators, AMenuOfOnlySeparatorsDoesNotOpen)
{
    TMainMenu m;
    TTeItem* tools = m.Add(m.bar.Items(), "&Tools");
    m.Add(tools, "-");
    m.Add(tools, "-");
    QString level = "unset";
    DriveMenu(m.KeyIn(Qt::Key_T, Qt::AltModifier), {{60, [&] { level = OpenLevel(); }}});
    EXPECT_EQ(level, "");
    EXPECT_TRUE(m.clicks.isEmpty());
}

TEST(MenuItems, AnItemThatHasAParentCannotBeInsertedAgain)
{
    TMainMenu m;
    EXPECT_THROW(m.help->Add(m.exit), EZvItemError);
    EXPECT_EQ(m.exit->Parent(), m.file);
    EXPECT_EQ(m.help->Count(), 4);
}

TEST(MenuItems, StoredPropertiesLeaveTheirDefaultsOut)
{
    RegisterControlComponents();
    TMainMenu m;
    const auto stored = [](TComponent& component, const char* name) {
        const TPropInfo* info = GetPropInfo(component, QString::fromLatin1(name));
        EXPECT_NE(info, nullptr) << name;
        return info != nullptr && info->IsStored(component);
    };
    for (const char* name : {"Checked", "Enabled", "Visible", "ImageIndex", "Scrolled", "Hint"})
        EXPECT_FALSE(stored(*m.exit, name)) << name;
    EXPECT_TRUE(stored(*m.exit, "Caption"));
    EXPECT_FALSE(stored(*m.exit, "ShortCut"));
    EXPECT_TRUE(stored(*m.openCd, "ShortCut"));
    EXPECT_FALSE(stored(*m.stop, "Visible"));
    EXPECT_TRUE(stored(*m.stop, "Enabled"));
    for (const char* name : {"Align", "AutoSize", "ShowBevel", "PopupThemeObject", "ThemeObject"})
        EXPECT_FALSE(stored(m.bar, name)) << name;
}

TEST(MenuKeyboard, KeysInASecondLevelPopup)
{
    struct TCase {
        Qt::Key Key;
        const char* Level;
    };
    const TCase cases[] = {
        {Qt::Key_Right, "&Operation"},  // a leaf under a popup: only this level closes
        {Qt::Key_Escape, "&Operation"},
        {Qt::Key_Left, "&Operation"},
        {Qt::Key_F10, ""},  // every level
        {Qt::Key_Alt, ""},
        {Qt::Key_Tab, "&Rip"},  // ignored
        {Qt::Key_Space, "&Rip"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Key));
        TMainMenu m;
        QString level = "unset";
        DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier), {{40, m.KeyIn(Qt::Key_R)},
                                                         {40, m.KeyIn(c.Key)},
                                                         {40, [&] { level = OpenLevel(); }}});
        EXPECT_EQ(level, c.Level);
        EXPECT_TRUE(m.clicks.isEmpty());
    }
}
