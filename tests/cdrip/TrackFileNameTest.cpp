// Track files named from the disc's texts: what the template makes of them, and that no text, however bad, makes a
// name that leaves the output folder or takes an existing file's place.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cdrip/TrackFileName.h"

namespace {

TDiscMetadata Disc(const QString& title, const QString& artist = {}, const QString& album = {}, const QString& year = {})
{
    TDiscMetadata disc;
    disc.Album = album;
    disc.AlbumArtist = QStringLiteral("Album Artist");
    disc.Year = year;
    disc.Tracks.resize(2);
    disc.Tracks[1].Title = title;
    disc.Tracks[1].Artist = artist;
    return disc;
}

// Texts a disc or a sheet may carry that must never choose a folder or hide a file.
const QString kHostileTitles[] = {
    "../x", "../../../../tmp/escaped", "/etc/passwd", "..", ".", ".hidden", "a/../../b", "C:\\Windows\\x",
    QString("tab\there, line\nbreak, bell\a, delete\x7f, C1\u0085, separator\u2028"), "   ", "",
    QString(300, QChar(0x20AC)), QString(120, 'a') + "/" + QString(120, 'b'),
};

TEST(TrackFileName, TheTemplateFillsItsFieldsAndMakesEveryCharacterSafe)
{
    const QString euros(33, QChar(0x20AC));  // 99 bytes: a fourth euro sign would cut through the 100-byte limit
    const struct {
        QString Template;
        TDiscMetadata Disc;
        QString Expected;
    } cases[] = {
        {"%n - %a - %t", Disc("Straße 𝄞", "Zoë"), "02 - Zoë - Straße 𝄞"},
        {"%n %t", Disc("../../etc/passwd"), "02 .._.._etc_passwd"},
        {"%a", Disc("x"), "Album Artist"},
        {"%t", Disc("../x"), "_x"},
        {"%t", Disc(".."), "Track02"},
        {"%t", Disc(""), "Track02"},
        {"%t", Disc("   "), "Track02"},
        {"%t", Disc("a\tb\nc\x7f" "d"), "a_b_c_d"},
        {"%t", Disc("What? \"Yes\" <no> a|b *: C:\\x"), "What_ _Yes_ _no_ a_b __ C__x"},
        {"%A (%y)", Disc("x"), "Unknown Album ()"},
        {"%A (%y)", Disc("x", {}, "Homogenic", "1997"), "Homogenic (1997)"},
        {"%%n%n", Disc("x"), "%n02"},
        {"%t", Disc(QString(300, QChar(0x20AC))), euros},
        {"Track%n", Disc("ignored"), "Track02"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.Template + " / " + c.Disc.Track(2).Title).toStdString());
        EXPECT_EQ(TFileNameTemplate(c.Template).Name(c.Disc, 2), c.Expected);
    }
}

TEST(TrackFileName, LongNamesAreCutOnACharactersBoundary)
{
    // Three fields of 100 bytes each in characters of 1, 2, 3 and 4 bytes: every cut lands inside some character.
    for (const QString& unit : {QString("a"), QString("é"), QString(QChar(0x20AC)), QString("𝄞")}) {
        QString title;
        while (title.toUtf8().size() < 400)
            title += unit;
        const QString name = TFileNameTemplate("%t %t %t").Name(Disc(title), 2);
        const QByteArray utf8 = name.toUtf8();
        EXPECT_LE(utf8.size(), TFileNameTemplate::kNameBytes);
        EXPECT_GT(utf8.size(), TFileNameTemplate::kNameBytes - 8);
        EXPECT_EQ(QString::fromUtf8(utf8), name);
        EXPECT_FALSE(name.contains(QChar::ReplacementCharacter));
        EXPECT_TRUE(name.endsWith(unit)) << "whole characters only";
    }
}

TEST(TrackFileName, TemplatesThatCannotMakeANameAreRefused)
{
    const struct {
        QString Template;
        const char* Problem;  // empty: accepted
    } cases[] = {
        {"%n %t", ""}, {"%n - %a - %A (%y) 100%%", ""}, {"", "not an empty text"}, {"  ", "not an empty text"},
        {"%n/%t", "holds a \"/\""}, {"%x", "not \"%x\""}, {"%t %", "not \"%\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Template.toStdString());
        const QString problem = TFileNameTemplate::Problem(c.Template);
        if (*c.Problem == '\0')
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        else
            EXPECT_TRUE(problem.contains(c.Problem)) << problem.toStdString();
    }
}

TEST(TrackFileName, HostileTextsNeverMakeAFileOutsideTheFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("Output/inner"));
    const QString folder = root.filePath("Output/inner");
    for (const QString& text : kHostileTitles)
        for (const QString& pattern : {QString("%t"), QString("%n %a - %t"), QString("%A %t")}) {
            TDiscMetadata disc = Disc(text, text, text, text);
            disc.AlbumArtist = text;
            const QString path = FreeFileName(folder, TFileNameTemplate(pattern).Name(disc, 2), ".mp3", false);
            SCOPED_TRACE(path.toStdString());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::NewOnly)) << file.errorString().toStdString();
            file.close();
            EXPECT_EQ(QFileInfo(path).canonicalPath(), QFileInfo(folder).canonicalFilePath());
            EXPECT_FALSE(QFileInfo(path).fileName().startsWith('.'));
            EXPECT_LE(QFileInfo(path).fileName().toUtf8().size(), 255);
        }
    // Everything landed in the folder: nothing beside it or above it.
    EXPECT_EQ(QDir(root.filePath("Output")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList({"inner"}));
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList({"Output"}));
}

TEST(TrackFileName, AnExistingFileIsNumberedPastUnlessOverwritingIsAsked)
{
    QTemporaryDir folder;
    for (const char* name : {"Song.mp3", "Song (2).mp3", "Other.wav"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(folder.filePath("nowhere"), folder.filePath("Dangling.mp3")));
    EXPECT_EQ(FreeFileName(folder.path(), "Song", ".mp3", false), folder.filePath("Song (3).mp3"));
    EXPECT_EQ(FreeFileName(folder.path(), "Song", ".mp3", true), folder.filePath("Song.mp3"));
    EXPECT_EQ(FreeFileName(folder.path(), "Other", ".mp3", false), folder.filePath("Other.mp3")) << "another extension is no clash";
    EXPECT_EQ(FreeFileName(folder.path(), "Dangling", ".mp3", false), folder.filePath("Dangling (2).mp3"))
        << "a link that points nowhere would put the file elsewhere";
}

}  // namespace
