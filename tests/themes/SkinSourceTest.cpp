// Reading and writing skins through the four filters: round trips, the optional header, damaged
// input refused with the source left as it was.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "framework/Filer.h"
#include "graphics/Pixel.h"
#include "graphics/ZlibCompression.h"
#include "graphics/StoredString.h"
#include "graphics/ZlibStream.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeSysColors.h"
#include "tests/themes/SkinFixture.h"
#include "themes/SkinObjectClasses.h"

namespace {

QByteArray Tables(const TSeSkinSource& source)
{
    TMemoryStream stream;
    source.Colors().WriteColors(stream);
    source.SysColors().WriteColors(stream);
    source.Fonts().WriteFonts(stream);
    return stream.Bytes();
}

void ExpectSameSkin(const TSeSkinSource& expected, const TSeSkinSource& actual)
{
    EXPECT_EQ(expected.SkinName(), actual.SkinName());
    EXPECT_EQ(expected.SkinVersion(), actual.SkinVersion());
    EXPECT_EQ(expected.Author(), actual.Author());
    EXPECT_EQ(expected.AuthorEMail(), actual.AuthorEMail());
    EXPECT_EQ(expected.AuthorURL(), actual.AuthorURL());
    ASSERT_EQ(expected.Bitmaps().Count(), actual.Bitmaps().Count());
    for (int i = 0; i < expected.Bitmaps().Count(); ++i) {
        const TteBitmap& a = *expected.Bitmaps().GetBitmap(i);
        const TteBitmap& b = *actual.Bitmaps().GetBitmap(i);
        EXPECT_EQ(a.Name(), b.Name());
        EXPECT_EQ(a.ToImage(), b.ToImage()) << "bitmap " << i;
    }
    ASSERT_EQ(expected.ObjectCount(), actual.ObjectCount());
    for (int i = 0; i < expected.ObjectCount(); ++i)
        EXPECT_EQ(ObjectBytes(*expected.Object(i)), ObjectBytes(*actual.Object(i))) << qPrintable(expected.Object(i)->Name());
    EXPECT_EQ(Tables(expected), Tables(actual));
}

TEST(SkinSourceTest, EachFilterReadsBackWhatItWrote)
{
    const TSkinSourcePtr skin = BuildTrackwellSkin();
    ASSERT_GT(skin->ObjectCount(), 20);
    for (const TSeSkinFilter* filter : SkinFilters()) {
        SCOPED_TRACE(filter->Extension().toStdString());
        const QByteArray bytes = SkinBytes(*skin, *filter);
        EXPECT_EQ(bytes.left(5), filter->Header());
        TBytesStream stream(bytes);
        const TSkinSourcePtr read = NewSource();
        ASSERT_TRUE(read->LoadFromStream(stream));
        ExpectSameSkin(*skin, *read);
        // Written again, the same bytes: nothing is lost or added on the way.
        EXPECT_EQ(SkinBytes(*read, *filter), bytes);
    }
}

TEST(SkinSourceTest, AssignCopiesEverythingAndTheCopyStandsApart)
{
    const TSkinSourcePtr skin = BuildTrackwellSkin();
    const TSkinSourcePtr copy = NewSource();
    copy->Assign(skin.get());
    ExpectSameSkin(*skin, *copy);
    EXPECT_EQ(SkinBytes(*copy, MaxCompressionSkinFilter()), SkinBytes(*skin, MaxCompressionSkinFilter()));
    // Bound to its own bitmaps, so tinting the copy leaves the original alone.
    const QImage before = skin->Bitmaps().GetBitmap(0)->ToImage();
    copy->ChangeHue(90);
    EXPECT_EQ(skin->Bitmaps().GetBitmap(0)->ToImage(), before);
    auto* face = dynamic_cast<TSeButtonObject*>(copy->FindObject(QStringLiteral("Button\\Face")));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->Bitmap().Bitmap(), copy->Bitmaps().GetBitmap(0));
}

TEST(SkinSourceTest, TextBodiesKeyMagentaAndTheKeyColourButBinaryBodiesKeepTheirPixels)
{
    const TSkinSourcePtr skin = NewSource();
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetName(QStringLiteral("Art"));
    bitmap->SetSize(3, 1);
    bitmap->SetPixel(0, 0, 0xFFFC03FD);  // within 5 of magenta
    bitmap->SetPixel(1, 0, 0xFF7F007F);  // the key's colour, opaque
    bitmap->SetPixel(2, 0, 0xFF102030);
    skin->Bitmaps().Add(std::move(bitmap));
    skin->AddObject(new TSeSkinObject(nullptr));
    for (const TSeSkinFilter* filter : SkinFilters()) {
        SCOPED_TRACE(filter->Extension().toStdString());
        TBytesStream stream(SkinBytes(*skin, *filter));
        const TSkinSourcePtr read = NewSource();
        ASSERT_TRUE(read->LoadFromStream(stream));
        const TteBitmap& art = *read->Bitmaps().GetBitmap(0);
        const bool keyed = filter != &MaxCompressionSkinFilter();
        EXPECT_EQ(art.GetPixel(0, 0), keyed ? TransparentKey : 0xFFFC03FD);
        EXPECT_EQ(art.GetPixel(1, 0), keyed ? TransparentKey : 0xFF7F007F);
        EXPECT_EQ(art.GetPixel(2, 0), 0xFF102030u);
    }
}

TEST(SkinSourceTest, CompressedDataWithoutItsHeaderIsStillRead)
{
    for (const TSeSkinFilter* filter : {&CompressedSkinFilter(), &UltraCompressedSkinFilter()}) {
        const QByteArray headless = OurSkinBytes(*filter).mid(5);
        ASSERT_TRUE(headless.startsWith("ZVLZ"));
        TBytesStream stream(headless);
        const TSkinSourcePtr read = NewSource();
        EXPECT_TRUE(read->LoadFromStream(stream));
        EXPECT_EQ(read->SkinName(), QStringLiteral("Trackwell Slate"));
    }
}

TEST(SkinSourceTest, FilesAreReadByTheirExtensionOnly)
{
    QTemporaryDir dir;
    const TSkinSourcePtr skin = BuildTrackwellSkin();
    for (const TSeSkinFilter* filter : SkinFilters()) {
        const QString path = dir.filePath(QStringLiteral("skin.") + filter->Extension().toUpper());
        skin->SaveToFile(path);
        const TSkinSourcePtr read = NewSource();
        EXPECT_TRUE(read->LoadFromFile(path)) << qPrintable(path);
        EXPECT_EQ(SkinBytes(*read, *filter), SkinBytes(*skin, *filter));
    }
    const QString other = dir.filePath(QStringLiteral("skin.png"));
    QFile::copy(dir.filePath(QStringLiteral("skin.USKN")), other);
    const TSkinSourcePtr read = BuildTrackwellSkin();
    EXPECT_FALSE(read->LoadFromFile(other));
    EXPECT_FALSE(read->LoadFromFile(QString()));
    EXPECT_FALSE(read->LoadFromFile(dir.filePath(QStringLiteral("missing.uskn"))));
    EXPECT_EQ(read->ObjectCount(), skin->ObjectCount());
}

TEST(SkinSourceTest, ASkinWithoutObjectsIsNotTakenAndTheSourceKeepsItsSkin)
{
    const TSkinSourcePtr empty = NewSource();
    empty->SetSkinName(QStringLiteral("Empty"));
    TBytesStream stream(SkinBytes(*empty, UncompressedSkinFilter()));
    const TSkinSourcePtr source = BuildTrackwellSkin();
    EXPECT_FALSE(source->LoadFromStream(stream));
    EXPECT_EQ(source->SkinName(), QStringLiteral("Trackwell Slate"));
}

// The uncompressed body of a skin with one object, its parts spelled out so that tests can damage them.
QByteArray Body(std::int32_t bitmapWord, std::int32_t objectWord, const QByteArray& objects,
                const QByteArray& bitmaps = {}, const char* header = "_UCT")
{
    TMemoryStream body;
    body.WriteBuffer(header, 5);
    for (int i = 0; i < 5; ++i)
        WriteStoredString(body, QStringLiteral("s"));
    WriteInt32(body, bitmapWord);
    body.WriteBuffer(bitmaps.constData(), bitmaps.size());
    WriteInt32(body, objectWord);
    body.WriteBuffer(objects.constData(), objects.size());
    return body.Bytes();
}

// The same body in the binary form, packed as the maximum filter writes it.
QByteArray BinaryBody(std::int32_t bitmapWord, const QByteArray& objects, const QByteArray& bitmaps = {})
{
    const QByteArray body = Body(bitmapWord, 1, objects, bitmaps, "_MCT").mid(5);
    TMemoryStream packed;
    packed.WriteBuffer("_MCT\0ZVLZ", 9);
    TCompressionStream deflater(TCompressionLevel::lvDefault, packed);
    deflater.WriteBuffer(body.constData(), body.size());
    deflater.Finish();
    return packed.Bytes();
}

QByteArray BitmapRecord(std::int32_t width, std::int32_t height, const QByteArray& pixels = {})
{
    TMemoryStream record;
    WriteStoredString(record, QStringLiteral("Art"));
    WriteInt32(record, width);
    WriteInt32(record, height);
    record.WriteBuffer(pixels.constData(), pixels.size());
    return record.Bytes();
}

QByteArray BitmapFile(const QByteArray& image)
{
    TMemoryStream file;
    WriteStoredString(file, QStringLiteral("Art"));
    WriteInt32(file, static_cast<std::int32_t>(image.size()));
    file.WriteBuffer(image.constData(), image.size());
    return file.Bytes();
}

// An object with a child in the binary form, the child count raised beyond what the data holds.
QByteArray ChildCountBeyondTheData()
{
    TOwned<TSeSkinObject> parent(new TSeSkinObject(nullptr));
    new TSeSkinObject(parent.get());
    TMemoryStream stream;
    WriteSkinObject(stream, *parent, true);
    QByteArray bytes = stream.Bytes();
    const QByteArray oneChild("\x01\x00\x0F\x00", 4);
    const qsizetype at = bytes.indexOf(oneChild);
    if (at >= 0)
        bytes.replace(at, 4, QByteArray("\xFF\xFF\x0F\x00", 4));
    return bytes;
}

QByteArray StoredObject(const QString& className, const TSeSkinObject& object)
{
    TMemoryStream stream;
    WriteSkinObject(stream, object, false);
    stream.SetPosition(0);
    ReadStoredString(stream);
    const QString text = ReadStoredString(stream);
    TMemoryStream out;
    WriteStoredString(out, className);
    WriteStoredString(out, text);
    return out.Bytes();
}

TEST(SkinSourceTest, DamagedInputIsRefusedAndLeavesTheSourceAsItWas)
{
    TSeSkinObject plain(nullptr);
    plain.SetName(QStringLiteral("Plain"));
    const QByteArray one = StoredObject(QStringLiteral("TSeSkinObject"), plain);
    // A chain of objects each holding the next, deeper than any skin needs.
    QByteArray deep;
    {
        TOwned<TSeSkinObject> root(new TSeSkinObject(nullptr));
        TSeSkinObject* last = root.get();
        for (int i = 0; i < 40; ++i)
            last = new TSeSkinObject(last);
        TMemoryStream stream;
        WriteSkinObject(stream, *root, false);
        deep = stream.Bytes();
    }
    QByteArray compressed = OurSkinBytes(CompressedSkinFilter());
    compressed[compressed.size() / 2] = char(compressed[compressed.size() / 2] ^ 0x55);
    const QByteArray whole = OurSkinBytes(UncompressedSkinFilter());
    const QByteArray binaryObject = [&plain] {
        TMemoryStream s;
        WriteSkinObject(s, plain, true);
        return s.Bytes();
    }();
    const QByteArray childCountBeyondTheData = ChildCountBeyondTheData();
    ASSERT_NE(childCountBeyondTheData, [] {
        TOwned<TSeSkinObject> parent(new TSeSkinObject(nullptr));
        new TSeSkinObject(parent.get());
        return ObjectBytes(*parent);
    }());
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"no skin at all", QByteArray("not a skin, not even close")},
        {"cut in the header", whole.left(3)},
        {"cut in the bitmaps", whole.left(whole.size() / 3)},
        {"cut in the objects", whole.left(whole.size() - 3000)},
        {"damaged compressed body", compressed},
        {"compressed body cut short", OurSkinBytes(MaxCompressionSkinFilter()).chopped(40)},
        {"absurd bitmap count", Body(0x7FFFFFF0, 1, one)},
        {"negative bitmap count", Body(-2, 1, one)},
        {"absurd object count", Body(0, 0x00FFFFF0 & ~0xF0000, one)},
        {"unknown class", Body(0, 1, StoredObject(QStringLiteral("TQqNothing"), plain))},
        {"objects nested without bound", Body(0, 1, deep)},
        {"another filter's header before an uncompressed body", QByteArray("_MCT", 5) + whole.mid(5)},
        {"a bitmap larger than its data", Body(1, 1, one, BitmapRecord(30000, 30000, QByteArray(64, 'x')))},
        {"a bitmap of negative width", Body(1, 1, one, BitmapRecord(-4, 4, QByteArray(64, 'x')))},
        {"binary object data longer than the rest", BinaryBody(0xFFF000, [] {
             TMemoryStream s;
             WriteStoredString(s, QStringLiteral("TSeSkinObject"));
             WriteInt32(s, 0x7FFFFFF0);
             return s.Bytes();
         }())},
        {"binary child count beyond the data", BinaryBody(0xFFF000, childCountBeyondTheData)},
        {"a bitmap file that is no picture", BinaryBody(1, binaryObject, BitmapFile("BMnothing"))},
        {"a bitmap file longer than the rest", BinaryBody(1, binaryObject, BitmapFile("BM").replace(7, 4, QByteArray("\xE8\x03\0\0", 4)))},
        {"object text that is no description", Body(0, 1, [] {
             TMemoryStream s;
             WriteStoredString(s, QStringLiteral("TSeSkinObject"));
             WriteStoredString(s, QStringLiteral("object X: TSeSkinObject\n  Width = 'wide'\nend\n"));
             return s.Bytes();
         }())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TSkinSourcePtr source = BuildTrackwellSkin();
        const QByteArray before = SkinBytes(*source, UncompressedSkinFilter());
        TBytesStream stream(c.Bytes);
        EXPECT_THROW(source->LoadFromStream(stream), Exception);
        EXPECT_EQ(SkinBytes(*source, UncompressedSkinFilter()), before);
    }
}

TEST(SkinSourceTest, AClassNameDifferingInItsSecondAndThirdLettersReadsAsTheSeOrTwClass)
{
    TSeBitmapObject object(nullptr);
    object.SetName(QStringLiteral("Picture"));
    object.Bitmap().SetName(QStringLiteral("Atlas"));
    for (const char* stored : {"TTwBitmapObject", "TXyBitmapObject"}) {
        TBytesStream stream(Body(0, 1, StoredObject(QString::fromLatin1(stored), object)));
        const TSkinSourcePtr source = NewSource();
        ASSERT_TRUE(source->LoadFromStream(stream)) << stored;
        auto* read = dynamic_cast<TSeBitmapObject*>(source->Object(0));
        ASSERT_NE(read, nullptr) << stored;
        EXPECT_EQ(read->Bitmap().Name(), QStringLiteral("Atlas"));
    }
}

TEST(SkinSourceTest, FindObjectTakesATopLevelNameOrAPathIntoIt)
{
    const TSkinSourcePtr skin = BuildTrackwellSkin();
    ASSERT_NE(skin->FindObject(QStringLiteral("button")), nullptr);
    EXPECT_EQ(skin->FindObject(QStringLiteral("button")), skin->FindObject(QStringLiteral("Button")));
    TSeSkinObject* close = skin->FindObject(QStringLiteral("form\\close"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->Parent()->Name(), QStringLiteral("Caption"));
    // Only top-level names count before the path.
    EXPECT_EQ(skin->FindObject(QStringLiteral("Close")), nullptr);
    EXPECT_EQ(skin->FindObject(QStringLiteral("form\\nothing")), nullptr);
}

TEST(SkinSourceTest, TablesAreDerivedFromNamedObjectsWhenTheSkinCarriesNone)
{
    const TSkinSourcePtr skin = BuildTrackwellSkin();
    // A body whose object word has no mark: no tables follow.
    TMemoryStream body;
    body.WriteBuffer("_UCT", 5);
    for (const QString& s : {skin->SkinName(), skin->SkinVersion(), skin->Author(), skin->AuthorEMail(), skin->AuthorURL()})
        WriteStoredString(body, s);
    WriteInt32(body, 0);
    WriteInt32(body, skin->ObjectCount());
    for (int i = 0; i < skin->ObjectCount(); ++i)
        WriteSkinObject(body, *skin->Object(i), false);
    body.SetPosition(0);
    const TSkinSourcePtr read = NewSource();
    ASSERT_TRUE(read->LoadFromStream(body));
    const TteThemeColors& colors = read->Colors();
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcWindow), skin->FindObject(QStringLiteral("Form"))->Color());
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcGrid), skin->FindObject(QStringLiteral("Grid"))->Color());
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcEditSelection), clHighlight);
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcHint), skin->FindObject(QStringLiteral("Hint"))->Color());
    const TSeTextObject& text = *dynamic_cast<TSeTextObject*>(skin->FindObject(QStringLiteral("Button\\Text")));
    EXPECT_EQ(read->Fonts().GetFont(TteThemeFont::ktfButtonTextHot)->Color(), text.FontHot().Color());
    EXPECT_EQ(read->Fonts().GetFont(TteThemeFont::ktfButtonTextDisabled)->Color(), text.FontDisabled().Color());
    EXPECT_EQ(read->Fonts().GetFont(TteThemeFont::ktfWindowTextNormal)->Name(), QStringLiteral("Tahoma"));
}

}  // namespace
