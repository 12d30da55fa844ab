#include "theme/ThemeList.h"

#include <algorithm>

#include "framework/ClassRegistry.h"
#include "framework/Filer.h"
#include "framework/PropInfo.h"
#include "graphics/StoredString.h"
#include "theme/Theme.h"
#include "theme/ThemeEngine.h"
#include "theme/ThemeLink.h"
#include "theme/ThemeManager.h"

namespace {

constexpr char kFormEmpty = 0;
constexpr char kFormTheme = 1;
constexpr char kFormNamedData = 2;

}  // namespace

TTeThemeStream::TTeThemeStream(TCollection* collection) : TCollectionItem(collection) {}

TTeThemeStream::~TTeThemeStream() = default;

void TTeThemeStream::SetTheme(TteTheme* theme)
{
    data_.Clear();
    SaveThemeToStream(theme, data_);
    data_.SetPosition(0);
    if (theme != nullptr)
        name_ = theme->Name();
    Changed(false);
}

void TTeThemeStream::SetData(const QString& name, const QByteArray& data)
{
    data_.Clear();
    data_.WriteBuffer(data.constData(), data.size());
    data_.SetPosition(0);
    name_ = name;
    Changed(false);
}

void TTeThemeStream::Assign(const TPersistent* source)
{
    if (const auto* item = dynamic_cast<const TTeThemeStream*>(source)) {
        SetData(item->name_, item->data_.Bytes());
        tag_ = item->tag_;
        return;
    }
    TCollectionItem::Assign(source);
}

void TTeThemeStream::DefineProperties(TFiler& filer)
{
    TCollectionItem::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "ThemeStream", [this](TStream& stream) { ReadThemeStream(stream); },
        [this](TStream& stream) { WriteThemeStream(stream); }, true);
}

void TTeThemeStream::ReadThemeStream(TStream& stream)
{
    char form = kFormEmpty;
    stream.ReadBuffer(&form, 1);
    if (form == kFormNamedData) {
        // Read in full before anything changes, so a value cut short leaves the item as it was.
        const QString name = ReadStoredString(stream);
        const std::int32_t length = ReadInt32(stream);
        if (length < 0 || length > stream.Size() - stream.Position())
            throw EReadError();
        QByteArray data(length, Qt::Uninitialized);
        stream.ReadBuffer(data.data(), length);
        SetData(name, data);
    } else if (form == kFormTheme) {
        std::unique_ptr<TteTheme> theme(LoadThemeFromStream(stream));
        if (!theme)
            throw EReadError(QStringLiteral("Stored theme \"%1\" is of no registered theme kind").arg(name_));
        SetTheme(theme.get());
        theme_ = std::move(theme);
    }
}

void TTeThemeStream::WriteThemeStream(TStream& stream) const
{
    const QByteArray& data = data_.Bytes();
    if (data.isEmpty()) {
        stream.WriteBuffer(&kFormEmpty, 1);
        return;
    }
    stream.WriteBuffer(&kFormNamedData, 1);
    WriteStoredString(stream, name_);
    WriteInt32(stream, static_cast<std::int32_t>(data.size()));
    stream.WriteBuffer(data.constData(), data.size());
}

void TTeThemeStream::FreeTemporaryTheme()
{
    theme_.reset();
}

TTeThemeCollection::TTeThemeCollection(TPersistent* owner)
    : TCollection(owner, CollectionItemClass<TTeThemeStream>("TTeThemeStream"))
{
}

TTeThemeList::TTeThemeList(TComponent* owner) : TComponent(owner), themes_(this) {}

void TTeThemeList::Loaded()
{
    TComponent::Loaded();
    for (int i = 0; i < themes_.Count(); ++i)
        themes_.Items(i)->FreeTemporaryTheme();
}

int ChosenThemeIndex(const TTeThemeList* list, int index)
{
    if (list == nullptr || list->Themes().Count() == 0 || index < 0)
        return -1;
    return std::min(index, list->Themes().Count() - 1);
}

TteTheme* LoadItemTheme(TTeThemeStream& item)
{
    if (item.Data().Size() == 0)
        return nullptr;
    item.Data().SetPosition(0);
    return LoadThemeFromStream(item.Data());
}

void RegisterThemeComponents()
{
    RegisterClass<TTeThemeList>("TTeThemeList");
    RegisterClass<TTeThemeEngine>("TTeThemeEngine");
    RegisterClass<TTeThemeLink>("TTeThemeLink");

    RegisterProperties<TTeThemeStream>()
        .String("ThemeStore", &TTeThemeStream::ThemeStore, &TTeThemeStream::SetThemeStore)
        .Integer("Tag", &TTeThemeStream::Tag, &TTeThemeStream::SetTag, 0);
    RegisterProperties<TTeThemeList, TComponent>().Object("Themes", [](const TTeThemeList& list) {
        return &list.Themes();
    });
    RegisterThemeEngineProperties();
    RegisterThemeLinkProperties();
}
