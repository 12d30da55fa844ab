#include "framework/PropInfo.h"

#include <QHash>
#include <algorithm>
#include <memory>
#include <vector>

#include "framework/Font.h"
#include "framework/PropTable.h"

namespace {

struct Registry {
    std::vector<std::unique_ptr<TClassProps>> classes;
    QHash<std::type_index, const TPropTable*> resolved;
    // The same by the address of the type's type_info: a type_index hashes the whole type name,
    // and readers look a table up for every object they read.
    QHash<const void*, const TPropTable*> resolvedByAddress;
    // Tables are kept when a registration outdates them: a reader may still hold one.
    std::vector<std::unique_ptr<TPropTable>> tables;
};

void RegisterFrameworkProperties();

Registry& TheRegistry()
{
    static Registry registry;
    // The framework's own classes are registered on first use, so that no start-up code has to
    // remember them.
    static bool started = false;
    if (!started) {
        started = true;
        RegisterFrameworkProperties();
    }
    return registry;
}

const TClassProps* FindEntry(const Registry& registry, std::type_index type)
{
    for (const auto& entry : registry.classes)
        if (entry->Type == type)
            return entry.get();
    return nullptr;
}

// The chain of registered classes from the most derived one object belongs to up to the root.
QList<const TClassProps*> ChainOf(const Registry& registry, const TPersistent& object)
{
    auto chainFrom = [&registry](const TClassProps* entry) {
        QList<const TClassProps*> chain;
        while (entry != nullptr && chain.size() < 64) {
            chain.prepend(entry);
            entry = entry->Base ? FindEntry(registry, *entry->Base) : nullptr;
        }
        return chain;
    };
    if (const TClassProps* exact = FindEntry(registry, typeid(object)))
        return chainFrom(exact);
    QList<const TClassProps*> best;
    for (const auto& entry : registry.classes) {
        if (!entry->IsInstance(object))
            continue;
        QList<const TClassProps*> chain = chainFrom(entry.get());
        if (chain.size() > best.size())
            best = std::move(chain);
    }
    return best;
}

const QStringList kFontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

void RegisterFrameworkProperties()
{
    RegisterProperties<TComponent>().Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
    // A font as a fresh TFont has it writes nothing.
    const TFont font;
    RegisterProperties<TFont>()
        .Integer("Charset", &TFont::Charset, &TFont::SetCharset, font.Charset())
        .Color("Color", &TFont::Color, &TFont::SetColor, font.Color())
        .Integer("Height", &TFont::Height, &TFont::SetHeight, font.Height())
        .String("Name", &TFont::Name, &TFont::SetName, font.Name())
        .SetOf("Style", &TFont::Style, &TFont::SetStyle, kFontStyleNames, font.Style());
}

}  // namespace

bool TPropInfo::IsStored(const TPersistent& object) const
{
    if (Stored && !Stored(object))
        return false;
    return !Default || Get(object) != *Default;
}

TClassProps& BeginClassProps(const std::type_info& type, std::optional<std::type_index> base,
                             std::function<bool(const TPersistent&)> isInstance)
{
    Registry& registry = TheRegistry();
    registry.resolved.clear();
    registry.resolvedByAddress.clear();
    for (auto& entry : registry.classes)
        if (entry->Type == std::type_index(type)) {
            entry->Base = base;
            entry->Props.clear();
            return *entry;
        }
    registry.classes.push_back(std::make_unique<TClassProps>(TClassProps{type, base, std::move(isInstance), {}}));
    return *registry.classes.back();
}

const TPropTable& GetPropTable(const TPersistent& object)
{
    Registry& registry = TheRegistry();
    const std::type_info& typeInfo = typeid(object);
    if (const TPropTable* known = registry.resolvedByAddress.value(&typeInfo))
        return *known;
    const std::type_index type(typeInfo);
    if (const TPropTable* known = registry.resolved.value(type)) {
        registry.resolvedByAddress.insert(&typeInfo, known);
        return *known;
    }
    QList<const TPropInfo*> props;
    for (const TClassProps* entry : ChainOf(registry, object))
        for (const TPropInfo& info : entry->Props) {
            // A class that registers a property of its base again (with a default of its own)
            // puts it in the base's place.
            const auto same = std::find_if(props.begin(), props.end(), [&info](const TPropInfo* known) {
                return known->Name.compare(info.Name, Qt::CaseInsensitive) == 0;
            });
            if (same != props.end())
                *same = &info;
            else
                props.append(&info);
        }
    registry.tables.push_back(std::make_unique<TPropTable>(std::move(props)));
    registry.resolved.insert(type, registry.tables.back().get());
    registry.resolvedByAddress.insert(&typeInfo, registry.tables.back().get());
    return *registry.tables.back();
}

QList<const TPropInfo*> GetPropList(const TPersistent& object)
{
    return GetPropTable(object).List();
}

const TPropInfo* GetPropInfo(const TPersistent& object, const QString& name)
{
    return GetPropTable(object).Find(QStringView(name));
}

void InvalidPropertyValue(const QString& why)
{
    throw EPropertyError(QStringLiteral("Invalid property value: %1").arg(why));
}
