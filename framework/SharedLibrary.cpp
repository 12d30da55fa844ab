#include "framework/SharedLibrary.h"

#include <QCoreApplication>
#include <dlfcn.h>

TSharedLibrary::~TSharedLibrary()
{
    Close();
}

bool TSharedLibrary::Open(const QString& path)
{
    Close();
    error_.clear();
    // RTLD_LOCAL keeps two libraries that export the same names (the real one and a stand-in) apart.
    handle_ = ::dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
        error_ = QString::fromLocal8Bit(::dlerror());
    return handle_ != nullptr;
}

void TSharedLibrary::Close()
{
    if (handle_ != nullptr)
        ::dlclose(handle_);
    handle_ = nullptr;
}

void* TSharedLibrary::Symbol(const char* name)
{
    if (handle_ == nullptr)
        return nullptr;
    ::dlerror();
    void* address = ::dlsym(handle_, name);
    if (address == nullptr)
        error_ = QString::fromLocal8Bit(::dlerror());
    return address;
}

QString TSharedLibrary::DefaultPath(const char* variable, const QString& fileName)
{
    const QString named = qEnvironmentVariable(variable);
    if (!named.isEmpty())
        return named;
    const QString folder =
        QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath() : QStringLiteral(".");
    return folder + QLatin1Char('/') + fileName;
}
