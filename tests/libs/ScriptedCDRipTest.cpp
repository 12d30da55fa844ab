// The scripted stand-in for the CD library, loaded as the program loads the real one.
#include "tests/support/ScriptedCDRip.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The stand-in's functions, looked up in its own file so they do not meet the real library linked into the tests.
class ScriptedCDRipTest : public testing::Test {
protected:
    void SetUp() override
    {
        FHandle = dlopen(TRACKWELL_SCRIPTED_CDRIP_DIR "/" CDRIP_LIBRARY_NAME, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(FHandle, nullptr) << dlerror();
    }
    void TearDown() override
    {
        if (FHandle != nullptr)
            dlclose(FHandle);
    }
    template <typename F>
    F* Get(const char* name)
    {
        auto* function = reinterpret_cast<F*>(dlsym(FHandle, name));
        EXPECT_NE(function, nullptr) << name;
        return function;
    }

    void* FHandle = nullptr;
};

TEST_F(ScriptedCDRipTest, PlaysDrivesTableOfContentsAndARange)
{
    ASSERT_EQ(Get<decltype(SCRIPT_Load)>("SCRIPT_Load")(R"(
        version 121
        drive                                  # drive 0: no disc
          toc fail
        drive
          parameters ok id=Plextor speed=8 type=14 format=3 atapi=-1
          track 0 audio
          track 15000 data
          leadout 30000
        setparameters ok
        setparameters fail
        range
          open ok 4096
          chunk 0 1000 10
          chunk 3 1000 40 jitter 1520 1546
          chunk 1 500 50
          chunk 4 300 100
          jittercount 1
    )"), 0);
    auto toc = Get<decltype(CR_ReadToc)>("CR_ReadToc");
    auto entry = Get<decltype(CR_GetTocEntry)>("CR_GetTocEntry");
    auto setParameters = Get<decltype(CR_SetCDROMParameters)>("CR_SetCDROMParameters");
    auto rip = Get<decltype(CR_RipChunk)>("CR_RipChunk");
    auto percent = Get<decltype(CR_GetPercentCompleted)>("CR_GetPercentCompleted");
    auto jitter = Get<decltype(CR_GetLastJitterErrorPosition)>("CR_GetLastJitterErrorPosition");

    EXPECT_EQ(Get<decltype(CR_GetCDRipVersion)>("CR_GetCDRipVersion")(), 121);
    EXPECT_EQ(Get<decltype(CR_Init)>("CR_Init")(), CR_CHUNK_READ);
    EXPECT_EQ(toc(), CR_FAILURE);
    EXPECT_EQ(Get<decltype(CR_SetActiveCDROM)>("CR_SetActiveCDROM")(1), CR_CHUNK_READ);
    EXPECT_EQ(Get<decltype(CR_SetActiveCDROM)>("CR_SetActiveCDROM")(2), CR_FAILURE);
    CR_DriveParameters parameters{};
    ASSERT_EQ(Get<decltype(CR_GetCDROMParameters)>("CR_GetCDROMParameters")(&parameters), CR_CHUNK_READ);
    EXPECT_STREQ(parameters.DriveId, "Plextor");
    EXPECT_EQ(parameters.ReadSpeed, 8);
    EXPECT_EQ(parameters.DriveType, 14);
    EXPECT_EQ(int32_t{parameters.OutputFormat}, 3);   // a copy: the field is unaligned
    EXPECT_EQ(toc(), CR_CHUNK_READ);
    EXPECT_EQ(Get<decltype(CR_GetNumTocEntries)>("CR_GetNumTocEntries")(), 2);
    EXPECT_EQ(entry(1).FirstSector, 15000u);
    EXPECT_EQ(entry(1).Flags, 0);
    EXPECT_EQ(entry(0).Flags, CR_TOC_AUDIO);
    EXPECT_EQ(entry(2).FirstSector, 30000u);

    EXPECT_EQ(setParameters(&parameters), CR_CHUNK_READ);
    EXPECT_EQ(setParameters(&parameters), CR_FAILURE);
    EXPECT_EQ(setParameters(&parameters), CR_FAILURE);

    int32_t bufferSize = 0;
    ASSERT_EQ(Get<decltype(CR_OpenRipper)>("CR_OpenRipper")(&bufferSize, 0, 14999), CR_CHUNK_READ);
    EXPECT_EQ(bufferSize, 4096);
    std::vector<uint8_t> buffer(4096), kept;
    const struct {
        int32_t Status, Bytes, Percent;
    } expected[] = {{0, 1000, 10}, {3, 1000, 40}, {1, 500, 50}, {4, 300, 100}, {4, 0, 100}};
    for (const auto& e : expected) {
        int32_t bytes = -1;
        EXPECT_EQ(rip(buffer.data(), &bytes), e.Status);
        EXPECT_EQ(bytes, e.Bytes);
        EXPECT_EQ(percent(), e.Percent);
        if (e.Status != CR_FAILURE)
            kept.insert(kept.end(), buffer.begin(), buffer.begin() + bytes);
        else
            EXPECT_EQ(buffer[0], 0xEE);
    }
    for (size_t k = 0; k < kept.size(); ++k)
        ASSERT_EQ(kept[k], k % 251) << "byte " << k;
    uint32_t first = 0, last = 0;
    jitter(&first, &last);
    EXPECT_EQ(first, 1520u);
    EXPECT_EQ(last, 1546u);
    EXPECT_EQ(Get<decltype(CR_GetNumberOfJitterErrors)>("CR_GetNumberOfJitterErrors")(), 1);
    Get<decltype(CR_CloseRipper)>("CR_CloseRipper")();
    // The only range is used up.
    EXPECT_EQ(Get<decltype(CR_OpenRipper)>("CR_OpenRipper")(&bufferSize, 0, 10), CR_FAILURE);

    const std::string log = Get<decltype(SCRIPT_CallLog)>("SCRIPT_CallLog")();
    EXPECT_EQ(log.substr(0, log.find("CR_GetCDROMParameters")),
        "CR_GetCDRipVersion\nCR_Init\nCR_ReadToc\nCR_SetActiveCDROM 1\nCR_SetActiveCDROM 2\n");
    EXPECT_NE(log.find("CR_SetCDROMParameters format=3 jitter=0 speed=8\n"), std::string::npos);
    EXPECT_NE(log.find("CR_OpenRipper 0 14999\nCR_RipChunk\nCR_GetPercentCompleted\n"), std::string::npos);
}

TEST_F(ScriptedCDRipTest, AnUnreadableScriptNamesItsLineAndKeepsThePreviousOne)
{
    auto load = Get<decltype(SCRIPT_Load)>("SCRIPT_Load");
    ASSERT_EQ(load("version 7\n"), 0);
    const char* bad[] = {"init maybe", "drive\n  track 10 video", "range\n  chunk 0 x 10", "parameters ok colour=3",
        "bogus", "range\n  chunk 3 10 20 jitter 1"};
    for (const char* text : bad)
        EXPECT_EQ(load(text), static_cast<int32_t>(std::count(text, text + std::strlen(text), '\n') + 1)) << text;
    EXPECT_EQ(Get<decltype(CR_GetCDRipVersion)>("CR_GetCDRipVersion")(), 7);
}

TEST_F(ScriptedCDRipTest, AnEmptyScriptIsOneDriveWithoutTracks)
{
    ASSERT_EQ(Get<decltype(SCRIPT_Load)>("SCRIPT_Load")(""), 0);
    EXPECT_EQ(Get<decltype(CR_Init)>("CR_Init")(), CR_CHUNK_READ);
    EXPECT_EQ(Get<decltype(CR_ReadToc)>("CR_ReadToc")(), CR_CHUNK_READ);
    EXPECT_EQ(Get<decltype(CR_GetNumTocEntries)>("CR_GetNumTocEntries")(), 0);
    int32_t bufferSize = 0;
    EXPECT_EQ(Get<decltype(CR_OpenRipper)>("CR_OpenRipper")(&bufferSize, 0, 10), CR_FAILURE);
}

}

namespace {

// The script file is read at the first call of a freshly loaded stand-in, so this runs in a process of its own.
TEST(ScriptedCDRipFile, TheEnvironmentNamesTheScriptFile)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string path = testing::TempDir() + "trackwell-scripted-cdrip.txt";
    std::ofstream(path) << "version 55\ninit fail\n";
    EXPECT_EXIT(
        {
            setenv("TRACKWELL_CDRIP_SCRIPT", path.c_str(), 1);
            void* handle = dlopen(TRACKWELL_SCRIPTED_CDRIP_DIR "/" CDRIP_LIBRARY_NAME, RTLD_NOW | RTLD_LOCAL);
            auto version = reinterpret_cast<decltype(CR_GetCDRipVersion)*>(dlsym(handle, "CR_GetCDRipVersion"));
            auto init = reinterpret_cast<decltype(CR_Init)*>(dlsym(handle, "CR_Init"));
            std::exit(version() == 55 && init() == CR_FAILURE ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    std::remove(path.c_str());
}

}
