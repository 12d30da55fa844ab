#pragma once
// Event handlers that remember the name they were bound by, and the table of named handlers a
// root component offers to its stored description.
#include <QHash>
#include <QString>
#include <any>
#include <functional>
#include <type_traits>
#include <utility>

// A callable with the method name that a stored description names it by. Assigning plain code
// forgets the name, so only handlers bound by name are written back.
template <typename Sig>
class TMethod : public std::function<Sig> {
public:
    using Function = std::function<Sig>;

    TMethod() = default;
    TMethod(QString name, Function code) : Function(std::move(code)), name_(std::move(name)) {}
    template <typename F>
        requires(!std::is_same_v<std::decay_t<F>, TMethod> && std::is_constructible_v<Function, F>)
    TMethod(F&& code) : Function(std::forward<F>(code))
    {
    }
    template <typename F>
        requires(!std::is_same_v<std::decay_t<F>, TMethod> && std::is_assignable_v<Function&, F>)
    TMethod& operator=(F&& code)
    {
        Function::operator=(std::forward<F>(code));
        name_.clear();
        return *this;
    }

    const QString& MethodName() const { return name_; }

private:
    QString name_;
};

// Handlers by method name ("TeButton2Click"), each kept with its exact signature so that binding
// it to an event of another type is caught.
class TMethodTable {
public:
    template <typename Sig>
    void Add(const QString& name, std::function<Sig> code)
    {
        methods_.insert(name.toLower(), Entry{name, std::any(std::move(code))});
    }
    // Binds a member function of object: Add("Button1Click", this, &TForm1::Button1Click).
    template <typename C, typename R, typename... A>
    void Add(const QString& name, C* object, R (C::*method)(A...))
    {
        Add<R(A...)>(name, std::function<R(A...)>([object, method](A... args) {
            return (object->*method)(std::forward<A>(args)...);
        }));
    }
    template <typename C, typename R, typename... A>
    void Add(const QString& name, const C* object, R (C::*method)(A...) const)
    {
        Add<R(A...)>(name, std::function<R(A...)>([object, method](A... args) {
            return (object->*method)(std::forward<A>(args)...);
        }));
    }

    // The stored handler (a std::function of its own signature), or nullptr; names ignore case.
    const std::any* Find(const QString& name) const
    {
        const auto it = methods_.constFind(name.toLower());
        return it == methods_.constEnd() ? nullptr : &it->code;
    }
    // The name as it was added, for a name in any case.
    QString CanonicalName(const QString& name) const
    {
        const auto it = methods_.constFind(name.toLower());
        return it == methods_.constEnd() ? name : it->name;
    }

private:
    struct Entry {
        QString name;
        std::any code;
    };
    QHash<QString, Entry> methods_;
};
