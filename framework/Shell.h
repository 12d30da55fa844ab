#pragma once
// Handing things to the desktop: web and mail addresses, programs, folders; replaceable for tests.
#include <QString>
#include <QStringList>

class TShell {
public:
    virtual ~TShell() = default;
    // A web address or a "mailto:" address, opened by the desktop's handler. False on failure.
    virtual bool OpenUrl(const QString& address) = 0;
    // Starts program with arguments, detached, in workingFolder. False when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) = 0;
    // Shows the folder in the desktop's file manager.
    virtual bool OpenFolder(const QString& folder) = 0;
};

// The desktop's own handlers (QDesktopServices, QProcess).
class TDesktopShell : public TShell {
public:
    bool OpenUrl(const QString& address) override;
    bool StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
    bool OpenFolder(const QString& folder) override;
};

TShell& Shell();
// Replaces the shell (tests); nullptr puts the desktop's back.
void SetShell(TShell* shell);
