#include "app/WebAddresses.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

QString ShippedPage(const QString& name)
{
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/web/") + name).toString();
}

}  // namespace

QString HomePageAddress()
{
    return ShippedPage(QStringLiteral("index.html"));
}

QString SupportPageAddress()
{
    return ShippedPage(QStringLiteral("support.htm"));
}

QString SupportMailAddress()
{
    return QStringLiteral("support@trackwell.invalid");
}

QString SupportMailLink()
{
    return QStringLiteral("mailto:") + SupportMailAddress();
}
