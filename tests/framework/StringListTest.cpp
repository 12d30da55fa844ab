#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include "framework/Font.h"
#include "framework/Stream.h"
#include "framework/StringList.h"

namespace {

QStringList Lines(const TStringList& list)
{
    QStringList lines;
    for (int i = 0; i < list.Count(); ++i)
        lines << list.Strings(i);
    return lines;
}

} // namespace

TEST(StringList, EditsKeepStringsAndObjectsTogether)
{
    TObject first;
    TObject second;
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.AddObject("d", &second), 1);
    list.InsertObject(0, "a", &first);
    list.Insert(2, "c");
    list.Insert(4, "e");
    EXPECT_EQ(Lines(list), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(list.Objects(0), &first);
    EXPECT_EQ(list.Objects(3), &second);
    EXPECT_EQ(list.Objects(2), nullptr);

    list.Delete(0);
    list.SetString(0, "B");
    list.SetObject(1, &first);
    EXPECT_EQ(Lines(list), QStringList({"B", "c", "d", "e"}));
    EXPECT_EQ(list.Objects(1), &first);
    EXPECT_EQ(list.Objects(2), &second);

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexOutsideTheListRaises)
{
    TStringList list;
    list.Add("only");
    try {
        list.Strings(1);
        FAIL();
    } catch (const EStringListError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.Objects(-1), EStringListError);
    EXPECT_THROW(list.SetString(1, "x"), EStringListError);
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, "x"), EStringListError);
    EXPECT_THROW(list.Names(5), EStringListError);
    EXPECT_EQ(Lines(list), QStringList({"only"}));
}

TEST(StringList, IndexOfIgnoresCaseAndFindsTheFirst)
{
    TStringList list;
    list.SetText(QString::fromLatin1("Alpha\r\nbeta\r\nALPHA\r\n\xC9t\xE9\r\n"));
    EXPECT_EQ(list.IndexOf("alpha"), 0);
    EXPECT_EQ(list.IndexOf("BETA"), 1);
    EXPECT_EQ(list.IndexOf(QString::fromLatin1("\xE9T\xC9")), 3);
    EXPECT_EQ(list.IndexOf("alph"), -1);
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    list.SetText("Key=one\r\nplain\r\nkey=two\r\n=nameless\r\nurl=a=b\r\n");
    EXPECT_EQ(list.Names(0), "Key");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.ValueFromIndex(1), "");
    EXPECT_EQ(list.ValueFromIndex(4), "a=b");
    EXPECT_EQ(list.IndexOfName("KEY"), 0);
    EXPECT_EQ(list.IndexOfName("plain"), -1) << "a line without '=' has no name";
    EXPECT_EQ(list.IndexOfName(""), 3);
    EXPECT_EQ(list.Value("key"), "one");
    EXPECT_EQ(list.Value("missing"), "");

    list.SetValue("KEY", "1");
    list.SetValue("new", "2");
    list.SetValue("url", "");
    list.SetValue("absent", "");
    EXPECT_EQ(Lines(list), QStringList({"KEY=1", "plain", "key=two", "=nameless", "new=2"}));
}

TEST(StringList, TextLinesEndAtCrLfLfOrCr)
{
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n\r", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TStringList list;
        list.Add("old");
        list.SetText(QString::fromLatin1(c.text));
        EXPECT_EQ(Lines(list), c.lines);
    }
    TStringList list;
    list.SetText("a\nb\rc");
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\n");
    list.Clear();
    EXPECT_EQ(list.Text(), "");
}

TEST(StringList, StreamsAreLatin1FromThePosition)
{
    const QByteArray bytes("skip|caf\xE9\r\nnul\0!\n", 17);
    TMemoryStream in;
    in.WriteBuffer(bytes.constData(), bytes.size());
    in.SetPosition(5);
    TStringList list;
    list.LoadFromStream(in);
    EXPECT_EQ(Lines(list), QStringList({QString::fromLatin1("caf\xE9"), QString::fromLatin1("nul\0!", 5)}));

    list.Add(QStringLiteral("\u20AC5"));
    TMemoryStream out;
    out.WriteBuffer(">", 1);
    list.SaveToStream(out);
    EXPECT_EQ(out.Bytes(), QByteArray(">caf\xE9\r\nnul\0!\r\n?5\r\n", 18)) << "outside Latin-1 becomes '?'";
}

TEST(StringList, FilesRoundTripAndMissingFilesRaise)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("list.txt");
    TStringList saved;
    saved.SetText(QString::fromLatin1("one\r\n\r\nt\xF6\x00ne", 10));
    saved.SaveToFile(path);
    TStringList loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(Lines(loaded), Lines(saved));
    EXPECT_THROW(loaded.LoadFromFile(folder.filePath("missing.txt")), EFOpenError);
    EXPECT_EQ(Lines(loaded), Lines(saved)) << "a failed load keeps the lines";
}

TEST(StringList, AssignCopiesStringsAndObjects)
{
    TObject attached;
    TStringList source;
    source.AddObject("x", &attached);
    source.Add("y");
    TStringList copy;
    copy.Add("gone");
    copy.Assign(&source);
    EXPECT_EQ(Lines(copy), QStringList({"x", "y"}));
    EXPECT_EQ(copy.Objects(0), &attached);
    copy.Assign(&copy);
    EXPECT_EQ(copy.Count(), 2);

    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);
    EXPECT_THROW(copy.Assign(nullptr), EConvertError);
    EXPECT_EQ(Lines(copy), QStringList({"x", "y"}));
}

TEST(StringList, OnChangeFiresOncePerChangeOrUpdate)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.Add("a");
    list.SetObject(0, nullptr);
    EXPECT_EQ(changes, 2);

    changes = 0;
    list.SetText("1\n2\n3");
    EXPECT_EQ(changes, 1);

    changes = 0;
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("4");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);

    changes = 0;
    list.BeginUpdate();
    list.EndUpdate();
    TStringList empty;
    empty.OnChange = list.OnChange;
    empty.Clear();
    EXPECT_EQ(changes, 0) << "nothing changed";
}
