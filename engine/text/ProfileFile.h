#pragma once

#include <optional>
#include <string>

namespace quorvane {

/// A profile (INI) file read once, looked up with the rules of the platform's private profile
/// reading: section and key names match without regard to letter case, the first line of a key
/// counts, the value is trimmed, loses one pair of enclosing quotes and is cut to 2047 characters.
class TProfileFile {
public:
    /// Reads `path`; a missing or unreadable file behaves as an empty one.
    static TProfileFile Load(const std::string& path);
    /// Takes the file's text as it is (already decoded).
    static TProfileFile FromText(std::string text);

    /// The value of `key` in `section`, or nothing when the file, section or key is absent.
    std::optional<std::string> Find(const std::string& section, const std::string& key) const;
    /// The value, or `defaultValue` when the key is absent (a present, empty key gives "").
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

private:
    std::string FText;
};

} // namespace quorvane
