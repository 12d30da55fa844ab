// The module resource reader on modules built in the test: lookups by name and number, string
// tables, bitmap decoding, and damaged files that must raise rather than crash.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "graphics/Bitmap.h"
#include "graphics/Dib.h"
#include "graphics/ModuleResources.h"
#include "tests/themes/ModuleResourcesBuilder.h"

namespace {

const QString kIni = QStringLiteral("[Button.Pushbutton]\r\nimagefile = Blue\\Button.bmp\r\n");

QByteArray Bgra(quint32 argb) { return Bgr(argb) + QByteArray(1, char(argb >> 24)); }

// 3 × 2, bottom row first in the file: red green blue over white black grey.
QByteArray Dib24() { return Dib(3, 2, 24, 0, 0, {}, {Bgr(0xFF0000) + Bgr(0x00FF00) + Bgr(0x0000FF), Bgr(0xFFFFFF) + Bgr(0) + Bgr(0x808080)}); }
// 2 × 1, top-down, one half-transparent pixel and one clear one.
QByteArray Dib32() { return Dib(2, -1, 32, 0, 0, {}, {Bgra(0x801E140A) + Bgra(0)}); }

std::vector<TTestResource> SampleResources()
{
    return {
        {"TEXTFILE", "NORMAL_INI", Utf16Bytes(kIni)},
        {"COLORNAMES", 1, WideRun({"NormalColor", "Metallic"})},
        {kResourceString, 1, StringBlock({"", "No theme"})},
        {kResourceString, 3, StringBlock({"Thirty-two"})},
        {kResourceBitmap, "BLUE_BUTTON_BMP", Dib24()},
        {kResourceBitmap, 7, Dib32()},
    };
}

std::vector<TteColor> Pixels(const TteBitmap& bitmap)
{
    std::vector<TteColor> result;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            result.push_back(bitmap.GetPixel(x, y));
    return result;
}

class ModuleResourcesFormats : public ::testing::TestWithParam<bool> {};

}  // namespace

TEST_P(ModuleResourcesFormats, FindsResourcesByNameAndNumber)
{
    const TModuleResources module(BuildModule(SampleResources(), GetParam()).bytes);

    std::vector<QString> types;
    for (const TResourceId& id : module.Types())
        types.push_back(id.IsName() ? id.Name() : QString::number(id.Number()));
    EXPECT_EQ(types, (std::vector<QString>{"TEXTFILE", "COLORNAMES", "6", "2"}));
    const std::vector<TResourceId> bitmaps = module.Names(kResourceBitmap);
    ASSERT_EQ(bitmaps.size(), 2u);
    EXPECT_EQ(bitmaps[0].Name(), "BLUE_BUTTON_BMP");
    EXPECT_EQ(bitmaps[1].Number(), 7);

    // Names are compared without regard to case; a number never matches a name.
    const auto text = module.Find("textfile", "Normal_Ini");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(text->constData()), text->size() / 2), kIni);
    EXPECT_EQ(ReadWideStringRun(*module.Find("COLORNAMES", 1)), (QStringList{"NormalColor", "Metallic"}));
    EXPECT_FALSE(module.Find("COLORNAMES", 2).has_value());
    EXPECT_FALSE(module.Find("COLORNAMES", "1").has_value());
    EXPECT_FALSE(module.Find(kResourceBitmap, "NORMAL_INI").has_value());
    EXPECT_FALSE(module.Find("SIZENAMES", 1).has_value());
}

TEST_P(ModuleResourcesFormats, ReadsStringTables)
{
    const TModuleResources module(BuildModule(SampleResources(), GetParam()).bytes);
    EXPECT_EQ(module.FindString(1), QString("No theme"));
    EXPECT_EQ(module.FindString(0), QString(""));
    EXPECT_EQ(module.FindString(15), QString(""));
    EXPECT_EQ(module.FindString(32), QString("Thirty-two"));
    EXPECT_FALSE(module.FindString(16).has_value());
    EXPECT_FALSE(module.FindString(-1).has_value());
}

TEST_P(ModuleResourcesFormats, DecodesBitmapResources)
{
    const TModuleResources module(BuildModule(SampleResources(), GetParam()).bytes);

    TteBitmap opaque;
    opaque.SetName("kept");
    ASSERT_TRUE(module.LoadBitmap("blue_button_bmp", opaque));
    EXPECT_EQ(opaque.Width(), 3);
    EXPECT_EQ(opaque.Height(), 2);
    EXPECT_EQ(Pixels(opaque), (std::vector<TteColor>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080}));
    EXPECT_FALSE(opaque.AlphaBlend());
    EXPECT_EQ(opaque.Name(), "kept");

    TteBitmap blended;
    ASSERT_TRUE(module.LoadBitmap(7, blended));
    EXPECT_EQ(Pixels(blended), (std::vector<TteColor>{0x801E140A, 0x00000000}));
    EXPECT_TRUE(blended.AlphaBlend());

    TteBitmap untouched;
    untouched.SetSize(1, 1);
    EXPECT_FALSE(module.LoadBitmap("MISSING", untouched));
    EXPECT_EQ(untouched.Width(), 1);
}

INSTANTIATE_TEST_SUITE_P(Pe32AndPe32Plus, ModuleResourcesFormats, ::testing::Bool());

TEST(ModuleResources, ModuleWithoutResourcesHasNone)
{
    QByteArray bytes = BuildModule({}).bytes;
    // Clear the resource data directory.
    module_builder::Put32(bytes, module_builder::kOptionalOffset + 96 + 16, 0);
    module_builder::Put32(bytes, module_builder::kOptionalOffset + 96 + 20, 0);
    const TModuleResources module(bytes);
    EXPECT_TRUE(module.Types().empty());
    EXPECT_FALSE(module.FindString(1).has_value());
}

TEST(ModuleResources, ReadsFilesAndRefusesMissingOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Blue.msstyles");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(BuildModule(SampleResources()).bytes);
    file.close();
    EXPECT_TRUE(TModuleResources::FromFile(path).Find("TEXTFILE", "NORMAL_INI").has_value());
    EXPECT_THROW(TModuleResources::FromFile(dir.filePath("none.msstyles")), EModuleError);
}

TEST(ModuleResources, DamagedModulesRaise)
{
    using module_builder::Put16;
    using module_builder::Put32;
    const TBuiltModule base = BuildModule(SampleResources());
    const qint64 pe = module_builder::kPeOffset;
    const qint64 opt = module_builder::kOptionalOffset;
    const qint64 root = module_builder::kSectionOffset;
    const qint64 firstType = root + 16;
    const struct {
        const char* what;
        std::function<void(QByteArray&)> damage;
        const char* message;
    } cases[] = {
        {"truncated DOS header", [](QByteArray& b) { b.truncate(0x30); }, "no DOS header"},
        {"no MZ", [](QByteArray& b) { b[0] = 'Z'; }, "no DOS header"},
        {"PE offset beyond the file", [](QByteArray& b) { Put32(b, 0x3C, 0xFFFFFFF0); }, "no PE signature"},
        {"bad PE signature", [&](QByteArray& b) { b[pe + 1] = 'X'; }, "no PE signature"},
        {"truncated COFF header", [&](QByteArray& b) { b.truncate(pe + 10); }, "no PE signature"},
        {"unknown optional header", [&](QByteArray& b) { Put16(b, opt, 0x999); }, "unknown optional header"},
        {"optional header beyond the file", [&](QByteArray& b) { Put16(b, pe + 20, 0xFFFF); }, "optional header out of range"},
        {"optional header too short", [&](QByteArray& b) { Put16(b, pe + 20, 8); }, "optional header too short"},
        {"huge section count", [&](QByteArray& b) { Put16(b, pe + 6, 0xFFFF); }, "section table out of range"},
        {"resource RVA in no section", [&](QByteArray& b) { Put32(b, opt + 96 + 16, 0x50000); }, "resource directory out of range"},
        {"file cut inside the root directory", [&](QByteArray& b) { b.truncate(root + 8); }, "resource directory out of range"},
        {"huge entry count", [&](QByteArray& b) { Put16(b, root + 12, 0xFFFF); }, "resource directory entry count out of range"},
        {"subdirectory beyond the section", [&](QByteArray& b) { Put32(b, firstType + 4, 0xFFFFFFF0); }, "resource directory out of range"},
        {"type pointing back to the root", [&](QByteArray& b) { Put32(b, firstType + 4, 0x80000000); }, "resource directory loop"},
        {"name pointing back to its type", [&](QByteArray& b) {
             Put32(b, base.firstTypeDirectory + 16 + 4, 0x80000000u | quint32(base.firstTypeDirectory - root));
         }, "resource directory loop"},
        {"type without directory", [&](QByteArray& b) { Put32(b, firstType + 4, 0x10); }, "resource type without directory"},
        {"data RVA in no section", [&](QByteArray& b) { Put32(b, base.firstDataEntry, 0x90000); }, "resource data out of range"},
        {"data size beyond the section", [&](QByteArray& b) { Put32(b, base.firstDataEntry + 4, 0x100000); }, "resource data out of range"},
        {"name length beyond the section", [&](QByteArray& b) { Put16(b, base.firstNameString, 0xFFFF); }, "resource name out of range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes = base.bytes;
        c.damage(bytes);
        try {
            TModuleResources module(bytes);
            ADD_FAILURE() << "no error";
        } catch (const EModuleError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid module file: ") + c.message);
        }
    }
}

TEST(ModuleResources, SharedDirectoriesCannotMultiplyTheWalk)
{
    // 600 types whose entries all point at one 600-name directory: a small file with a vast tree.
    std::vector<TTestResource> resources;
    for (int name = 1; name <= 600; ++name)
        resources.push_back({1, name, QByteArray("x")});
    for (int type = 2; type <= 600; ++type)
        resources.push_back({type, 1, QByteArray("x")});
    TBuiltModule built = BuildModule(resources);
    const qint64 root = module_builder::kSectionOffset;
    const quint32 first = qFromLittleEndian<quint32>(built.bytes.constData() + root + 16 + 4);
    for (int type = 1; type < 600; ++type)
        module_builder::Put32(built.bytes, root + 16 + 8 * type + 4, first);
    EXPECT_THROW(TModuleResources module(built.bytes), EModuleError);
}

TEST(ModuleResources, DecodesEveryPixelFormat)
{
    const QByteArray twoColours = Bgra(0x00102030) + Bgra(0x00A0B0C0);
    QByteArray sixteenColours;
    for (int i = 0; i < 16; ++i)
        sixteenColours += Bgra(quint32(i * 0x111111));
    QByteArray masks565(12, '\0');
    module_builder::Put32(masks565, 0, 0xF800);
    module_builder::Put32(masks565, 4, 0x07E0);
    module_builder::Put32(masks565, 8, 0x001F);
    QByteArray masks32(12, '\0');
    module_builder::Put32(masks32, 0, 0x000000FF);
    module_builder::Put32(masks32, 4, 0x0000FF00);
    module_builder::Put32(masks32, 8, 0x00FF0000);
    const struct {
        const char* what;
        QByteArray dib;
        std::vector<TteColor> expected;
    } cases[] = {
        {"1-bit, nine pixels over two bytes", Dib(9, 1, 1, 0, 0, twoColours, {QByteArray("\xA0\x80", 2)}),
         {0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0, 0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0xFFA0B0C0}},
        {"4-bit, short palette", Dib(3, 1, 4, 0, 2, twoColours, {QByteArray("\x01\x10", 2)}),
         {0xFF102030, 0xFFA0B0C0, 0xFFA0B0C0}},
        {"4-bit, bottom-up", Dib(1, 2, 4, 0, 0, sixteenColours, {QByteArray("\xF0", 1), QByteArray("\x50", 1)}),
         {0xFFFFFFFF, 0xFF555555}},
        {"8-bit, index past a short palette is black", Dib(2, 1, 8, 0, 2, twoColours, {QByteArray("\x01\x07", 2)}),
         {0xFFA0B0C0, 0xFF000000}},
        {"16-bit, 5-5-5", Dib(2, 1, 16, 0, 0, {}, {QByteArray("\x00\x7C\x1F\x00", 4)}), {0xFFFF0000, 0xFF0000FF}},
        {"16-bit, 5-6-5 bit fields", Dib(2, -1, 16, 3, 0, masks565, {QByteArray("\xE0\x07\x00\xF8", 4)}), {0xFF00FF00, 0xFFFF0000}},
        {"32-bit bit fields, no alpha mask", Dib(1, 1, 32, 3, 0, masks32, {QByteArray("\x11\x22\x33\x44", 4)}), {0xFF112233}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TteBitmap bitmap;
        DecodeDib(c.dib, bitmap);
        EXPECT_EQ(Pixels(bitmap), c.expected);
    }
}

TEST(ModuleResources, DamagedBitmapsRaiseAndLeaveTheBitmap)
{
    const QByteArray good = Dib24();
    auto with = [&](qint64 at, quint32 value, bool wide = true) {
        QByteArray b = good;
        if (wide)
            module_builder::Put32(b, at, value);
        else
            module_builder::Put16(b, at, value);
        return b;
    };
    const struct {
        const char* what;
        QByteArray dib;
    } cases[] = {
        {"empty", QByteArray()},
        {"short header", with(0, 12)},
        {"header longer than the data", with(0, 0x10000)},
        {"zero width", with(4, 0)},
        {"negative width", with(4, 0xFFFFFFFF)},
        {"zero height", with(8, 0)},
        {"huge height", with(8, 0x7FFFFFFF)},
        {"huge top-down height", with(8, 0x80000000)},
        {"huge width", with(4, 0x7FFFFFFF)},
        {"odd bit count", with(14, 7, false)},
        {"run-length compression", with(16, 1)},
        {"bit fields on 24 bits", with(16, 3)},
        {"palette beyond the data", Dib(1, 1, 8, 0, 256, {}, {QByteArray(1, '\0')})},
        {"palette larger than the bit count allows", Dib(1, 1, 1, 0, 3, QByteArray(12, '\0'), {QByteArray(1, '\0')})},
        {"rows cut short", good.left(good.size() - 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TteBitmap bitmap;
        bitmap.SetSize(1, 1);
        EXPECT_THROW(DecodeDib(c.dib, bitmap), EModuleError);
        EXPECT_EQ(bitmap.Width(), 1);
    }
}

TEST(ModuleResources, WideStringRuns)
{
    EXPECT_EQ(ReadWideStringRun(WideRun({"a", "bc"}) + Utf16Bytes("ignored")), (QStringList{"a", "bc"}));
    EXPECT_EQ(ReadWideStringRun(Utf16Bytes("open") + QByteArray(1, 'x')), QStringList{"open"});
    EXPECT_TRUE(ReadWideStringRun({}).isEmpty());
}

// The fuzz target's seeds are these modules and a bare bitmap; TRACKWELL_UPDATE_GOLDEN=1 writes them anew.
TEST(ModuleResources, FuzzSeedsAreTheBuiltModules)
{
    const QDir corpus(QStringLiteral(TRACKWELL_TEST_SOURCE_DIR "/fuzz/corpus/module_resources"));
    const struct {
        const char* file;
        QByteArray built;
    } seeds[] = {
        {"sample_pe32", BuildModule(SampleResources()).bytes},
        {"sample_pe32plus", BuildModule(SampleResources(), true).bytes},
        {"bitmap_24", Dib24()},
    };
    for (const auto& seed : seeds) {
        SCOPED_TRACE(seed.file);
        const QByteArray& built = seed.built;
        QFile file(corpus.filePath(seed.file));
        if (qEnvironmentVariableIsSet("TRACKWELL_UPDATE_GOLDEN")) {
            QDir().mkpath(corpus.path());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(built);
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), built);
    }
}

TEST(ModuleResources, CutStringBlockRaises)
{
    // The first string claims five characters that the block does not hold.
    const TModuleResources module(BuildModule({{kResourceString, 1, QByteArray("\x05\x00", 2)}}).bytes);
    EXPECT_THROW(module.FindString(0), EModuleError);
    EXPECT_THROW(module.FindString(3), EModuleError);
}
