#pragma once
// Every stored property of one class in stored order, with a look-up by name (case ignored) that
// is made once per class, so readers find a property without building or comparing strings.
#include <QLatin1String>
#include <QList>
#include <QStringView>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TPropInfo;

class TPropTable {
public:
    explicit TPropTable(QList<const TPropInfo*> props);

    const QList<const TPropInfo*>& List() const { return props_; }
    // The property of that name, case ignored, or nullptr.
    const TPropInfo* Find(QLatin1String name) const;
    // The same, trying first the property just before cursor and then those from cursor on with
    // the name exactly as registered: stored descriptions keep the registered order and spelling,
    // and name an owned object once per property of it. cursor moves past a match.
    const TPropInfo* Find(QLatin1String name, qsizetype& cursor) const;
    const TPropInfo* Find(QStringView name) const;

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
    };
    const TPropInfo* FindSlowly(QStringView name) const;

    QList<const TPropInfo*> props_;
    // Each name in 8-bit characters, empty for a name beyond them.
    std::vector<std::string> latin1Names_;
    // Names folded to ASCII lower case; names beyond ASCII are compared one by one.
    std::unordered_map<std::string, const TPropInfo*, Hash, std::equal_to<>> byFoldedName_;
    bool someBeyondAscii_ = false;
};
