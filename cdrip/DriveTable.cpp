#include "cdrip/DriveTable.h"

void TDriveTableClass::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TDriveTableClass*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    DriveType = other->DriveType;
    ReadMethod = other->ReadMethod;
    SetSpeed = other->SetSpeed;
    Endian = other->Endian;
    EnableMode = other->EnableMode;
    Density = other->Density;
    Atapi = other->Atapi;
}
