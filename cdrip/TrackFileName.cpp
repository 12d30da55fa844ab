#include "cdrip/TrackFileName.h"

#include <QDir>
#include <QFileInfo>

#include "cdrip/CDRIP.h"

namespace {

// Characters no file name may hold here (the separator) or on the players and memory cards that files are copied
// to (FAT's reserved ones), and control characters, which terminals and file managers show as garbage.
bool Unsafe(QChar c)
{
    static const QString kReserved = QStringLiteral("/\\:*?\"<>|");
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph || kReserved.contains(c);
}

// Blanks and dots at either end: a leading dot hides a file, "." and ".." name folders, and trailing ones are
// dropped by FAT.
QString TrimmedName(const QString& name)
{
    qsizetype first = 0, last = name.size();
    const auto trimmable = [](QChar c) { return c.isSpace() || c == QLatin1Char('.'); };
    while (first < last && trimmable(name.at(first)))
        ++first;
    while (last > first && trimmable(name.at(last - 1)))
        --last;
    return name.mid(first, last - first);
}

QString Field(const QString& value, const QString& otherwise)
{
    return value.trimmed().isEmpty() ? otherwise : CutUtf8(value, TFileNameTemplate::kFieldBytes);
}

}  // namespace

QString CutUtf8(const QString& text, int bytes)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= bytes)
        return text;
    qsizetype cut = bytes;
    // Continuation bytes are 10xxxxxx: back up to the byte that starts the character.
    while (cut > 0 && (static_cast<unsigned char>(utf8.at(cut)) & 0xC0) == 0x80)
        --cut;
    return QString::fromUtf8(utf8.left(cut));
}

QString TFileNameTemplate::Problem(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("--name wants a template such as \"%n %t\", not an empty text");
    if (text.contains(QLatin1Char('/')))
        return QStringLiteral("--name makes a file name inside the output folder; \"%1\" holds a \"/\"").arg(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%'))
            continue;
        const QChar code = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (!QStringLiteral("ntaAy%").contains(code))
            return QStringLiteral("--name knows %n, %t, %a, %A, %y and %%, not \"%1\" in \"%2\"")
                .arg(QStringView(text).mid(i, 2), text);
        ++i;
    }
    return {};
}

QString TFileNameTemplate::Name(const TDiscMetadata& disc, int track) const
{
    const QString number = TCDRIP::PadTrackNumber(track);
    const QString fallback = QStringLiteral("Track") + number;
    QString name;
    for (qsizetype i = 0; i < text_.size(); ++i) {
        const QChar c = text_.at(i);
        if (c != QLatin1Char('%') || i + 1 >= text_.size()) {
            name += c;
            continue;
        }
        switch (text_.at(++i).unicode()) {
        case 'n': name += number; break;
        case 't': name += Field(disc.Track(track).Title, fallback); break;
        case 'a': name += Field(disc.TrackArtist(track), QStringLiteral("Unknown Artist")); break;
        case 'A': name += Field(disc.Album, QStringLiteral("Unknown Album")); break;
        case 'y': name += Field(disc.Year, {}); break;
        default: name += text_.at(i); break;  // %%
        }
    }
    for (QChar& c : name)
        if (Unsafe(c))
            c = QLatin1Char('_');
    name = TrimmedName(CutUtf8(TrimmedName(name), kNameBytes));
    return name.isEmpty() ? fallback : name;
}

QString FreeFileName(const QString& folder, const QString& name, const QString& extension, bool overwrite)
{
    const QDir dir(folder);
    // A link that points nowhere is taken too: writing through it would put the file elsewhere.
    const auto taken = [](const QString& path) {
        const QFileInfo info(path);
        return info.exists() || info.isSymLink();
    };
    QString path = dir.filePath(name + extension);
    for (int n = 2; !overwrite && taken(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2)%3").arg(name).arg(n).arg(extension));
    return path;
}
