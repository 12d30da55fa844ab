// Rips started from the main window leave the rip log and cue sheet beside their files as command-line rips do:
// a whole run with the disc's text, runs ended by Stop or by an error marked incomplete, and a log that cannot be
// written shown to the user without hiding the rip's own error.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include "app/HeadlessJobs.h"
#include "cdrip/RipSession.h"
#include "framework/ComponentStream.h"
#include "tests/app/MainWindowFixture.h"

namespace {

TWinControl* Button(TForm1* form, const char* name)
{
    return dynamic_cast<TWinControl*>(FindNestedComponent(*form, QString::fromLatin1(name)));
}

QString Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The three-track disc with CD-Text: the album's title holds quotes, track 2 has a title of its own.
const std::string kTextDisc =
    std::string(kThreeTracks) + "  text title 0 Window \"Rips\"\n  text performer 0 Zoë\n  text title 2 Second\n";

class WindowRipProof : public MainWindow {
protected:
    QString Log() const { return Read(Out(Proof().at(1))); }
    QString Sheet() const { return Read(Out(Proof().at(0))); }
    static void ExpectAll(const QString& text, const QStringList& parts)
    {
        for (const QString& part : parts)
            EXPECT_TRUE(text.contains(part)) << part.toStdString() << "\n" << text.toStdString();
    }
};

TEST_F(WindowRipProof, AWholeRunWritesTheLogAndCueSheetWithTheDiscsText)
{
    Open(kTextDisc + Ranges(3));
    Click(Button(form, "TeButton2"));
    ASSERT_EQ(form->Caption(), "Trackwell - Ready");
    EXPECT_TRUE(errors.texts.isEmpty()) << errors.texts.join('\n').toStdString();
    const QString log = Log();
    ExpectAll(log, {"File: Track01.mp3", "File: Track02.mp3", "File: Track03.mp3", "Output: MP3 from 44100 Hz stereo",
                    "Album: Window \"Rips\"\n", "Album artist: Zoë\n", "  Title: Second\n", "AccurateRip database: offline",
                    "No errors occurred"});
    EXPECT_FALSE(log.contains("INCOMPLETE")) << log.toStdString();
    EXPECT_TRUE(TRipSession::LogChecksumHolds(log));
    ExpectAll(Sheet(), {"PERFORMER \"Zoë\"\nTITLE \"Window \"\"Rips\"\"\"\nFILE \"Track01.mp3\" MP3\n  TRACK 01 AUDIO\n",
                        "FILE \"Track02.mp3\" MP3\n  TRACK 02 AUDIO\n    TITLE \"Second\"\n", "FILE \"Track03.mp3\" MP3\n"});
}

TEST_F(WindowRipProof, TheLogAndCueSheetAreTheOnesACommandLineRipWrites)
{
    Open(kTextDisc + Ranges(3));
    Click(Button(form, "TeButton2"));
    ASSERT_EQ(form->Caption(), "Trackwell - Ready");

    // The same disc ripped by the command line, whose settings start as the window's, into a folder of its own.
    Script(kTextDisc + Ranges(3));
    TJobOptions options;
    options.Kind = TJobKind::jkRip;
    options.AllTracks = true;
    options.OutputFolder = Out("command line");
    QString printed;
    QTextStream out(&printed);
    ASSERT_EQ(RunHeadlessJob(options, out, out, false), 0) << printed.toStdString();
    // Apart from the time of the rip and the checksum over it.
    const auto timeless = [](QString log) {
        return log.remove(QRegularExpression("^(Date|Log checksum)[^\n]*\n", QRegularExpression::MultilineOption));
    };
    const QString log = Log();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(timeless(log).toStdString(), timeless(Read(Out("command line/" + Proof().at(1)))).toStdString());
    EXPECT_EQ(Sheet().toStdString(), Read(Out("command line/" + Proof().at(0))).toStdString());
}

TEST_F(WindowRipProof, StopDuringATrackMarksTheTrackAndTheRipIncomplete)
{
    // Track 2 has three chunks; Stop is clicked when its first one is in.
    Open(std::string(kThreeTracks) + Ranges(1) +
         "range\n  open ok 9408\n  chunk 0 9408 30\n  chunk 0 9408 60\n  chunk 0 9408 100\n" + Ranges(1));
    TProgressEvent shown = form->CDRIP1->OnProgress();
    form->CDRIP1->SetOnProgress([&](TObject* sender, std::uint16_t percent) {
        shown(sender, percent);
        if (form->Caption().endsWith("Track2") && percent == 30)
            Click(Button(form, "TeButton4"));
    });
    Click(Button(form, "TeButton2"));
    const QString log = Log();
    ExpectAll(log, {"INCOMPLETE RIP: Track2 stopped by the user\n", "File: Track01.mp3", "File: Track02.mp3",
                    "  INCOMPLETE: stopped by the user; the file holds ", "The rip is incomplete"});
    EXPECT_FALSE(log.contains("Track03")) << log.toStdString();
    ExpectAll(Sheet(), {"REM COMMENT \"incomplete rip: Track2 stopped by the user\"", "FILE \"Track02.mp3\" MP3"});
}

TEST_F(WindowRipProof, AStopThatEndsTheRunAfterAWholeTrackMarksTheRipIncomplete)
{
    Open(std::string(kThreeTracks) + Ranges(1));
    Click(Button(form, "TeButton4"));  // pending: the next all-tracks run ends after its first track
    Click(Button(form, "TeButton2"));
    const QString log = Log();
    ExpectAll(log, {"INCOMPLETE RIP: stopped by the user after Track1\n", "File: Track01.mp3", "1 track ripped"});
    EXPECT_FALSE(log.contains("  INCOMPLETE:")) << "track 1 is whole\n" << log.toStdString();
}

TEST_F(WindowRipProof, ARipErrorStillWritesTheLogMarkedIncompleteAndShowsOnlyTheError)
{
    Open(std::string(kThreeTracks) + "range\n  open ok 9408\n  chunk 0 9408 50\n  chunk 0 9408 100\n" + Ranges(1));
    form->CDRIP1->SetOnProgress([](TObject*, std::uint16_t) { throw Exception("Read error"); });
    Click(Button(form, "TeButton2"));
    EXPECT_EQ(errors.texts, QStringList({"Read error"}));
    ExpectAll(Log(), {"INCOMPLETE RIP: Read error\n", "File: Track01.mp3", "  INCOMPLETE: not ripped whole"});
}

TEST_F(WindowRipProof, ALogThatCannotBeWrittenIsShownWithoutHidingTheRipsError)
{
    const struct {
        const char* Name;
        bool RipFails;
        QString Shown;  // how the text shown starts
    } cases[] = {
        {"whole rip", false, "Cannot write " + Out(Proof().at(1)) + ": "},
        {"failed rip", true, "Read error\n\nThe rip log and cue sheet were not written either: Cannot write "},
    };
    // A folder where the log would go.
    ASSERT_TRUE(QDir(folder.path()).mkdir(Proof().at(1)));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (form != nullptr)
            form->Free();
        errors.texts.clear();
        Open(std::string(kThreeTracks) + Ranges(3));
        if (c.RipFails)
            form->CDRIP1->SetOnProgress([](TObject*, std::uint16_t) { throw Exception("Read error"); });
        Click(Button(form, "TeButton2"));
        ASSERT_EQ(errors.texts.size(), 1);
        EXPECT_TRUE(errors.texts[0].startsWith(c.Shown)) << errors.texts[0].toStdString();
        EXPECT_TRUE(QFile::exists(Out("Track01.mp3")));
        EXPECT_FALSE(form->Ripping());
    }
}

}  // namespace
