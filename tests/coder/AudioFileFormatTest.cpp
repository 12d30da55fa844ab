// The one table of the audio file formats and their extensions, read both ways.
#include <gtest/gtest.h>

#include "coder/AudioFileFormat.h"

namespace {

TEST(AudioFileFormat, EachFormatIsWrittenWithItsExtensionAndKnownByItInAnyCase)
{
    const struct {
        TAudioFileFormat Format;
        QString Extension;
    } cases[] = {
        {TAudioFileFormat::afMp3, ".mp3"},
        {TAudioFileFormat::afWav, ".wav"},
        {TAudioFileFormat::afPcm, ".pcm"},
        {TAudioFileFormat::afFlac, ".flac"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Extension.toStdString());
        EXPECT_EQ(AudioFileExtension(c.Format), c.Extension);
        EXPECT_EQ(AudioFileFormatOf("/music/Disc 1/Track01" + c.Extension), c.Format);
        EXPECT_EQ(AudioFileFormatOf("Track01" + c.Extension.toUpper()), c.Format);
    }
}

TEST(AudioFileFormat, OtherNamesNameNoFormat)
{
    for (const char* name : {"Track01", "Track01.ogg", "Track01.mp3.part", "Track01.mp", "/music/mp3/Track01",
                             "/music/rip.flac/Track01"})
        EXPECT_EQ(AudioFileFormatOf(QString::fromUtf8(name)), std::nullopt) << name;
}

}  // namespace
