// The carried themes: packed visual styles under one resource folder, one file per theme.
#include "themes/StoredThemes.h"

#include <QDir>
#include <QFile>

#include "framework/Stream.h"
#include "themes/MsStylesTheme.h"

namespace {

// Where the stored_themes library puts its files; the theme's name is the file's base name.
const QString kFolder = QStringLiteral(":/trackwell/themes");
const QString kSuffix = QStringLiteral(".theme");

}  // namespace

QStringList StoredThemeNames()
{
    QStringList names;
    for (const QString& file : QDir(kFolder).entryList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name))
        names.append(file.chopped(kSuffix.size()));
    return names;
}

QByteArray StoredThemeData(const QString& name)
{
    for (const QString& stored : StoredThemeNames()) {
        if (stored.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QFile file(kFolder + QLatin1Char('/') + stored + kSuffix);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    return {};
}

std::unique_ptr<TTeThemeMsStyles> CreateStoredTheme(const QString& name)
{
    const QByteArray data = StoredThemeData(name);
    if (data.isEmpty())
        return nullptr;
    TMemoryStream stream;
    stream.WriteBuffer(data.constData(), data.size());
    stream.Seek(0, TSeekOrigin::soBeginning);
    auto theme = std::make_unique<TteBuiltTheme<TTeThemeMsStyles>>();
    theme->LoadFromStream(stream);
    return theme;
}
