#include "framework/ClassRegistry.h"

#include <vector>

#include "framework/Filer.h"
#include "framework/TypeName.h"

namespace {

std::vector<TComponentClass>& Classes()
{
    static std::vector<TComponentClass> classes;
    return classes;
}

}  // namespace

void RegisterClass(const QString& name, const std::type_info& type, TComponentFactory factory)
{
    const QString className = name.isEmpty() ? TypeName(type) : name;
    for (TComponentClass& entry : Classes()) {
        if (entry.Type == std::type_index(type)) {
            entry.Name = className;
            entry.Create = std::move(factory);
            return;
        }
        if (entry.Name.compare(className, Qt::CaseInsensitive) == 0)
            throw EFilerError(QStringLiteral("A class named %1 is already registered").arg(className));
    }
    Classes().push_back(TComponentClass{className, std::type_index(type), std::move(factory)});
}

const TComponentClass* FindClass(const QString& name)
{
    for (const TComponentClass& entry : Classes())
        if (entry.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

const TComponentClass& GetClass(const QString& name)
{
    if (const TComponentClass* entry = FindClass(name))
        return *entry;
    throw EClassNotFound(QStringLiteral("Class %1 not found").arg(name));
}

QString StreamClassName(const std::type_info& type)
{
    for (const TComponentClass& entry : Classes())
        if (entry.Type == std::type_index(type))
            return entry.Name;
    return TypeName(type);
}
