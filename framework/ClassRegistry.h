#pragma once
// The registry of component classes by name, through which a stored description creates the
// components it names.
#include <QString>
#include <functional>
#include <typeindex>
#include <typeinfo>

#include "framework/Component.h"

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

struct TComponentClass {
    QString Name;
    std::type_index Type;
    TComponentFactory Create;
};

// Registers a class under a name (the C++ class name when empty). Registering the same type again
// is harmless; another type under a taken name raises.
void RegisterClass(const QString& name, const std::type_info& type, TComponentFactory factory);
template <typename T>
void RegisterClass(const QString& name = {})
{
    RegisterClass(name, typeid(T), [](TComponent* owner) -> TComponent* { return new T(owner); });
}
// The class registered under name (case ignored), or nullptr.
const TComponentClass* FindClass(const QString& name);
// As FindClass, but raises EClassNotFound "Class TFoo not found".
const TComponentClass& GetClass(const QString& name);

// The name a type is stored under: its registered name, else its C++ name.
QString StreamClassName(const std::type_info& type);
