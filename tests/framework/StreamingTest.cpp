#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "framework/ObjectText.h"
#include "tests/framework/StreamingFixture.h"

namespace {

class Streaming : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterStreamTestClasses();
        StreamLog().clear();
    }
};

struct KindCase {
    const char* name;
    std::function<void(TStreamRoot&, TStreamThing&)> setup;
    QString line;  // what the thing's text shows for it
};

std::unique_ptr<TStreamRoot> MakeRoot()
{
    auto root = std::make_unique<TStreamRoot>(nullptr);
    root->SetName("Root");
    (new TStreamThing(root.get()))->SetName("Thing1");
    (new TStreamThing(root.get()))->SetName("Other");
    return root;
}

TStreamThing* Thing(const TComponent& root, const char* name)
{
    return static_cast<TStreamThing*>(root.FindComponent(name));
}

QString RootText(const QString& thingLines)
{
    return "object Root: TStreamRoot\n  object Thing1: TStreamThing\n" + thingLines +
           "  end\n  object Other: TStreamThing\n  end\nend\n";
}

}  // namespace

// Every kind is written as the text shows it, and reading the text or the binary form back gives
// a tree that writes the same text again.
TEST_F(Streaming, EveryPropertyKindRoundTripsThroughTextAndBinary)
{
    const KindCase cases[] = {
        {"int32", [](auto&, auto& t) { t.Int32 = -70000; }, "    Int32 = -70000\n"},
        {"int64", [](auto&, auto& t) { t.Int64 = 5000000000LL; }, "    Int64 = 5000000000\n"},
        {"boolean", [](auto&, auto& t) { t.Flag = true; }, "    Flag = True\n"},
        {"enumeration", [](auto&, auto& t) { t.Kind = TStreamKind::kskThird; }, "    Kind = kskThird\n"},
        {"set", [](auto&, auto& t) { t.Flags = {TStreamFlag::ksfA, TStreamFlag::ksfC}; }, "    Flags = [ksfA, ksfC]\n"},
        {"empty set is not the default", [](auto&, auto&) {}, ""},
        {"8-bit string", [](auto&, auto& t) { t.Bytes8 = QByteArray("caf\xE9 'q'"); }, "    Bytes8 = 'caf'#233' ''q'''\n"},
        {"wide string", [](auto&, auto& t) { t.Text = QString::fromUtf8("a\r\nb \u20AC"); },
         "    Text = 'a'#13#10'b '#8364\n"},
        {"float", [](auto&, auto& t) { t.Ratio = 0.1; }, "    Ratio = 0.1\n"},
        {"whole float", [](auto&, auto& t) { t.Ratio = -3; }, "    Ratio = -3.0\n"},
        {"named colour", [](auto&, auto& t) { t.Color = clRed; }, "    Color = clRed\n"},
        {"system colour", [](auto&, auto& t) { t.Color = clWindow; }, "    Color = clWindow\n"},
        {"colour number", [](auto&, auto& t) { t.Color = 15002603; }, "    Color = 15002603\n"},
        {"small integer", [](auto&, auto& t) { t.Small = 200; }, "    Small = 200\n"},
        {"nested font",
         [](auto&, auto& t) {
             t.Font.SetName("Tahoma");
             t.Font.SetHeight(-13);
             t.Font.SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
             t.Font.SetColor(clNavy);
             t.Font.SetCharset(0);
         },
         "    Font.Charset = 0\n    Font.Color = clNavy\n    Font.Height = -13\n    Font.Name = 'Tahoma'\n"
         "    Font.Style = [fsBold, fsUnderline]\n"},
        {"reference to a later sibling", [](auto& r, auto& t) { t.Buddy = Thing(r, "Other"); }, "    Buddy = Other\n"},
        {"reference to the root's own tree", [](auto&, auto& t) { t.Buddy = &t; }, "    Buddy = Thing1\n"},
        {"event", [](auto& r, auto& t) { t.OnPing = TNotifyEvent("PingHandler", [&r](TObject* s) { r.PingHandler(s); }); },
         "    OnPing = PingHandler\n"},
        {"binary", [](auto&, auto& t) { t.Blob = QByteArray::fromHex("0001FF"); }, "    Blob = {\n      0001FF}\n"},
        {"collection",
         [](auto&, auto& t) {
             auto* first = static_cast<TStreamItem*>(t.Items.Add());
             first->Caption = "one";
             t.Items.Add();
             static_cast<TStreamItem*>(t.Items.Add())->Tag = 7;
         },
         "    Items = <\n      item\n        Caption = 'one'\n      end\n      item\n      end\n      item\n"
         "        Tag = 7\n      end>\n"},
        {"string list", [](auto&, auto& t) { t.Lines = QStringList{"first", "", QString::fromUtf8("\u00E9")}; },
         "    Lines = (\n      'first'\n      ''\n      #233)\n"},
        {"tag of the component base", [](auto&, auto& t) { t.SetTag(-1); }, "    Tag = -1\n"},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto root = MakeRoot();
        c.setup(*root, *Thing(*root, "Thing1"));
        const QString text = ComponentToString(*root);
        EXPECT_EQ(text, RootText(c.line));

        std::unique_ptr<TComponent> fromText(StringToComponent(text));
        EXPECT_EQ(ComponentToString(*fromText), text);
        EXPECT_EQ(TextAfterBinaryRoundTrip(*root), text);
    }
}

TEST_F(Streaming, ReadValuesReachTheObjects)
{
    const auto root = MakeRoot();
    TStreamThing& thing = *Thing(*root, "Thing1");
    thing.Int64 = -(std::int64_t{1} << 40);
    thing.Text = QString::fromUtf8("\u00FCber \U0001F600");
    thing.Ratio = 1e300;
    thing.Font.SetStyle({TFontStyle::fsItalic});
    thing.Buddy = Thing(*root, "Other");
    thing.OnPing = TNotifyEvent("PingHandler", {});
    thing.Color = clNone;

    TMemoryStream stream;
    WriteComponent(stream, *root);
    stream.SetPosition(0);
    std::unique_ptr<TComponent> copy(ReadComponent(stream));
    auto* copyRoot = dynamic_cast<TStreamRoot*>(copy.get());
    ASSERT_NE(copyRoot, nullptr);
    const TStreamThing& read = *Thing(*copy, "Thing1");
    EXPECT_EQ(read.Int64, thing.Int64);
    EXPECT_EQ(read.Text, thing.Text);
    EXPECT_EQ(read.Ratio, 1e300);
    EXPECT_EQ(read.Font.Style(), TFontStyles{TFontStyle::fsItalic});
    EXPECT_EQ(read.Color, clNone);
    EXPECT_EQ(read.Buddy, Thing(*copy, "Other"));
    ASSERT_TRUE(read.OnPing);
    EXPECT_EQ(read.OnPing.MethodName(), "PingHandler");
    read.OnPing(copyRoot);
    EXPECT_EQ(copyRoot->pinged, copyRoot);
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST_F(Streaming, DefaultsAndUnstoredPropertiesAreNotWritten)
{
    TStreamThing thing(nullptr);
    thing.SetName("Plain");
    thing.Hidden = "changed";
    EXPECT_EQ(ComponentToString(thing), "object Plain: TStreamThing\nend\n");
}

TEST_F(Streaming, PropertiesAreAppliedInStoredOrderWhileLoading)
{
    std::unique_ptr<TComponent> thing(StringToComponent("object T: TStreamThing\n"
                                                        "  Text = 'x'\n"
                                                        "  Int32 = 1\n"
                                                        "  Font.Name = 'Arial'\n"
                                                        "  Kind = kskSecond\n"
                                                        "end\n"));
    EXPECT_EQ(StreamLog(), QStringList({"set T.Text", "set T.Int32", "set T.Kind", "loaded T buddy=-"}));
    EXPECT_EQ(static_cast<TStreamThing*>(thing.get())->Font.Name(), "Arial");
    EXPECT_FALSE(thing->ComponentState().Contains(TComponentStateFlag::csLoading));
    EXPECT_FALSE(thing->ComponentState().Contains(TComponentStateFlag::csReading));
}

// References are resolved once the whole tree is read, so Loaded of the first child already
// sees its later sibling and that sibling's values.
TEST_F(Streaming, LoadedRunsAfterTheWholeTreeWithReferencesResolved)
{
    std::unique_ptr<TComponent> root(StringToComponent("object Root: TStreamRoot\n"
                                                       "  object A: TStreamThing\n"
                                                       "    Buddy = B\n"
                                                       "  end\n"
                                                       "  object B: TStreamThing\n"
                                                       "    Int32 = 5\n"
                                                       "    Buddy = Root.A\n"
                                                       "  end\n"
                                                       "end\n"));
    EXPECT_EQ(StreamLog(), QStringList({"set B.Int32", "set A.Buddy", "set B.Buddy", "loaded Root", "loaded A buddy=B",
                                        "buddy B has Int32=5", "loaded B buddy=A", "buddy A has Int32=0"}));
}

TEST_F(Streaming, ReadingIntoAnInstanceFillsItAndItsExistingChildren)
{
    TStreamRoot root(nullptr);
    auto* existing = new TStreamThing(&root);
    existing->SetName("Made");
    StringToComponent("object Form: TStreamRoot\n"
                      "  object Made: TStreamThing\n    Int32 = 3\n  end\n"
                      "  object Added: TStreamThing\n  end\n"
                      "end\n",
                      &root);
    EXPECT_EQ(root.Name(), "Form");
    ASSERT_EQ(root.ComponentCount(), 2);
    EXPECT_EQ(root.Components(0), existing);
    EXPECT_EQ(existing->Int32, 3);
    EXPECT_EQ(root.Components(1)->Name(), "Added");
}

TEST_F(Streaming, ReferencesReachIntoOtherRegisteredRoots)
{
    TStreamRoot main(nullptr);
    main.SetName("MainForm");
    auto* link = new TStreamThing(&main);
    link->SetName("Link");
    RegisterGlobalComponent(&main);

    TStreamRoot about(nullptr);
    auto* user = new TStreamThing(&about);
    user->SetName("User");
    user->Buddy = link;
    about.SetName("About");
    const QString text = ComponentToString(about);
    EXPECT_TRUE(text.contains("Buddy = MainForm.Link\n")) << text.toStdString();

    std::unique_ptr<TComponent> copy(StringToComponent(text));
    EXPECT_EQ(Thing(*copy, "User")->Buddy, link);
    UnregisterGlobalComponent(&main);
    EXPECT_THROW(std::unique_ptr<TComponent>(StringToComponent(text)), EPropertyError);
}

TEST_F(Streaming, ReadErrorsNameWhatIsWrongAndFreeWhatTheReadCreated)
{
    const struct {
        const char* name;
        const char* body;  // inside "object Root: TStreamRoot ... end"
        const char* message;
    } cases[] = {
        {"unknown class", "  object X: TNope\n  end\n", "Class TNope not found"},
        {"unknown property", "  object X: TStreamThing\n    Bogus = 1\n  end\n",
         "Error reading X.Bogus: Property Bogus does not exist in class TStreamThing"},
        {"unknown nested property", "  object X: TStreamThing\n    Font.Bogus = 1\n  end\n",
         "Error reading X.Font.Bogus: Property Bogus does not exist in class TFont"},
        {"wrong value kind", "  object X: TStreamThing\n    Int32 = 'seven'\n  end\n",
         "Error reading X.Int32: Invalid property value: a string where an integer was expected"},
        {"integer out of range", "  object X: TStreamThing\n    Small = 256\n  end\n",
         "Error reading X.Small: Invalid property value: 256 is out of range"},
        {"unknown enumeration value", "  object X: TStreamThing\n    Kind = kskFourth\n  end\n",
         "Error reading X.Kind: Invalid property value: kskFourth is not one of kskFirst,kskSecond,kskThird"},
        {"unknown set member", "  object X: TStreamThing\n    Flags = [ksfA, ksfZ]\n  end\n",
         "Error reading X.Flags: Invalid property value: ksfZ is not one of ksfA,ksfB,ksfC"},
        {"unknown colour", "  object X: TStreamThing\n    Color = clPlaid\n  end\n",
         "Error reading X.Color: Invalid property value: clPlaid is not a colour"},
        {"missing reference", "  object X: TStreamThing\n    Buddy = Nobody\n  end\n",
         "Error reading X.Buddy: Component Nobody not found"},
        {"reference of the wrong class", "  object X: TStreamThing\n    Buddy = Root\n  end\n",
         "Error reading X.Buddy: Invalid property value: Root is not a TStreamThing"},
        {"missing handler", "  object X: TStreamThing\n    OnPing = Nowhere\n  end\n",
         "Error reading X.OnPing: Method Nowhere not found in TStreamRoot"},
        {"handler of another type", "  object X: TStreamThing\n    OnPing = CountHandler\n  end\n",
         "Error reading X.OnPing: Invalid property value: method CountHandler does not match the type of OnPing"},
        {"wide text in an 8-bit string", "  object X: TStreamThing\n    Bytes8 = #8364\n  end\n",
         "Error reading X.Bytes8: Invalid property value: the text has characters beyond 8 bits"},
        {"same name twice", "  object X: TStreamThing\n  end\n  object X: TStreamThing\n  end\n",
         "A component named X is stored twice"},
        {"bad value in a collection item", "  object X: TStreamThing\n    object Y: TStreamThing\n    end\n  end\n"
                                           "  object Z: TStreamThing\n    Items = <\n      item\n        Tag = 'x'\n      end>\n  end\n",
         "Error reading Z.Items[0].Tag: Invalid property value: a string where an integer was expected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = QStringLiteral("object Root: TStreamRoot\n") + c.body + "end\n";
        try {
            std::unique_ptr<TComponent>(StringToComponent(text));
            ADD_FAILURE() << "no error";
        } catch (const EFilerError& error) {
            EXPECT_EQ(error.Message().toStdString(), c.message);
        }
        EXPECT_EQ(LiveStreamThings(), 0);
    }
}

TEST_F(Streaming, AFailedReadIntoAnInstanceKeepsTheInstanceAndFreesOnlyWhatItMade)
{
    TStreamRoot root(nullptr);
    auto* kept = new TStreamThing(&root);
    kept->SetName("Kept");
    EXPECT_THROW(StringToComponent("object R: TStreamRoot\n  object New: TStreamThing\n  end\n"
                                   "  object Kept: TStreamThing\n    Bogus = 1\n  end\nend\n",
                                   &root),
                 EPropertyError);
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), kept);
    EXPECT_FALSE(kept->ComponentState().Contains(TComponentStateFlag::csLoading));
    EXPECT_FALSE(root.ComponentState().Contains(TComponentStateFlag::csLoading));
}

TEST_F(Streaming, AHandlerBoundInCodeHasNoNameAndIsNotWritten)
{
    TStreamRoot root(nullptr);
    auto* thing = new TStreamThing(&root);
    thing->SetName("T");
    thing->OnPing = TNotifyEvent("PingHandler", {});
    thing->OnPing = [](TObject*) {};
    EXPECT_TRUE(thing->OnPing.MethodName().isEmpty());
    EXPECT_FALSE(ComponentToString(root).contains("OnPing"));
}

TEST_F(Streaming, ALargeBlobRoundTripsUnchanged)
{
    TStreamThing thing(nullptr);
    QByteArray blob(200 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < blob.size(); ++i)
        blob[i] = static_cast<char>((i * 7919) >> 3);
    thing.Blob = blob;

    TMemoryStream stream;
    WriteComponent(stream, thing);
    stream.SetPosition(0);
    std::unique_ptr<TComponent> binaryCopy(ReadComponent(stream));
    EXPECT_EQ(static_cast<TStreamThing*>(binaryCopy.get())->Blob, blob);

    std::unique_ptr<TComponent> textCopy(StringToComponent(ComponentToString(thing)));
    EXPECT_EQ(static_cast<TStreamThing*>(textCopy.get())->Blob, blob);
}

TEST_F(Streaming, ClassRegistryFindsByNameWithoutRegardToCase)
{
    ASSERT_NE(FindClass("tstreamthing"), nullptr);
    EXPECT_EQ(FindClass("TStreamThing")->Name, "TStreamThing");
    EXPECT_EQ(FindClass("TNope"), nullptr);
    try {
        GetClass("TNope");
        ADD_FAILURE();
    } catch (const EClassNotFound& error) {
        EXPECT_EQ(error.Message(), "Class TNope not found");
    }
    std::unique_ptr<TComponent> made(GetClass("TStreamThing").Create(nullptr));
    EXPECT_NE(dynamic_cast<TStreamThing*>(made.get()), nullptr);
}

// A window reads its stored description from a file or resource in either form.
TEST_F(Streaming, StoredDescriptionsLoadFromFilesInEitherForm)
{
    QTemporaryDir dir;
    const QString text = "object Main: TStreamRoot\n  object T: TStreamThing\n    Int32 = 9\n  end\nend\n";
    QByteArray binary;
    {
        std::unique_ptr<TComponent> source(StringToComponent(text));
        TMemoryStream stream;
        WriteComponent(stream, *source);
        binary = stream.Bytes();
    }
    for (const QByteArray& content : {text.toUtf8(), binary}) {
        const QString path = dir.filePath("Main.twc");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();

        TStreamRoot window(nullptr);
        ReadComponentResource(window, path);
        EXPECT_EQ(window.Name(), "Main");
        ASSERT_EQ(window.ComponentCount(), 1);
        EXPECT_EQ(Thing(window, "T")->Int32, 9);
    }
    TStreamRoot window(nullptr);
    EXPECT_THROW(ReadComponentResource(window, dir.filePath("Missing.twc")), EFilerError);
}
