// The disc's text in the rip log and cue sheet: every text where it belongs, and no text, whatever it holds, able to
// break a line of either file or the sheet's quoting.
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "cdrip/CDRIP.h"
#include "cdrip/RipSession.h"
#include "tests/cdrip/ScriptedLibrary.h"

namespace {

// Texts as a drive's CD-Text may hold them: quotes, a line break, a tab, a bell; one ISRC that is no ISRC.
const char* const kTextDisc =
    "drive\n  parameters ok\n  toc ok\n  track 0 audio\n  track 100 audio\n  leadout 300\n"
    "  catalog 0731454569821\n  text title 0 Say \"Hi\"\\x0aagain\n  text performer 0 Tab\\x09Band\n"
    "  text genre 0 Trip Hop\n  text date 0 1998\n  text title 1 Bell\\x07\"\n  text performer 1 Zoë\n"
    "  text songwriter 2 Søren\n  isrc 1 GB\"AYE\n  isrc 2 GBAYE0601498\n";

class RipSessionText : public ScriptedLibrary {};

TEST_F(RipSessionText, TheCueSheetQuotesEveryTextOnItsOwnLine)
{
    Script(kTextDisc);
    TCDRIP cdrip(nullptr);
    TRipSession session(cdrip, "scripted");
    session.AddTrack(cdrip, 1, Path("Track01.wav"));
    session.AddTrack(cdrip, 2, Path("Track02.wav"));
    const QString sheet = session.CueText();
    const QStringList expected = {
        "REM GENRE \"Trip Hop\"", "REM DATE \"1998\"", "CATALOG 0731454569821", "PERFORMER \"Tab Band\"",
        "TITLE \"Say \"\"Hi\"\" again\"", "FILE \"Track01.wav\" WAVE", "  TRACK 01 AUDIO", "    TITLE \"Bell \"\"\"",
        "    PERFORMER \"Zoë\"", "    INDEX 01 00:00:00", "FILE \"Track02.wav\" WAVE", "  TRACK 02 AUDIO",
        "    SONGWRITER \"Søren\"", "    ISRC GBAYE0601498", "    INDEX 01 00:00:00",
    };
    QStringList lines = sheet.split('\n', Qt::SkipEmptyParts);
    // The identifiers and the offset are the log's business; here only the disc's own lines count.
    lines.removeIf([](const QString& line) { return line.startsWith("REM DISCID") || line.startsWith("REM COMMENT"); });
    EXPECT_EQ(lines, expected) << sheet.toStdString();
}

TEST_F(RipSessionText, TheLogNamesTheDiscsTextOneLineEach)
{
    Script(kTextDisc);
    TCDRIP cdrip(nullptr);
    TRipSession session(cdrip, "scripted");
    session.AddTrack(cdrip, 1, Path("Track01.wav"));
    const QString log = session.LogText("Trackwell", "1.0");
    for (const char* line : {"\nAlbum: Say \"Hi\" again\n", "\nAlbum artist: Tab Band\n", "\nRelease date: 1998\n",
                             "\nGenre: Trip Hop\n", "\n  Title: Bell \"\n", "\n  Performer: Zoë\n", "\n  ISRC: GB\"AYE\n"})
        EXPECT_TRUE(log.contains(QString::fromUtf8(line))) << line << "\n" << log.toStdString();
    EXPECT_FALSE(log.contains(QRegularExpression("[\\x01-\\x09\\x0b-\\x1f]"))) << "no control character but line ends";
    EXPECT_TRUE(TRipSession::LogChecksumHolds(log));
}

}  // namespace
