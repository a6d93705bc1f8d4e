#pragma once

#include "SchemaSource.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

/// The "Key=Value;Key=Value" properties of an OLE DB initialisation string, keys matched without
/// regard to letter case, values unquoted.
class TConnectionProperties {
public:
    /// Parses an initialisation string: values may stand in double or single quotes, with the
    /// quote doubled inside; blanks around keys and unquoted values are dropped.
    static TConnectionProperties Parse(std::string_view text);

    /// The value of the first key of that name, or "" when absent.
    std::string Get(std::string_view key) const;
    bool Has(std::string_view key) const;
    void Set(std::string key, std::string value);

    const std::vector<std::pair<std::string, std::string>>& Items() const { return FItems; }

private:
    std::vector<std::pair<std::string, std::string>> FItems;
};

/// Reads a data-link (.udl) file: UTF-16LE with byte-order mark, UTF-8 or 8-bit, a "[oledb]"
/// line, comment lines starting with ";" and one line holding the initialisation string. A
/// relative "Data Source" file path is taken relative to the data-link file's own folder.
/// Throws EDatabaseError when the file cannot be read or holds no initialisation string.
TConnectionProperties ReadDataLinkFile(const std::string& path);

/// The properties of a data-link file as they stand in it, paths not resolved (for editing).
TConnectionProperties ReadDataLinkFileAsWritten(const std::string& path);

/// The initialisation string of `properties`: "Key=Value;Key=Value", values quoted where needed.
std::string FormatConnectionProperties(const TConnectionProperties& properties);

/// Writes a data-link file as Windows does: UTF-16LE with byte-order mark, the "[oledb]" line, the
/// comment line and the initialisation string, CR LF line ends. Throws EFileError.
void WriteDataLinkFile(const std::string& path, const TConnectionProperties& properties);

/// Quotes a value for an initialisation string when it needs quoting (";", quotes, outer blanks).
std::string QuoteConnectionValue(const std::string& value);

/// Opens the schema source a connection string names: "FILE NAME=" a data-link file, a Jet or
/// ACE provider string for Access files, or "Provider=SQLite;Data Source=" a SQLite file. Throws
/// EDatabaseError with a message naming the provider when it cannot be served. Passwords never
/// appear in a message.
std::unique_ptr<ISchemaSource> OpenSchemaSource(const std::string& connectionString);

} // namespace quorvane
