#pragma once
// The program's main window on the scripted CD library, with the shell and the error display
// recording what they were asked, writing into a folder of the test's own.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>

#include "app/MainForm.h"
#include "app/WindowOptions.h"
#include "cdrip/CDRIP.h"
#include "cdrip/CDRipLibrary.h"
#include "framework/Application.h"
#include "framework/WinControl.h"
#include "tests/support/PlatformFakes.h"
#include "theme/ThemeManager.h"
#include "themes/ThemeKinds.h"

// Three audio tracks; each range delivers two chunks of 9408 bytes.
inline const char* const kThreeTracks =
    "drive\n  parameters ok\n  toc ok\n  track 0 audio\n  track 100 audio\n  track 200 audio\n  leadout 300\n";
inline std::string Ranges(int count)
{
    std::string ranges;
    for (int i = 0; i < count; ++i)
        ranges += "range\n  open ok 9408\n  chunk 0 9408 50\n  chunk 0 9408 100\n";
    return ranges;
}

class MainWindow : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(TCDRipLibrary::Instance().Load(TRACKWELL_SCRIPTED_CDRIP));
        handle_ = ::dlopen(TRACKWELL_SCRIPTED_CDRIP, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr);
        load_ = reinterpret_cast<int (*)(const char*)>(::dlsym(handle_, "SCRIPT_Load"));
        ASSERT_NE(load_, nullptr);
        // Rips ask the AccurateRip database for their logs; a closed loopback port answers at once that it is offline.
        qputenv("TRACKWELL_ACCURATERIP_URL", "http://127.0.0.1:9/");
        RegisterThemeKinds();
        RegisterWindowClasses();
        Application->SetTitle(QStringLiteral("Trackwell"));
    }
    static void TearDownTestSuite()
    {
        TCDRipLibrary::Instance().Load({});
        ::dlclose(handle_);
    }

    void SetUp() override
    {
        TWindowOptions options;
        options.OutputFolder = folder.path();
        SetWindowOptions(options);
    }
    void TearDown() override
    {
        if (form != nullptr)
            form->Free();
        SetWindowOptions({});
    }

    // Reads the window for a disc of script text, as the program does at start-up.
    // Gives the scripted library the disc of script text, as a job of the command line reads it.
    static void Script(const std::string& script) { ASSERT_EQ(load_(script.c_str()), 0); }

    void Open(const std::string& script)
    {
        Script(script);
        form = new TForm1(nullptr);
        form->DoCreate();
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Handle()));
    }

    QString Out(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    // The rip log and cue sheet a rip of the three-track disc writes beside its files, named by its freedb ID.
    static QStringList Proof() { return {"Disc-09000403.cue", "Disc-09000403.log"}; }
    static void Click(TWinControl* control) { QTest::mouseClick(control->Handle(), Qt::LeftButton); }

    QTemporaryDir folder;
    TRecordingShell shell;
    TRecordingErrorDisplay errors;
    TForm1* form = nullptr;

private:
    static inline void* handle_ = nullptr;
    static inline int (*load_)(const char*) = nullptr;
};
