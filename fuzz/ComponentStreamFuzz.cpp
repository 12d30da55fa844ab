// Feeds arbitrary bytes to the binary component reader and to the binary-to-text conversion.
// Any input must end in a read or an Exception; a text that the conversion writes must convert
// back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/Collection.h"
#include "framework/ComponentStream.h"
#include "framework/Font.h"
#include "framework/ObjectText.h"
#include "framework/PropInfo.h"

namespace {

enum class TFuzzKind { kfkOne, kfkTwo };
enum class TFuzzFlag { kffA, kffB };

class TFuzzItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    QString Text;
    QByteArray Data;
    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(
            "Data", [this](TStream& s) { Data.resize(s.Size()); s.ReadBuffer(Data.data(), Data.size()); },
            [this](TStream& s) { s.WriteBuffer(Data.constData(), Data.size()); }, !Data.isEmpty());
    }
};

// One stored property of every kind.
class TFuzzComponent : public TComponent {
public:
    explicit TFuzzComponent(TComponent* owner) : TComponent(owner), Items(this, CollectionItemClass<TFuzzItem>("TFuzzItem"))
    {
        methods_.Add("Handler", this, &TFuzzComponent::Handler);
    }
    void Handler(TObject*) {}
    const TMethodTable* MethodTable() const override { return &methods_; }

    int Int32 = 0;
    std::int64_t Int64 = 0;
    std::uint8_t Small = 0;
    bool Flag = false;
    TFuzzKind Kind = TFuzzKind::kfkOne;
    TSet<TFuzzFlag> Flags;
    QByteArray Bytes;
    QString Text;
    double Number = 0;
    TColor Color = clWindow;
    TFont Font;
    TFuzzComponent* Link = nullptr;
    TNotifyEvent OnEvent;
    QByteArray Blob;
    TCollection Items;
    QStringList Lines;

private:
    TMethodTable methods_;
};

void Register()
{
    using T = TFuzzComponent;
    RegisterClass<TFuzzComponent>("TFuzzComponent");
    RegisterProperties<TFuzzItem>().String("Text", [](const TFuzzItem& i) { return i.Text; },
                                           [](TFuzzItem& i, const QString& v) { i.Text = v; });
    RegisterProperties<TFuzzComponent, TComponent>()
        .Integer("Int32", [](const T& t) { return t.Int32; }, [](T& t, int v) { t.Int32 = v; })
        .Integer("Int64", [](const T& t) { return t.Int64; }, [](T& t, std::int64_t v) { t.Int64 = v; })
        .Integer("Small", [](const T& t) { return t.Small; }, [](T& t, std::uint8_t v) { t.Small = v; })
        .Boolean("Flag", [](const T& t) { return t.Flag; }, [](T& t, bool v) { t.Flag = v; })
        .Enumeration("Kind", [](const T& t) { return t.Kind; }, [](T& t, TFuzzKind v) { t.Kind = v; }, {"kfkOne", "kfkTwo"})
        .SetOf("Flags", [](const T& t) { return t.Flags; }, [](T& t, TSet<TFuzzFlag> v) { t.Flags = v; }, {"kffA", "kffB"})
        .String("Bytes", [](const T& t) { return t.Bytes; }, [](T& t, const QByteArray& v) { t.Bytes = v; })
        .String("Text", [](const T& t) { return t.Text; }, [](T& t, const QString& v) { t.Text = v; })
        .Float("Number", [](const T& t) { return t.Number; }, [](T& t, double v) { t.Number = v; })
        .Color("Color", [](const T& t) { return t.Color; }, [](T& t, TColor v) { t.Color = v; })
        .Object("Font", [](const T& t) { return &t.Font; })
        .Reference("Link", [](const T& t) { return t.Link; }, [](T& t, TFuzzComponent* v) { t.Link = v; })
        .Event("OnEvent", &T::OnEvent)
        .Binary("Blob", [](const T& t) { return t.Blob; }, [](T& t, const QByteArray& v) { t.Blob = v; })
        .Object("Items", [](const T& t) { return &t.Items; })
        .Strings("Lines", [](const T& t) { return t.Lines; }, [](T& t, const QStringList& v) { t.Lines = v; });
}

void Fill(TMemoryStream& stream, const char* data, std::size_t size)
{
    stream.WriteBuffer(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool registered = (Register(), true);
    (void)registered;
    const auto* bytes = reinterpret_cast<const char*>(data);

    try {
        TMemoryStream input;
        Fill(input, bytes, size);
        delete ReadComponent(input);
    } catch (const Exception&) {
    }

    QByteArray text;
    try {
        TMemoryStream input;
        Fill(input, bytes, size);
        TMemoryStream output;
        ObjectBinaryToText(input, output);
        text = output.Bytes();
    } catch (const Exception&) {
        return 0;
    }
    // Text the conversion wrote must read back, and convert to text the same way again.
    TMemoryStream textStream;
    Fill(textStream, text.constData(), static_cast<std::size_t>(text.size()));
    TMemoryStream binary;
    ObjectTextToBinary(textStream, binary);
    binary.SetPosition(0);
    TMemoryStream again;
    ObjectBinaryToText(binary, again);
    if (again.Bytes() != text)
        std::abort();
    return 0;
}
