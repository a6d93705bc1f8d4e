#pragma once

#include "schema/FieldTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

/// The "FieldName=DisplayText" entries of a map file, in file order, duplicates kept. Lookups go
/// through an index of the first entry of every key, so a run over thousands of fields stays
/// linear however long the map is.
class TDisplayTextMap {
public:
    void Clear();
    void Add(std::string entry);

    const std::vector<std::string>& Entries() const { return FEntries; }
    std::size_t Count() const { return FEntries.size(); }

    /// The value of the first entry whose key (the text before its first "=") equals `fieldName`
    /// without regard to ASCII letter case; "" when there is none.
    std::string Lookup(std::string_view fieldName) const;

private:
    std::vector<std::string> FEntries;
    std::unordered_map<std::string, std::string> FFirstValueByKey;
};

/// A field's display text from `map`, else (with `commentLabels`) its column's comment; "" when
/// neither says one.
std::string DisplayTextOrComment(const TDisplayTextMap& map, const TFieldDescriptor& field,
                                 bool commentLabels);

/// The entry a map-file line gives, or nothing for a line without a blank (which is skipped).
/// A line whose first word holds "=" is an entry "FieldName=Display Text" as it stands, up to the
/// end of the line, blanks and all; otherwise the first two words are the field name and its
/// display text. `nameCodeOrder` selects the "DisplayText FieldName and other data" line format,
/// which takes two words only.
std::optional<std::string> ParseMapLine(std::string_view line, bool nameCodeOrder);

/// Splits the bytes of a map file into lines: a line ends at LF or CR LF, a lone CR is dropped
/// from the text, a byte 26 (Ctrl-Z) ends the file.
std::vector<std::string> SplitMapFileLines(std::string_view bytes);

} // namespace quorvane
