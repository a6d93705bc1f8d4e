#pragma once

#include "schema/SchemaSource.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

/// The items of a comma list of table names and patterns ("Orders, Sales_*"): each trimmed of
/// blanks, empty ones dropped. A comma after "\" belongs to its item, and so does a blank after
/// "\" at an item's end; the backslashes stay, for MatchesTablePattern to read.
std::vector<std::string> SplitTableList(std::string_view list);

/// Whether the shell-style `pattern` matches the whole of `name`, without regard to the case of
/// the letters A to Z: "*" stands for any characters, "?" for one, "[...]" for one of a set
/// ("[a-c_]", "[!0-9]"), and "\" makes the next character stand for itself. A character is a
/// UTF-8 character, not a byte.
bool MatchesTablePattern(std::string_view pattern, std::string_view name);

/// `name` as an item of a table list that matches that name alone: its "*", "?", "[", "\" and
/// "," and the blanks at its ends escaped.
std::string TablePatternOf(std::string_view name);

/// Which of a database's tables and views a run generates: those the include list names, or all
/// when it is empty, less those the exclude list names. An item names a table by its name or by
/// its qualified name ("schema.table", with the schema of TCatalogRow::Schema or the qualifier
/// of ISchemaSource::QualifierOf).
class TTableSelection {
public:
    TTableSelection() = default;
    /// From the comma lists of a run's options (see SplitTableList).
    TTableSelection(std::string_view includeList, std::string_view excludeList);

    /// Both lists empty: every table is chosen.
    bool ChoosesAll() const { return FInclude.Texts.empty() && FExclude.Texts.empty(); }

    /// Whether the lists choose `row`, whose qualifier is `qualifier`.
    bool Chooses(const TCatalogRow& row, const std::string& qualifier) const;

    /// The positions of the chosen ones of `rows` (each with its qualifier at the same place of
    /// `qualifiers`), in their order. Throws EOptionsError naming every item that matches none of
    /// them, or when the exclude list leaves none of them.
    std::vector<std::size_t> Choose(const std::vector<TCatalogRow>& rows,
                                    const std::vector<std::string>& qualifiers) const;

private:
    // An item that holds no wildcard is looked up by its folded text instead of being matched
    // against every table: a list of thousands of names then costs no more than the tables.
    struct TItems {
        std::vector<std::string> Texts; ///< as the user wrote them, for messages
        /// The items without wildcards by their text, unescaped, in lower case.
        std::unordered_map<std::string, std::vector<std::size_t>> Literals;
        std::vector<std::size_t> Patterns; ///< the items with wildcards
    };

    TItems FInclude;
    TItems FExclude;

    static TItems ItemsOf(std::string_view list);
    /// Calls `matched` with each item of `items` that matches one of the row's names.
    template <typename TMatched>
    static void ForEachMatch(const TItems& items, const TCatalogRow& row,
                             const std::string& qualifier, TMatched matched);
};

} // namespace quorvane
