#pragma once
// The readable name of a C++ type ("TFont", "TCDRIP"), for class names in messages and streams.
#include <QString>
#include <typeinfo>

// The demangled name; the mangled one when the runtime cannot demangle it.
QString TypeName(const std::type_info& type);
