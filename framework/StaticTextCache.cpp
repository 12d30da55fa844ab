#include "framework/StaticTextCache.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QTransform>
#include <array>
#include <list>

namespace {

// Enough for every caption of a window; the oldest entry goes when it is full.
constexpr int kCapacity = 256;

struct TKey {
    QString Text;
    QString Font;
    bool operator==(const TKey& other) const { return Text == other.Text && Font == other.Font; }
};

size_t qHash(const TKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.Text, key.Font);
}

struct TCache {
    std::list<std::pair<TKey, QStaticText>> Entries;
    QHash<TKey, std::list<std::pair<TKey, QStaticText>>::iterator> Index;
};

TCache& Cache()
{
    static TCache cache;
    return cache;
}

// A font's key names every attribute that changes its glyphs, but writing it out costs as much
// as drawing a short caption; a paint uses a handful of fonts, so their keys are kept for the
// last few fonts seen (equal fonts draw the same).
const QString& FontKey(const QFont& font)
{
    static std::array<std::pair<QFont, QString>, 8> recent;
    static std::size_t next = 0;
    for (const auto& [known, key] : recent) {
        if (!key.isEmpty() && known == font)
            return key;
    }
    auto& slot = recent[next];
    next = (next + 1) % recent.size();
    slot = {font, font.key()};
    return slot.second;
}

}  // namespace

const QStaticText& StaticTextFor(const QString& text, const QFont& font)
{
    TCache& cache = Cache();
    TKey key{text, FontKey(font)};
    if (const auto found = cache.Index.constFind(key); found != cache.Index.constEnd()) {
        cache.Entries.splice(cache.Entries.begin(), cache.Entries, found.value());
        return found.value()->second;
    }
    QStaticText prepared(text);
    prepared.setTextFormat(Qt::PlainText);
    prepared.setPerformanceHint(QStaticText::AggressiveCaching);
    prepared.prepare(QTransform(), font);
    cache.Entries.emplace_front(key, std::move(prepared));
    cache.Index.insert(key, cache.Entries.begin());
    if (cache.Entries.size() > static_cast<size_t>(kCapacity)) {
        cache.Index.remove(cache.Entries.back().first);
        cache.Entries.pop_back();
    }
    return cache.Entries.front().second;
}

int CachedAdvance(const QString& text, const QFont& font, const QFontMetrics& metrics)
{
    static QHash<TKey, int> advances;
    constexpr qsizetype kKept = 1024;
    TKey key{text, FontKey(font)};
    if (const auto found = advances.constFind(key); found != advances.constEnd())
        return *found;
    if (advances.size() >= kKept)
        advances.clear();
    const int advance = metrics.horizontalAdvance(text);
    advances.insert(std::move(key), advance);
    return advance;
}
