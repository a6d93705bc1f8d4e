#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// The thirteen name formats of the section "NameFormatStrings" of NameFormat.ini, in the order of
/// their keys. Each holds one "%s" that receives a table identifier or a field name.
struct TFormatStrings {
    std::string DataSetName = "%s_D";
    std::string ProviderName = "%s_P";
    std::string DataSourceName = "%s_DS";
    std::string ClientDataSetName = "%s_CDS";
    std::string TableUnitName = "frm%s";
    std::string TableFormName = "%s_frm";
    std::string DBGridName = "%s_DBGrid";
    std::string DBEditName = "%s_DBEdt";
    std::string LabelName = "%s_Lab";
    std::string DBCheckBoxName = "%s_DBChk";
    std::string DBNavigatorName = "%s_DBNvg";
    std::string DBMemoName = "%s_DBMemo";
    std::string DBLookupComboBoxName = "%s_DBLkpCbo";
    /// Where the formats came from, as the errors about them name it: the NameFormat.ini read,
    /// or "built-in" for the defaults without a file.
    std::string Source = "built-in";
};

/// One key of the section "NameFormatStrings" and the entry of TFormatStrings it fills.
struct TNameFormatKey {
    const char* Key = nullptr;
    std::string TFormatStrings::*Format = nullptr;
};

/// The thirteen keys, in the order of the file and of TFormatStrings.
extern const std::array<TNameFormatKey, 13> NameFormatKeys;

/// Reads the name formats from the profile file at `path`; a missing file, section or key gives
/// the default of that entry, a key present with an empty value gives an empty format. A file
/// that is there but cannot be read (no regular file, larger than 64 MiB, unreadable, in an
/// encoding a configuration file of ours cannot be in) raises EFileError "Cannot read the name
/// formats from "%s". %s": the defaults in its place would give other names without a word.
TFormatStrings ReadNameFormats(const std::string& path);

/// Applies a name format to one name the way the runtime's Format does with a single string
/// argument: "%%" is one percent sign; "%[0:][-][width][.precision]s" takes the name, padded to
/// the width and cut to the precision. Raises EFormatError "No argument for format '%s'" for a
/// specifier that wants a second argument and "Format '%s' invalid or incompatible with
/// argument" for one that does not fit a string.
std::string FormatName(std::string_view format, std::string_view name);

/// Applies the format `format` of `formats` to `name` as FormatName does, and checks that the
/// result is a Pascal identifier, as every name a run writes must be. Raises EFormatError
/// "<source>: [NameFormatStrings] <key>=<value>: <reason>", the reason being FormatName's
/// message or that the name it gives is no identifier.
std::string ApplyNameFormat(const TFormatStrings& formats, std::string TFormatStrings::*format,
                            std::string_view name);

/// The text after the first "_" of `name`, at most 255 characters, trimmed; `name` unchanged
/// when it holds no "_".
std::string TrimTablePrefix(std::string_view name);

/// Display words for a label: underscores become blanks, the text is trimmed, and a blank goes
/// before every capital that starts a new word ("OrderID" gives "Order ID").
std::string NameToCaption(std::string_view name);

/// The identifier of a table: its name reduced to ASCII letters, digits and "_" (so that file and
/// unit names made from it stay inside the output folder and compile), then, when `trimPrefix` is
/// set, passed through TrimTablePrefix; one that starts with a digit gets a leading "_", as an
/// identifier cannot start with one, and one longer than 120 characters is cut there so that the
/// file and component names made from it stay within their limits. Empty when nothing usable
/// remains.
std::string MakeTableIdentifier(std::string_view tableName, bool trimPrefix);

/// Whether `text` is a Pascal identifier: letters, digits and "_", not starting with a digit.
bool IsIdentifier(std::string_view text);

/// The names the field components of one table are made from: each field name reduced as a
/// table identifier is (cut to 120 characters; a name left empty becomes "Field"), then made
/// unique within the table
/// without regard to letter case by "_1", "_2", ... Names that are identifiers already stay.
std::vector<std::string> MakeFieldIdentifiers(const std::vector<std::string>& fieldNames);

} // namespace quorvane
