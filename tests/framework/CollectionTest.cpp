#include <gtest/gtest.h>

#include <QtEndian>
#include <memory>

#include "framework/Reader.h"
#include "framework/Writer.h"
#include "tests/framework/StreamingFixture.h"

namespace {

// An item that keeps named bytes in a value of its own form: a form byte (0 none, 2 named data),
// then the name and the data, each with a 32-bit length.
class TStreamBlobItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    QByteArray Name;
    QByteArray Data;
    QString Note;

    QString DisplayName() const override { return QString::fromLatin1(Name); }
    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(
            "NamedData", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, true);
        filer.DefineProperty(
            "Note", [this](TReader& r) { Note = r.ReadString(); }, [this](TWriter& w) { w.WriteString(Note); },
            !Note.isEmpty());
    }

private:
    void WriteData(TStream& stream) const
    {
        const char form = Data.isEmpty() ? 0 : 2;
        stream.WriteBuffer(&form, 1);
        if (form == 0)
            return;
        for (const QByteArray& part : {Name, Data}) {
            const std::int32_t length = qToLittleEndian(static_cast<std::int32_t>(part.size()));
            stream.WriteBuffer(&length, 4);
            stream.WriteBuffer(part.constData(), part.size());
        }
    }
    void ReadData(TStream& stream)
    {
        char form = 0;
        stream.ReadBuffer(&form, 1);
        if (form != 2)
            return;
        for (QByteArray* part : {&Name, &Data}) {
            std::int32_t length = 0;
            stream.ReadBuffer(&length, 4);
            part->resize(qFromLittleEndian(length));
            stream.ReadBuffer(part->data(), part->size());
        }
    }
};

class TStreamBlobList : public TComponent {
public:
    explicit TStreamBlobList(TComponent* owner)
        : TComponent(owner), Items(this, CollectionItemClass<TStreamBlobItem>("TStreamBlobItem"))
    {
    }
    TCollection Items;
};

void RegisterBlobList()
{
    RegisterClass<TStreamBlobList>("TStreamBlobList");
    RegisterProperties<TStreamBlobList, TComponent>().Object("Items", [](const TStreamBlobList& l) { return &l.Items; });
    // The name always comes from the data: writing "Store" is ignored.
    RegisterProperties<TStreamBlobItem>()
        .String("Store", [](const TStreamBlobItem& i) { return i.DisplayName(); }, [](TStreamBlobItem&, const QString&) {});
}

QByteArray NamedData(const QByteArray& name, const QByteArray& data)
{
    QByteArray bytes(1, '\x02');
    for (const QByteArray& part : {name, data}) {
        const std::int32_t length = qToLittleEndian(static_cast<std::int32_t>(part.size()));
        bytes += QByteArray(reinterpret_cast<const char*>(&length), 4) + part;
    }
    return bytes;
}

TStreamItem* ItemAt(const TCollection& collection, int index)
{
    return static_cast<TStreamItem*>(collection.Items(index));
}

}  // namespace

TEST(Collection, KeepsItemsInOrderWithIndexAndStableIds)
{
    TCollection collection(nullptr, CollectionItemClass<TStreamItem>("TStreamItem"));
    for (const char* caption : {"a", "b", "c"})
        static_cast<TStreamItem*>(collection.Add())->Caption = caption;
    ASSERT_EQ(collection.Count(), 3);
    EXPECT_EQ(collection.ItemClass().Name, "TStreamItem");
    EXPECT_EQ(ItemAt(collection, 1)->DisplayName(), "b");
    EXPECT_EQ(ItemAt(collection, 2)->Index(), 2);
    const int idOfC = ItemAt(collection, 2)->ID();

    ItemAt(collection, 2)->SetIndex(0);
    EXPECT_EQ(ItemAt(collection, 0)->Caption, "c");
    EXPECT_EQ(ItemAt(collection, 0)->ID(), idOfC);
    EXPECT_EQ(collection.FindItemID(idOfC), collection.Items(0));

    static_cast<TStreamItem*>(collection.Insert(1))->Caption = "new";
    collection.Delete(0);
    EXPECT_EQ(ItemAt(collection, 0)->Caption, "new");
    EXPECT_EQ(collection.Count(), 3);

    delete collection.Items(0);
    EXPECT_EQ(collection.Count(), 2);
    try {
        collection.Items(2);
        ADD_FAILURE();
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (2)");
    }
    collection.Clear();
    EXPECT_EQ(collection.Count(), 0);
}

TEST(Collection, UnnamedItemsShowTheirClassName)
{
    TCollection collection(nullptr, CollectionItemClass<TStreamItem>("TStreamItem"));
    EXPECT_EQ(collection.Add()->DisplayName(), "TStreamItem");
}

TEST(Collection, AssignCopiesEveryItemIntoFreshOnes)
{
    TCollection source(nullptr, CollectionItemClass<TStreamItem>("TStreamItem"));
    static_cast<TStreamItem*>(source.Add())->Caption = "x";
    static_cast<TStreamItem*>(source.Add())->Tag = 4;
    TCollection copy(nullptr, CollectionItemClass<TStreamItem>("TStreamItem"));
    copy.Add();
    copy.Add();
    copy.Add();
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_NE(copy.Items(0), source.Items(0));
    EXPECT_EQ(ItemAt(copy, 0)->Caption, "x");
    EXPECT_EQ(ItemAt(copy, 1)->Tag, 4);

    TFont font;
    EXPECT_THROW(copy.Assign(&font), EConvertError);
}

TEST(Collection, ReadingReplacesTheItemsThatWereThere)
{
    RegisterStreamTestClasses();
    TStreamThing thing(nullptr);
    thing.Items.Add();
    thing.Items.Add();
    StringToComponent("object T: TStreamThing\n  Items = <\n    item\n      Caption = 'only'\n    end>\nend\n", &thing);
    ASSERT_EQ(thing.Items.Count(), 1);
    EXPECT_EQ(ItemAt(thing.Items, 0)->Caption, "only");
}

// A block value of an item's own form goes through the stream unchanged, and the item reads its
// name out of it.
TEST(Collection, ItemsStoreValuesOfTheirOwnFormThroughDefineProperties)
{
    RegisterBlobList();
    QByteArray data(5000, Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 31);
    const QByteArray stored = NamedData("OSXTiger", data);

    TStreamBlobList list(nullptr);
    list.SetName("List");
    auto* named = static_cast<TStreamBlobItem*>(list.Items.Add());
    named->Name = "OSXTiger";
    named->Data = data;
    named->Note = "kept";
    list.Items.Add();

    const QString text = ComponentToString(list);
    EXPECT_TRUE(text.startsWith("object List: TStreamBlobList\n  Items = <\n    item\n      Store = 'OSXTiger'\n"
                                "      NamedData = {\n        02080000004F5358546967657288130000"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("}\n      Note = 'kept'\n    end\n    item\n      NamedData = {\n        00}\n    end>\n"));

    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        std::unique_ptr<TComponent> copy;
        if (binary) {
            TMemoryStream stream;
            WriteComponent(stream, list);
            stream.SetPosition(0);
            copy.reset(ReadComponent(stream));
        } else {
            copy.reset(StringToComponent(text));
        }
        const TCollection& items = static_cast<TStreamBlobList*>(copy.get())->Items;
        ASSERT_EQ(items.Count(), 2);
        const auto* read = static_cast<TStreamBlobItem*>(items.Items(0));
        EXPECT_EQ(read->DisplayName(), "OSXTiger");
        EXPECT_EQ(read->Data, data);
        EXPECT_EQ(read->Note, "kept");
        EXPECT_TRUE(static_cast<TStreamBlobItem*>(items.Items(1))->Data.isEmpty());
        EXPECT_EQ(ComponentToString(*copy), text);
    }

    // The stored bytes are exactly the value's own form.
    const qsizetype start = text.indexOf('{') + 1;
    QString hex = text.mid(start, text.indexOf('}') - start);
    hex.remove(' ').remove('\n');
    EXPECT_EQ(hex, QString::fromLatin1(stored.toHex().toUpper()));
}
