#pragma once
// Components with one stored property of every kind, for the streaming tests.
#include <QStringList>

#include "framework/Collection.h"
#include "framework/ComponentStream.h"
#include "framework/Font.h"
#include "framework/PropInfo.h"

enum class TStreamKind { kskFirst, kskSecond, kskThird };
enum class TStreamFlag { ksfA, ksfB, ksfC };
using TStreamFlags = TSet<TStreamFlag>;

// Everything the fixture components did, in order: "set Thing1.Int32", "loaded Thing1".
inline QStringList& StreamLog()
{
    static QStringList log;
    return log;
}

inline int& LiveStreamThings()
{
    static int count = 0;
    return count;
}

class TStreamItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    QString Caption;
    int Tag = 0;
    QString DisplayName() const override { return Caption.isEmpty() ? TCollectionItem::DisplayName() : Caption; }
    void Assign(const TPersistent* source) override
    {
        if (const auto* item = dynamic_cast<const TStreamItem*>(source)) {
            Caption = item->Caption;
            Tag = item->Tag;
            return;
        }
        TCollectionItem::Assign(source);
    }
};

class TStreamThing : public TComponent {
public:
    explicit TStreamThing(TComponent* owner)
        : TComponent(owner), Items(this, CollectionItemClass<TStreamItem>("TStreamItem"))
    {
        ++LiveStreamThings();
    }
    ~TStreamThing() override { --LiveStreamThings(); }

    void Loaded() override
    {
        TComponent::Loaded();
        StreamLog() << QStringLiteral("loaded %1 buddy=%2").arg(Name(), Buddy != nullptr ? Buddy->Name() : "-");
        if (Buddy != nullptr)
            StreamLog() << QStringLiteral("buddy %1 has Int32=%2").arg(Buddy->Name()).arg(Buddy->Int32);
    }
    void Log(const char* property)
    {
        const bool loading = ComponentState().Contains(TComponentStateFlag::csLoading) &&
                             ComponentState().Contains(TComponentStateFlag::csReading);
        StreamLog() << QStringLiteral("set %1.%2%3").arg(Name(), property, loading ? "" : " (not loading)");
    }

    int Int32 = 0;
    std::int64_t Int64 = 0;
    bool Flag = false;
    TStreamKind Kind = TStreamKind::kskFirst;
    TStreamFlags Flags;
    QByteArray Bytes8;
    QString Text;
    double Ratio = 0;
    TColor Color = clBtnFace;
    std::uint8_t Small = 0;
    TFont Font;
    TStreamThing* Buddy = nullptr;
    TNotifyEvent OnPing;
    QByteArray Blob;
    TCollection Items;
    QStringList Lines;
    QString Hidden = QStringLiteral("never stored");
};

// A root with named handlers.
class TStreamRoot : public TComponent {
public:
    explicit TStreamRoot(TComponent* owner) : TComponent(owner)
    {
        methods_.Add("PingHandler", this, &TStreamRoot::PingHandler);
        methods_.Add<void(int)>("CountHandler", [](int) {});
    }
    void PingHandler(TObject* sender) { pinged = sender; }
    const TMethodTable* MethodTable() const override { return &methods_; }
    void Loaded() override
    {
        TComponent::Loaded();
        StreamLog() << QStringLiteral("loaded %1").arg(Name());
    }

    TObject* pinged = nullptr;

private:
    TMethodTable methods_;
};

inline const QStringList kStreamKindNames = {"kskFirst", "kskSecond", "kskThird"};
inline const QStringList kStreamFlagNames = {"ksfA", "ksfB", "ksfC"};

inline void RegisterStreamTestClasses()
{
    using T = TStreamThing;
    RegisterClass<TStreamRoot>("TStreamRoot");
    RegisterClass<TStreamThing>("TStreamThing");
    RegisterProperties<TStreamItem>()
        .String("Caption", [](const TStreamItem& i) { return i.Caption; }, [](TStreamItem& i, const QString& v) { i.Caption = v; })
        .Integer("Tag", [](const TStreamItem& i) { return i.Tag; }, [](TStreamItem& i, int v) { i.Tag = v; }, 0);
    RegisterProperties<TStreamThing, TComponent>()
        .Integer("Int32", [](const T& t) { return t.Int32; }, [](T& t, int v) { t.Int32 = v; t.Log("Int32"); }, 0)
        .Integer("Int64", [](const T& t) { return t.Int64; }, [](T& t, std::int64_t v) { t.Int64 = v; t.Log("Int64"); }, 0)
        .Boolean("Flag", [](const T& t) { return t.Flag; }, [](T& t, bool v) { t.Flag = v; t.Log("Flag"); }, false)
        .Enumeration("Kind", [](const T& t) { return t.Kind; }, [](T& t, TStreamKind v) { t.Kind = v; t.Log("Kind"); },
                     kStreamKindNames, TStreamKind::kskFirst)
        .SetOf("Flags", [](const T& t) { return t.Flags; }, [](T& t, TStreamFlags v) { t.Flags = v; t.Log("Flags"); },
               kStreamFlagNames, TStreamFlags{})
        .String("Bytes8", [](const T& t) { return t.Bytes8; }, [](T& t, const QByteArray& v) { t.Bytes8 = v; t.Log("Bytes8"); })
        .String("Text", [](const T& t) { return t.Text; }, [](T& t, const QString& v) { t.Text = v; t.Log("Text"); })
        .Float("Ratio", [](const T& t) { return t.Ratio; }, [](T& t, double v) { t.Ratio = v; t.Log("Ratio"); }, 0.0)
        .Color("Color", [](const T& t) { return t.Color; }, [](T& t, TColor v) { t.Color = v; t.Log("Color"); }, clBtnFace)
        .Integer("Small", [](const T& t) { return t.Small; }, [](T& t, std::uint8_t v) { t.Small = v; t.Log("Small"); }, 0)
        .Object("Font", [](const T& t) { return &t.Font; })
        .Reference("Buddy", [](const T& t) { return t.Buddy; }, [](T& t, TStreamThing* v) { t.Buddy = v; t.Log("Buddy"); })
        .Event("OnPing", &T::OnPing)
        .Binary("Blob", [](const T& t) { return t.Blob; }, [](T& t, const QByteArray& v) { t.Blob = v; t.Log("Blob"); })
        .Object("Items", [](const T& t) -> const TCollection& { return t.Items; })
        .Strings("Lines", [](const T& t) { return t.Lines; }, [](T& t, const QStringList& v) { t.Lines = v; t.Log("Lines"); })
        .String("Hidden", [](const T& t) { return t.Hidden; }, [](T& t, const QString& v) { t.Hidden = v; })
        .NotStored();
}

// The text form through a full binary round trip of the tree read back from it.
inline QString TextAfterBinaryRoundTrip(const TComponent& root)
{
    TMemoryStream stream;
    WriteComponent(stream, root);
    stream.SetPosition(0);
    TComponent* copy = ReadComponent(stream);
    const QString text = ComponentToString(*copy);
    delete copy;
    return text;
}
