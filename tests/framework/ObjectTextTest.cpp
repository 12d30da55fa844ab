#include <gtest/gtest.h>

#include <memory>

#include "framework/ObjectText.h"
#include "tests/framework/StreamingFixture.h"

namespace {

QByteArray TextToBinary(const QByteArray& text)
{
    TMemoryStream in;
    in.WriteBuffer(text.constData(), text.size());
    in.SetPosition(0);
    TMemoryStream out;
    ObjectTextToBinary(in, out);
    return out.Bytes();
}

QByteArray BinaryToText(const QByteArray& binary)
{
    TMemoryStream in;
    in.WriteBuffer(binary.constData(), binary.size());
    in.SetPosition(0);
    TMemoryStream out;
    ObjectBinaryToText(in, out);
    return out.Bytes();
}

// Reads binary as a component; answers the error text, or "" when it read.
QString ReadError(const QByteArray& binary)
{
    TMemoryStream in;
    in.WriteBuffer(binary.constData(), binary.size());
    in.SetPosition(0);
    try {
        delete ReadComponent(in);
        return QString();
    } catch (const EFilerError& error) {
        return error.Message();
    }
}

// The bytes of a literal, embedded zeros included.
template <std::size_t N>
QByteArray Bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

// Uses every construct of the text form.
const QByteArray kCanonical = "object Root: TStreamRoot\n"
                              "  Tag = 2147483647\n"
                              "  object A: TStreamThing\n"
                              "    Int32 = -129\n"
                              "    Int64 = -9223372036854775808\n"
                              "    Flag = False\n"
                              "    Kind = kskSecond\n"
                              "    Flags = []\n"
                              "    Bytes8 = ''\n"
                              "    Text = 'It''s'#13#10#65535'x'\n"
                              "    Ratio = 6.02214076e+23\n"
                              "    Color = -2147483633\n"
                              "    Font.Style = [fsBold, fsItalic]\n"
                              "    Buddy = nil\n"
                              "    OnPing = PingHandler\n"
                              "    Blob = {}\n"
                              "    Items = <>\n"
                              "    Lines = ()\n"
                              "    object B: TStreamThing\n"
                              "      Blob = {\n"
                              "        000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
                              "        20}\n"
                              "      Items = <\n"
                              "        item\n"
                              "        end\n"
                              "        item\n"
                              "          Caption = #0\n"
                              "        end>\n"
                              "      Lines = (\n"
                              "        'a'\n"
                              "        #20320)\n"
                              "    end\n"
                              "  end\n"
                              "  object TStreamThing\n"
                              "  end\n"
                              "end\n";

}  // namespace

TEST(ObjectText, TextToBinaryToTextReproducesTheText)
{
    EXPECT_EQ(BinaryToText(TextToBinary(kCanonical)), kCanonical);
}

TEST(ObjectText, BinaryFromTheWriterAndFromTheTextAreTheSame)
{
    RegisterStreamTestClasses();
    TStreamRoot root(nullptr);
    root.SetName("R");
    auto* thing = new TStreamThing(&root);
    thing->SetName("T");
    thing->Text = QString::fromUtf8("\u00E9t\u00E9 \u4E2D");
    thing->Int32 = 40000;
    static_cast<TStreamItem*>(thing->Items.Add())->Caption = "c";
    TMemoryStream written;
    WriteComponent(written, root);
    EXPECT_EQ(TextToBinary(BinaryToText(written.Bytes())), written.Bytes());
}

TEST(ObjectText, HandWrittenTextMayUseOtherSpellings)
{
    RegisterStreamTestClasses();
    const QByteArray text = "OBJECT t: TStreamThing\r\n"
                            "  Int32 = $FF\r\n"
                            "  Text = 'a' +\r\n    'b'#9'c'\r\n"
                            "  Flag = true\r\n"
                            "  Blob = { 0a 0B\r\n 0c }\r\n"
                            "  Color = $0000FF\r\n"
                            "END";
    EXPECT_EQ(BinaryToText(TextToBinary(text)), "object t: TStreamThing\n"
                                                "  Int32 = 255\n"
                                                "  Text = 'ab'#9'c'\n"
                                                "  Flag = True\n"
                                                "  Blob = {\n"
                                                "    0A0B0C}\n"
                                                "  Color = 255\n"
                                                "end\n");
    std::unique_ptr<TComponent> thing(StringToComponent(QString::fromLatin1(text)));
    EXPECT_EQ(static_cast<TStreamThing*>(thing.get())->Color, clRed);
}

TEST(ObjectText, SyntaxErrorsNameTheLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "Line 1: 'object' expected but end of text found"},
        {"object A: TX\n  P = 1\n", "Line 3: 'end' expected but end of text found"},
        {"object A: TX\nend\nend\n", "Line 3: end of text expected but 'end' found"},
        {"object A: TX\n  P 1\nend\n", "Line 2: '=' expected but '1' found"},
        {"object A: TX\n  P = 'open\nend\n", "Line 2: Unterminated string"},
        {"object A: TX\n  P = #99999\nend\n", "Line 2: Invalid character code #99999"},
        {"object A: TX\n  P = {0G}\nend\n", "Line 2: Invalid binary data: 'G'"},
        {"object A: TX\n  P = {ABC}\nend\n", "Line 2: Binary data has an odd number of hexadecimal digits"},
        {"object A: TX\n  P = {AB\n", "Line 2: Unterminated binary data: '}' expected"},
        {"object A: TX\n  P = 99999999999999999999\nend\n", "Line 2: Invalid number '99999999999999999999'"},
        {"object A: TX\n  P = 1.5e999\nend\n", "Line 2: Invalid number '1.5e999'"},
        {"object A: TX\n  P = [a b]\nend\n", "Line 2: ']' expected but 'b' found"},
        {"object A: TX\n  P = <\n    item\n  >\nend\n", "Line 4: 'end' expected but '>' found"},
        {"object A: TX\n  P = )\nend\n", "Line 2: Value expected but ')' found"},
        {"object A: TX\n  P = ('a'\nend\n", "Line 4: ')' expected but end of text found"},
        {"object A: 5\nend\n", "Line 1: Identifier expected but '5' found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            TextToBinary(c.text);
            ADD_FAILURE() << "no error";
        } catch (const EParserError& error) {
            EXPECT_EQ(error.Message().toStdString(), c.message);
        }
    }
}

TEST(ObjectText, DeepNestingIsRefusedInTextAndBinary)
{
    RegisterStreamTestClasses();
    QByteArray text;
    for (int i = 0; i < 1000; ++i)
        text += "object TStreamThing\n";
    for (int i = 0; i < 1000; ++i)
        text += "end\n";
    EXPECT_THROW(TextToBinary(text), EParserError);

    QByteArray binary("TWCS\x01", 5);
    for (int i = 0; i < 1000; ++i)
        binary += Bytes("\x0CTStreamThing\x00\x00\x01");
    EXPECT_EQ(ReadError(binary).toStdString(), "Invalid component stream: components nested too deeply");
    EXPECT_THROW(BinaryToText(binary), EFilerError);
}

TEST(ObjectText, ListsAsDeepAsBinaryAllowsReadBackFromText)
{
    RegisterStreamTestClasses();
    // A string-list property holding lists nested 120 deep, which the binary form accepts.
    QByteArray binary = Bytes("TWCS\x01\x0CTStreamThing\x00\x05Lines");
    binary += QByteArray(120, '\x10');
    binary += QByteArray(120, '\x00') + QByteArray(2, '\x00');
    const QByteArray text = BinaryToText(binary);
    EXPECT_EQ(BinaryToText(TextToBinary(text)), text);

    QByteArray deeper = "object TStreamThing\n  Lines = " + QByteArray(300, '(') + QByteArray(300, ')') + "\nend\n";
    EXPECT_THROW(TextToBinary(deeper), EParserError);
}

TEST(ObjectText, MalformedBinaryGivesAClearError)
{
    RegisterStreamTestClasses();
    const struct {
        const char* name;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"empty", QByteArray(), "Invalid component stream: too short to be a component stream"},
        {"wrong signature", Bytes("TPF0\x01\x00\x00\x00\x00"), "Invalid component stream: wrong signature"},
        {"unknown version", Bytes("TWCS\x07\x00\x00\x00\x00"), "Invalid component stream: unsupported version 7"},
        {"huge string length", Bytes("TWCS\x01\x0CTStreamThing\x00\x04Text\x07\xFF\xFF\xFF\x7F"),
         "Invalid component stream: a length of 2147483647 bytes exceeds the rest of the stream"},
        {"negative length", Bytes("TWCS\x01\x0CTStreamThing\x00\x04" "Blob\x0D\x00\x00\x00\x80"),
         "Invalid component stream: negative length -2147483648"},
        {"unknown value type", Bytes("TWCS\x01\x0CTStreamThing\x00\x05Int32\x63"),
         "Invalid component stream: unknown value type 99"},
        {"bad child marker", Bytes("TWCS\x01\x0CTStreamThing\x00\x00\x05"),
         "Invalid component stream: bad child marker 5"},
        {"ends early", Bytes("TWCS\x01\x0CTStreamThing\x00\x05Int32\x04\x01\x02"), "Component stream ends early"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadError(c.bytes).toStdString(), c.message);
        EXPECT_EQ(LiveStreamThings(), 0);
    }
}

// Every cut and every byte changed in a stored tree: an error or a read, never a crash or a leak.
TEST(ObjectText, TruncatedAndCorruptedBinaryNeverCrashes)
{
    RegisterStreamTestClasses();
    const QByteArray valid = TextToBinary(kCanonical);
    ASSERT_TRUE(ReadError(valid).isEmpty()) << ReadError(valid).toStdString();
    for (qsizetype size = 0; size < valid.size(); ++size) {
        EXPECT_FALSE(ReadError(valid.left(size)).isEmpty()) << size;
        EXPECT_THROW(BinaryToText(valid.left(size)), EFilerError) << size;
    }
    for (qsizetype at = 0; at < valid.size(); ++at)
        for (char value : {'\x00', '\x01', '\x7F', '\xFF'}) {
            QByteArray corrupt = valid;
            corrupt[at] = value;
            try {
                TMemoryStream in;
                in.WriteBuffer(corrupt.constData(), corrupt.size());
                in.SetPosition(0);
                delete ReadComponent(in);
            } catch (const Exception&) {
            }
            try {
                BinaryToText(corrupt);
            } catch (const Exception&) {
            }
            ASSERT_EQ(LiveStreamThings(), 0) << at;
        }
}

// Latin-1 bytes parsed as they are stored read as the same text widened first: the same binary, or
// the same error. Bytes above 127 stay characters (never signed), long digit runs keep their value.
TEST(ObjectText, Latin1BytesReadAsTheirWideText)
{
    const QByteArray texts[] = {
        kCanonical,
        "object t: TX\n  S = 'caf\xe9 \xff'#233'x'\n  N = -$FF\n  M = $7FFFFFFFFFFFFFFF\nend\n",
        "object t: TX\n  Z = 00000000000000000000000000042\n  B = { 0a 0B\r\n 0c }\nend\n",
        "object A: TX\n  P = 'caf\xe9\nend\n",
        "object A: TX\n  P = {0\xe9}\nend\n",
        "object A: TX\n  P = -$\nend\n",
        "object A: TX\n  P = 99999999999999999999\nend\n",
        "object A: \xe9X\nend\n",
    };
    const auto convert = [](const auto& parse) {
        TMemoryStream out;
        try {
            parse(out);
        } catch (const EParserError& error) {
            return error.Message().toUtf8();
        }
        return out.Bytes();
    };
    for (const QByteArray& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(convert([&](TStream& out) { ObjectLatin1TextToBinary(text, out); }),
                  convert([&](TStream& out) { ObjectTextToBinary(QString::fromLatin1(text), out); }));
    }
}
