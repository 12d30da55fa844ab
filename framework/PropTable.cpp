#include "framework/PropTable.h"

#include <algorithm>

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

// Property names are short: compared in place rather than through a library call.
bool SameName(const std::string& name, std::string_view wanted)
{
    if (name.size() != wanted.size())
        return false;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (name[i] != wanted[i])
            return false;
    return true;
}

}  // namespace

TPropTable::TPropTable(QList<const TPropInfo*> props) : props_(std::move(props))
{
    for (const TPropInfo* info : props_) {
        const bool latin1 = std::all_of(info->Name.begin(), info->Name.end(), [](QChar c) { return c.unicode() <= 0xFF; });
        latin1Names_.push_back(latin1 ? info->Name.toLatin1().toStdString() : std::string());
        char folded[kMaxFoldedName];
        if (Fold(info->Name, folded))
            byFoldedName_.emplace(std::string(folded, info->Name.size()), info);
        else
            someBeyondAscii_ = true;
    }
}

const TPropInfo* TPropTable::Find(QLatin1String name) const
{
    // Tables are short and stored names nearly always have the registered spelling.
    const std::string_view wanted(name.data(), static_cast<std::size_t>(name.size()));
    for (std::size_t i = 0; i < latin1Names_.size(); ++i)
        if (!wanted.empty() && SameName(latin1Names_[i], wanted))
            return props_.at(static_cast<qsizetype>(i));
    char folded[kMaxFoldedName];
    if (!Fold(name, folded))
        return FindSlowly(QString(name));
    const auto found = byFoldedName_.find(std::string_view(folded, name.size()));
    if (found != byFoldedName_.end())
        return found->second;
    return someBeyondAscii_ ? FindSlowly(QString(name)) : nullptr;
}

const TPropInfo* TPropTable::Find(QLatin1String name, qsizetype& cursor) const
{
    const std::string_view wanted(name.data(), static_cast<std::size_t>(name.size()));
    // "Font.Name" after "Font.Color": the same leading part as the property before.
    if (cursor > 0 && !wanted.empty() && SameName(latin1Names_[static_cast<std::size_t>(cursor - 1)], wanted))
        return props_.at(cursor - 1);
    for (qsizetype i = cursor; i < props_.size(); ++i)
        if (!wanted.empty() && SameName(latin1Names_[static_cast<std::size_t>(i)], wanted)) {
            cursor = i + 1;
            return props_.at(i);
        }
    return Find(name);
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
