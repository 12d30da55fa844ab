#include "framework/TypeName.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

QString TypeName(const std::type_info& type)
{
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : type.name());
}
