// The skin-file theme: loading keeps the previous look on failure, states reach the right child,
// shifts never accumulate, and the window frame answers from the skin's objects.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "theme/ThemeManager.h"
#include "tests/themes/SkinFixture.h"
#include "tests/themes/ThemeFixture.h"
#include "themes/SkinFileTheme.h"
#include "themes/SkinObjectClasses.h"

namespace {

struct TSkinTheme {
    TSkinTheme()
    {
        TBytesStream stream(OurSkinBytes(MaxCompressionSkinFilter()));
        loaded = theme.LoadFromStream(stream);
    }
    TteBuiltTheme<TTeSkinFile> theme;
    bool loaded = false;
};

QImage Drawn(TteTheme& theme, const std::function<void(TTeSkinFile&, TCanvas&)>& draw)
{
    TThemeSurface surface(120, 60);
    draw(dynamic_cast<TTeSkinFile&>(theme), surface.Canvas());
    return surface.bitmap.ToImage();
}

TEST(SkinFileThemeTest, LoadsASkinAndNamesItselfAfterIt)
{
    TSkinTheme t;
    ASSERT_TRUE(t.loaded);
    EXPECT_EQ(TTeSkinFile::GetThemeKindName(), QStringLiteral("DizaZizazi 3 theme"));
    EXPECT_EQ(t.theme.Name(), QStringLiteral("Trackwell Slate"));
    for (TSkinEntry entry : {TSkinEntry::Form, TSkinEntry::FormClient, TSkinEntry::FormButtons, TSkinEntry::FormHit,
                             TSkinEntry::Button, TSkinEntry::Panel, TSkinEntry::ToolWindow,
                             TSkinEntry::ToolWindowClient})
        EXPECT_NE(t.theme.Entry(entry), nullptr) << int(entry);
    // The table's client object stands apart; the frame keeps an empty stand-in of it.
    EXPECT_EQ(t.theme.Entry(TSkinEntry::Form)->FindKind(TSeKind::skClient)->Color(), kSkinNoColor);
    EXPECT_NE(t.theme.Entry(TSkinEntry::FormClient)->Color(), kSkinNoColor);
    EXPECT_EQ(t.theme.Colors()->GetColor(TteThemeColor::ktcWindow), t.theme.Working().Colors().GetColor(TteThemeColor::ktcWindow));
}

TEST(SkinFileThemeTest, StreamsOfEveryFilterAndHeaderlessOnesAreRecognised)
{
    for (const TSeSkinFilter* filter : SkinFilters()) {
        TBytesStream stream(OurSkinBytes(*filter));
        EXPECT_TRUE(TTeSkinFile::IsValidStream(stream)) << qPrintable(filter->Extension());
    }
    TBytesStream headless(OurSkinBytes(CompressedSkinFilter()).mid(5));
    EXPECT_TRUE(TTeSkinFile::IsValidStream(headless));
    TBytesStream other(QByteArray("ZVMSSTL and so on"));
    EXPECT_FALSE(TTeSkinFile::IsValidStream(other));
}

TEST(SkinFileThemeTest, AFailedLoadKeepsThePreviousLook)
{
    TSkinTheme t;
    const QImage before = Drawn(t.theme, [](TTeSkinFile& th, TCanvas& c) { th.DrawButton(0, c, {{4, 4, 80, 30}, 0}, kObject); });
    QByteArray damaged = OurSkinBytes(CompressedSkinFilter());
    damaged.chop(100);
    TBytesStream stream(damaged);
    EXPECT_THROW(t.theme.LoadFromStream(stream), Exception);
    QTemporaryDir dir;
    EXPECT_FALSE(t.theme.LoadFromFile(dir.filePath(QStringLiteral("skin.bmp"))));
    EXPECT_EQ(t.theme.Name(), QStringLiteral("Trackwell Slate"));
    // A change of shift rebuilds from Source, which the failed loads left alone.
    t.theme.SetDeltaHue(30);
    t.theme.SetDeltaHue(0);
    EXPECT_EQ(Drawn(t.theme, [](TTeSkinFile& th, TCanvas& c) { th.DrawButton(0, c, {{4, 4, 80, 30}, 0}, kObject); }),
              before);
}

TEST(SkinFileThemeTest, HueAndBrightnessShiftsNeverAccumulate)
{
    TSkinTheme t;
    const auto draw = [](TTeSkinFile& th, TCanvas& c) {
        th.DrawButton(0, c, {{4, 4, 60, 30}, 1}, kObject);
        th.DrawProgressBar(0, c, {{64, 4, 116, 20}, 3, 0}, kObject);
    };
    const QImage plain = Drawn(t.theme, draw);
    // Unshifted, Working draws with Source's own bitmaps; a shift works on copies.
    const auto sharesBitmaps = [&t] { return t.theme.Working().Bitmaps().GetBitmap(0) == t.theme.Source().Bitmaps().GetBitmap(0); };
    EXPECT_TRUE(sharesBitmaps());
    t.theme.SetDeltas(100, 20);
    EXPECT_FALSE(sharesBitmaps());
    const QImage shifted = Drawn(t.theme, draw);
    EXPECT_NE(shifted, plain);
    t.theme.SetDeltas(100, 20);
    t.theme.SetDeltas(0, 0);
    t.theme.SetDeltas(100, 20);
    EXPECT_EQ(Drawn(t.theme, draw), shifted);
    t.theme.SetDeltas(0, 0);
    EXPECT_EQ(Drawn(t.theme, draw), plain);
}

TEST(SkinFileThemeTest, ElementStatesBecomeSkinStatesOfTheRightChild)
{
    TSkinTheme t;
    TThemeSurface surface;
    TSeSkinObject* face = t.theme.Entry(TSkinEntry::Button)->FindObject(QStringLiteral("Face"));
    for (std::uint8_t state : {1, 5, 7}) {
        t.theme.DrawButton(0, surface.Canvas(), {{2, 2, 60, 24}, state}, kObject);
        EXPECT_EQ(face->State(), SkinState::Hot) << int(state);
        EXPECT_EQ(face->BoundsRect(), (TRect{2, 2, 60, 24}));
    }
    t.theme.DrawButton(0, surface.Canvas(), {{2, 2, 60, 24}, 3}, kObject);
    EXPECT_EQ(face->State(), SkinState::Disabled);

    TSeSkinObject* mixed = t.theme.Entry(TSkinEntry::Checkbox)->FindObject(QStringLiteral("Mixed"));
    t.theme.DrawCheckBox(0, surface.Canvas(), {{10, 10, 30, 30}, 12}, kObject);
    EXPECT_EQ(mixed->State(), SkinState::Pressed);
    // Kept at its own size, centred.
    EXPECT_EQ(mixed->BoundsRect(), (TRect{13, 13, 26, 26}));
    EXPECT_EQ(t.theme.GetCheckBoxSize(0, kObject), (TSize{13, 13}));
}

TEST(SkinFileThemeTest, CheckBoxesAndRadioButtonsShowWhatLiesBeneathThem)
{
    // The family paints its marks alone: the control's rectangle is the parent's to fill.
    TSkinTheme t;
    for (TteCheckBoxKind kind : {TteCheckBoxKind::kcbkCheckBox, TteCheckBoxKind::kcbkRadioButton})
        EXPECT_TRUE(t.theme.IsCheckBoxTransparent(static_cast<TteKind>(kind), kObject)) << int(kind);
}

TEST(SkinFileThemeTest, AButtonWithoutAFaceChildIsDrawnByItsObject)
{
    TSkinTheme t;
    TSeSkinObject* face = t.theme.Entry(TSkinEntry::Button)->FindObject(QStringLiteral("Face"));
    face->Free();
    TThemeSurface surface;
    t.theme.DrawButton(0, surface.Canvas(), {{2, 2, 60, 24}, 0}, kObject);
    EXPECT_EQ(surface.At(30, 12), t.theme.Entry(TSkinEntry::Button)->Color());
    EXPECT_EQ(surface.At(70, 12), kUntouched);
}

TEST(SkinFileThemeTest, TheWindowFrameComesFromTheFormObject)
{
    TSkinTheme t;
    TteWindowInfo info;
    info.Rect = {0, 0, 300, 200};
    info.Active = true;
    info.Buttons = TteFormButtons{TteFormButton::kfbSysMenu, TteFormButton::kfbClose, TteFormButton::kfbMinimize,
                                  TteFormButton::kfbMaximize};
    info.Caption = QStringLiteral("Trackwell");
    const auto kind = TteFormKind::kfkStandard;
    EXPECT_TRUE(t.theme.IsFormAvailable(kind, kObject));
    EXPECT_EQ(t.theme.GetFormClientRect(kind, info, kObject), (TRect{4, 24, 296, 196}));
    const TRect close = t.theme.GetFormButtonRect(kind, info, TteFormButton::kfbClose, kObject);
    // The caption spans the whole width, the side borders start below it.
    EXPECT_EQ(close, (TRect{280, 0, 300, 24}));
    EXPECT_TRUE(t.theme.GetFormButtonRect(kind, info, TteFormButton::kfbHelp, kObject).IsEmpty());
    EXPECT_EQ(t.theme.FormHitTest(kind, info, close.Left + 3, 5, kObject), TteFormHit::kfhClose);
    EXPECT_EQ(t.theme.FormHitTest(kind, info, 150, 5, kObject), TteFormHit::kfhCaption);
    const TRect caption = t.theme.GetFormCaptionRect(kind, info, kObject);
    EXPECT_EQ(caption.Top, 0);
    EXPECT_LT(caption.Right, close.Left + 1);
    // The frame draws without its caption buttons: they come one by one from their own copy.
    TThemeSurface surface(300, 200);
    t.theme.DrawForm(kind, surface.Canvas(), info, kObject);
    const TColor captionOnly = surface.At(close.Left + 10, 12);
    TteFormButtonInfo button;
    button.Rect = close;
    button.Button = TteFormButton::kfbClose;
    t.theme.DrawFormButton(kind, surface.Canvas(), button, kObject);
    EXPECT_NE(surface.At(close.Left + 10, 12), captionOnly);
    // The client area is left to the background.
    EXPECT_EQ(surface.At(150, 100), kUntouched);
    t.theme.DrawFormBackground(kind, surface.Canvas(), t.theme.GetFormClientRect(kind, info, kObject), kObject);
    EXPECT_EQ(surface.At(150, 100), t.theme.Entry(TSkinEntry::FormClient)->Color());
    const std::optional<QRegion> region = t.theme.GetFormRegion(kind, info.Rect, kObject);
    ASSERT_TRUE(region);
    EXPECT_FALSE(region->contains(QPoint(0, 0)));
    EXPECT_TRUE(region->contains(QPoint(150, 100)));
}

TEST(SkinFileThemeTest, SavingToAnUnknownExtensionUsesTheDefaultFilterLastChosen)
{
    TSkinTheme t;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.dat"));
    ASSERT_TRUE(t.theme.SaveToFile(path));
    TMemoryStream written;
    written.LoadFromFile(path);
    // Every Changed chooses the uncompressed filter.
    EXPECT_EQ(written.Bytes().left(5), UncompressedSkinFilter().Header());
    TMemoryStream stream;
    ASSERT_TRUE(t.theme.SaveToStream(stream));
    EXPECT_EQ(stream.Bytes().left(5), MaxCompressionSkinFilter().Header());
}

TEST(SkinFileThemeTest, TheManagerOffersFilesToTheSkinKindLast)
{
    bool registeredHere = false;
    if (GetThemeClassCount() == 0 || GetThemeClass(GetThemeClassCount() - 1) != &ThemeClassOf<TTeSkinFile>()) {
        RegisterThemeClass(ThemeClassOf<TTeSkinFile>());
        registeredHere = true;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Slate.xskn"));
    BuildTrackwellSkin()->SaveToFile(path);
    std::unique_ptr<TteTheme> theme(LoadThemeFromFile(path));
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(&theme->ThemeClass(), &ThemeClassOf<TTeSkinFile>());
    EXPECT_EQ(theme->Name(), QStringLiteral("Trackwell Slate"));
    if (registeredHere)
        UnregisterThemeClass(ThemeClassOf<TTeSkinFile>());
}

}  // namespace
