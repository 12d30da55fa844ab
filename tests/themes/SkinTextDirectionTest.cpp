// Right-to-left reading of skin object texts: the alignment is mirrored (the second text keeps to
// the other side), the window of the object's control decides before the application, and the
// window caption follows. Fonts vary, so only where the ink lies is checked.
#include <QGuiApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "framework/Form.h"
#include "framework/WinControl.h"
#include "tests/themes/SkinFixture.h"
#include "tests/themes/ThemeFixture.h"
#include "themes/SkinFileTheme.h"

namespace {

// The application's layout direction for the scope.
class TDirection {
public:
    explicit TDirection(Qt::LayoutDirection direction) : previous_(QGuiApplication::layoutDirection())
    {
        QGuiApplication::setLayoutDirection(direction);
    }
    ~TDirection() { QGuiApplication::setLayoutDirection(previous_); }
    TDirection(const TDirection&) = delete;
    TDirection& operator=(const TDirection&) = delete;

private:
    Qt::LayoutDirection previous_;
};

// The columns that drawing the text changed: from the first to the last.
struct TInk {
    int Left = -1;
    int Right = -1;
    int Middle() const { return (Left + Right) / 2; }
};

TInk InkBetween(const QImage& without, const QImage& with)
{
    TInk ink;
    for (int x = 0; x < with.width(); ++x)
        for (int y = 0; y < with.height(); ++y)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ink.Left = ink.Left < 0 ? x : ink.Left;
                ink.Right = x;
                break;
            }
    return ink;
}

constexpr int kWidth = 240;

struct TTextObject {
    TTextObject()
    {
        object->SetColor(kSkinNoColor);
        object->Font().SetColor(clBlack);
        object->SetBounds({0, 0, kWidth, 20});
    }
    QImage Painted()
    {
        TThemeSurface surface(kWidth, 20);
        object->Paint(surface.Canvas(), {});
        return surface.bitmap.ToImage();
    }
    // Where the text and the second text land.
    TInk Ink(const QString& text, const QString& text2 = {})
    {
        object->SetText({});
        object->SetText2({});
        const QImage blank = Painted();
        object->SetText(text);
        object->SetText2(text2);
        return InkBetween(blank, Painted());
    }

    TOwned<TSeSkinObject> object{new TSeSkinObject(nullptr)};
};

enum class TSide { Left, Centre, Right };

void ExpectOn(TSide side, const TInk& ink, const char* what)
{
    ASSERT_GE(ink.Left, 0) << what << ": no ink";
    switch (side) {
    case TSide::Left:
        EXPECT_LT(ink.Left, 4) << what;
        EXPECT_LT(ink.Right, kWidth / 2) << what;
        break;
    case TSide::Right:
        EXPECT_GT(ink.Left, kWidth / 2) << what;
        EXPECT_GT(ink.Right, kWidth - 5) << what;
        break;
    case TSide::Centre:
        EXPECT_NEAR(ink.Middle(), kWidth / 2, 3) << what;
        break;
    }
}

}  // namespace

TEST(SkinTextDirectionTest, ReadingFromTheRightMirrorsTheAlignment)
{
    const struct {
        TSeTextAlign Align;
        TSide LeftToRight, RightToLeft;
    } cases[] = {
        {TSeTextAlign::taLeft, TSide::Left, TSide::Right},
        {TSeTextAlign::taTopLeft, TSide::Left, TSide::Right},
        {TSeTextAlign::taBottomRight, TSide::Right, TSide::Left},
        {TSeTextAlign::taRight, TSide::Right, TSide::Left},
        {TSeTextAlign::taCenter, TSide::Centre, TSide::Centre},
    };
    TTextObject t;
    for (const auto& each : cases) {
        t.object->SetTextAlign(each.Align);
        {
            TDirection direction(Qt::LeftToRight);
            ExpectOn(each.LeftToRight, t.Ink(QStringLiteral("Track 01")), "left to right");
        }
        TDirection direction(Qt::RightToLeft);
        ExpectOn(each.RightToLeft, t.Ink(QStringLiteral("Track 01")), "right to left");
    }
}

TEST(SkinTextDirectionTest, TheSecondTextKeepsToTheOtherSide)
{
    TTextObject t;
    t.object->SetTextAlign(TSeTextAlign::taLeft);
    {
        TDirection direction(Qt::LeftToRight);
        ExpectOn(TSide::Right, t.Ink({}, QStringLiteral("Ctrl+R")), "left to right");
    }
    TDirection direction(Qt::RightToLeft);
    ExpectOn(TSide::Left, t.Ink({}, QStringLiteral("Ctrl+R")), "right to left");
    // Both at once: the text on the right, the second text on the left.
    const TInk both = t.Ink(QStringLiteral("Track 01"), QStringLiteral("Ctrl+R"));
    EXPECT_LT(both.Left, 4);
    EXPECT_GT(both.Right, kWidth - 5);
}

TEST(SkinTextDirectionTest, TheWindowOfTheObjectsControlDecidesBeforeTheApplication)
{
    TOwned<TForm> window{MakeOwned<TForm>(nullptr)};
    auto* control = new TWinControl(window.get());
    control->SetParent(window.get());
    TTextObject t;
    t.object->SetTextAlign(TSeTextAlign::taLeft);
    t.object->SetControl(control);

    // The control's own widget takes the direction of the window it is in.
    TDirection application(Qt::LeftToRight);
    window->Handle()->setLayoutDirection(Qt::RightToLeft);
    ExpectOn(TSide::Right, t.Ink(QStringLiteral("Track 01")), "in a right-to-left window");

    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    window->Handle()->setLayoutDirection(Qt::LeftToRight);
    ExpectOn(TSide::Left, t.Ink(QStringLiteral("Track 01")), "in a left-to-right window");
    t.object->SetControl(nullptr);
}

TEST(SkinTextDirectionTest, TheWindowCaptionReadsFromTheRightBeforeTheButtons)
{
    TteBuiltTheme<TTeSkinFile> theme;
    TBytesStream stream(OurSkinBytes(MaxCompressionSkinFilter()));
    ASSERT_TRUE(theme.LoadFromStream(stream));
    TteWindowInfo info;
    info.Rect = {0, 0, 300, 200};
    info.Active = true;
    info.Buttons = TteFormButtons{TteFormButton::kfbClose};
    const auto kind = TteFormKind::kfkStandard;
    const TRect caption = theme.GetFormCaptionRect(kind, info, kObject);
    const TRect close = theme.GetFormButtonRect(kind, info, TteFormButton::kfbClose, kObject);
    auto ink = [&](const QString& text) {
        auto drawn = [&](const QString& what) {
            info.Caption = what;
            TThemeSurface surface(300, 30);
            theme.DrawFormCaptionText(kind, surface.Canvas(), info, caption, kObject);
            return surface.bitmap.ToImage();
        };
        return InkBetween(drawn({}), drawn(text));
    };
    TInk leftToRight, rightToLeft;
    {
        TDirection direction(Qt::LeftToRight);
        leftToRight = ink(QStringLiteral("Trackwell"));
    }
    {
        TDirection direction(Qt::RightToLeft);
        rightToLeft = ink(QStringLiteral("Trackwell"));
    }
    ASSERT_GE(leftToRight.Left, 0);
    ASSERT_GE(rightToLeft.Left, 0);
    EXPECT_LT(leftToRight.Right, caption.Left + caption.Width() / 2);
    EXPECT_GT(rightToLeft.Left, caption.Left + caption.Width() / 2);
    EXPECT_LE(rightToLeft.Right, close.Left);
    EXPECT_GT(rightToLeft.Right, close.Left - 20);
}
