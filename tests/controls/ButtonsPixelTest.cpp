// The pictures of buttons, check boxes, labels and group boxes in each state, without text, in the
// classic look, the Default theme (which draws none of them, so looks classic) and OSXTiger; what an
// unknown object falls back to; and the same live controls repainted after the theme changes.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeGroupBox.h"
#include "controls/widgets/TeLabel.h"
#include "tests/controls/ControlFixtures.h"
#include "tests/support/GoldenImage.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

// A button that counts its paints.
class TCountedButton : public TTeButton {
public:
    using TTeButton::TTeButton;
    int Paints = 0;

protected:
    void PaintControl() override
    {
        ++Paints;
        TTeButton::PaintControl();
    }
};

// One of each control in each state, side by side on a form, without captions.
struct TStateStrip : TShownForm {
    std::vector<TOwned<TControl>> controls;
    TCountedButton* counted = nullptr;
    TSampleControl labelHost;

    explicit TStateStrip(TteCustomThemeLink* link = nullptr, const QString& object = QStringLiteral("default"))
        : TShownForm(520, 60)
    {
        labelHost.SetParent(&form);
        labelHost.SetColor(RGB(200, 200, 200));
        int x = 2;
        const auto place = [&](auto* control, int width, int height) {
            control->SetThemeLink(link);
            control->SetThemeObject(object);
            control->SetBounds(x, 2, width, height);
            x += width + 2;
            controls.emplace_back(control);
            return control;
        };
        const auto button = [&]() {
            auto* b = place(new TCountedButton(nullptr), 40, 22);
            b->SetParent(&form);
            return b;
        };
        counted = button();
        button()->MouseEnter();
        button()->MouseDown(TMouseButton::mbLeft, {}, 5, 5);
        button()->FocusEnter();
        button()->SetEnabled(false);
        button()->SetDefault(true);

        const auto box = [&](TTeCheckBoxState state) {
            auto* b = place(new TTeCheckBox(nullptr), 16, 16);
            b->SetParent(&form);
            b->SetState(state);
            return b;
        };
        box(TTeCheckBoxState::kcbsUnChecked);
        box(TTeCheckBoxState::kcbsChecked);
        box(TTeCheckBoxState::kcbsMixed);
        box(TTeCheckBoxState::kcbsChecked)->SetEnabled(false);
        box(TTeCheckBoxState::kcbsUnChecked)->MouseEnter();

        auto* group = place(new TTeGroupBox(nullptr), 50, 40);
        group->SetParent(&form);
        auto* checked = place(new TTeGroupBox(nullptr), 50, 40);
        checked->SetParent(&form);
        checked->SetUseCheckBox(true);
        checked->CheckBox()->SetThemeLink(link);
        checked->CheckBox()->SetThemeObject(object);

        labelHost.SetBounds(x, 2, 20, 20);
        auto* label = new TTeLabel(nullptr);
        label->SetThemeLink(link);
        label->SetThemeObject(object);
        label->SetParent(&labelHost);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 17, 17);
        label->SetShowGlyph(true);
        label->SetGlyphThemeObject(object);
        controls.emplace_back(label);
        FlushPaints();
    }

    QImage Grab() { return form.ClientWidget()->grab(QRect(0, 0, 520, 44)).toImage().convertToFormat(QImage::Format_RGB32); }
};

std::unique_ptr<TteTheme> OsxTiger()
{
    return CreateStoredTheme(QStringLiteral("OSXTiger"));
}

// Makes a theme current for the length of a test.
struct TCurrentTheme {
    explicit TCurrentTheme(std::unique_ptr<TteTheme> theme) { SetCurrentTheme(theme.release()); }
    ~TCurrentTheme() { ClearCurrentTheme(); }
};

}  // namespace

TEST(ButtonsPixels, ClassicLook)
{
    ClearCurrentTheme();
    TStateStrip strip;
    EXPECT_TRUE(MatchesGolden(strip.Grab(), QStringLiteral("controls/golden/buttons_classic.png")));
}

TEST(ButtonsPixels, TheDefaultThemeDrawsNoneOfThemSoTheyLookClassic)
{
    ClearCurrentTheme();
    const QImage classic = TStateStrip().Grab();
    TCurrentTheme theme(std::make_unique<TteBuiltTheme<TteTheme>>());
    EXPECT_EQ(TStateStrip().Grab(), classic);
}

TEST(ButtonsPixels, OsxTiger)
{
    TCurrentTheme theme(OsxTiger());
    TStateStrip strip;
    EXPECT_TRUE(MatchesGolden(strip.Grab(), QStringLiteral("controls/golden/buttons_osxtiger.png")));
}

TEST(ButtonsPixels, AnObjectUnknownToALinksThemeDrawsTheBuiltInLook)
{
    ClearCurrentTheme();
    const QImage classic = TStateStrip().Grab();
    TteBuiltTheme<TListedTheme> linked(QSet<QString>{QStringLiteral("default")});
    TFixedLink link(&linked);
    EXPECT_NE(TStateStrip(&link).Grab(), classic);
    EXPECT_EQ(TStateStrip(&link, QStringLiteral("nonesuch")).Grab(), classic);
    // Without a link the current theme is asked again with "default".
    TCurrentTheme theme(OsxTiger());
    EXPECT_EQ(TStateStrip(nullptr, QStringLiteral("nonesuch")).Grab(), TStateStrip().Grab());
}

TEST(ButtonsPixels, TheSameControlsRepaintWhenTheCurrentThemeChanges)
{
    ClearCurrentTheme();
    TStateStrip strip;
    const QImage classic = strip.Grab();
    int paints = strip.counted->Paints;
    {
        TCurrentTheme theme(OsxTiger());
        FlushPaints();
        EXPECT_GT(strip.counted->Paints, paints);
        EXPECT_TRUE(MatchesGolden(strip.Grab(), QStringLiteral("controls/golden/buttons_osxtiger.png")));
        paints = strip.counted->Paints;
    }
    FlushPaints();
    EXPECT_GT(strip.counted->Paints, paints);
    EXPECT_EQ(strip.Grab(), classic);
}
