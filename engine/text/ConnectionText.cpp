#include "text/ConnectionText.h"

#include "text/StringUtils.h"

#include <algorithm>

namespace quorvane {

namespace {

// A key without the blanks, control bytes and separators around it. A ";" that follows a control
// byte would otherwise stay at the front of the key, and be read as a separator once the
// properties are written back.
std::string_view KeyView(std::string_view text) {
    text = TrimView(text);
    while (!text.empty() &&
           (text.front() == ';' || static_cast<unsigned char>(text.front()) <= ' ')) {
        text.remove_prefix(1);
    }
    return text;
}

// The character that closes a quoted value opened by `opener`, or 0 when it opens none.
char CloserOf(char opener, TConnectionSyntax syntax) {
    if (syntax == TConnectionSyntax::Odbc) {
        return opener == '{' ? '}' : '\0';
    }
    return opener == '"' || opener == '\'' ? opener : '\0';
}

} // namespace

TConnectionProperties TConnectionProperties::Parse(std::string_view text,
                                                   TConnectionSyntax syntax) {
    TConnectionProperties properties;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t equals = text.find('=', i);
        if (equals == std::string_view::npos) {
            break; // a trailing word without "=" carries no property
        }
        // An ODBC driver reads a segment without "=" as no property; OLE DB reads on to the "=".
        const std::size_t separator = text.find(';', i);
        if (syntax == TConnectionSyntax::Odbc && separator < equals) {
            i = separator + 1;
            continue;
        }
        const std::string key(KeyView(text.substr(i, equals - i)));
        std::size_t at = equals + 1;
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
            ++at;
        }
        std::string value;
        const char closer = at < text.size() ? CloserOf(text[at], syntax) : '\0';
        if (closer != '\0') {
            for (++at; at < text.size(); ++at) {
                if (text[at] == closer) {
                    if (at + 1 < text.size() && text[at + 1] == closer) {
                        value += closer;
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                value += text[at];
            }
            const std::size_t semicolon = text.find(';', at);
            i = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
        } else {
            const std::size_t semicolon = text.find(';', at);
            const std::size_t end = semicolon == std::string_view::npos ? text.size() : semicolon;
            value = std::string(TrimView(text.substr(at, end - at)));
            i = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
        }
        if (!key.empty()) {
            properties.FItems.emplace_back(key, std::move(value));
        }
        while (i < text.size() && (text[i] == ';' || text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
    }
    return properties;
}

std::string TConnectionProperties::Get(std::string_view key) const {
    for (const auto& [name, value] : FItems) {
        if (SameTextAscii(name, key)) {
            return value;
        }
    }
    return {};
}

bool TConnectionProperties::Has(std::string_view key) const {
    return std::any_of(FItems.begin(), FItems.end(),
                       [key](const auto& item) { return SameTextAscii(item.first, key); });
}

bool TConnectionProperties::HasAny(const std::vector<std::string_view>& keys) const {
    return std::any_of(keys.begin(), keys.end(), [this](std::string_view key) { return Has(key); });
}

void TConnectionProperties::Set(std::string key, std::string value) {
    for (auto& item : FItems) {
        if (SameTextAscii(item.first, key)) {
            item.second = std::move(value);
            return;
        }
    }
    FItems.emplace_back(std::move(key), std::move(value));
}

std::string QuoteConnectionValue(const std::string& value, TConnectionSyntax syntax) {
    const bool odbc = syntax == TConnectionSyntax::Odbc;
    const bool needsQuotes = value.find_first_of(odbc ? ";{}" : ";\"'") != std::string::npos ||
                             (!value.empty() && (static_cast<unsigned char>(value.front()) <= ' ' ||
                                                 static_cast<unsigned char>(value.back()) <= ' '));
    if (!needsQuotes) {
        return value;
    }
    return odbc ? Concat({"{", ReplaceAll(value, "}", "}}"), "}"})
                : Concat({"\"", ReplaceAll(value, "\"", "\"\""), "\""});
}

void AppendConnectionProperty(std::string& text, std::string_view key, const std::string& value,
                              TConnectionSyntax syntax) {
    if (!text.empty() && text.back() != ';') {
        text += ';';
    }
    text += key;
    text += '=';
    text += QuoteConnectionValue(value, syntax);
}

std::string FormatConnectionProperties(const TConnectionProperties& properties,
                                       TConnectionSyntax syntax) {
    std::string text;
    for (const auto& [key, value] : properties.Items()) {
        AppendConnectionProperty(text, key, value, syntax);
    }
    return text;
}

} // namespace quorvane
