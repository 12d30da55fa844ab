#include "coder/LameVersion.h"

#include "coder/LameEncLibrary.h"

TLameVersion::TLameVersion()
{
    BE_Version record;
    TLameEncLibrary::Instance().Version(&record);
    dllMajor_ = record.DLLMajorVersion;
    dllMinor_ = record.DLLMinorVersion;
    major_ = record.MajorVersion;
    minor_ = record.MinorVersion;
}

void TLameVersion::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TLameVersion*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    dllMajor_ = other->dllMajor_;
    dllMinor_ = other->dllMinor_;
    major_ = other->major_;
    minor_ = other->minor_;
}
