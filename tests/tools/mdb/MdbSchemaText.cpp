#include "MdbSchemaText.h"

#include <array>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane::testing {

namespace {

using quorvane::testing::TAccessColumn;
using quorvane::testing::TAccessTable;
using quorvane::testing::TAccessType;
using quorvane::testing::TJoinKind;
using quorvane::testing::TQueryKind;
using quorvane::testing::TStoredQuery;

constexpr std::string_view TablePrefix = "TABLE:";
constexpr std::string_view QueryPrefix = "QUERY:";
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

constexpr std::array<std::pair<std::string_view, TQueryKind>, 9> QueryKindNames = {{
    {"Select", TQueryKind::Select},
    {"MakeTable", TQueryKind::MakeTable},
    {"Append", TQueryKind::Append},
    {"Update", TQueryKind::Update},
    {"Delete", TQueryKind::Delete},
    {"Crosstab", TQueryKind::Crosstab},
    {"DataDefinition", TQueryKind::DataDefinition},
    {"PassThrough", TQueryKind::PassThrough},
    {"Union", TQueryKind::Union},
}};

constexpr std::array<std::pair<std::string_view, TJoinKind>, 3> JoinKindNames = {{
    {"INNER", TJoinKind::Inner},
    {"LEFT", TJoinKind::Left},
    {"RIGHT", TJoinKind::Right},
}};

template <typename TValue, std::size_t Count>
std::optional<TValue>
ValueNamed(const std::array<std::pair<std::string_view, TValue>, Count>& names,
           std::string_view name) {
    for (const auto& [valueName, value] : names) {
        if (valueName == name) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<TAccessType> TypeNamed(std::string_view name) {
    return ValueNamed(TypeNames, name);
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

    TAccessSchema Parse(std::istream& input) {
        std::string line;
        while (std::getline(input, line)) {
            ++LineNumber;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            ParseLine(line);
        }
        if (Schema.Tables.empty()) {
            throw std::runtime_error(FileName + ": no TABLE: lines");
        }
        return std::move(Schema);
    }

private:
    std::string FileName;
    int LineNumber = 0;
    TAccessSchema Schema;
    bool InQuery = false; // the indented lines belong to the last QUERY: line

    [[noreturn]] void Fail(const std::string& message) const {
        throw TSchemaError(FileName, LineNumber, message);
    }

    void ParseLine(const std::string& line) {
        if (Trimmed(line).empty() || line.front() == CommentMark) {
            return;
        }
        if (Blanks.find(line.front()) == std::string_view::npos) {
            ParseHeadLine(line);
        } else if (InQuery) {
            ParseClauseLine(line);
        } else {
            ParseColumnLine(line);
        }
    }

    void ParseHeadLine(std::string_view line) {
        if (line.starts_with(QueryPrefix)) {
            TStoredQuery query;
            query.Name = Trimmed(line.substr(QueryPrefix.size()));
            if (query.Name.empty()) {
                Fail("query without a name");
            }
            Schema.Queries.push_back(std::move(query));
            InQuery = true;
            return;
        }
        if (!line.starts_with(TablePrefix)) {
            Fail("expected \"TABLE: name\", \"QUERY: name\" or an indented line");
        }
        TAccessTable table;
        table.Name = Trimmed(line.substr(TablePrefix.size()));
        if (table.Name.empty()) {
            Fail("table without a name");
        }
        Schema.Tables.push_back(std::move(table));
        InQuery = false;
    }

    // One clause part of the last query.
    void ParseClauseLine(std::string_view line) {
        const std::vector<std::string> fields = Fields(line);
        TStoredQuery& query = Schema.Queries.back();
        const std::string& clause = fields[0];
        const auto field = [&](std::size_t index) {
            if (index >= fields.size() || fields[index].empty()) {
                Fail("\"" + clause + "\" needs more fields");
            }
            return fields[index];
        };
        const auto optionalField = [&](std::size_t index) {
            return index < fields.size() ? fields[index] : std::string();
        };
        if (clause == "FROM") {
            query.Sources.push_back({field(1), optionalField(2)});
        } else if (clause == "COLUMN") {
            query.Columns.push_back({field(1), optionalField(2)});
        } else if (clause == "JOIN") {
            const std::optional<TJoinKind> kind = ValueNamed(JoinKindNames, field(1));
            if (!kind) {
                Fail("unknown join kind '" + fields[1] + "' (INNER, LEFT, RIGHT)");
            }
            query.Joins.push_back({field(2), field(3), *kind, field(4)});
        } else if (clause == "WHERE") {
            query.Where = field(1);
        } else if (clause == "GROUP BY") {
            query.GroupBy.push_back(field(1));
        } else if (clause == "HAVING") {
            query.Having = field(1);
        } else if (clause == "ORDER BY") {
            query.OrderBy.push_back(field(1));
        } else if (clause == "PARAMETER") {
            const std::optional<TAccessType> type = TypeNamed(field(2));
            if (!type) {
                Fail("unknown type '" + fields[2] + "'");
            }
            query.Parameters.push_back({field(1), *type});
        } else if (clause == "KIND") {
            const std::optional<TQueryKind> kind = ValueNamed(QueryKindNames, field(1));
            if (!kind) {
                Fail("unknown query kind '" + fields[1] + "'");
            }
            query.Kind = *kind;
        } else if (clause == "TARGET") {
            query.Target = field(1);
        } else if (clause == "ALL FIELDS" && fields.size() == 1) {
            query.AllFields = true;
        } else if (clause == "HIDDEN" && fields.size() == 1) {
            query.Hidden = true;
        } else {
            Fail("unknown query line '" + clause + "'");
        }
    }

    void ParseColumnLine(std::string_view line) {
        if (Schema.Tables.empty()) {
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
        Schema.Tables.back().Columns.push_back(std::move(column));
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

TAccessSchema ParseAccessSchema(std::istream& input, const std::string& fileName) {
    return TSchemaParser(fileName).Parse(input);
}

} // namespace quorvane::testing
