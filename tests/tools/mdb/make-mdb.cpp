// make-mdb SCHEMA.txt OUTPUT.mdb
//
// Writes an empty Access 2000 (Jet 4) database holding the tables a schema text describes:
//
//   # a comment: "#" in the first column
//   TABLE: Order Details
//     OrderID | LongInteger
//     ClientName | Text | size=40
//     Amount | Decimal | precision=12 | scale=2
//
// A table line starts in the first column; its column lines start with a blank. Fields are
// separated by "|" and trimmed; the type is one of the TAccessType names; size= applies to Text
// (characters) and Binary (bytes), precision= and scale= to Decimal. Blank lines are skipped.
// Access allows "#" in names, even first, so a "#" anywhere but the first column is part of a
// name.

#include "MdbWriter.h"

#include <array>
#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using quorvane::testing::TAccessColumn;
using quorvane::testing::TAccessTable;
using quorvane::testing::TAccessType;

constexpr std::string_view TablePrefix = "TABLE:";
constexpr std::string_view Blanks = " \t";
constexpr char CommentMark = '#';

constexpr std::array<std::pair<std::string_view, TAccessType>, 16> TypeNames = {{
    {"YesNo", TAccessType::YesNo},
    {"Byte", TAccessType::Byte},
    {"Integer", TAccessType::Integer},
    {"LongInteger", TAccessType::LongInteger},
    {"AutoNumber", TAccessType::AutoNumber},
    {"Currency", TAccessType::Currency},
    {"Single", TAccessType::Single},
    {"Double", TAccessType::Double},
    {"DateTime", TAccessType::DateTime},
    {"Text", TAccessType::Text},
    {"Memo", TAccessType::Memo},
    {"Hyperlink", TAccessType::Hyperlink},
    {"OleObject", TAccessType::OleObject},
    {"Binary", TAccessType::Binary},
    {"ReplicationId", TAccessType::ReplicationId},
    {"Decimal", TAccessType::Decimal},
}};

// A schema error, located by line.
class TSchemaError : public std::runtime_error {
public:
    TSchemaError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}
};

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(Blanks);
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = line.find('|', start);
        fields.push_back(Trimmed(line.substr(start, bar - start)));
        if (bar == std::string_view::npos) {
            return fields;
        }
        start = bar + 1;
    }
}

std::optional<TAccessType> TypeNamed(std::string_view name) {
    for (const auto& [typeName, type] : TypeNames) {
        if (typeName == name) {
            return type;
        }
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

class TSchemaParser {
public:
    explicit TSchemaParser(std::string fileName) : FileName(std::move(fileName)) {}

    std::vector<TAccessTable> Parse(std::istream& input) {
        std::string line;
        while (std::getline(input, line)) {
            ++LineNumber;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            ParseLine(line);
        }
        if (Tables.empty()) {
            throw std::runtime_error(FileName + ": no TABLE: lines");
        }
        return std::move(Tables);
    }

private:
    std::string FileName;
    int LineNumber = 0;
    std::vector<TAccessTable> Tables;

    [[noreturn]] void Fail(const std::string& message) const {
        throw TSchemaError(FileName, LineNumber, message);
    }

    void ParseLine(const std::string& line) {
        if (Trimmed(line).empty() || line.front() == CommentMark) {
            return;
        }
        if (Blanks.find(line.front()) == std::string_view::npos) {
            ParseTableLine(line);
        } else {
            ParseColumnLine(line);
        }
    }

    void ParseTableLine(std::string_view line) {
        if (!line.starts_with(TablePrefix)) {
            Fail("expected \"TABLE: name\" or an indented column line");
        }
        TAccessTable table;
        table.Name = Trimmed(line.substr(TablePrefix.size()));
        if (table.Name.empty()) {
            Fail("table without a name");
        }
        Tables.push_back(std::move(table));
    }

    void ParseColumnLine(std::string_view line) {
        if (Tables.empty()) {
            Fail("column line before the first TABLE: line");
        }
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() < 2 || fields[0].empty()) {
            Fail("expected \"name | type\"");
        }
        TAccessColumn column;
        column.Name = fields[0];
        const std::optional<TAccessType> type = TypeNamed(fields[1]);
        if (!type) {
            Fail("unknown type '" + fields[1] + "'");
        }
        column.Type = *type;
        for (std::size_t i = 2; i < fields.size(); ++i) {
            ApplyAttribute(column, fields[i]);
        }
        Tables.back().Columns.push_back(std::move(column));
    }

    void ApplyAttribute(TAccessColumn& column, const std::string& field) {
        const std::size_t equals = field.find('=');
        if (equals == std::string::npos) {
            Fail("expected key=value, found '" + field + "'");
        }
        const std::string key = Trimmed(std::string_view(field).substr(0, equals));
        const std::optional<int> value = WholeNumber(Trimmed(field.substr(equals + 1)));
        if (!value) {
            Fail("'" + key + "' needs a whole number");
        }
        const bool sized = column.Type == TAccessType::Text || column.Type == TAccessType::Binary;
        const bool decimal = column.Type == TAccessType::Decimal;
        if (key == "size" && sized) {
            column.Size = *value;
        } else if (key == "precision" && decimal) {
            column.Precision = *value;
        } else if (key == "scale" && decimal) {
            column.Scale = *value;
        } else {
            Fail("'" + key +
                 "' does not apply here (size: Text, Binary; precision, scale: "
                 "Decimal)");
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make-mdb SCHEMA.txt OUTPUT.mdb\n";
        return 2;
    }
    try {
        std::ifstream schema(argv[1]);
        if (!schema) {
            throw std::runtime_error(std::string("cannot read ") + argv[1]);
        }
        const std::vector<TAccessTable> tables = TSchemaParser(argv[1]).Parse(schema);
        quorvane::testing::WriteJet4Database(argv[2], tables);
    } catch (const std::exception& error) {
        std::cerr << "make-mdb: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
