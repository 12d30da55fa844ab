#pragma once
// A fixture that points the ripping component's loader at the scripted CD library and reads its call log.
#include <QString>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "cdrip/CDRipLibrary.h"

class ScriptedLibrary : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(TCDRipLibrary::Instance().Load(TRACKWELL_SCRIPTED_CDRIP)) << TCDRipLibrary::Instance().ErrorText().toStdString();
        // The same file again: the loader hands out the copy already in memory.
        handle_ = ::dlopen(TRACKWELL_SCRIPTED_CDRIP, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr);
        load_ = reinterpret_cast<int (*)(const char*)>(::dlsym(handle_, "SCRIPT_Load"));
        log_ = reinterpret_cast<const char* (*)()>(::dlsym(handle_, "SCRIPT_CallLog"));
        ASSERT_TRUE(load_ && log_);
    }
    static void TearDownTestSuite()
    {
        TCDRipLibrary::Instance().Load({});
        ::dlclose(handle_);
    }

    // Replaces the script and empties the call log.
    static void Script(const char* text) { ASSERT_EQ(load_(text), 0) << "script line"; }
    static QStringList Calls() { return QString::fromLatin1(log_()).split('\n', Qt::SkipEmptyParts); }
    // The calls whose names start with prefix, in order.
    static QStringList Calls(const QString& prefix) { return Calls().filter(QRegularExpression("^" + prefix)); }

    QString Path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;

private:
    static inline void* handle_ = nullptr;
    static inline int (*load_)(const char*) = nullptr;
    static inline const char* (*log_)() = nullptr;
};
