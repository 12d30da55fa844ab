#include <gtest/gtest.h>

#include <QtEndian>
#include <memory>

#include "framework/ComponentStream.h"
#include "tests/theme/ManagerTestKinds.h"
#include "theme/ThemeList.h"

namespace {

QByteArray Int32(std::int32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(value, bytes.data());
    return bytes;
}

QByteArray NamedForm(const QByteArray& name, const QByteArray& data)
{
    return QByteArray(1, '\x02') + Int32(static_cast<std::int32_t>(name.size())) + name +
           Int32(static_cast<std::int32_t>(data.size())) + data;
}

QByteArray Written(const TTeThemeStream& item)
{
    TMemoryStream stream;
    item.WriteThemeStream(stream);
    return stream.Bytes();
}

void Read(TTeThemeStream& item, const QByteArray& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.constData(), bytes.size());
    stream.SetPosition(0);
    item.ReadThemeStream(stream);
}

QByteArray SampleData(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = static_cast<char>(i * 7 + 3);
    return data;
}

class ThemeListTest : public testing::Test {
protected:
    TTestKinds kinds;
    TTeThemeList list{nullptr};
    void SetUp() override { RegisterThemeComponents(); }
};

}  // namespace

TEST_F(ThemeListTest, NamedDataReadsAndWritesBackByteForByte)
{
    const QByteArray data = QByteArray("ZVMSSTL") + SampleData(3000);
    const QByteArray stored = NamedForm("OSXTiger", data);
    ASSERT_EQ(stored.size(), 1 + 4 + 8 + 4 + data.size());

    TTeThemeStream* item = list.Themes().Add();
    EXPECT_EQ(item->Name(), "(empty)");
    EXPECT_EQ(Written(*item), QByteArray(1, '\0'));

    Read(*item, stored);
    EXPECT_EQ(item->Name(), "OSXTiger");
    EXPECT_EQ(item->DisplayName(), "OSXTiger");
    EXPECT_EQ(item->Data().Bytes(), data);
    EXPECT_EQ(Written(*item), stored);
}

TEST_F(ThemeListTest, ValuesCutShortRaiseAndLeaveTheItemAsItWas)
{
    TTeThemeStream* item = list.Themes().Add();
    item->SetData("kept", "old data");
    const QByteArray stored = NamedForm("OSXTiger", SampleData(40));
    for (const QByteArray& bytes : {stored.left(3), stored.left(12), stored.left(16), stored.left(stored.size() - 1),
                                    NamedForm("x", {}).left(6) + Int32(-5)}) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        EXPECT_THROW(Read(*item, bytes), EReadError);
        EXPECT_EQ(item->Name(), "kept");
        EXPECT_EQ(item->Data().Bytes(), "old data");
    }
    // A form this program does not know reads nothing more.
    Read(*item, QByteArray("\x07rest"));
    EXPECT_EQ(item->Name(), "kept");
}

TEST_F(ThemeListTest, OlderFormBecomesNamedDataAndItsThemeLivesUntilLoaded)
{
    TTeThemeStream* item = list.Themes().Add();
    Read(*item, QByteArray(1, '\x01') + TThemeB::Data("older"));
    EXPECT_EQ(item->Name(), "older");
    EXPECT_EQ(item->Data().Bytes(), TThemeB::Data("older"));
    ASSERT_NE(item->TemporaryTheme(), nullptr);
    EXPECT_EQ(Written(*item), NamedForm("older", TThemeB::Data("older")));

    list.Loaded();
    EXPECT_EQ(item->TemporaryTheme(), nullptr);
    EXPECT_EQ(LiveTestThemes(), 0);

    EXPECT_THROW(Read(*item, QByteArray("\x01TSTZ")), EReadError);
    EXPECT_EQ(item->Name(), "older");
}

TEST_F(ThemeListTest, ItemsGoThroughTheTextAndBinaryDescriptionsWithTheirNameFromTheData)
{
    list.SetName("TeThemeList1");
    TTeThemeStream* named = list.Themes().Add();
    named->SetData("OSXTiger", SampleData(100));
    named->SetTag(7);
    list.Themes().Add();

    QString text = ComponentToString(list);
    EXPECT_TRUE(text.startsWith("object TeThemeList1: TTeThemeList\n  Themes = <\n    item\n"
                                "      ThemeStore = 'OSXTiger'\n      Tag = 7\n      ThemeStream = {\n        02080000004F535854696765726400000003"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("ThemeStore = '(empty)'\n      ThemeStream = {\n        00}\n    end>\nend"));
    EXPECT_FALSE(text.contains("Version"));
    // The stored name is not read back: the data names the item.
    text.replace("ThemeStore = 'OSXTiger'", "ThemeStore = 'Other'");

    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        TTeThemeList copy(nullptr);
        if (binary) {
            TMemoryStream stream;
            WriteComponent(stream, list);
            stream.SetPosition(0);
            ReadComponent(stream, &copy);
        } else {
            StringToComponent(text, &copy);
        }
        ASSERT_EQ(copy.Themes().Count(), 2);
        EXPECT_EQ(copy.Themes().Items(0)->Name(), "OSXTiger");
        EXPECT_EQ(copy.Themes().Items(0)->Tag(), 7);
        EXPECT_EQ(copy.Themes().Items(0)->Data().Bytes(), SampleData(100));
        EXPECT_EQ(copy.Themes().Items(1)->Data().Size(), 0);
        EXPECT_EQ(ComponentToString(copy), ComponentToString(list));
    }
}

TEST_F(ThemeListTest, AnItemsThemeLoadsFromTheStartOfItsData)
{
    TTeThemeStream* item = list.Themes().Add();
    EXPECT_EQ(LoadItemTheme(*item), nullptr);
    item->SetData("a", TThemeA::Data("from item"));
    item->Data().Seek(0, TSeekOrigin::soEnd);
    std::unique_ptr<TteTheme> theme(LoadItemTheme(*item));
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->Name(), "from item");
}
