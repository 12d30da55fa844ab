#include "framework/Object.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

QString TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
}

void TObject::Dispatch(TMessage& message)
{
    DefaultHandler(message);
}

void TObject::DefaultHandler(TMessage&) {}
