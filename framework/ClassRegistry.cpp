#include "framework/ClassRegistry.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "framework/Filer.h"

namespace {

std::vector<TComponentClass>& Classes()
{
    static std::vector<TComponentClass> classes;
    return classes;
}

QString Demangled(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                     &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : type.name());
}

}  // namespace

void RegisterClass(const QString& name, const std::type_info& type, TComponentFactory factory)
{
    const QString className = name.isEmpty() ? Demangled(type) : name;
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
    return Demangled(type);
}
