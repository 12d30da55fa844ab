#include "framework/StaticTextCache.h"

#include <QFont>
#include <QHash>
#include <QTransform>
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

}  // namespace

const QStaticText& StaticTextFor(const QString& text, const QFont& font)
{
    TCache& cache = Cache();
    TKey key{text, font.key()};
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
