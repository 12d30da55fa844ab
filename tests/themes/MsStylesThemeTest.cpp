// The visual-style theme: its packed stream, damaged input, element objects and shifts that never accumulate.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <memory>

#include "framework/Exception.h"
#include "framework/IniFile.h"
#include "framework/Stream.h"
#include "framework/StringList.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/StoredString.h"
#include "graphics/ZlibCompression.h"
#include "graphics/ZlibDecompression.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeSysColors.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"
#include "tests/themes/MsStylesFixture.h"

namespace {

const char* const kIni =
    "[Button.Pushbutton]\r\n"
    "imagefile=Blue\\Button.bmp\r\n"
    "imagecount=2\r\n"
    "fillcolorhint=10 20 30\r\n"
    "textcolor=1 2 3\r\n"
    "[Window.Caption]\r\n"
    "imagefile=Brushed\\FrameCaption.bmp\r\n"
    "sizingtype=stretch\r\n"
    "sizingmargins=10, 10, 0, 26\r\n"
    "[listview]\r\n"
    "fillcolor=200 100 50\r\n"
    "[SysMetrics]\r\n"
    "CaptionBarHeight=30\r\n"
    "BtnFace=11 22 33\r\n";

std::unique_ptr<TteBitmap> MakeBitmap(const QString& name, int width, int height, TteColor seed)
{
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->SetPixel(x, y, 0xFF000000u | (seed + static_cast<TteColor>(x * 0x1020 + y * 0x300005)));
    bitmap->SetName(name);
    return bitmap;
}

// A theme holding the INI text above and two bitmaps, one with each flag.
void FillStyle(TTeThemeMsStyles& theme)
{
    auto button = MakeBitmap(QStringLiteral("BLUE_BUTTON_BMP"), 6, 10, 0x00204060);
    button->SetTransparent(true);
    auto caption = MakeBitmap(QStringLiteral("BRUSHED_FRAMECAPTION_BMP"), 32, 29, 0x00802010);
    caption->SetAlphaBlend(true);
    std::vector<std::unique_ptr<TteBitmap>> bitmaps;
    bitmaps.push_back(std::move(button));
    bitmaps.push_back(std::move(caption));
    SetStyle(theme, QStringLiteral("OSXTiger"), QString::fromLatin1(kIni), std::move(bitmaps));
}

QByteArray Packed(TTeThemeMsStyles& theme)
{
    TMemoryStream stream;
    theme.SavePacked(stream);
    return stream.Bytes();
}

// A loaded theme, as the manager hands one over.
std::unique_ptr<TTeThemeMsStyles> LoadedStyle()
{
    TteBuiltTheme<TTeThemeMsStyles> source;
    FillStyle(source);
    return LoadedCopy(source);
}

QStringList IniLines(const TTeThemeMsStyles& theme)
{
    TStringList lines;
    theme.Ini().GetStrings(lines);
    QStringList result;
    for (int i = 0; i < lines.Count(); ++i)
        result << lines.Strings(i);
    return result;
}

QByteArray Pixels(const TteBitmap& bitmap)
{
    return QByteArray(reinterpret_cast<const char*>(bitmap.Bits()), bitmap.Width() * bitmap.Height() * 4);
}

void ExpectSameStyle(const TTeThemeMsStyles& actual, const TTeThemeMsStyles& expected)
{
    EXPECT_EQ(actual.Name(), expected.Name());
    EXPECT_EQ(IniLines(actual), IniLines(expected));
    ASSERT_EQ(actual.Bitmaps().Count(), expected.Bitmaps().Count());
    for (int i = 0; i < expected.Bitmaps().Count(); ++i) {
        const TteBitmap& a = *actual.Bitmaps().GetBitmap(i);
        const TteBitmap& e = *expected.Bitmaps().GetBitmap(i);
        EXPECT_EQ(a.Name(), e.Name());
        EXPECT_EQ(a.Width(), e.Width());
        EXPECT_EQ(a.Height(), e.Height());
        EXPECT_EQ(Pixels(a), Pixels(e)) << i;
        EXPECT_EQ(a.Transparent(), e.Transparent());
        EXPECT_EQ(a.AlphaBlend(), e.AlphaBlend());
    }
}

// The magic and a level-1 zlib stream of body.
QByteArray PackBody(const QByteArray& body)
{
    TMemoryStream stream;
    stream.WriteBuffer(TTeThemeMsStyles::kMagic, sizeof TTeThemeMsStyles::kMagic);
    TCompressionStream deflater(TCompressionLevel::lvFastest, stream);
    deflater.WriteBuffer(body.constData(), body.size());
    deflater.Finish();
    return stream.Bytes();
}

QByteArray Int32(qint32 value)
{
    QByteArray raw(4, '\0');
    qToLittleEndian<qint32>(value, raw.data());
    return raw;
}

QByteArray String(const QByteArray& text) { return Int32(static_cast<qint32>(text.size())) + text; }

// A name, an INI text and count, without the records.
QByteArray Header(qint32 count) { return String("Damaged") + String("[Button.Pushbutton]\r\n") + Int32(count); }

// One record of a 2 x 1 bitmap.
QByteArray Record()
{
    return String("A") + Int32(2) + Int32(1) + QByteArray(8, '\x7f') + String("A") + QByteArray("\x01\x00", 2);
}

}  // namespace

TEST(MsStylesTheme, KindAnswersItsNameConfigAndMagic)
{
    EXPECT_EQ(TTeThemeMsStyles::GetThemeKindName(), QStringLiteral("Microsoft msstyles"));
    const TteThemeConfig config = TTeThemeMsStyles::GetThemeConfig();
    EXPECT_FALSE(config.BuiltIn);
    EXPECT_TRUE(config.CanSave);
    EXPECT_TRUE(config.CanLoadStream);
    EXPECT_EQ(config.Filter,
              QStringLiteral("Microsoft msstyles (*.msstyles)|*.msstyles|RorezAzizad themes (*.theme)|*.theme"));
    EXPECT_EQ(config.DefaultExt, QStringLiteral("msstyles"));

    TteBuiltTheme<TTeThemeMsStyles> theme;
    EXPECT_EQ(&theme.ThemeClass(), &ThemeClassOf<TTeThemeMsStyles>());
    EXPECT_TRUE(theme.IsEmpty());
    for (const auto& [bytes, valid] : {std::pair{QByteArray("ZVMSSTL"), true}, {QByteArray("ZVMSSTLxyz"), true},
                                       {QByteArray("ZVMSST"), false}, {QByteArray("ZVMSSTX"), false}}) {
        TMemoryStream stream;
        stream.WriteBuffer(bytes.constData(), bytes.size());
        stream.Seek(0, TSeekOrigin::soBeginning);
        EXPECT_EQ(TTeThemeMsStyles::IsValidStream(stream), valid) << bytes.constData();
    }
}

TEST(MsStylesTheme, PackedStreamIsMagicThenFastestZlib)
{
    TteBuiltTheme<TTeThemeMsStyles> theme;
    FillStyle(theme);
    const QByteArray packed = Packed(theme);
    ASSERT_GT(packed.size(), 9);
    EXPECT_EQ(packed.left(7), QByteArray("ZVMSSTL"));
    // zlib header of deflate with the fastest level.
    EXPECT_EQ(static_cast<unsigned char>(packed[7]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(packed[8]), 0x01);

    // The body in the order the format lays it out.
    TMemoryStream source;
    source.WriteBuffer(packed.constData() + 7, packed.size() - 7);
    source.Seek(0, TSeekOrigin::soBeginning);
    TDecompressionStream body(source);
    TMemoryStream plain;
    char buffer[4096];
    for (std::int64_t got; (got = body.Read(buffer, sizeof buffer)) > 0;)
        plain.WriteBuffer(buffer, got);
    plain.Seek(0, TSeekOrigin::soBeginning);
    EXPECT_EQ(ReadStoredString(plain), QStringLiteral("OSXTiger"));
    const QString text = ReadStoredString(plain);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Button.Pushbutton]\r\nimagefile=Blue\\Button.bmp\r\n")));
    qint32 count = 0;
    plain.ReadBuffer(&count, 4);
    EXPECT_EQ(qFromLittleEndian(count), 2);
    TteBitmap first;
    first.LoadFromStream(plain);
    EXPECT_EQ(first.Width(), 6);
    EXPECT_EQ(ReadStoredString(plain), QStringLiteral("BLUE_BUTTON_BMP"));
    char flags[2];
    plain.ReadBuffer(flags, 2);
    EXPECT_EQ(flags[0], 1);
    EXPECT_EQ(flags[1], 0);
}

TEST(MsStylesTheme, SaveThenLoadGivesTheSameStyle)
{
    TteBuiltTheme<TTeThemeMsStyles> source;
    FillStyle(source);
    TMemoryStream stream;
    EXPECT_TRUE(source.SaveToStream(stream));
    stream.Seek(0, TSeekOrigin::soBeginning);

    TteBuiltTheme<TTeThemeMsStyles> loaded;
    EXPECT_TRUE(loaded.LoadFromStream(stream));
    ExpectSameStyle(loaded, source);
    EXPECT_EQ(loaded.ThemeName(), QStringLiteral("OSXTiger"));
    EXPECT_FALSE(loaded.IsEmpty());

    TteBuiltTheme<TTeThemeMsStyles> assigned;
    assigned.Assign(&loaded);
    ExpectSameStyle(assigned, source);
}

TEST(MsStylesTheme, WrongMagicLoadsNothing)
{
    auto theme = LoadedStyle();
    QByteArray packed = Packed(*theme);
    packed[6] = 'X';
    TMemoryStream stream;
    stream.WriteBuffer(packed.constData(), packed.size());
    stream.Seek(0, TSeekOrigin::soBeginning);

    TteBuiltTheme<TTeThemeMsStyles> other;
    other.SetName(QStringLiteral("Kept"));
    EXPECT_TRUE(other.LoadFromStream(stream));
    EXPECT_EQ(other.Name(), QStringLiteral("Kept"));
    EXPECT_EQ(other.Bitmaps().Count(), 0);
    EXPECT_TRUE(IniLines(other).isEmpty());

    // A shifted style stays shifted once, not twice.
    auto before = LoadedStyle();
    before->SetDeltas(60, 10);
    theme->SetDeltas(60, 10);
    stream.Seek(0, TSeekOrigin::soBeginning);
    theme->LoadFromStream(stream);
    ExpectSameStyle(*theme, *before);
}

TEST(MsStylesTheme, StyleThatCannotBeBuiltRaisesAndKeepsTheStyle)
{
    TteBuiltTheme<TTeThemeMsStyles> broken;
    FillStyle(broken);
    broken.Ini().WriteString(QStringLiteral("Button.Pushbutton"), QStringLiteral("imagecount"), QStringLiteral("4px"));
    const QByteArray packed = Packed(broken);

    auto theme = LoadedStyle();
    theme->SetDeltas(30, 0);
    auto reference = LoadedStyle();
    reference->SetDeltas(30, 0);
    TMemoryStream stream;
    stream.WriteBuffer(packed.constData(), packed.size());
    stream.Seek(0, TSeekOrigin::soBeginning);
    EXPECT_THROW(theme->LoadFromStream(stream), EConvertError);
    ExpectSameStyle(*theme, *reference);
    EXPECT_TRUE(theme->Element(TMsElement::ButtonPushbutton).IsLoaded());
    EXPECT_EQ(theme->Element(TMsElement::ButtonPushbutton).ImageCount, 2);
}

TEST(MsStylesTheme, DamagedInputRaisesAndKeepsTheStyle)
{
    TteBuiltTheme<TTeThemeMsStyles> valid;
    FillStyle(valid);
    const QByteArray good = Packed(valid);
    const QByteArray oneRecord = Header(1) + Record();
    const auto flipped = [&](qsizetype at, char bits) {
        QByteArray data = good;
        data[at] = static_cast<char>(data[at] ^ bits);
        return data;
    };

    struct Case {
        const char* name;
        QByteArray data;
        bool zlibError;
    };
    const QByteArray zeros(64, '\0');
    const Case cases[] = {
        {"deflate data altered", flipped(12, 0x5A), true},
        {"checksum altered", flipped(good.size() - 1, 1), true},
        {"compressed data cut", good.left(good.size() / 2), true},
        {"no body at all", QByteArray("ZVMSSTL"), true},
        {"bitmap record cut", PackBody(oneRecord.left(oneRecord.size() - 3)), false},
        {"bitmap pixels cut", PackBody(Header(1) + String("A") + Int32(2) + Int32(1) + QByteArray(5, '\0')), false},
        {"absurd bitmap count", PackBody(Header(0x7FFFFFFF) + Record()), false},
        {"absurd bitmap size", PackBody(Header(1) + String("A") + Int32(1 << 20) + Int32(1 << 20) + zeros), false},
        {"negative bitmap width", PackBody(Header(1) + String("A") + Int32(-5) + Int32(1) + zeros), false},
        {"absurd name length", PackBody(Int32(0x7FFFFFF0) + QByteArray(16, 'a')), false},
        {"negative text length", PackBody(String("N") + Int32(-1) + QByteArray(16, 'a')), false},
    };
    auto theme = LoadedStyle();
    const auto reference = LoadedStyle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMemoryStream stream;
        stream.WriteBuffer(c.data.constData(), c.data.size());
        stream.Seek(0, TSeekOrigin::soBeginning);
        try {
            theme->LoadFromStream(stream);
            ADD_FAILURE() << "no error";
        } catch (const EDecompressionError& error) {
            EXPECT_TRUE(c.zlibError) << error.Message().toStdString();
            EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Damaged visual style data")));
        } catch (const EReadError& error) {
            EXPECT_FALSE(c.zlibError) << error.Message().toStdString();
            EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Damaged visual style data")));
        }
        ExpectSameStyle(*theme, *reference);
    }

    // The same record whole loads, so the cases above fail for the damage alone.
    TMemoryStream stream;
    const QByteArray whole = PackBody(oneRecord);
    stream.WriteBuffer(whole.constData(), whole.size());
    stream.Seek(0, TSeekOrigin::soBeginning);
    theme->LoadFromStream(stream);
    ASSERT_EQ(theme->Bitmaps().Count(), 1);
    EXPECT_EQ(theme->Bitmaps().GetBitmap(0)->Width(), 2);
    EXPECT_TRUE(theme->Bitmaps().GetBitmap(0)->Transparent());
}

TEST(MsStylesTheme, BuildObjectsMakesTheTableAndReadsMetrics)
{
    auto theme = LoadedStyle();
    for (const QString& section : TTeThemeMsStyles::ElementSections())
        EXPECT_NE(theme->Element(section), nullptr) << section.toStdString();
    EXPECT_EQ(TTeThemeMsStyles::ElementSections().size(), 81u);
    EXPECT_FALSE(theme->Element(QStringLiteral("tab.pane"))->IsLoaded());

    const TmsuxThemeObject* caption = theme->Element(QStringLiteral("window.caption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->ImageFile.Name(), QStringLiteral("BRUSHED_FRAMECAPTION_BMP"));
    EXPECT_EQ(caption->ImageFile.Bitmap(), theme->Bitmaps().GetBitmap(1));
    EXPECT_EQ(caption->SizingType, TmsuxThemeObject::kstStretch);
    EXPECT_EQ(caption->SizingMargins, (TRect{10, 0, 10, 26}));

    EXPECT_EQ(theme->CaptionBarHeight(), 30);
    EXPECT_EQ(theme->SMCaptionBarHeight(), 17);
    EXPECT_EQ(theme->BorderWidth(), 4);
    EXPECT_EQ(theme->SMBorderWidth(), 3);

    EXPECT_EQ(theme->Colors()->GetColor(TteThemeColor::ktcButtonNormal), static_cast<TColor>(0x001E140A));
    EXPECT_EQ(theme->Colors()->GetColor(TteThemeColor::ktcGrid), static_cast<TColor>(0x003264C8));
    EXPECT_EQ(theme->SysColors()->GetSysColor(clBtnFace), static_cast<TColor>(0x0021160B));
}

TEST(MsStylesTheme, HueSetTwiceEqualsTheSecondOnce)
{
    auto twice = LoadedStyle();
    twice->SetDeltaHue(40);
    twice->SetDeltaHue(90);
    auto once = LoadedStyle();
    once->SetDeltaHue(90);
    ExpectSameStyle(*twice, *once);
    const auto list = [](const TTeThemeMsStyles& t) { return t.Element(QStringLiteral("listview"))->FillColor; };
    EXPECT_EQ(list(*twice), list(*once));
    EXPECT_EQ(twice->Colors()->GetColor(TteThemeColor::ktcList), once->Colors()->GetColor(TteThemeColor::ktcList));

    // The shift did act, and going back to 0 gives the unshifted style.
    const auto plain = LoadedStyle();
    EXPECT_NE(Pixels(*once->Bitmaps().GetBitmap(1)), Pixels(*plain->Bitmaps().GetBitmap(1)));
    EXPECT_NE(list(*once), list(*plain));
    twice->SetDeltaBrightness(30);
    twice->SetDeltas(0, 0);
    ExpectSameStyle(*twice, *plain);
    EXPECT_EQ(list(*twice), list(*plain));
}

TEST(MsStylesTheme, FilesHoldThePackedStreamOnlyUnderTheme)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto theme = LoadedStyle();
    const QString packed = folder.filePath(QStringLiteral("x.THEME"));
    EXPECT_TRUE(theme->SaveToFile(packed));
    TteBuiltTheme<TTeThemeMsStyles> loaded;
    EXPECT_TRUE(loaded.LoadFromFile(packed));
    ExpectSameStyle(loaded, *theme);
    EXPECT_EQ(loaded.FileName(), packed);

    const QString module = folder.filePath(QStringLiteral("x.msstyles"));
    EXPECT_FALSE(theme->SaveToFile(module));
    EXPECT_FALSE(QFileInfo::exists(module));
    EXPECT_THROW(loaded.LoadFromFile(folder.filePath(QStringLiteral("missing.theme"))), EFOpenError);
    const QString text = folder.filePath(QStringLiteral("notes.theme"));
    TMemoryStream notes;
    notes.WriteBuffer("[Theme]\r\nName=x\r\n", 18);
    notes.SaveToFile(text);
    EXPECT_FALSE(loaded.LoadFromFile(text));
    EXPECT_EQ(loaded.FileName(), packed);
    ExpectSameStyle(loaded, *theme);
}

TEST(MsStylesTheme, BodyInflatingPastTheLimitIsRefused)
{
    // A few hundred kilobytes of zeros that inflate beyond what a style may hold.
    TMemoryStream stream;
    stream.WriteBuffer(TTeThemeMsStyles::kMagic, sizeof TTeThemeMsStyles::kMagic);
    {
        TCompressionStream deflater(TCompressionLevel::lvFastest, stream);
        const QByteArray zeros(1 << 20, '\0');
        for (std::int64_t written = 0; written <= TTeThemeMsStyles::kMaxBodySize; written += zeros.size())
            deflater.WriteBuffer(zeros.constData(), zeros.size());
        deflater.Finish();
    }
    stream.Seek(0, TSeekOrigin::soBeginning);
    auto theme = LoadedStyle();
    const auto reference = LoadedStyle();
    try {
        theme->LoadFromStream(stream);
        FAIL() << "no error";
    } catch (const EDecompressionError& error) {
        EXPECT_EQ(error.Message(), "Damaged visual style data: the body is larger than 256 MB");
    }
    ExpectSameStyle(*theme, *reference);
}
