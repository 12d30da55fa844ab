#include "cdrip/DiscIds.h"

#include <QCryptographicHash>
#include <algorithm>

namespace {

constexpr std::uint32_t kLeadIn = 150;
// The gap between an enhanced CD's audio session and its data session.
constexpr std::uint32_t kSessionGap = 11400;

bool IsAudio(const CR_TocEntry& entry)
{
    return (entry.Flags & CR_TOC_AUDIO) != 0;
}

int DigitSum(std::uint32_t n)
{
    int sum = 0;
    for (; n > 0; n /= 10)
        sum += static_cast<int>(n % 10);
    return sum;
}

QString Hex8(std::uint32_t value)
{
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0'));
}

}  // namespace

QString TDiscIds::AccurateRipFileName() const
{
    return QStringLiteral("dBAR-%1-%2-%3-%4.bin")
        .arg(TrackCount, 3, 10, QLatin1Char('0'))
        .arg(Hex8(AccurateRip1), Hex8(AccurateRip2), Hex8(Cddb));
}

QString TDiscIds::AccurateRipPath() const
{
    const QString id = Hex8(AccurateRip1);
    return QStringLiteral("%1/%2/%3/").arg(id[7]).arg(id[6]).arg(id[5]) + AccurateRipFileName();
}

QString TDiscIds::CddbText() const
{
    return Hex8(Cddb);
}

TDiscIds ComputeDiscIds(const std::vector<CR_TocEntry>& toc)
{
    TDiscIds ids;
    if (toc.size() < 2)
        return ids;
    const int count = static_cast<int>(toc.size()) - 1;
    ids.TrackCount = count;

    // The audio runs from the first track to the last audio track; a data track after it moves its end back.
    int audioCount = count;
    std::uint32_t audioEnd = toc.back().FirstSector;
    if (count > 1 && !IsAudio(toc[count - 1]) && IsAudio(toc[count - 2])) {
        audioCount = count - 1;
        audioEnd = toc[count - 1].FirstSector - kSessionGap;
    }

    for (int i = 0; i < audioCount; ++i) {
        if (!IsAudio(toc[i]))
            continue;
        const std::uint32_t start = toc[i].FirstSector;
        ids.AccurateRip1 += start;
        ids.AccurateRip2 += std::max<std::uint32_t>(start, 1) * static_cast<std::uint32_t>(i + 1);
    }
    ids.AccurateRip1 += audioEnd;
    ids.AccurateRip2 += std::max<std::uint32_t>(audioEnd, 1) * static_cast<std::uint32_t>(audioCount + 1);

    // CDDB counts every track, in whole seconds from the disc's very start.
    int digits = 0;
    for (int i = 0; i < count; ++i)
        digits += DigitSum((toc[i].FirstSector + kLeadIn) / 75);
    const std::uint32_t length = (toc.back().FirstSector + kLeadIn) / 75 - (toc.front().FirstSector + kLeadIn) / 75;
    ids.Cddb = (static_cast<std::uint32_t>(digits % 255) << 24) | (length << 8) | static_cast<std::uint32_t>(count);

    // MusicBrainz: SHA-1 over the first and last track numbers and 100 offsets (the lead-out first) in hex.
    QByteArray text = QStringLiteral("%1%2").arg(1, 2, 16, QLatin1Char('0')).arg(audioCount, 2, 16, QLatin1Char('0')).toUpper().toLatin1();
    for (int i = 0; i < 100; ++i) {
        std::uint32_t offset = 0;
        if (i == 0)
            offset = audioEnd + kLeadIn;
        else if (i <= audioCount)
            offset = toc[i - 1].FirstSector + kLeadIn;
        text += QStringLiteral("%1").arg(offset, 8, 16, QLatin1Char('0')).toUpper().toLatin1();
    }
    QByteArray id = QCryptographicHash::hash(text, QCryptographicHash::Sha1).toBase64();
    id.replace('+', '.').replace('/', '_').replace('=', '-');
    ids.MusicBrainz = QString::fromLatin1(id);
    return ids;
}
