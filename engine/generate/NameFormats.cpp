#include "generate/NameFormats.h"

#include "text/EngineErrors.h"
#include "text/ProfileFile.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

namespace quorvane {

namespace {

constexpr char NameFormatSection[] = "NameFormatStrings";
constexpr std::size_t MaxShortString = 255;
// Identifiers are cut so that every name made from them stays within the limits of what they
// name: a file name holds 255 bytes ("frm" + identifier + ".pas"), and a component name in a form
// file 255 characters (a dataset's name + a field's identifier for a persistent field).
constexpr std::size_t MaxTableIdentifierLength = 120;
constexpr std::size_t MaxFieldIdentifierLength = 120;
constexpr std::size_t MaxSpecifierInMessage = 31;
// Widths beyond this would only make the generator allocate without end; the runtime's own
// buffer gives up long before.
constexpr long MaxFormatWidth = 1L << 20;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void RaiseFormatError(const char* pattern, std::string_view specifier) {
    std::string message = pattern;
    const std::string shown(specifier.substr(0, MaxSpecifierInMessage));
    message.replace(message.find("%s"), 2, shown);
    throw EFormatError(message);
}

} // namespace

const std::array<TNameFormatKey, 13> NameFormatKeys = {{
    {"DataSetName", &TFormatStrings::DataSetName},
    {"ProviderName", &TFormatStrings::ProviderName},
    {"DataSourceName", &TFormatStrings::DataSourceName},
    {"ClientDataSetName", &TFormatStrings::ClientDataSetName},
    {"TableUnitName", &TFormatStrings::TableUnitName},
    {"TableFormName", &TFormatStrings::TableFormName},
    {"DBGridName", &TFormatStrings::DBGridName},
    {"DBEditName", &TFormatStrings::DBEditName},
    {"LabelName", &TFormatStrings::LabelName},
    {"DBCheckBoxName", &TFormatStrings::DBCheckBoxName},
    {"DBNavigatorName", &TFormatStrings::DBNavigatorName},
    {"DBMemoName", &TFormatStrings::DBMemoName},
    {"DBLookupComboBoxName", &TFormatStrings::DBLookupComboBoxName},
}};

TFormatStrings ReadNameFormats(const std::string& path) {
    TFormatStrings formats;
    // A file that is not there is no file to read: every entry keeps its default.
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        return formats;
    }
    const auto refuse = [&path](const std::string& reason) {
        throw EFileError("Cannot read the name formats from \"" + path + "\". " + reason);
    };
    std::string bytes;
    std::string reason;
    if (!TryReadWholeFile(path, bytes, reason)) {
        refuse(reason);
    }
    if (const std::string encoding = UnreadableEncodingOf(bytes); !encoding.empty()) {
        refuse("It is in an encoding Quorvane does not read (" + encoding +
               "); save it as UTF-16LE with byte-order mark, or as UTF-8.");
    }
    const TProfileFile file = TProfileFile::FromText(DecodeConfigurationText(bytes));
    for (const TNameFormatKey& key : NameFormatKeys) {
        std::string& entry = formats.*key.Format;
        entry = file.ReadString(NameFormatSection, key.Key, entry);
    }
    formats.Source = path;
    return formats;
}

std::string FormatName(std::string_view format, std::string_view name) {
    std::string result;
    result.reserve(format.size() + name.size());
    std::size_t argumentIndex = 0; // the one argument is number 0
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        if (percent == std::string_view::npos) {
            result.append(format.substr(i));
            break;
        }
        result.append(format.substr(i, percent - i));
        std::size_t at = percent + 1;
        if (at < format.size() && format[at] == '%') {
            result += '%';
            i = at + 1;
            continue;
        }
        // The specifier runs up to its type letter; its text is what the errors quote.
        auto specifierUpTo = [&](std::size_t end) {
            return format.substr(percent, std::min(end, format.size()) - percent);
        };
        auto readNumber = [&](long& value) {
            value = 0;
            while (at < format.size() && IsDigit(format[at])) {
                value = std::min(value * 10 + (format[at] - '0'), MaxFormatWidth + 1);
                ++at;
            }
        };
        // An asterisk takes its number from the argument list; the only argument is a string.
        auto numberFromArgument = [&]() {
            ++at;
            if (argumentIndex > 0) {
                RaiseFormatError("No argument for format '%s'", specifierUpTo(at));
            }
            RaiseFormatError("Format '%s' invalid or incompatible with argument",
                             specifierUpTo(at));
        };

        long number = 0;
        if (at < format.size() && format[at] == '*') {
            numberFromArgument();
        }
        const std::size_t digitsStart = at;
        readNumber(number);
        if (at < format.size() && format[at] == ':' && at > digitsStart) {
            argumentIndex = static_cast<std::size_t>(number);
            ++at;
        } else {
            at = digitsStart;
        }
        bool leftAlign = false;
        if (at < format.size() && format[at] == '-') {
            leftAlign = true;
            ++at;
        }
        long width = -1;
        if (at < format.size() && format[at] == '*') {
            numberFromArgument();
        }
        if (at < format.size() && IsDigit(format[at])) {
            readNumber(width);
        }
        long precision = -1;
        if (at < format.size() && format[at] == '.') {
            ++at;
            if (at < format.size() && format[at] == '*') {
                numberFromArgument();
            }
            readNumber(precision);
        }
        if (at >= format.size()) {
            RaiseFormatError("Format '%s' invalid or incompatible with argument",
                             specifierUpTo(at));
        }
        const char type = static_cast<char>(UpperCaseAscii(std::string(1, format[at]))[0]);
        const std::string_view specifier = specifierUpTo(at + 1);
        if (std::string_view("DUEFGNMPSX").find(type) == std::string_view::npos ||
            width > MaxFormatWidth || precision > MaxFormatWidth) {
            RaiseFormatError("Format '%s' invalid or incompatible with argument", specifier);
        }
        if (argumentIndex > 0) {
            RaiseFormatError("No argument for format '%s'", specifier);
        }
        if (type != 'S') {
            RaiseFormatError("Format '%s' invalid or incompatible with argument", specifier);
        }
        std::string_view value = name;
        if (precision >= 0 && static_cast<std::size_t>(precision) < value.size()) {
            value = value.substr(0, static_cast<std::size_t>(precision));
        }
        const std::size_t padding = width > static_cast<long>(value.size())
                                        ? static_cast<std::size_t>(width) - value.size()
                                        : 0;
        if (!leftAlign) {
            result.append(padding, ' ');
        }
        result.append(value);
        if (leftAlign) {
            result.append(padding, ' ');
        }
        ++argumentIndex;
        i = at + 1;
    }
    return result;
}

std::string ApplyNameFormat(const TFormatStrings& formats, std::string TFormatStrings::*format,
                            std::string_view name) {
    const std::string& value = formats.*format;
    const auto fail = [&](const std::string& reason) {
        const auto key =
            std::find_if(NameFormatKeys.begin(), NameFormatKeys.end(),
                         [format](const TNameFormatKey& k) { return k.Format == format; });
        std::string message = formats.Source;
        message.append(": [").append(NameFormatSection).append("] ");
        message.append(key != NameFormatKeys.end() ? key->Key : "?").append("=").append(value);
        message.append(": ").append(reason);
        throw EFormatError(message);
    };
    std::string result;
    try {
        result = FormatName(value, name);
    } catch (const EFormatError& error) {
        fail(error.what());
    }
    // The name is declared in a unit, written as a component's name into a form file and
    // referred to from code: anything but an identifier breaks the compile of the project.
    if (!IsIdentifier(result)) {
        std::string reason = "\"";
        reason.append(result).append("\", made from \"").append(name);
        reason.append("\", is no Pascal identifier (an ASCII letter or \"_\", then ASCII letters, "
                      "digits or \"_\").");
        fail(reason);
    }
    return result;
}

std::string TrimTablePrefix(std::string_view name) {
    const std::size_t underscore = name.find('_');
    if (underscore == std::string_view::npos) {
        return std::string(name);
    }
    return Trim(name.substr(underscore + 1, MaxShortString));
}

std::string NameToCaption(std::string_view name) {
    std::string text(name);
    std::replace(text.begin(), text.end(), '_', ' ');
    const std::string s = Trim(text);
    auto isUpper = [](char c) { return c >= 'A' && c <= 'Z'; };
    auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    std::string result;
    result.reserve(s.size() + s.size() / 2);
    const std::size_t length = s.size();
    // Positions are 1-based in the rule: neither the first nor the last character gets a blank.
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && i + 1 < length && isUpper(s[i]) && (isLower(s[i - 1]) || isLower(s[i + 1]))) {
            result += ' ';
        }
        result += s[i];
    }
    return result;
}

namespace {

bool IsIdentifierCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) || c == '_';
}

std::string KeepIdentifierCharacters(std::string_view name) {
    std::string identifier;
    identifier.reserve(name.size());
    for (const char c : name) {
        if (IsIdentifierCharacter(c)) {
            identifier += c;
        }
    }
    return identifier;
}

std::string WithoutLeadingDigit(std::string identifier) {
    if (!identifier.empty() && IsDigit(identifier.front())) {
        identifier.insert(identifier.begin(), '_');
    }
    return identifier;
}

std::string FieldIdentifierOf(std::string_view fieldName) {
    std::string identifier = WithoutLeadingDigit(KeepIdentifierCharacters(fieldName));
    if (identifier.size() > MaxFieldIdentifierLength) {
        identifier.resize(MaxFieldIdentifierLength);
    }
    return identifier;
}

} // namespace

bool IsIdentifier(std::string_view text) {
    return !text.empty() && !IsDigit(text.front()) &&
           std::all_of(text.begin(), text.end(), IsIdentifierCharacter);
}

std::string MakeTableIdentifier(std::string_view tableName, bool trimPrefix) {
    std::string identifier = KeepIdentifierCharacters(tableName);
    identifier = WithoutLeadingDigit(trimPrefix ? TrimTablePrefix(identifier) : identifier);
    if (identifier.size() > MaxTableIdentifierLength) {
        identifier.resize(MaxTableIdentifierLength);
    }
    return identifier;
}

std::vector<std::string> MakeFieldIdentifiers(const std::vector<std::string>& fieldNames) {
    std::vector<std::string> identifiers(fieldNames.size());
    std::unordered_set<std::string> taken; // lower-cased: the generated language ignores case
    // Names that are identifiers already keep their names, so they are placed first; the
    // reduced names of the others then avoid them.
    std::vector<std::size_t> reduced;
    for (std::size_t i = 0; i < fieldNames.size(); ++i) {
        const std::string identifier = FieldIdentifierOf(fieldNames[i]);
        if (!identifier.empty() && identifier == fieldNames[i] &&
            taken.insert(LowerCaseAscii(identifier)).second) {
            identifiers[i] = identifier;
        } else {
            reduced.push_back(i);
        }
    }
    for (const std::size_t i : reduced) {
        std::string identifier = FieldIdentifierOf(fieldNames[i]);
        if (identifier.empty()) {
            identifier = "Field";
        }
        std::string candidate = identifier;
        for (int number = 1; taken.count(LowerCaseAscii(candidate)) > 0; ++number) {
            candidate = identifier + "_" + std::to_string(number);
        }
        taken.insert(LowerCaseAscii(candidate));
        identifiers[i] = std::move(candidate);
    }
    return identifiers;
}

} // namespace quorvane
