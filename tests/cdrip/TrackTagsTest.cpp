// Tags from the disc's metadata in ripped files, read back with TagLib: ID3v2.4 on MP3 (Latin-1 text where it fits,
// else UTF-16), Vorbis comments on FLAC; the audio after them as it was, and a failed write leaving the file as it was.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/xiphcomment.h>

#include "cdrip/CDRIP.h"
#include "cdrip/TrackTags.h"
#include "coder/LameCoder.h"
#include "coder/LameEncLibrary.h"
#include "framework/Exception.h"
#include "tests/cdrip/FileSizeLimit.h"
#include "tests/cdrip/ScriptedLibrary.h"
#include "tests/support/AudioFiles.h"

namespace {

TDiscMetadata Bjork()
{
    TDiscMetadata disc;
    disc.Album = "Ænima — 東京";
    disc.AlbumArtist = "Björk";
    disc.Year = "1998";
    disc.Genre = "Trip Hop";
    disc.Catalog = "0731454569821";
    disc.Tracks.resize(3);
    disc.Tracks[1] = {"Straße 𝄞", "Zoë", "Søren", "GBAYE0601498"};
    return disc;
}

const QString kEncoder = "Trackwell 1.0 (LAME 3.100): 256 kbit/s CBR, 44100 Hz, stereo, normal quality";

QString FromTagLib(const TagLib::String& text)
{
    return QString::fromUtf8(text.toCString(true));
}

// The text frames of a file's ID3v2 tag by id, from a version 2.4 tag; with their encodings in *encodings when
// given.
std::map<QString, QString> Id3v2Frames(const QString& path, qsizetype* tagSize = nullptr,
                                       std::map<QString, TagLib::String::Type>* encodings = nullptr)
{
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    TagLib::ID3v2::Tag* tag = file.ID3v2Tag(false);
    std::map<QString, QString> frames;
    if (tag == nullptr || tag->isEmpty())
        return frames;
    EXPECT_EQ(tag->header()->majorVersion(), 4u);
    if (tagSize != nullptr)
        *tagSize = static_cast<qsizetype>(tag->header()->completeTagSize());
    for (TagLib::ID3v2::Frame* frame : tag->frameList()) {
        QString id = QString::fromLatin1(frame->frameID().data(), 4);
        if (auto* user = dynamic_cast<TagLib::ID3v2::UserTextIdentificationFrame*>(frame))
            id += ":" + FromTagLib(user->description());
        if (auto* text = dynamic_cast<TagLib::ID3v2::TextIdentificationFrame*>(frame)) {
            frames[id] = FromTagLib(text->fieldList().back());
            if (encodings != nullptr)
                (*encodings)[id] = text->textEncoding();
        }
    }
    return frames;
}

class TrackTags : public ScriptedLibrary {
protected:
    // An MP3 file ripped from the scripted library, as the command line rips one.
    QString RipMp3(const QString& name)
    {
        EXPECT_TRUE(TLameEncLibrary::Instance().IsLoaded()) << TLameEncLibrary::Instance().ErrorText().toStdString();
        Script("drive\n  parameters ok\n  toc ok\n  track 0 audio\n  leadout 300\n"
               "range\n  open ok 235200\n  chunk 0 235200 50\n  chunk 4 235200 100\n");
        TCDRIP cdrip(nullptr);
        TLameCoder coder(nullptr);
        cdrip.SetCoder(&coder);
        cdrip.SetEncode(true);
        cdrip.RipTrack(1, Path(name));
        return Path(name);
    }

    // A FLAC file made by the flac tool from a second of a sine; empty when the tool is missing.
    QString FlacFile(const QString& name)
    {
        const QString flac = QStandardPaths::findExecutable("flac");
        if (flac.isEmpty())
            return {};
        EXPECT_TRUE(audio::WriteFile(Path("sine.wav"), audio::Wav(44100, 2, audio::SinePcm(44100, 2, 44100))));
        EXPECT_EQ(QProcess::execute(flac, {"-s", "-f", "-5", "-o", Path(name), Path("sine.wav")}), 0);
        QFile::remove(Path("sine.wav"));
        return Path(name);
    }

    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(TrackTags, Mp3FilesGetTheDiscsTextAsId3v24AndKeepTheirAudio)
{
    const QString mp3 = RipMp3("Track02.mp3");
    const QByteArray untagged = audio::ReadFile(mp3);
    ASSERT_TRUE(QFile::setPermissions(mp3, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    WriteTrackTags(mp3, Bjork(), 2, kEncoder);
    EXPECT_EQ(QFile::permissions(mp3), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                                           QFile::ReadGroup | QFile::ReadOther)
        << "the tagged file keeps the permissions of the ripped one";
    qsizetype tagSize = 0;
    const std::map<QString, QString> expected = {
        {"TIT2", "Straße 𝄞"}, {"TPE1", "Zoë"}, {"TALB", "Ænima — 東京"}, {"TPE2", "Björk"}, {"TCOM", "Søren"},
        {"TCON", "Trip Hop"}, {"TSRC", "GBAYE0601498"}, {"TSSE", kEncoder}, {"TRCK", "2/3"}, {"TDRC", "1998"},
        {"TXXX:BARCODE", "0731454569821"},
    };
    EXPECT_EQ(Id3v2Frames(mp3, &tagSize), expected);
    const QByteArray tagged = audio::ReadFile(mp3);
    EXPECT_EQ(tagged.mid(tagSize), untagged) << "the audio follows the tag unchanged";

    // Tagged once more (another disc's text): the old tag is replaced, not stacked.
    TDiscMetadata other;
    other.Album = "Other";
    other.Tracks.resize(3);
    WriteTrackTags(mp3, other, 3, {});
    EXPECT_EQ(Id3v2Frames(mp3, &tagSize), (std::map<QString, QString>{{"TALB", "Other"}, {"TRCK", "3/3"}}));
    EXPECT_EQ(audio::ReadFile(mp3).mid(tagSize), untagged);
    const audio::Decoded decoded = audio::DecodeMp3(mp3);
    ASSERT_TRUE(decoded.Ok);
    EXPECT_NEAR(decoded.Frames(), 2 * 235200 / 4, 1152 + 2257) << "the two chunks ripped";
}

TEST_F(TrackTags, TextFramesAreLatin1WhereTheTextFitsElseUtf16)
{
    const QString mp3 = RipMp3("Track01.mp3");
    const struct {
        QString Text;
        TagLib::String::Type Encoding;
    } cases[] = {
        {"Abbey Road", TagLib::String::Latin1},
        {"Café Müller", TagLib::String::Latin1},
        {"Ελληνικά", TagLib::String::UTF16},
        {"𝄞 music", TagLib::String::UTF16},  // outside the BMP: a surrogate pair
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text.toStdString());
        TDiscMetadata disc;
        disc.Catalog = c.Text;
        disc.Tracks.resize(1);
        disc.Tracks[0].Title = c.Text;
        WriteTrackTags(mp3, disc, 1, "Trackwell");
        std::map<QString, TagLib::String::Type> encodings;
        const std::map<QString, QString> frames = Id3v2Frames(mp3, nullptr, &encodings);
        EXPECT_EQ(frames.at("TIT2"), c.Text);
        EXPECT_EQ(frames.at("TXXX:BARCODE"), c.Text);
        EXPECT_EQ(encodings.at("TIT2"), c.Encoding);
        EXPECT_EQ(encodings.at("TXXX:BARCODE"), c.Encoding);
        EXPECT_EQ(encodings.at("TSSE"), TagLib::String::Latin1);
    }
}

TEST_F(TrackTags, BytesThatOnlyLookLikeATagAreKeptAsTheyAre)
{
    // "ID3" and a size far beyond the file: no tag, and nothing of it may be dropped.
    const QByteArray lookalike = QByteArray("ID3\x04\x00\x00\x7f\x7f\x7f\x7f", 10) + QByteArray(5000, 'x');
    ASSERT_TRUE(audio::WriteFile(Path("Track02.mp3"), lookalike));
    WriteTrackTags(Path("Track02.mp3"), Bjork(), 2, kEncoder);
    const QByteArray tagged = audio::ReadFile(Path("Track02.mp3"));
    EXPECT_TRUE(tagged.endsWith(lookalike));
    EXPECT_GT(tagged.size(), lookalike.size());
}

TEST_F(TrackTags, ADiscWithoutMetadataAndFilesOfOtherKindsAreLeftAlone)
{
    const QString mp3 = RipMp3("Track01.mp3");
    const QByteArray untagged = audio::ReadFile(mp3);
    TDiscMetadata silent;
    silent.Tracks.resize(3);
    WriteTrackTags(mp3, silent, 1, kEncoder);
    EXPECT_EQ(audio::ReadFile(mp3), untagged);

    ASSERT_TRUE(audio::WriteFile(Path("Track01.wav"), "RIFF"));
    WriteTrackTags(Path("Track01.wav"), Bjork(), 1, kEncoder);
    EXPECT_EQ(audio::ReadFile(Path("Track01.wav")), "RIFF");
    EXPECT_EQ(Files(), QStringList({"Track01.mp3", "Track01.wav"}));
}

TEST_F(TrackTags, FlacFilesGetTheDiscsTextAsVorbisCommentsAndStillDecode)
{
    const QString flac = FlacFile("Track02.flac");
    if (flac.isEmpty())
        GTEST_SKIP() << "the flac tool is missing (bash scripts/setup.sh)";
    WriteTrackTags(flac, Bjork(), 2, kEncoder);

    TagLib::FLAC::File file(QFile::encodeName(flac).constData(), false);
    ASSERT_TRUE(file.isValid());
    TagLib::Ogg::XiphComment* comment = file.xiphComment(false);
    ASSERT_NE(comment, nullptr);
    EXPECT_TRUE(FromTagLib(comment->vendorID()).contains("libFLAC")) << "the encoder's vendor string stays";
    std::map<QString, QString> fields;
    for (const auto& [name, values] : comment->fieldListMap())
        fields[FromTagLib(name)] = FromTagLib(values.back());
    const std::map<QString, QString> expected = {
        {"TITLE", "Straße 𝄞"}, {"ARTIST", "Zoë"}, {"ALBUM", "Ænima — 東京"}, {"ALBUMARTIST", "Björk"},
        {"COMPOSER", "Søren"}, {"GENRE", "Trip Hop"}, {"ISRC", "GBAYE0601498"}, {"ENCODER", kEncoder},
        {"TRACKNUMBER", "2"}, {"TRACKTOTAL", "3"}, {"DATE", "1998"}, {"BARCODE", "0731454569821"},
    };
    EXPECT_EQ(fields, expected);
    // The flac tool checks the decoded audio against the MD5 sum its stream carries.
    EXPECT_EQ(QProcess::execute(QStandardPaths::findExecutable("flac"), {"-s", "-t", flac}), 0);
}

TEST_F(TrackTags, AFailedWriteLeavesTheFileAsItWasAndSaysWhy)
{
    const QString mp3 = RipMp3("Track02.mp3");
    const QByteArray untagged = audio::ReadFile(mp3);
    ASSERT_TRUE(audio::WriteFile(Path("Garbage.flac"), "not a FLAC stream"));
    const struct {
        const char* Name;
        QString File;
        qint64 SizeLimit;  // 0: none
        const char* Reason;
    } cases[] = {
        {"disk full", mp3, untagged.size() + 100, "could not be written whole"},
        {"no FLAC stream", Path("Garbage.flac"), 0, "it is no FLAC file"},
        {"no file", Path("Missing.mp3"), 0, "No such file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QByteArray before = audio::ReadFile(c.File);
        const QStringList files = Files();
        try {
            std::optional<FileSizeLimit> limit;
            if (c.SizeLimit > 0)
                limit.emplace(static_cast<rlim_t>(c.SizeLimit));
            WriteTrackTags(c.File, Bjork(), 2, kEncoder);
            ADD_FAILURE() << "no error";
        } catch (const Exception& error) {
            EXPECT_TRUE(error.Message().startsWith("Cannot write the tags of " + c.File + ": ")) << error.Message().toStdString();
            EXPECT_TRUE(error.Message().contains(c.Reason)) << error.Message().toStdString();
        }
        EXPECT_EQ(audio::ReadFile(c.File), before);
        EXPECT_EQ(Files(), files) << "no copy is left behind";
    }
}

}  // namespace
