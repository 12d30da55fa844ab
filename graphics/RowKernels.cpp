#include "graphics/RowKernels.h"

#include <QtGlobal>

namespace {

const TRowKernels& PickRowKernels()
{
    // The switch lets the whole suite run on the reference kernels.
    if (qEnvironmentVariableIntValue("TRACKWELL_SCALAR") == 1)
        return ScalarRowKernels();
    if (const TRowKernels* avx2 = Avx2RowKernels())
        return *avx2;
    if (const TRowKernels* sse2 = Sse2RowKernels())
        return *sse2;
    return ScalarRowKernels();
}

}  // namespace

const TRowKernels& RowKernels()
{
    static const TRowKernels& kernels = PickRowKernels();
    return kernels;
}
