#pragma once
// Objects that can be copied from and into each other, and that can carry stored properties.
#include "framework/Object.h"

class TFiler;

class TPersistent : public TObject {
public:
    // Copies from source; the base lets the source copy itself into this object.
    virtual void Assign(const TPersistent* source);
    // Copies this object into destination; the base raises "Cannot assign a X to a Y".
    virtual void AssignTo(TPersistent* destination) const;
    // Declares properties that are stored in a form of their own (binary values).
    virtual void DefineProperties(TFiler& filer);

protected:
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
