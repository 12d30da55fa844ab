#include "framework/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace {

TShell* replacement = nullptr;

}  // namespace

bool TDesktopShell::OpenUrl(const QString& address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool TDesktopShell::StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

bool TDesktopShell::OpenFolder(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

TShell& Shell()
{
    static TDesktopShell desktop;
    return replacement != nullptr ? *replacement : desktop;
}

void SetShell(TShell* shell)
{
    replacement = shell;
}
