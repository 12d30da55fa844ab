#include "RipRange.h"

#include "libs/cdrip/CDRip.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace libstest {

void SetOutputFormat(int32_t format, bool jitterCorrection)
{
    CR_DriveParameters parameters{};
    ASSERT_EQ(CR_GetCDROMParameters(&parameters), CR_CHUNK_READ);
    parameters.OutputFormat = format;
    parameters.JitterCorrection = jitterCorrection ? -1 : 0;
    ASSERT_EQ(CR_SetCDROMParameters(&parameters), CR_CHUNK_READ);
}

TRip RipRange(int32_t first, int32_t last)
{
    TRip rip;
    EXPECT_EQ(CR_OpenRipper(&rip.BufferSize, first, last), CR_CHUNK_READ) << LastErrorText();
    std::vector<uint8_t> buffer(static_cast<size_t>(std::max(rip.BufferSize, 0)));
    for (int32_t pass = 0; pass <= last - first + 1 && !buffer.empty(); ++pass) {
        int32_t bytes = -1;
        const int32_t status = CR_RipChunk(buffer.data(), &bytes);
        EXPECT_GE(bytes, 0);
        EXPECT_LE(bytes, rip.BufferSize);
        rip.Bytes.insert(rip.Bytes.end(), buffer.begin(), buffer.begin() + std::max(bytes, 0));
        rip.Statuses.push_back(status);
        rip.Percents.push_back(CR_GetPercentCompleted());
        if (status == CR_RANGE_DONE || status == CR_FAILURE)
            break;
    }
    return rip;
}

std::string LastErrorText()
{
    std::string text(static_cast<size_t>(CR_GetLastErrorText(nullptr, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(CR_GetLastErrorText(text.data(), static_cast<int32_t>(text.size()))));
    return text;
}

}
