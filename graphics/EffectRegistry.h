#pragma once
// The registry of transition effects by display name: the catalogue is registered on first use,
// in its fixed order, and other effects may be added after it.
#include <QString>
#include <QStringList>
#include <memory>
#include <variant>
#include <vector>

#include "framework/Exception.h"
#include "graphics/EffectProcs.h"

// The kind decides how a procedure's output is used and the prefix of its display name.
enum class TteEffectKind { kekMask, kekCells, kekManual };
using TteEffectProc = std::variant<TteMaskProc, TteCellProc, TteManualProc>;

// The two names that the name list offers before the registered effects.
inline constexpr const char* kRandomEffectName = "[ RANDOM ] - Random selection";
inline constexpr const char* kBitmapEffectName = "[ BITMAP ] - Bitmap Animation";

// A name or procedure registered twice: "Effect procedute %s already exists in list".
class EProcItemError : public Exception {
public:
    using Exception::Exception;
};

struct TteProcItem {
    TteEffectKind Kind;
    TteEffectProc Proc;
    // The kind's prefix and the bare name: "[ FADE ] - Fade".
    QString Name;

    // The display name without its prefix (everything up to the "- " after the closing bracket).
    QString BareName() const;
};

// The registered effects in registration order; owns them.
using TteProcList = std::vector<std::unique_ptr<TteProcItem>>;
const TteProcList& Effects();

// "[ FADE ] - " for masks, "[ SLIDE ] - " for cell displacements, "[ MANUAL ] - " for the rest.
QString EffectPrefix(TteEffectKind kind);
// Adds prefix + name. The procedure's type must be the kind's (std::invalid_argument otherwise).
// A bare name registered already (case ignored) or a procedure registered already raises
// EProcItemError.
void RegisterEffect(const QString& name, TteEffectKind kind, TteEffectProc procedure);
// By display name, else by bare name, case ignored each time; nullptr when neither matches.
const TteProcItem* FindEffect(const QString& name);
// The random and bitmap names, then every display name in registration order.
QStringList EffectNames();
