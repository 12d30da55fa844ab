#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <memory>

#include "framework/Canvas.h"
#include "framework/ComponentRef.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/GroupBox.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "tests/theme/ManagerTestKinds.h"
#include "theme/BackgroundPainters.h"
#include "theme/CustomThemeLink.h"
#include "theme/SavedFonts.h"
#include "theme/ThemedElements.h"

namespace {

using TCodes = QList<std::intptr_t>;

class ManagerTest : public testing::Test {
protected:
    TTestKinds kinds;
    TRecordingTarget target;
    void SetUp() override { AddThemeNotification(&target); }
    void TearDown() override { RemoveThemeNotification(&target); }
};

// A link that supplies whatever theme the test gives it.
class TFixedLink : public TteCustomThemeLink {
public:
    TFixedLink() : TteCustomThemeLink(nullptr) {}
    TteTheme* GetTheme() const override { return theme.get(); }
    std::unique_ptr<TteTheme> theme;
};

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST_F(ManagerTest, AbstractThemeIsTheFirstKindAndIndexesOutOfRangeGiveNone)
{
    ASSERT_EQ(GetThemeClassCount(), 4);
    EXPECT_EQ(GetThemeClass(0), &ThemeClassOf<TteTheme>());
    EXPECT_EQ(GetThemeClass(3), &ThemeClassOf<TThemeB>());
    EXPECT_EQ(GetThemeClass(4), nullptr);
    EXPECT_EQ(GetThemeClass(-1), nullptr);
}

TEST_F(ManagerTest, ReplacingAndClearingBroadcastInTheirOrderAndFreeThePreviousTheme)
{
    SetCurrentTheme(NewTheme('A', "first"));
    EXPECT_EQ(target.Changes(), (TCodes{1, 3, 2}));
    target.Log.clear();

    // Targets see the new theme when told it was replaced.
    QString seen;
    target.OnMessage = [&](TMessage& m) {
        if (m.WParam == 0)
            seen = CurrentTheme()->Name();
    };
    SetCurrentTheme(NewTheme('B', "second"));
    EXPECT_EQ(target.Changes(), (TCodes{1, 0, 2}));
    EXPECT_EQ(seen, "second");
    EXPECT_EQ(LiveTestThemes(), 1);
    target.Log.clear();

    // The theme already current is kept, not freed.
    SetCurrentTheme(CurrentTheme());
    EXPECT_EQ(CurrentTheme()->Name(), "second");
    EXPECT_TRUE(target.Log.isEmpty());

    ClearCurrentTheme();
    EXPECT_EQ(target.Changes(), (TCodes{1, 4, 2}));
    EXPECT_FALSE(HasCurrentTheme());
    EXPECT_EQ(LiveTestThemes(), 0);
    for (const auto& entry : target.Log)
        EXPECT_EQ(std::get<2>(entry), 0);
}

TEST_F(ManagerTest, TargetsRegisterOnceAndALateOneHearsOfTheCurrentTheme)
{
    EXPECT_EQ(AddThemeNotification(&target), 0);
    SetCurrentTheme(NewTheme('A', "a"));
    EXPECT_EQ(target.Changes(), (TCodes{1, 3, 2}));

    TRecordingTarget late;
    AddThemeNotification(&late);
    EXPECT_EQ(late.Changes(), (TCodes{3}));
    AddThemeNotification(&late);
    EXPECT_EQ(late.Changes(), (TCodes{3}));

    // A target that unregisters another while a broadcast runs stops it from being told.
    target.OnMessage = [&](TMessage&) { RemoveThemeNotification(&late); };
    ClearCurrentTheme();
    EXPECT_EQ(late.Changes(), (TCodes{3}));
}

TEST_F(ManagerTest, AFreedTargetLeavesNoEntryBehind)
{
    // Freed while registered, without unregistering: the manager must neither keep nor tell it.
    auto* control = new TRecordingWidget;
    AddThemeNotification(control);
    EXPECT_EQ(ThemeManager().TargetCount(), 2);
    control->Free();
    EXPECT_EQ(ThemeManager().TargetCount(), 1);
    EXPECT_FALSE(ThemeManager().IsTarget(control));

    // Freed by another target's handling in the middle of a broadcast.
    TComponentRef<TRecordingTarget> freedMeanwhile(new TRecordingTarget);
    AddThemeNotification(freedMeanwhile);
    target.OnMessage = [&](TMessage&) { delete freedMeanwhile.Get(); };
    SetCurrentTheme(NewTheme('A', "a"));
    EXPECT_EQ(freedMeanwhile.Get(), nullptr);
    EXPECT_EQ(target.Changes(), (TCodes{1, 3, 2}));
    EXPECT_EQ(ThemeManager().TargetCount(), 1);
    EXPECT_EQ(AddThemeNotification(&target), 0);
}

TEST_F(ManagerTest, ColourChangesReachOnlyVisibleControls)
{
    TRecordingWidget hidden;
    TRecordingWidget shown;
    shown.show();
    AddThemeNotification(&hidden);
    AddThemeNotification(&shown);
    SetCurrentTheme(NewTheme('A', "a"));
    SetThemeDeltaHue(30);
    EXPECT_EQ(hidden.Changes(), (TCodes{1, 3, 2}));
    EXPECT_EQ(shown.Changes(), (TCodes{1, 3, 2, 5}));
    EXPECT_EQ(target.Changes(), (TCodes{1, 3, 2, 5}));
    RemoveThemeNotification(&hidden);
    RemoveThemeNotification(&shown);
}

TEST_F(ManagerTest, GlobalDeltasActOnTheCurrentThemeAndIgnoreZero)
{
    SetThemeDeltaHue(30);
    EXPECT_TRUE(target.Log.isEmpty());

    SetCurrentTheme(NewTheme('A', "a"));
    target.Log.clear();
    struct {
        void (*call)();
        int hue;
        int brightness;
        bool broadcast;
    } const cases[] = {
        {[] { SetThemeDeltaHue(0); }, 0, 0, false},
        {[] { SetThemeDeltaHue(30); }, 30, 0, true},
        {[] { SetThemeDeltaBrightness(0); }, 30, 0, false},
        {[] { SetThemeDeltaBrightness(-20); }, 30, -20, true},
        {[] { SetThemeDeltas(0, 0); }, 30, -20, false},
        {[] { SetThemeDeltas(0, 15); }, 0, 15, true},
    };
    for (const auto& c : cases) {
        target.Log.clear();
        c.call();
        EXPECT_EQ(CurrentTheme()->DeltaHue(), c.hue);
        EXPECT_EQ(CurrentTheme()->DeltaBrightness(), c.brightness);
        if (c.broadcast)
            EXPECT_EQ(target.Log, (QList<TRecordingTarget::TEntry>{{TE_THEMECHANGE, 5, 1}}));
        else
            EXPECT_TRUE(target.Log.isEmpty());
    }
}

TEST_F(ManagerTest, ElementQueriesFallBackFromLinkToCurrentThemeToDefault)
{
    TFixedLink emptyLink;
    EXPECT_FALSE(IsButtonThemed(0, "default", nullptr));
    EXPECT_FALSE(IsFormThemed(TteFormKind::kfkStandard, "default", &emptyLink));
    EXPECT_EQ(GetLinkTheme(nullptr), nullptr);

    auto* current = static_cast<TThemeA*>(NewTheme('A', "current"));
    current->Themed = {"default"};
    SetCurrentTheme(current);
    TFixedLink link;
    link.theme.reset(NewTheme('B', "link"));
    static_cast<TThemeB*>(link.theme.get())->Themed = {"special"};

    struct {
        const TteCustomThemeLink* link;
        QString object;
        bool themed;
    } const cases[] = {
        {nullptr, "anything", true},   // the current theme is asked again with "default"
        {&emptyLink, "anything", true},
        {&link, "special", true},
        {&link, "anything", false},  // a link's theme is not asked with "default"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.object.toStdString());
        EXPECT_EQ(IsButtonThemed(0, c.object, c.link), c.themed);
        EXPECT_EQ(IsFormThemed(TteFormKind::kfkDialog, c.object, c.link), c.themed);
        EXPECT_FALSE(IsGridThemed(0, c.object, c.link));
    }
    EXPECT_EQ(GetLinkTheme(&link), link.theme.get());
    EXPECT_EQ(GetLinkTheme(&emptyLink), current);
}

TEST_F(ManagerTest, StreamsAreOfferedToTheKindsInRegistrationOrderFromTheirPosition)
{
    // Another kind that accepts the same data, registered later, never gets it.
    RegisterThemeClass(ThemeClassOf<TThemeA>());
    const QByteArray prefix("xyz");
    struct {
        QByteArray data;
        const TteThemeClass* kind;
        QString name;
    } const cases[] = {
        {TThemeA::Data("one"), &ThemeClassOf<TThemeA>(), "one"},
        {TThemeB::Data("two"), &ThemeClassOf<TThemeB>(), "two"},
        {QByteArray("TSTC-unknown"), nullptr, {}},
        {QByteArray("TS"), nullptr, {}},                      // too short for any kind
        {TThemeB::Data("refuse me"), nullptr, {}},           // the kind's load says no
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data.toStdString());
        TMemoryStream stream;
        stream.WriteBuffer((prefix + c.data).constData(), prefix.size() + c.data.size());
        stream.SetPosition(prefix.size());
        std::unique_ptr<TteTheme> theme(LoadThemeFromStream(stream));
        if (c.kind == nullptr) {
            EXPECT_EQ(theme, nullptr);
            EXPECT_EQ(stream.Position(), prefix.size());
        } else {
            ASSERT_NE(theme, nullptr);
            EXPECT_EQ(&theme->ThemeClass(), c.kind);
            EXPECT_EQ(theme->Name(), c.name);
        }
    }
    EXPECT_EQ(LiveTestThemes(), 0);
}

TEST_F(ManagerTest, SavingNeedsAKindThatCanSave)
{
    TMemoryStream stream;
    SaveThemeToStream(nullptr, stream);
    TteBuiltTheme<TteTheme> abstract;
    SaveThemeToStream(&abstract, stream);
    EXPECT_EQ(stream.Size(), 0);
    std::unique_ptr<TteTheme> theme(NewTheme('B', "saved"));
    SaveThemeToStream(theme.get(), stream);
    EXPECT_EQ(stream.Bytes(), TThemeB::Data("saved"));
}

TEST_F(ManagerTest, FilesLoadByExtensionThenByContentAndBesideTheProgram)
{
    QTemporaryDir dir;
    const QString byExtension = dir.filePath("named.tsb");
    WriteFile(byExtension, TThemeB::Data("by extension"));
    const QString byContent = dir.filePath("content.bin");
    WriteFile(byContent, TThemeA::Data("by content"));
    const QString wrongContent = dir.filePath("wrong.tsb");
    WriteFile(wrongContent, TThemeA::Data("a's data"));
    const QString noExtension = dir.filePath("plain");
    WriteFile(noExtension, TThemeA::Data("no extension"));
    const QString besideProgram = QStringLiteral("ManagerTest-beside.tsa");
    const QString programCopy = QDir(QCoreApplication::applicationDirPath()).filePath(besideProgram);
    WriteFile(programCopy, TThemeA::Data("beside the program"));

    struct {
        QString file;
        QString name;
    } const cases[] = {
        {byExtension, "by extension"},
        {byContent, "by content"},
        {wrongContent, {}},  // the kind the extension names refuses it: no second try
        {noExtension, "no extension"},
        {besideProgram, "beside the program"},
        {dir.filePath("missing.tsa"), {}},
        {"Z:ManagerTest-beside.tsa", {}},  // a drive is never looked for beside the program
        {{}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        std::unique_ptr<TteTheme> theme(LoadThemeFromFile(c.file));
        EXPECT_EQ(theme ? theme->Name() : QString(), c.name);
    }
    QFile::remove(programCopy);
}

TEST_F(ManagerTest, PlatformColourDisplayAndStyleChangesBroadcastColours)
{
    for (std::uint32_t msg : {WM_SYSCOLORCHANGE, WM_DISPLAYCHANGE, WM_THEMECHANGED, WM_SETTINGCHANGE}) {
        target.Log.clear();
        SendMessage(ThemeManager().UtilityWindow(), msg);
        if (msg == WM_SETTINGCHANGE)
            EXPECT_TRUE(target.Log.isEmpty());
        else
            EXPECT_EQ(target.Log, (QList<TRecordingTarget::TEntry>{{TE_THEMECHANGE, 5, 0}}));
    }

    target.Log.clear();
    const QPalette palette = QApplication::palette();
    QPalette changed = palette;
    changed.setColor(QPalette::Window, Qt::darkRed);
    QApplication::setPalette(changed);
    QApplication::setPalette(palette);
    EXPECT_EQ(target.Changes(), (TCodes{5, 5}));

    // A platform style change reaches every window; the controls hear of it once.
    target.Log.clear();
    QWidget first;
    QWidget second;
    first.show();
    second.show();
    for (QWidget* window : {&first, &second}) {
        QEvent change(QEvent::ThemeChange);
        QCoreApplication::sendEvent(window->windowHandle(), &change);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(target.Changes(), (TCodes{5}));
}

TEST(ManagerSavedFonts, RestoreGivesBackTheLatestSavedCopyUntilForgotten)
{
    TFont font;
    font.SetName("Tahoma");
    RestoreControlFont(&font);
    EXPECT_EQ(font.Name(), "Tahoma");

    SaveControlFont(&font);
    font.SetName("Theme font");
    RestoreControlFont(&font);
    EXPECT_EQ(font.Name(), "Tahoma");

    font.SetSize(12);
    SaveControlFont(&font);
    font.SetSize(30);
    RestoreControlFont(&font);
    EXPECT_EQ(font.Size(), 12);

    ForgetControlFont(&font);
    font.SetSize(30);
    RestoreControlFont(&font);
    EXPECT_EQ(font.Size(), 30);
}

namespace {

class TBaseBox : public TComponent {
public:
    TBaseBox() : TComponent(nullptr) {}
};
class TDerivedBox : public TBaseBox {};

TteBackgroundPainter Marker(int* called, int value)
{
    return [called, value](TCanvas&, const TteBackgroundPaintInfo&) {
        *called = value;
        return true;
    };
}

}  // namespace

TEST(ManagerBackgroundPainters, TheMostDerivedRegisteredClassWinsWhateverTheOrder)
{
    for (bool derivedFirst : {false, true}) {
        ClearBackgroundPainters();
        int called = 0;
        if (derivedFirst)
            RegisterBackgroundPainter<TDerivedBox>(Marker(&called, 2));
        RegisterBackgroundPainter<TBaseBox>(Marker(&called, 1));
        if (!derivedFirst)
            RegisterBackgroundPainter<TDerivedBox>(Marker(&called, 2));
        RegisterBackgroundPainter<TComponent>(Marker(&called, 3));

        TDerivedBox derived;
        TBaseBox base;
        TObject other;
        TCanvas canvas;
        for (auto [parent, expected] : {std::pair<TObject*, int>{&derived, 2}, {&base, 1}}) {
            const TteBackgroundPainter* painter = FindBackgroundPainter(parent);
            ASSERT_NE(painter, nullptr);
            (*painter)(canvas, {});
            EXPECT_EQ(called, expected);
        }
        EXPECT_EQ(FindBackgroundPainter(&other), nullptr);
    }
    ClearBackgroundPainters();
}

TEST(ManagerBackgroundPainters, GroupBoxesAndFormsFillTheChildsRectangleWithTheirColour)
{
    TTestKinds kinds;
    ThemeManager();
    TGroupBox box(nullptr);
    box.SetColor(RGB(10, 20, 30));
    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetColor(RGB(10, 20, 30));
    for (TComponent* parent : std::initializer_list<TComponent*>{&box, form.get()}) {
        const TteBackgroundPainter* painter = FindBackgroundPainter(parent);
        ASSERT_NE(painter, nullptr);

        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            TCanvas canvas(&image);
            (*painter)(canvas, {Rect(2, 2, 5, 4), Rect(2, 2, 5, 4), nullptr, parent});
        }
        EXPECT_EQ(image.pixel(2, 2), qRgb(10, 20, 30));
        EXPECT_EQ(image.pixel(4, 3), qRgb(10, 20, 30));
        EXPECT_EQ(image.pixel(5, 3), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(4, 4), qRgb(255, 255, 255));
    }
}
