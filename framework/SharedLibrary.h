#pragma once
// A shared library opened at run time: the file an environment variable names, else the file of
// that name beside the executable. A library that is missing or lacks a symbol counts as absent.
#include <QString>

class TSharedLibrary {
public:
    TSharedLibrary() = default;
    TSharedLibrary(const TSharedLibrary&) = delete;
    TSharedLibrary& operator=(const TSharedLibrary&) = delete;
    ~TSharedLibrary();

    // Closes any open file and opens path; answers whether it opened.
    bool Open(const QString& path);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    // The dynamic loader's text for the last failure to open or to find a symbol.
    const QString& ErrorText() const { return error_; }

    // The symbol's address or nullptr (and ErrorText set).
    void* Symbol(const char* name);
    // The symbol as a function pointer of call's type; answers whether it was found.
    template <typename Call>
    bool Resolve(const char* name, Call& call)
    {
        call = reinterpret_cast<Call>(Symbol(name));
        return call != nullptr;
    }

    // All or nothing: opens path and keeps it open only when resolveRequired (which resolves the
    // symbols the library cannot work without) answers true. Optional symbols are resolved after.
    template <typename ResolveRequired>
    bool OpenWithAll(const QString& path, ResolveRequired resolveRequired)
    {
        if (path.isEmpty() || !Open(path))
            return false;
        if (resolveRequired())
            return true;
        Close();
        return false;
    }

    // $variable when set, else fileName in the executable's folder.
    static QString DefaultPath(const char* variable, const QString& fileName);

private:
    void* handle_ = nullptr;
    QString error_;
};
