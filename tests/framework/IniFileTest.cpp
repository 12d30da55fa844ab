#include <gtest/gtest.h>

#include <QStringList>

#include "framework/IniFile.h"
#include "framework/Stream.h"

namespace {

QStringList Lines(const TStringList& list)
{
    QStringList lines;
    for (int i = 0; i < list.Count(); ++i)
        lines << list.Strings(i);
    return lines;
}

void SetText(TMemIniFile& ini, const QString& text)
{
    TStringList strings;
    strings.SetText(text);
    ini.SetStrings(strings);
}

QString Text(const TMemIniFile& ini)
{
    TStringList strings;
    ini.GetStrings(strings);
    return strings.Text();
}

// Comments, blanks, a line before the first section, a line without "=", a nameless key, a
// repeated key and a repeated section.
const char* const kStyle = "; made by hand\r\n"
                           "orphan=before any section\r\n"
                           "[General]\r\n"
                           "  Name = Trackwell \r\n"
                           "\r\n"
                           "Empty=\r\n"
                           "NoEquals line\r\n"
                           "Count=0x1F\r\n"
                           "=nameless\r\n"
                           "Flag=1\r\n"
                           "[ Button.Pushbutton ]\r\n"
                           "ImageFile = Brushed\\Button.bmp\r\n"
                           "imagefile=second\r\n"
                           "[general]\r\n"
                           "Name=shadowed\r\n"
                           "Extra=only in the repeat\r\n"
                           "[Numbers]\r\n"
                           "Bad=12x\r\n"
                           "Neg=-5\r\n"
                           "Zero=0\r\n";

class IniFile : public testing::Test {
protected:
    void SetUp() override { SetText(ini, QString::fromLatin1(kStyle)); }
    TMemIniFile ini;
};

} // namespace

TEST(IniFileText, ReadingKeepsOnlySectionsAndTheirLinesTrimmed)
{
    const struct {
        const char* text;
        const char* lines;
    } cases[] = {
        {"", ""},
        {"a=1\r\n[S]\r\nb=2", "[S]\r\nb=2\r\n\r\n"},
        {"[S]\n  ; note\n\n\tk \t=\t v \n", "[S]\r\nk=v\r\n\r\n"},
        {"[ S ]\rnoequals \r", "[S]\r\nnoequals\r\n\r\n"},
        {"[S]\na = b = c\nk=v;not a comment\n", "[S]\r\na=b = c\r\nk=v;not a comment\r\n\r\n"},
        {"[]\n[\n=x\n", "[]\r\n[\r\n=x\r\n\r\n"},
        {"[S]\n[s]\nk=1\nk=2\n", "[S]\r\n\r\n[s]\r\nk=1\r\nk=2\r\n\r\n"},
        {"[S] ; not a header\nk=1\n", ""},
        {"\x01[S]\x02\nk=\xA0v\x7F\n", "[S]\r\nk=\xA0v\x7F\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TMemIniFile ini;
        ini.WriteString("Old", "key", "value");
        SetText(ini, QString::fromLatin1(c.text));
        EXPECT_EQ(Text(ini), QString::fromLatin1(c.lines));
    }
}

TEST(IniFileText, LineEndsDoNotMatter)
{
    const QString crlf = QString::fromLatin1(kStyle);
    TMemIniFile reference;
    SetText(reference, crlf);
    for (const char* end : {"\n", "\r"}) {
        TMemIniFile ini;
        SetText(ini, QString(crlf).replace("\r\n", end));
        EXPECT_EQ(Text(ini), Text(reference));
    }
}

TEST_F(IniFile, StreamsRoundTripTheCanonicalText)
{
    TMemoryStream stream;
    ini.SaveToStream(stream);
    stream.SetPosition(0);
    TMemIniFile copy;
    copy.WriteString("Old", "key", "value");
    copy.LoadFromStream(stream);
    EXPECT_EQ(Text(copy), Text(ini));
    EXPECT_EQ(QString::fromLatin1(stream.Bytes()), Text(ini));
}

TEST_F(IniFile, ReadStringFindsTheFirstSectionAndKeyWithoutRegardToCase)
{
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"General", "Name", "Trackwell"},
        {"GENERAL", "name", "Trackwell"},
        {"General", "Empty", ""},
        {"General", "NoEquals line", "<default>"},
        {"General", "", "nameless"},
        {"General", "Extra", "<default>"},
        {"button.pushbutton", "IMAGEFILE", "Brushed\\Button.bmp"},
        {"Missing", "Name", "<default>"},
        {"General", "orphan", "<default>"},
        {"General", " Name", "<default>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.value);
        EXPECT_EQ(ini.ValueExists(c.section, c.key), std::string(c.value) != "<default>");
    }
}

TEST_F(IniFile, ReadIntegerAndReadBoolFallBackOnlyWhenNotAnInteger)
{
    const struct {
        const char* section;
        const char* key;
        int integer;
        bool boolean;
    } cases[] = {
        {"General", "Count", 31, true},
        {"General", "Flag", 1, true},
        {"Numbers", "Neg", -5, true},
        {"Numbers", "Zero", 0, false},
        {"Numbers", "Bad", 77, true},
        {"General", "Empty", 77, true},
        {"General", "Name", 77, true},
        {"Numbers", "Missing", 77, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadInteger(c.section, c.key, 77), c.integer);
        EXPECT_EQ(ini.ReadBool(c.section, c.key, true), c.boolean);
    }
    EXPECT_FALSE(ini.ReadBool("Numbers", "Bad", false));
}

TEST_F(IniFile, SectionListingsKeepFileOrderAndRepeats)
{
    TStringList strings;
    strings.Add("replaced");
    ini.ReadSections(strings);
    EXPECT_EQ(Lines(strings), QStringList({"General", "Button.Pushbutton", "general", "Numbers"}));
    ini.ReadSection("general", strings);
    EXPECT_EQ(Lines(strings), QStringList({"Name", "Empty", "Count", "", "Flag"}));
    ini.ReadSection("Button.Pushbutton", strings);
    EXPECT_EQ(Lines(strings), QStringList({"ImageFile", "imagefile"}));
    ini.ReadSectionValues("GENERAL", strings);
    EXPECT_EQ(Lines(strings),
              QStringList({"Name=Trackwell", "Empty=", "NoEquals line", "Count=0x1F", "=nameless", "Flag=1"}));
    ini.ReadSection("Missing", strings);
    EXPECT_EQ(strings.Count(), 0);

    EXPECT_TRUE(ini.SectionExists("numbers"));
    EXPECT_FALSE(ini.SectionExists("Missing"));
    SetText(ini, "[Empty]\n");
    EXPECT_TRUE(ini.SectionExists("empty")) << "a section exists without keys";
}

TEST_F(IniFile, EraseAndDeleteRemoveTheFirstSoARepeatShows)
{
    ini.DeleteKey("Button.Pushbutton", "IMAGEFILE");
    EXPECT_EQ(ini.ReadString("Button.Pushbutton", "ImageFile", ""), "second");
    ini.DeleteKey("Missing", "Name");
    ini.DeleteKey("General", "NoEquals line");
    ini.EraseSection("GENERAL");
    EXPECT_EQ(ini.ReadString("General", "Name", ""), "shadowed");
    ini.EraseSection("General");
    EXPECT_FALSE(ini.SectionExists("General"));
    ini.EraseSection("Missing");
    EXPECT_EQ(Text(ini), "[Button.Pushbutton]\r\nimagefile=second\r\n\r\n[Numbers]\r\nBad=12x\r\nNeg=-5\r\nZero=0\r\n\r\n");
    ini.Clear();
    EXPECT_EQ(Text(ini), "");
}

TEST_F(IniFile, WriteStringReplacesInPlaceOrAppends)
{
    ini.WriteString("button.PUSHBUTTON", "IMAGEFILE", "new.bmp");
    ini.WriteString("Button.Pushbutton", "SizingMargins", "1, 2, 3, 4");
    ini.WriteString("Added", "Key", "");
    TStringList strings;
    ini.ReadSectionValues("Button.Pushbutton", strings);
    EXPECT_EQ(Lines(strings), QStringList({"IMAGEFILE=new.bmp", "imagefile=second", "SizingMargins=1, 2, 3, 4"}));
    ini.ReadSections(strings);
    EXPECT_EQ(Lines(strings).last(), "Added");
    EXPECT_TRUE(ini.ValueExists("added", "key"));
    EXPECT_EQ(ini.ReadString("Added", "Key", "<default>"), "");
}

TEST_F(IniFile, WritingWhatTheTextCannotHoldRaisesAndChangesNothing)
{
    const QString before = Text(ini);
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {{"S", "a=b", "v"}, {"S", "k", "line\nbreak"}, {"S\r", "k", "v"}, {"S", "k\r", "v"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), EIniFileException);
    }
    try {
        ini.WriteString("General", "a=b", "v");
        FAIL();
    } catch (const EIniFileException& error) {
        EXPECT_EQ(error.Message(), "Cannot write the INI key \"a=b\" of section \"General\": a key may not hold "
                                   "\"=\" and no part may hold a line break");
    }
    EXPECT_EQ(Text(ini), before);
}
