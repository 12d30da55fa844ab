#pragma once
// Stored properties: each class registers its own in declared order with kind, getter, setter and
// default; readers and writers walk them through the registry.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <any>
#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <variant>

#include "framework/ClassRegistry.h"
#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/Filer.h"
#include "framework/Method.h"
#include "framework/Set.h"

enum class TPropKind {
    pkInteger,      // up to 32 bits, signed or not
    pkInt64,
    pkBoolean,
    pkEnumeration,  // stored by value name
    pkSet,          // stored as the names of its members
    pkString,       // 8-bit characters (QByteArray)
    pkWString,      // text (QString)
    pkFloat,
    pkColor,        // a colour name or number
    pkClass,        // an owned persistent object: its properties are stored as Name.Sub, a collection as items
    pkComponent,    // a reference to another component, by name
    pkMethod,       // an event, by handler name
    pkBinary,       // bytes
    pkStrings,      // a list of texts (QStringList)
};

// An event value: the handler's name and, when reading, the handler found under it in the root's
// method table.
struct TMethodValue {
    QString Name;
    const std::any* Code = nullptr;
    bool operator==(const TMethodValue& other) const { return Name == other.Name; }
};

// A property value on its way between an object and a stream. Integers, enumeration ordinals,
// set bits and colours travel as int64.
using TPropValue = std::variant<std::monostate, std::int64_t, bool, double, QString, QByteArray, TPersistent*,
                                TComponent*, TMethodValue, QStringList>;

struct TPropInfo {
    QString Name;
    TPropKind Kind = TPropKind::pkInteger;
    QStringList EnumNames;  // pkEnumeration and pkSet: the value names by ordinal
    std::function<TPropValue(const TPersistent&)> Get;
    // Raises EPropertyError for a value the property cannot take.
    std::function<void(TPersistent&, const TPropValue&)> Set;
    // A value equal to this is not written; without one, ordinal values are always written and
    // strings, bytes, references and events are written when not empty.
    std::optional<TPropValue> Default;
    std::function<bool(const TPersistent&)> Stored;

    bool IsStored(const TPersistent& object) const;
};

// The properties one class adds to those of its base class.
struct TClassProps {
    std::type_index Type;
    std::optional<std::type_index> Base;
    std::function<bool(const TPersistent&)> IsInstance;
    QList<TPropInfo> Props;
};

class TPropTable;

// Every stored property of object's class, the base classes' first; the class is the most derived
// registered one that object belongs to.
QList<const TPropInfo*> GetPropList(const TPersistent& object);
// The same with its look-up by name, made once per class and kept for the life of the program.
const TPropTable& GetPropTable(const TPersistent& object);
// The stored property of that name (case ignored), or nullptr.
const TPropInfo* GetPropInfo(const TPersistent& object, const QString& name);

TClassProps& BeginClassProps(const std::type_info& type, std::optional<std::type_index> base,
                             std::function<bool(const TPersistent&)> isInstance);

// Raised by setters for a value of the wrong kind or outside the property's type.
[[noreturn]] void InvalidPropertyValue(const QString& why);

// Adds the stored properties of T, in the order of the calls, after those of Base (a property of a
// base registered again, say with another default, keeps the base's place):
//   RegisterProperties<TLabel, TControl>()
//       .WString("Caption", &TLabel::Caption, &TLabel::SetCaption)
//       .Enumeration("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, kAlignmentNames, TAlignment::kalLeftJustify)
//       .Event("OnClick", &TLabel::OnClick);
// Getters and setters are member functions or callables on T; registering T again starts afresh.
template <typename T>
class TPropRegistrar {
    template <typename G>
    using Value = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;

public:
    explicit TPropRegistrar(TClassProps& entry) : entry_(entry) {}

    template <typename G, typename S>
    TPropRegistrar& Integer(const QString& name, G get, S set, std::optional<std::int64_t> def = std::nullopt)
    {
        using V = Value<G>;
        static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>, "Integer wants an integral getter");
        TPropInfo& info = Add(name, sizeof(V) > 4 ? TPropKind::pkInt64 : TPropKind::pkInteger);
        info.Get = [get](const TPersistent& o) { return TPropValue(static_cast<std::int64_t>(Invoke(get, o))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            const std::int64_t value = std::get<std::int64_t>(v);
            if (!std::in_range<V>(value))
                InvalidPropertyValue(QStringLiteral("%1 is out of range").arg(value));
            std::invoke(set, static_cast<T&>(o), static_cast<V>(value));
        };
        if (def)
            info.Default = TPropValue(*def);
        return *this;
    }

    template <typename G, typename S>
    TPropRegistrar& Boolean(const QString& name, G get, S set, std::optional<bool> def = std::nullopt)
    {
        TPropInfo& info = Add(name, TPropKind::pkBoolean);
        info.Get = [get](const TPersistent& o) { return TPropValue(static_cast<bool>(Invoke(get, o))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            std::invoke(set, static_cast<T&>(o), std::get<bool>(v));
        };
        if (def)
            info.Default = TPropValue(*def);
        return *this;
    }

    // names: the value names by ordinal (the enumeration counts from 0 without gaps).
    template <typename G, typename S>
    TPropRegistrar& Enumeration(const QString& name, G get, S set, const QStringList& names,
                                std::optional<Value<G>> def = std::nullopt)
    {
        using E = Value<G>;
        static_assert(std::is_enum_v<E>, "Enumeration wants an enumeration getter");
        TPropInfo& info = Add(name, TPropKind::pkEnumeration);
        info.EnumNames = names;
        info.Get = [get](const TPersistent& o) { return TPropValue(static_cast<std::int64_t>(Invoke(get, o))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            std::invoke(set, static_cast<T&>(o), static_cast<E>(std::get<std::int64_t>(v)));
        };
        if (def)
            info.Default = TPropValue(static_cast<std::int64_t>(*def));
        return *this;
    }

    // A TSet<E>; names as for Enumeration.
    template <typename G, typename S>
    TPropRegistrar& SetOf(const QString& name, G get, S set, const QStringList& names,
                          std::optional<Value<G>> def = std::nullopt)
    {
        using V = Value<G>;
        TPropInfo& info = Add(name, TPropKind::pkSet);
        info.EnumNames = names;
        info.Get = [get](const TPersistent& o) { return TPropValue(static_cast<std::int64_t>(Invoke(get, o).Bits())); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            std::invoke(set, static_cast<T&>(o), V::FromBits(static_cast<std::uint64_t>(std::get<std::int64_t>(v))));
        };
        if (def)
            info.Default = TPropValue(static_cast<std::int64_t>(def->Bits()));
        return *this;
    }

    // A QByteArray getter makes an 8-bit string, a QString getter a wide one.
    template <typename G, typename S>
    TPropRegistrar& String(const QString& name, G get, S set, std::optional<Value<G>> def = std::nullopt)
    {
        using V = Value<G>;
        static_assert(std::is_same_v<V, QString> || std::is_same_v<V, QByteArray>, "String wants QString or QByteArray");
        TPropInfo& info = Add(name, std::is_same_v<V, QString> ? TPropKind::pkWString : TPropKind::pkString);
        info.Get = [get](const TPersistent& o) { return TPropValue(V(Invoke(get, o))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) { std::invoke(set, static_cast<T&>(o), std::get<V>(v)); };
        info.Default = TPropValue(def.value_or(V()));
        return *this;
    }

    template <typename G, typename S>
    TPropRegistrar& Float(const QString& name, G get, S set, std::optional<double> def = std::nullopt)
    {
        using V = Value<G>;
        TPropInfo& info = Add(name, TPropKind::pkFloat);
        info.Get = [get](const TPersistent& o) { return TPropValue(static_cast<double>(Invoke(get, o))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            std::invoke(set, static_cast<T&>(o), static_cast<V>(std::get<double>(v)));
        };
        if (def)
            info.Default = TPropValue(*def);
        return *this;
    }

    template <typename G, typename S>
    TPropRegistrar& Color(const QString& name, G get, S set, std::optional<TColor> def = std::nullopt)
    {
        TPropInfo& info = Add(name, TPropKind::pkColor);
        info.Get = [get](const TPersistent& o) { return TPropValue(static_cast<std::int64_t>(TColor(Invoke(get, o)))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            const std::int64_t value = std::get<std::int64_t>(v);
            // Colours are 32-bit patterns; negative numbers are the system colours' bit patterns.
            if (value < INT32_MIN || value > UINT32_MAX)
                InvalidPropertyValue(QStringLiteral("%1 is not a colour").arg(value));
            std::invoke(set, static_cast<T&>(o), static_cast<TColor>(value));
        };
        if (def)
            info.Default = TPropValue(static_cast<std::int64_t>(*def));
        return *this;
    }

    // An owned object (a pointer or reference getter): a TCollection is stored as its items, any
    // other persistent object as its own properties under "Name.".
    template <typename G>
    TPropRegistrar& Object(const QString& name, G get)
    {
        TPropInfo& info = Add(name, TPropKind::pkClass);
        info.Get = [get](const TPersistent& o) -> TPropValue {
            decltype(auto) object = std::invoke(get, static_cast<const T&>(o));
            if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(object)>>)
                return static_cast<TPersistent*>(const_cast<std::remove_cvref_t<decltype(*object)>*>(object));
            else
                return static_cast<TPersistent*>(const_cast<std::remove_cvref_t<decltype(object)>*>(&object));
        };
        return *this;
    }

    // A reference to a component of class C (a C* getter); stored by name, set after the whole
    // description is read.
    template <typename G, typename S>
    TPropRegistrar& Reference(const QString& name, G get, S set)
    {
        using C = std::remove_pointer_t<Value<G>>;
        static_assert(std::is_base_of_v<TComponent, C>, "Reference wants a component pointer getter");
        TPropInfo& info = Add(name, TPropKind::pkComponent);
        info.Get = [get](const TPersistent& o) {
            return TPropValue(static_cast<TComponent*>(const_cast<C*>(Invoke(get, o))));
        };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            TComponent* component = std::get<TComponent*>(v);
            C* target = dynamic_cast<C*>(component);
            if (component != nullptr && target == nullptr)
                InvalidPropertyValue(QStringLiteral("%1 is not a %2").arg(component->Name(), StreamClassName(typeid(C))));
            std::invoke(set, static_cast<T&>(o), target);
        };
        info.Default = TPropValue(static_cast<TComponent*>(nullptr));
        return *this;
    }

    // An event: access gives the TMethod<Sig>& of an object (a data member pointer or a function).
    template <typename A>
    TPropRegistrar& Event(const QString& name, A access)
    {
        using M = std::remove_cvref_t<std::invoke_result_t<A, T&>>;
        using F = typename M::Function;
        TPropInfo& info = Add(name, TPropKind::pkMethod);
        info.Get = [access](const TPersistent& o) {
            return TPropValue(TMethodValue{std::invoke(access, const_cast<T&>(static_cast<const T&>(o))).MethodName()});
        };
        info.Set = [access, name](TPersistent& o, const TPropValue& v) {
            const TMethodValue& method = std::get<TMethodValue>(v);
            M& event = std::invoke(access, static_cast<T&>(o));
            if (method.Code == nullptr) {
                event = M();
                return;
            }
            const F* code = std::any_cast<F>(method.Code);
            if (code == nullptr)
                InvalidPropertyValue(QStringLiteral("method %1 does not match the type of %2").arg(method.Name, name));
            event = M(method.Name, *code);
        };
        info.Default = TPropValue(TMethodValue{});
        return *this;
    }

    template <typename G, typename S>
    TPropRegistrar& Binary(const QString& name, G get, S set)
    {
        TPropInfo& info = Add(name, TPropKind::pkBinary);
        info.Get = [get](const TPersistent& o) { return TPropValue(QByteArray(Invoke(get, o))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            std::invoke(set, static_cast<T&>(o), std::get<QByteArray>(v));
        };
        info.Default = TPropValue(QByteArray());
        return *this;
    }

    // A QStringList; written when not empty.
    template <typename G, typename S>
    TPropRegistrar& Strings(const QString& name, G get, S set)
    {
        TPropInfo& info = Add(name, TPropKind::pkStrings);
        info.Get = [get](const TPersistent& o) { return TPropValue(QStringList(Invoke(get, o))); };
        info.Set = [set](TPersistent& o, const TPropValue& v) {
            std::invoke(set, static_cast<T&>(o), std::get<QStringList>(v));
        };
        info.Default = TPropValue(QStringList());
        return *this;
    }

    // The property added last is written only when stored(object) holds (and it differs from its default).
    TPropRegistrar& StoredIf(std::function<bool(const T&)> stored)
    {
        entry_.Props.last().Stored = [stored = std::move(stored)](const TPersistent& o) {
            return stored(static_cast<const T&>(o));
        };
        return *this;
    }
    TPropRegistrar& NotStored()
    {
        return StoredIf([](const T&) { return false; });
    }

private:
    template <typename G>
    static decltype(auto) Invoke(const G& get, const TPersistent& o)
    {
        return std::invoke(get, static_cast<const T&>(o));
    }

    TPropInfo& Add(const QString& name, TPropKind kind)
    {
        entry_.Props.append(TPropInfo{});
        TPropInfo& info = entry_.Props.last();
        info.Name = name;
        info.Kind = kind;
        return info;
    }

    TClassProps& entry_;
};

template <typename T, typename Base = void>
TPropRegistrar<T> RegisterProperties()
{
    static_assert(std::is_base_of_v<TPersistent, T>);
    std::optional<std::type_index> base;
    if constexpr (!std::is_void_v<Base>) {
        static_assert(std::is_base_of_v<Base, T>);
        base = std::type_index(typeid(Base));
    }
    return TPropRegistrar<T>(BeginClassProps(typeid(T), base, [](const TPersistent& o) {
        return dynamic_cast<const T*>(&o) != nullptr;
    }));
}
