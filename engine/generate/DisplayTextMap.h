#pragma once

#include "schema/FieldTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// The "FieldName=DisplayText" entries of a map file, in file order, duplicates kept. A map file
/// may hold millions of lines, so the entries are kept as one text, told apart by where each
/// ends, and indexed by an open-addressing table of the first entry of every key: a few bytes
/// per byte of the file, and lookups that stay constant however long the map is.
class TDisplayTextMap {
public:
    void Clear();
    void Add(std::string_view entry);
    /// Makes room for `entries` entries of `bytes` bytes in all, so that loading a large map
    /// does not copy what it holds as it grows.
    void Reserve(std::size_t entries, std::size_t bytes);
    /// Adds the entries of the bytes of a map file, line by line (see SplitMapFileLines and
    /// ParseMapLine).
    void AddMapFile(std::string_view bytes, bool nameCodeOrder);

    std::size_t Count() const { return FEnds.size(); }
    /// The entry at `index`, in the order they were added.
    std::string_view Entry(std::size_t index) const;

    /// The value of the first entry whose key (the text before its first "=") equals `fieldName`
    /// without regard to ASCII letter case; "" when there is none.
    std::string Lookup(std::string_view fieldName) const;

private:
    std::string FText;                 // every entry, one after the other
    std::vector<std::size_t> FEnds;    // where each entry ends in FText
    std::vector<std::uint32_t> FSlots; // 1 + the index of a key's first entry; 0 is a free slot
    std::size_t FKeys = 0;

    std::string_view KeyOf(std::size_t index) const;
    /// The slot of `key`: the one that holds it, or the free one where it would go.
    std::size_t SlotOf(std::string_view key) const;
    /// Makes the table large enough for `keys` keys.
    void Grow(std::size_t keys);
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

/// Calls `visit` with each line of the bytes of a map file: a line ends at LF or CR LF, a lone CR
/// is dropped from the text, a byte 26 (Ctrl-Z) ends the file.
void ForEachMapFileLine(std::string_view bytes,
                        const std::function<void(std::string_view line)>& visit);

/// The lines ForEachMapFileLine visits, all at once.
std::vector<std::string> SplitMapFileLines(std::string_view bytes);

} // namespace quorvane
