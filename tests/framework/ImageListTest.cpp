// The image list: cutting strips into pictures with a mask colour, the disabled form, drawing,
// the stored form (through a whole stored description, and refusing damaged data), and the
// links of its users, which follow changes and read null once the list is freed.
#include <QImage>
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "framework/ImageList.h"
#include "framework/Stream.h"
#include "tests/framework/StreamingFixture.h"

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

// A strip of count 4 × 3 cells: cell i is filled with colour i, its top-left pixel magenta.
QImage Strip(int count, int extraWidth = 0)
{
    const QRgb colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    QImage strip(4 * count + extraWidth, 3, QImage::Format_ARGB32);
    strip.fill(0xFF123456);
    for (int i = 0; i < count; ++i) {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                strip.setPixel(4 * i + x, y, colours[i % 3]);
        strip.setPixel(4 * i, 0, kMagenta);
    }
    return strip;
}

TImageList& Sized(TImageList& list)
{
    list.SetWidth(4);
    list.SetHeight(3);
    return list;
}

}  // namespace

TEST(ImageList, AStripIsCutIntoCellsWithTheMaskColourTransparent)
{
    TImageList list(nullptr);
    Sized(list);
    // The 2 pixels left over are not a whole cell.
    EXPECT_EQ(list.AddMasked(Strip(3, 2), RGB(255, 0, 255)), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddMasked(Strip(1), RGB(255, 0, 255)), 3);
    EXPECT_EQ(list.AddMasked(QImage(3, 3, QImage::Format_ARGB32), RGB(255, 0, 255)), -1);
    EXPECT_EQ(list.Count(), 4);
    const QImage second = list.Image(1);
    EXPECT_EQ(second.size(), QSize(4, 3));
    EXPECT_EQ(qAlpha(second.pixel(0, 0)), 0);
    EXPECT_EQ(second.pixel(3, 2), 0xFF00FF00u);
    EXPECT_TRUE(list.Image(4).isNull());
    EXPECT_TRUE(list.Image(-1, false).isNull());
    // A new size drops the pictures cut for the old one.
    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, TheDisabledFormIsTheShapeEmbossedInShadowAndHighlight)
{
    TImageList list(nullptr);
    Sized(list);
    QImage dot(4, 3, QImage::Format_ARGB32);
    dot.fill(kMagenta);
    dot.setPixel(1, 1, 0xFFFF0000);
    list.AddMasked(dot, RGB(255, 0, 255));
    const QImage disabled = list.Image(0, false);
    EXPECT_EQ(disabled.pixel(1, 1), ToQColor(ColorToRGB(clBtnShadow)).rgba());
    EXPECT_EQ(disabled.pixel(2, 2), ToQColor(ColorToRGB(clBtnHighlight)).rgba());
    EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(disabled.pixel(2, 1)), 0);
}

TEST(ImageList, DrawsAPictureWithItsTransparentPixelsLeftAlone)
{
    TImageList list(nullptr);
    Sized(list);
    list.AddMasked(Strip(1), RGB(255, 0, 255));
    QImage target(10, 10, QImage::Format_ARGB32);
    target.fill(0xFFFFFFFF);
    {
        TCanvas canvas(&target);
        list.Draw(canvas, 2, 3, 0);
        list.Draw(canvas, 0, 0, 7);
    }
    EXPECT_EQ(target.pixel(2, 3), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(target.pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(target.pixel(6, 5), 0xFFFFFFFFu);
}

TEST(ImageList, ItsPicturesTravelInAStoredDescription)
{
    RegisterStreamTestClasses();
    RegisterImageListProperties();
    TStreamRoot root(nullptr);
    root.SetName("Root");
    auto* list = new TImageList(&root);
    list->SetName("Images1");
    Sized(*list);
    list->AddMasked(Strip(3), RGB(255, 0, 255));
    const QString text = ComponentToString(root);

    TStreamRoot copy(nullptr);
    StringToComponent(text, &copy);
    auto* read = dynamic_cast<TImageList*>(copy.FindComponent("Images1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Width(), 4);
    EXPECT_EQ(read->Height(), 3);
    ASSERT_EQ(read->Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(read->Image(i), list->Image(i)) << i;
}

TEST(ImageList, DamagedDataIsRefusedAndThePicturesKept)
{
    TImageList list(nullptr);
    Sized(list);
    list.AddMasked(Strip(2), RGB(255, 0, 255));
    const QByteArray good = list.Data();
    QByteArray wrongMagic = good;
    wrongMagic[0] = 'X';
    QByteArray hugeCount = good;
    hugeCount[16] = '\xFF';
    hugeCount[17] = '\xFF';
    const struct {
        const char* Name;
        QByteArray Data;
    } cases[] = {
        {"wrong signature", wrongMagic},
        {"cut short", good.left(good.size() - 1)},
        {"bytes beyond", good + QByteArray(1, '\0')},
        {"a count beyond the data", hugeCount},
        {"only a header's start", good.left(6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_THROW(list.SetData(c.Data), EReadError);
        EXPECT_EQ(list.Count(), 2);
        EXPECT_EQ(list.Data(), good);
    }
}

TEST(ImageList, LinksFollowChangesAndReadNullOnceTheListIsFreed)
{
    int changes = 0;
    int frees = 0;
    TChangeLink<TCustomImageList> link([&] { ++changes; }, [&] { ++frees; });
    TChangeLink<TCustomImageList> dropped([&] { ADD_FAILURE() << "a dropped link was told"; });
    {
        auto list = MakeOwned<TImageList>(nullptr);
        link.Set(list.get());
        dropped.Set(list.get());
        dropped.Set(nullptr);
        Sized(*list);
        list->AddMasked(Strip(2), RGB(255, 0, 255));
        list->Delete(0);
        EXPECT_EQ(changes, 4);
        EXPECT_EQ(link.Get(), list.get());
    }
    EXPECT_EQ(frees, 1);
    EXPECT_EQ(link.Get(), nullptr);
    // A link freed before its list leaves the list with no pointer to it.
    auto list = MakeOwned<TImageList>(nullptr);
    {
        TChangeLink<TCustomImageList> shortLived([&] { ++changes; });
        shortLived.Set(list.get());
    }
    list->Clear();
    list->AddMasked(QImage(16, 16, QImage::Format_ARGB32), RGB(0, 0, 0));
    EXPECT_EQ(changes, 4);
}
