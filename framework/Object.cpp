#include "framework/Object.h"

#include "framework/TypeName.h"

QString TObject::ClassName() const
{
    return TypeName(typeid(*this));
}

void TObject::Dispatch(TMessage& message)
{
    DefaultHandler(message);
}

void TObject::DefaultHandler(TMessage&) {}
