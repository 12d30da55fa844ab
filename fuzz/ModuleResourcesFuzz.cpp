// Arbitrary bytes as a module file, and as a bitmap resource: the reader must take them or raise an
// error, never crash or set aside memory the input cannot fill; every resource it lists is found.
#include <cstddef>
#include <cstdint>

#include "framework/Exception.h"
#include "graphics/Bitmap.h"
#include "graphics/Dib.h"
#include "graphics/ModuleResources.h"

namespace {

void ReadEveryResource(const TModuleResources& module)
{
    for (const TResourceId& type : module.Types())
        for (const TResourceId& name : module.Names(type)) {
            if (!module.Find(type, name))
                __builtin_trap();
            if (!type.IsName() && type.Number() == kResourceBitmap) {
                TteBitmap bitmap;
                try {
                    module.LoadBitmap(name, bitmap);
                } catch (const Exception&) {
                }
            } else if (!type.IsName() && type.Number() == kResourceString && !name.IsName()) {
                try {
                    module.FindString((name.Number() - 1) * 16 + 15);
                } catch (const Exception&) {
                }
            } else {
                ReadWideStringRun(*module.Find(type, name));
            }
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        ReadEveryResource(TModuleResources(bytes));
    } catch (const Exception&) {
    }
    TteBitmap bitmap;
    try {
        DecodeDib(bytes, bitmap);
    } catch (const Exception&) {
    }
    return 0;
}
