#include "graphics/EffectRegistry.h"

#include <stdexcept>

#include "graphics/EffectCatalogue.h"

namespace {

TteProcList& Registry()
{
    static TteProcList list;
    static bool filled = false;
    if (!filled) {
        // Set first: the catalogue registers through RegisterEffect, which comes back here.
        filled = true;
        RegisterEffectCatalogue();
    }
    return list;
}

}  // namespace

QString TteProcItem::BareName() const
{
    const int bracket = Name.indexOf(QLatin1Char(']'));
    const int dash = bracket < 0 ? -1 : Name.indexOf(QLatin1String("- "), bracket);
    return dash < 0 ? Name : Name.mid(dash + 2);
}

const TteProcList& Effects()
{
    return Registry();
}

QString EffectPrefix(TteEffectKind kind)
{
    switch (kind) {
    case TteEffectKind::kekMask:
        return QStringLiteral("[ FADE ] - ");
    case TteEffectKind::kekCells:
        return QStringLiteral("[ SLIDE ] - ");
    case TteEffectKind::kekManual:
        break;
    }
    return QStringLiteral("[ MANUAL ] - ");
}

void RegisterEffect(const QString& name, TteEffectKind kind, TteEffectProc procedure)
{
    if (procedure.index() != static_cast<std::size_t>(kind))
        throw std::invalid_argument("RegisterEffect: the procedure is not of the kind given");
    TteProcList& list = Registry();
    for (const auto& item : list)
        if (item->BareName().compare(name, Qt::CaseInsensitive) == 0 || item->Proc == procedure)
            throw EProcItemError(QStringLiteral("Effect procedute %1 already exists in list").arg(name));
    list.push_back(std::make_unique<TteProcItem>(TteProcItem{kind, procedure, EffectPrefix(kind) + name}));
}

const TteProcItem* FindEffect(const QString& name)
{
    const TteProcList& list = Registry();
    for (const auto& item : list)
        if (item->Name.compare(name, Qt::CaseInsensitive) == 0)
            return item.get();
    for (const auto& item : list)
        if (item->BareName().compare(name, Qt::CaseInsensitive) == 0)
            return item.get();
    return nullptr;
}

QStringList EffectNames()
{
    QStringList names{QLatin1String(kRandomEffectName), QLatin1String(kBitmapEffectName)};
    for (const auto& item : Registry())
        names.append(item->Name);
    return names;
}
