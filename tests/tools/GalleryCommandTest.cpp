// trackwell-gallery run as its own process: carried themes drawn and exported, theme files loaded,
// the controls sheet drawn, and files that do not load refused with exit code 1.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "themes/StoredThemes.h"

namespace {

struct TRun {
    int exitCode = -1;
    QString errors;
};

TRun Gallery(const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/trackwell-gallery"), arguments);
    process.waitForFinished(60000);
    TRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QByteArray Contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class GalleryCommand : public testing::Test {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(GalleryCommand, ExportsTheCarriedThemeAndDrawsItFromTheFile)
{
    const TRun exported = Gallery({"--export-theme", "OSXTiger", "--out", Path("tiger.theme")});
    ASSERT_EQ(exported.exitCode, 0) << qPrintable(exported.errors);
    EXPECT_EQ(Contents(Path("tiger.theme")), StoredThemeData(QStringLiteral("OSXTiger")));

    for (const QString& theme : {QStringLiteral("OSXTiger"), Path("tiger.theme")}) {
        const TRun drawn = Gallery({"--theme", theme, "--out", Path("sheet.png")});
        EXPECT_EQ(drawn.exitCode, 0) << qPrintable(theme) << qPrintable(drawn.errors);
        EXPECT_TRUE(Contents(Path("sheet.png")).startsWith("\x89PNG")) << qPrintable(theme);
        QFile::remove(Path("sheet.png"));
    }
}

TEST_F(GalleryCommand, ThemeFilesThatDoNotLoadAreRefusedWithExitCode1)
{
    QFile garbage(Path("garbage.theme"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a packed style");
    garbage.close();
    QFile damaged(Path("damaged.theme"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(StoredThemeData(QStringLiteral("OSXTiger")).left(400));
    damaged.close();

    for (const QString& file : {Path("garbage.theme"), Path("damaged.theme"), Path("missing.msstyles")}) {
        const TRun run = Gallery({"--theme", file, "--out", Path("sheet.png")});
        EXPECT_EQ(run.exitCode, 1) << qPrintable(file);
        EXPECT_FALSE(run.errors.isEmpty()) << qPrintable(file);
        EXPECT_FALSE(QFile::exists(Path("sheet.png"))) << qPrintable(file);
    }
}

TEST_F(GalleryCommand, ExportNeedsACarriedThemeAndAThemeFile)
{
    EXPECT_EQ(Gallery({"--export-theme", "Aqua", "--out", Path("x.theme")}).exitCode, 2);
    EXPECT_EQ(Gallery({"--export-theme", "OSXTiger", "--out", Path("x.png")}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(Path("x.png")));
    EXPECT_EQ(Gallery({"--export-theme", "OSXTiger", "--theme", "Flat", "--out", Path("x.png")}).exitCode, 2);
}

TEST_F(GalleryCommand, DrawsTheEffectsSheetAlone)
{
    const TRun drawn = Gallery({"--effects", "--out", Path("effects.png")});
    ASSERT_EQ(drawn.exitCode, 0) << qPrintable(drawn.errors);
    EXPECT_TRUE(Contents(Path("effects.png")).startsWith("\x89PNG"));
    EXPECT_EQ(Gallery({"--effects", "--theme", "Flat", "--out", Path("x.png")}).exitCode, 2);
    EXPECT_EQ(Gallery({"--effects"}).exitCode, 2);
}

TEST_F(GalleryCommand, TheControlsSheetIsDrawnInAThemeOrClassicWithNone)
{
    for (const char* theme : {"None", "OSXTiger"}) {
        const TRun drawn = Gallery({"--controls", "--theme", theme, "--out", Path("controls.png")});
        EXPECT_EQ(drawn.exitCode, 0) << theme << qPrintable(drawn.errors);
        const QImage sheet(Path("controls.png"));
        EXPECT_GT(sheet.width(), 800) << theme;
        EXPECT_GT(sheet.height(), 150) << theme;
        QFile::remove(Path("controls.png"));
    }
    const TRun unknown = Gallery({"--controls", "--theme", "Nonesuch", "--out", Path("controls.png")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_FALSE(QFile::exists(Path("controls.png")));
}
