#include "framework/PropTable.h"

#include "framework/PropInfo.h"

namespace {

constexpr qsizetype kMaxFoldedName = 255;

char FoldAscii(char16_t c) { return static_cast<char>(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c); }

// Writes name folded into out; false when it holds anything beyond ASCII or is too long.
template <typename Chars>
bool Fold(const Chars& name, char* out)
{
    if (name.size() > kMaxFoldedName)
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (c >= 0x80)
            return false;
        out[i] = FoldAscii(c);
    }
    return true;
}

}  // namespace

TPropTable::TPropTable(QList<const TPropInfo*> props) : props_(std::move(props))
{
    for (const TPropInfo* info : props_) {
        char folded[kMaxFoldedName];
        if (Fold(info->Name, folded))
            byFoldedName_.emplace(std::string(folded, info->Name.size()), info);
        else
            someBeyondAscii_ = true;
    }
}

const TPropInfo* TPropTable::Find(QLatin1String name) const
{
    char folded[kMaxFoldedName];
    if (!Fold(name, folded))
        return FindSlowly(QString(name));
    const auto found = byFoldedName_.find(std::string_view(folded, name.size()));
    if (found != byFoldedName_.end())
        return found->second;
    return someBeyondAscii_ ? FindSlowly(QString(name)) : nullptr;
}

const TPropInfo* TPropTable::Find(QStringView name) const
{
    char folded[kMaxFoldedName];
    if (!Fold(name, folded))
        return FindSlowly(name);
    const auto found = byFoldedName_.find(std::string_view(folded, name.size()));
    if (found != byFoldedName_.end())
        return found->second;
    return someBeyondAscii_ ? FindSlowly(name) : nullptr;
}

const TPropInfo* TPropTable::FindSlowly(QStringView name) const
{
    for (const TPropInfo* info : props_)
        if (name.compare(info->Name, Qt::CaseInsensitive) == 0)
            return info;
    return nullptr;
}
