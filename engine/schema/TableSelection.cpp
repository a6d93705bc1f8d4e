#include "schema/TableSelection.h"

#include "schema/SchemaSnapshot.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <utility>

namespace quorvane {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Whether the character at `at` follows an odd number of backslashes, which make it literal.
bool IsEscaped(std::string_view text, std::size_t at) {
    std::size_t backslashes = 0;
    while (at > backslashes && text[at - backslashes - 1] == '\\') {
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

std::string TrimItem(std::string_view item) {
    std::size_t begin = 0;
    while (begin < item.size() && IsBlank(item[begin])) {
        ++begin;
    }
    std::size_t end = item.size();
    while (end > begin && IsBlank(item[end - 1]) && !IsEscaped(item, end - 1)) {
        --end;
    }
    return std::string(item.substr(begin, end - begin));
}

// Bytes that start no valid UTF-8 sequence are characters of their own, numbered above every
// code point, so that a name that is not UTF-8 still matches itself.
constexpr char32_t StrayByteBase = 0x110000;

std::vector<char32_t> Characters(std::string_view text) {
    std::vector<char32_t> characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            characters.push_back(StrayByteBase + lead);
            ++i;
            continue;
        }
        characters.push_back(code);
        i += length;
    }
    return characters;
}

char32_t LowerCase(char32_t c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

char32_t UpperCase(char32_t c) {
    return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}

// One element of a parsed pattern: it stands for one character, or (Star) for any run of them.
struct TPatternItem {
    enum class TKind { Character, Any, Star, Set };
    TKind Kind = TKind::Character;
    char32_t Character = 0;
    bool Negated = false;
    std::vector<std::pair<char32_t, char32_t>> Ranges; ///< of a set, each from and to
};

// The set that starts after a "[", at `at`, which it moves past its "]". False when no "]"
// closes it: the "[" is then a character of its own, as in the shell.
bool ParseSet(const std::vector<char32_t>& pattern, std::size_t& at, TPatternItem& set) {
    std::size_t i = at;
    set.Kind = TPatternItem::TKind::Set;
    if (i < pattern.size() && (pattern[i] == '!' || pattern[i] == '^')) {
        set.Negated = true;
        ++i;
    }
    // A "]" first in the set is one of its characters.
    for (bool first = true; i < pattern.size() && (first || pattern[i] != ']'); first = false) {
        char32_t from = pattern[i++];
        if (from == '\\' && i < pattern.size()) {
            from = pattern[i++];
        }
        char32_t to = from;
        if (i + 1 < pattern.size() && pattern[i] == '-' && pattern[i + 1] != ']') {
            to = pattern[i + 1];
            i += 2;
            if (to == '\\' && i < pattern.size()) {
                to = pattern[i++];
            }
        }
        set.Ranges.emplace_back(from, to);
    }
    if (i >= pattern.size()) {
        return false;
    }
    at = i + 1;
    return true;
}

std::vector<TPatternItem> ParsePattern(std::string_view text) {
    const std::vector<char32_t> pattern = Characters(text);
    std::vector<TPatternItem> items;
    for (std::size_t i = 0; i < pattern.size();) {
        const char32_t c = pattern[i++];
        TPatternItem item;
        if (c == '\\' && i < pattern.size()) {
            item.Character = pattern[i++];
        } else if (c == '*') {
            if (!items.empty() && items.back().Kind == TPatternItem::TKind::Star) {
                continue;
            }
            item.Kind = TPatternItem::TKind::Star;
        } else if (c == '?') {
            item.Kind = TPatternItem::TKind::Any;
        } else if (c == '[') {
            std::size_t after = i;
            TPatternItem set;
            if (ParseSet(pattern, after, set)) {
                item = std::move(set);
                i = after;
            } else {
                item.Character = c;
            }
        } else {
            item.Character = c;
        }
        items.push_back(std::move(item));
    }
    return items;
}

bool InSet(const TPatternItem& set, char32_t c) {
    for (const auto& [from, to] : set.Ranges) {
        for (const char32_t folded : {c, LowerCase(c), UpperCase(c)}) {
            if (folded >= from && folded <= to) {
                return true;
            }
        }
    }
    return false;
}

bool MatchesCharacter(const TPatternItem& item, char32_t c) {
    switch (item.Kind) {
    case TPatternItem::TKind::Character:
        return LowerCase(item.Character) == LowerCase(c);
    case TPatternItem::TKind::Any:
        return true;
    case TPatternItem::TKind::Set:
        return InSet(item, c) != item.Negated;
    case TPatternItem::TKind::Star:
        break;
    }
    return false;
}

bool HasWildcard(std::string_view item) {
    for (std::size_t i = 0; i < item.size(); ++i) {
        if (item[i] == '\\') {
            ++i;
        } else if (item[i] == '*' || item[i] == '?' || item[i] == '[') {
            return true;
        }
    }
    return false;
}

std::string Unescaped(std::string_view item) {
    std::string text;
    text.reserve(item.size());
    for (std::size_t i = 0; i < item.size(); ++i) {
        if (item[i] == '\\' && i + 1 < item.size()) {
            ++i;
        }
        text += item[i];
    }
    return text;
}

// "A", "A" or "B", "A", "B" or "C"; of a long list the first few, and how many more.
std::string QuotedList(const std::vector<std::string>& items) {
    constexpr std::size_t Named = 10;
    const std::size_t shown = items.size() > Named ? Named : items.size();
    std::string text;
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? " or " : ", ";
        }
        text += '"';
        text += items[i];
        text += '"';
    }
    if (shown < items.size()) {
        text += " or any of ";
        text += std::to_string(items.size() - shown);
        text += " more";
    }
    return text;
}

} // namespace

std::vector<std::string> SplitTableList(std::string_view list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        if (i + 1 < list.size() && list[i] == '\\') {
            ++i;
            continue;
        }
        if (i == list.size() || list[i] == ',') {
            std::string item = TrimItem(list.substr(start, i - start));
            if (!item.empty()) {
                items.push_back(std::move(item));
            }
            start = i + 1;
        }
    }
    return items;
}

bool MatchesTablePattern(std::string_view pattern, std::string_view name) {
    const std::vector<TPatternItem> items = ParsePattern(pattern);
    const std::vector<char32_t> text = Characters(name);
    // Every item but a star stands for one character: on a mismatch it is enough to let the
    // last star take one character more.
    std::size_t item = 0;
    std::size_t at = 0;
    std::size_t star = items.size();
    std::size_t starAt = 0;
    while (at < text.size()) {
        if (item < items.size() && items[item].Kind == TPatternItem::TKind::Star) {
            star = item++;
            starAt = at;
        } else if (item < items.size() && MatchesCharacter(items[item], text[at])) {
            ++item;
            ++at;
        } else if (star < items.size()) {
            item = star + 1;
            at = ++starAt;
        } else {
            return false;
        }
    }
    while (item < items.size() && items[item].Kind == TPatternItem::TKind::Star) {
        ++item;
    }
    return item == items.size();
}

std::string TablePatternOf(std::string_view name) {
    std::string pattern;
    pattern.reserve(name.size() + 2);
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '*' || c == '?' || c == '[' || c == '\\' || c == ',' ||
            (IsBlank(c) && (i == 0 || i + 1 == name.size()))) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

TTableSelection::TTableSelection(std::string_view includeList, std::string_view excludeList)
    : FInclude(ItemsOf(includeList)), FExclude(ItemsOf(excludeList)) {}

TTableSelection::TItems TTableSelection::ItemsOf(std::string_view list) {
    TItems items;
    items.Texts = SplitTableList(list);
    for (std::size_t i = 0; i < items.Texts.size(); ++i) {
        if (HasWildcard(items.Texts[i])) {
            items.Patterns.push_back(i);
        } else {
            items.Literals[LowerCaseAscii(Unescaped(items.Texts[i]))].push_back(i);
        }
    }
    return items;
}

template <typename TMatched>
void TTableSelection::ForEachMatch(const TItems& items, const TCatalogRow& row,
                                   const std::string& qualifier, TMatched matched) {
    std::vector<std::string> names = {row.TableName};
    if (!row.Schema.empty()) {
        names.push_back(QualifiedTableName(row.Schema, row.TableName));
    }
    if (!qualifier.empty() && qualifier != row.Schema) {
        names.push_back(QualifiedTableName(qualifier, row.TableName));
    }
    if (!items.Literals.empty()) {
        for (const std::string& name : names) {
            const auto found = items.Literals.find(LowerCaseAscii(name));
            if (found != items.Literals.end()) {
                for (const std::size_t item : found->second) {
                    matched(item);
                }
            }
        }
    }
    for (const std::size_t item : items.Patterns) {
        for (const std::string& name : names) {
            if (MatchesTablePattern(items.Texts[item], name)) {
                matched(item);
                break;
            }
        }
    }
}

bool TTableSelection::Chooses(const TCatalogRow& row, const std::string& qualifier) const {
    bool included = FInclude.Texts.empty();
    ForEachMatch(FInclude, row, qualifier, [&included](std::size_t) { included = true; });
    bool excluded = false;
    ForEachMatch(FExclude, row, qualifier, [&excluded](std::size_t) { excluded = true; });
    return included && !excluded;
}

std::vector<std::size_t> TTableSelection::Choose(const std::vector<TCatalogRow>& rows,
                                                 const std::vector<std::string>& qualifiers) const {
    std::vector<bool> includeUsed(FInclude.Texts.size());
    std::vector<bool> excludeUsed(FExclude.Texts.size());
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // Every item is tried on every row, so that each that matches nothing can be named.
        bool included = FInclude.Texts.empty();
        ForEachMatch(FInclude, rows[i], qualifiers[i], [&](std::size_t item) {
            includeUsed[item] = true;
            included = true;
        });
        bool excluded = false;
        ForEachMatch(FExclude, rows[i], qualifiers[i], [&](std::size_t item) {
            excludeUsed[item] = true;
            excluded = true;
        });
        if (included && !excluded) {
            chosen.push_back(i);
        }
    }
    std::vector<std::string> unmatched;
    for (std::size_t item = 0; item < includeUsed.size(); ++item) {
        if (!includeUsed[item]) {
            unmatched.push_back(FInclude.Texts[item]);
        }
    }
    for (std::size_t item = 0; item < excludeUsed.size(); ++item) {
        if (!excludeUsed[item]) {
            unmatched.push_back(FExclude.Texts[item]);
        }
    }
    if (!unmatched.empty()) {
        throw EOptionsError(
            Concat({"No table or view of the database matches ", QuotedList(unmatched), "."}));
    }
    if (chosen.empty() && !rows.empty()) {
        throw EOptionsError(
            "The table selection leaves no table or view of the database to generate.");
    }
    return chosen;
}

} // namespace quorvane
