#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

/// The two spellings of "Key=Value;Key=Value" connection texts: OLE DB initialisation strings
/// quote a value in double or single quotes with the quote doubled inside; ODBC connection
/// strings put it in braces with "}" doubled inside.
enum class TConnectionSyntax { OleDb, Odbc };

/// The properties of a connection text, keys matched without regard to letter case, values
/// unquoted.
class TConnectionProperties {
public:
    /// Parses a connection text: blanks around keys and unquoted values are dropped, a word
    /// without "=" carries no property.
    static TConnectionProperties Parse(std::string_view text,
                                       TConnectionSyntax syntax = TConnectionSyntax::OleDb);

    /// The value of the first key of that name, or "" when absent.
    std::string Get(std::string_view key) const;
    bool Has(std::string_view key) const;
    /// Whether any of `keys` is present.
    bool HasAny(const std::vector<std::string_view>& keys) const;
    void Set(std::string key, std::string value);

    const std::vector<std::pair<std::string, std::string>>& Items() const { return FItems; }

private:
    std::vector<std::pair<std::string, std::string>> FItems;
};

/// A value as it stands in a connection text: quoted (OLE DB) or braced (ODBC) when it holds a
/// separator, a quote character or blanks at either end; else unchanged.
std::string QuoteConnectionValue(const std::string& value,
                                 TConnectionSyntax syntax = TConnectionSyntax::OleDb);

/// Appends "Key=Value" to a connection text, with a ";" before it when needed.
void AppendConnectionProperty(std::string& text, std::string_view key, const std::string& value,
                              TConnectionSyntax syntax);

/// The text of `properties`: "Key=Value;Key=Value", values quoted where needed.
std::string FormatConnectionProperties(const TConnectionProperties& properties,
                                       TConnectionSyntax syntax = TConnectionSyntax::OleDb);

} // namespace quorvane
