#pragma once
// The background-painter registry: which painter draws what lies beneath a transparent control,
// chosen by the class of the control's parent.
#include <functional>
#include <type_traits>
#include <typeinfo>

#include "framework/Object.h"
#include "framework/Types.h"

class TCanvas;

// What a painter is handed: the child's bounds in parent coordinates (twice), the child and the parent.
struct TteBackgroundPaintInfo {
    TRect ChildBounds;
    TRect PaintBounds;
    TObject* Child = nullptr;
    TObject* Parent = nullptr;
};

// Answers whether it painted; callers ignore the answer.
using TteBackgroundPainter = std::function<bool(TCanvas& canvas, const TteBackgroundPaintInfo& info)>;

// One registered class: how to recognise its instances and how to test class derivation (a
// pointer of the class is thrown and caught as a pointer of the other, which is exact for public bases).
struct TteBackgroundPainterClass {
    const std::type_info* Type = nullptr;
    std::function<bool(const TObject*)> IsInstance;
    std::function<void()> ThrowPointer;
    std::function<bool(const std::function<void()>&)> CatchesPointer;
};

void RegisterBackgroundPainter(TteBackgroundPainterClass controlClass, TteBackgroundPainter painter);
// Appends a painter for parents of class C (and its descendants).
template <typename C>
void RegisterBackgroundPainter(TteBackgroundPainter painter)
{
    static_assert(std::is_base_of_v<TObject, C>);
    RegisterBackgroundPainter(
        TteBackgroundPainterClass{
            &typeid(C),
            [](const TObject* object) { return dynamic_cast<const C*>(object) != nullptr; },
            [] { throw static_cast<C*>(nullptr); },
            [](const std::function<void()>& thrower) {
                try {
                    thrower();
                } catch (C*) {
                    return true;
                } catch (...) {
                }
                return false;
            }},
        std::move(painter));
}

// The painter for parent: among the registered classes parent belongs to, the most derived one;
// nullptr when none.
const TteBackgroundPainter* FindBackgroundPainter(const TObject* parent);
// Whether a painter is registered for exactly this class.
bool IsBackgroundPainterRegistered(const std::type_info& controlClass);

// Registers the painters for the framework's group box (its colour) and form (its colour; a
// themed frame registers its own, more derived one).
void RegisterFrameworkBackgroundPainters();
// Empties the registry (at shut-down).
void ClearBackgroundPainters();
