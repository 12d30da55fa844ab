#include "framework/Persistent.h"

#include "framework/Exception.h"

void TPersistent::Assign(const TPersistent* source)
{
    if (source == nullptr)
        AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* destination) const
{
    destination->AssignError(this);
}

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::AssignError(const TPersistent* source) const
{
    const QString sourceName = source != nullptr ? source->ClassName() : QStringLiteral("nil");
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(sourceName, ClassName()));
}
