#include "schema/odbc/ServerCatalogue.h"

#include "schema/odbc/OdbcSchemaSource.h"
#include "text/StringUtils.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace quorvane {

namespace {

// The largest length a MariaDB server sends for a column of a result.
constexpr std::int64_t LargestFieldLength = 0xFFFFFFFF;

// SQL Server's own types that FreeTDS reports with codes of Microsoft's (sqlncli.h), which the
// OLE DB provider for ODBC has no ADO type for.
constexpr int SqlSsVariant = -150;
constexpr int SqlSsXml = -152;
constexpr int SqlSsTime2 = -154;
constexpr int SqlSsTimestampOffset = -155;

// The byte lengths of the text and blob types, whose columns have no length of their own.
std::optional<std::int64_t> LongTypeBytes(const std::string& type) {
    static const std::map<std::string, std::int64_t> Lengths = {
        {"tinytext", 255},        {"tinyblob", 255},        {"text", 65535},
        {"blob", 65535},          {"mediumtext", 16777215}, {"mediumblob", 16777215},
        {"longtext", 4294967295}, {"longblob", 4294967295},
    };
    const auto found = Lengths.find(type);
    return found == Lengths.end() ? std::nullopt : std::optional(found->second);
}

bool IsGeometryType(const std::string& type) {
    return type == "geometry" || type == "point" || type == "linestring" || type == "polygon" ||
           type == "multipoint" || type == "multilinestring" || type == "multipolygon" ||
           type == "geometrycollection";
}

// The pieces of `text` between the separators, empty ones too.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (const char c : text) {
        if (c == separator) {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

// A time's digits after the second add a point and the digits to its length.
std::int64_t FractionLength(std::int64_t digits) {
    return digits > 0 ? digits + 1 : 0;
}

} // namespace

std::optional<TColumnInfo> MariaDbColumnFromCatalogue(const TMariaDbCatalogueColumn& row,
                                                      int resultCharsetMaxLength) {
    const std::string type = LowerCaseAscii(row.DataType);
    // The driver describes a year as an unsigned smallint.
    const bool isUnsigned =
        LowerCaseAscii(row.ColumnType).find("unsigned") != std::string::npos || type == "year";
    const std::int64_t precision = row.NumericPrecision.value_or(0);
    const std::int64_t scale = row.NumericScale.value_or(0);
    const std::int64_t fraction = row.DatetimePrecision.value_or(0);
    // A text column's length travels in the result's character set, as bytes and at most
    // LargestFieldLength of them; the driver divides it by that set's longest character.
    const auto characters = [&](std::int64_t count) {
        const std::int64_t columnMax = std::max(row.CharsetMaxLength, 1);
        const std::int64_t resultMax =
            resultCharsetMaxLength > 0 ? resultCharsetMaxLength : columnMax;
        return std::min(count * resultMax, LargestFieldLength) / resultMax;
    };

    int sqlType = SQL_UNKNOWN_TYPE;
    std::int64_t size = 0;
    int digits = 0;
    if (type == "tinyint") {
        sqlType = SQL_TINYINT;
        size = 3;
    } else if (type == "smallint" || type == "year") {
        sqlType = SQL_SMALLINT;
        size = 5;
    } else if (type == "mediumint" || type == "int") {
        sqlType = SQL_INTEGER;
        size = 10;
    } else if (type == "bigint") {
        sqlType = SQL_BIGINT;
        // The driver counts one digit less for an unsigned one (sic).
        size = isUnsigned ? 19 : 20;
    } else if (type == "decimal") {
        sqlType = SQL_DECIMAL;
        size = precision > 0 ? precision : scale;
        digits = static_cast<int>(scale);
    } else if (type == "float") {
        sqlType = SQL_REAL;
        size = 7;
    } else if (type == "double") {
        sqlType = SQL_DOUBLE;
        size = 15;
    } else if (type == "bit") {
        // A single bit is a boolean; longer ones are bytes, counted in bits.
        sqlType = precision == 1 ? SQL_BIT : SQL_BINARY;
        size = precision;
    } else if (type == "date") {
        sqlType = SQL_TYPE_DATE;
        size = 10;
    } else if (type == "time") {
        sqlType = SQL_TYPE_TIME;
        size = 8 + FractionLength(fraction);
        digits = static_cast<int>(fraction);
    } else if (type == "datetime" || type == "timestamp") {
        sqlType = SQL_TYPE_TIMESTAMP;
        size = 19 + FractionLength(fraction);
        digits = static_cast<int>(fraction);
    } else if (type == "char" || type == "enum" || type == "set") {
        sqlType = SQL_WCHAR;
        size = characters(row.CharacterMaximumLength.value_or(0));
    } else if (type == "varchar") {
        sqlType = SQL_WVARCHAR;
        size = characters(row.CharacterMaximumLength.value_or(0));
    } else if (type == "uuid" || type == "inet6" || type == "inet4") {
        // MariaDB's own types travel as fixed-length text of their written form.
        sqlType = SQL_WCHAR;
        size = characters(type == "uuid" ? 36 : type == "inet6" ? 39 : 15);
    } else if (type == "binary") {
        sqlType = SQL_BINARY;
        size = row.CharacterMaximumLength.value_or(0);
    } else if (type == "varbinary") {
        sqlType = SQL_VARBINARY;
        size = row.CharacterMaximumLength.value_or(0);
    } else if (IsGeometryType(type)) {
        sqlType = SQL_LONGVARBINARY;
        size = LargestFieldLength;
    } else if (const auto bytes = LongTypeBytes(type)) {
        if (type.find("blob") != std::string::npos) {
            sqlType = SQL_LONGVARBINARY;
            size = *bytes;
        } else {
            // The server counts the longest characters of the column's own set into the bytes.
            const std::int64_t columnMax = std::max(row.CharsetMaxLength, 1);
            sqlType = SQL_WLONGVARCHAR;
            size = characters(std::min(*bytes * columnMax, LargestFieldLength) / columnMax);
        }
    } else {
        return std::nullopt;
    }
    TColumnInfo column = MapOdbcColumnType(sqlType, size, digits, isUnsigned);
    column.Name = row.Name;
    column.IsAutoIncrement = row.IsAutoIncrement;
    return column;
}

TColumnFacts MariaDbColumnFacts(const TMariaDbCatalogueColumn& row) {
    TColumnFacts facts;
    facts.NotNull = SameTextAscii(row.IsNullable, "NO");
    // A text default of "NULL" is written 'NULL' by a server that quotes, so the bare word is
    // its way of saying there is none.
    facts.HasDefault =
        row.ColumnDefault.has_value() && !(row.QuotesDefaults && *row.ColumnDefault == "NULL");
    facts.Comment = row.Comment;
    return facts;
}

bool MariaDbQuotesDefaults(std::string_view version) {
    if (version.find("MariaDB") == std::string_view::npos) {
        return false;
    }
    // The prefix a MariaDB server once gave its version for clients of MySQL 5 replication.
    if (version.starts_with("5.5.5-")) {
        version.remove_prefix(6);
    }
    // "10.11.6-MariaDB-0+deb12u1": major, minor, patch.
    std::array<int, 3> parts = {0, 0, 0};
    std::size_t at = 0;
    for (int& part : parts) {
        const std::size_t start = at;
        while (at < version.size() && version[at] >= '0' && version[at] <= '9' && at - start < 6) {
            part = part * 10 + (version[at++] - '0');
        }
        if (at == start) {
            return false;
        }
        if (at < version.size() && version[at] == '.') {
            ++at;
        } else {
            break;
        }
    }
    return parts >= std::array<int, 3>{10, 2, 7};
}

std::map<std::pair<std::string, std::string>, TTableKeys>
TableKeysFromRows(const std::vector<TKeyColumnRow>& rows) {
    // Each key's rows by table and constraint, in key order.
    std::map<std::pair<std::string, std::string>,
             std::map<std::string, std::vector<const TKeyColumnRow*>>>
        byTable;
    for (const TKeyColumnRow& row : rows) {
        byTable[{row.Schema, row.Table}][row.Constraint].push_back(&row);
    }
    std::map<std::pair<std::string, std::string>, TTableKeys> tables;
    for (auto& [table, constraints] : byTable) {
        TTableKeys& keys = tables[table];
        keys.PrimaryKey.emplace();
        keys.ForeignKeys.emplace();
        for (auto& [name, columns] : constraints) {
            std::stable_sort(columns.begin(), columns.end(),
                             [](const TKeyColumnRow* a, const TKeyColumnRow* b) {
                                 return a->Position < b->Position;
                             });
            if (columns.front()->Primary) {
                for (const TKeyColumnRow* column : columns) {
                    keys.PrimaryKey->push_back(column->Column);
                }
                continue;
            }
            TForeignKey key;
            key.ReferencedSchema = columns.front()->ReferencedSchema;
            key.ReferencedTable = columns.front()->ReferencedTable;
            for (const TKeyColumnRow* column : columns) {
                key.Columns.push_back(column->Column);
                key.ReferencedColumns.push_back(column->ReferencedColumn);
            }
            keys.ForeignKeys->push_back(std::move(key));
        }
    }
    return tables;
}

// --- Views --------------------------------------------------------------------------------------

namespace {

struct TSqlToken {
    enum class TKind { Identifier, Word, String, Symbol };
    TKind Kind;
    std::string Text; ///< an identifier without its quotes; a word or symbol as written
};

// The tokens of a definition as the server writes it: `quoted` identifiers, words, 'strings'
// and single symbols. Nothing when it ends inside a quote or a comment.
std::optional<std::vector<TSqlToken>> Tokenize(const std::string& text) {
    using TKind = TSqlToken::TKind;
    std::vector<TSqlToken> tokens;
    const auto isWordChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$' ||
               static_cast<unsigned char>(c) >= 0x80;
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            ++i;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string::npos) {
                return std::nullopt;
            }
            i = end + 2;
        } else if (c == '`' || c == '\'' || c == '"') {
            std::string value;
            std::size_t k = i + 1;
            bool closed = false;
            while (k < text.size()) {
                if (text[k] == '\\' && c != '`' && k + 1 < text.size()) {
                    value += text[k + 1];
                    k += 2;
                } else if (text[k] == c && k + 1 < text.size() && text[k + 1] == c) {
                    value += c;
                    k += 2;
                } else if (text[k] == c) {
                    closed = true;
                    ++k;
                    break;
                } else {
                    value += text[k++];
                }
            }
            if (!closed) {
                return std::nullopt;
            }
            tokens.push_back({c == '`' ? TKind::Identifier : TKind::String, std::move(value)});
            i = k;
        } else if (isWordChar(c)) {
            std::size_t k = i;
            while (k < text.size() && isWordChar(text[k])) {
                ++k;
            }
            tokens.push_back({TKind::Word, text.substr(i, k - i)});
            i = k;
        } else {
            tokens.push_back({TKind::Symbol, std::string(1, c)});
            ++i;
        }
    }
    return tokens;
}

bool IsWord(const TSqlToken& token, std::string_view word) {
    return token.Kind == TSqlToken::TKind::Word && SameTextAscii(token.Text, word);
}

bool IsSymbol(const TSqlToken& token, char symbol) {
    return token.Kind == TSqlToken::TKind::Symbol && token.Text.size() == 1 &&
           token.Text[0] == symbol;
}

bool IsIdentifier(const TSqlToken& token) {
    return token.Kind == TSqlToken::TKind::Identifier;
}

// The index just past the parenthesis that closes the one at `open`; none when unbalanced.
std::optional<std::size_t> PastGroup(const std::vector<TSqlToken>& tokens, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < tokens.size(); ++i) {
        if (IsSymbol(tokens[i], '(')) {
            ++depth;
        } else if (IsSymbol(tokens[i], ')') && --depth == 0) {
            return i + 1;
        }
    }
    return std::nullopt;
}

bool StartsSubquery(const std::vector<TSqlToken>& tokens, std::size_t i) {
    return IsSymbol(tokens[i], '(') && i + 1 < tokens.size() &&
           (IsWord(tokens[i + 1], "select") || IsWord(tokens[i + 1], "with"));
}

// Clauses after FROM that end its table list.
bool EndsTableList(const TSqlToken& token) {
    for (const char* word : {"where", "group", "having", "order", "limit", "window", "union",
                             "except", "intersect", "procedure", "into", "for", "lock"}) {
        if (IsWord(token, word)) {
            return true;
        }
    }
    return false;
}

// What keeps the server from merging a view into the query: the view then comes from a
// temporary table whose columns carry no auto-increment flag.
bool IsUnmergedClause(const TSqlToken& token) {
    for (const char* word :
         {"group", "having", "limit", "union", "except", "intersect", "window"}) {
        if (IsWord(token, word)) {
            return true;
        }
    }
    return false;
}

bool IsAggregateOrWindow(const std::vector<TSqlToken>& tokens, std::size_t i) {
    if (IsWord(tokens[i], "over")) {
        return true;
    }
    if (i + 1 >= tokens.size() || !IsSymbol(tokens[i + 1], '(')) {
        return false;
    }
    for (const char* name : {"count",
                             "sum",
                             "avg",
                             "min",
                             "max",
                             "group_concat",
                             "std",
                             "stddev",
                             "stddev_pop",
                             "stddev_samp",
                             "variance",
                             "var_pop",
                             "var_samp",
                             "bit_and",
                             "bit_or",
                             "bit_xor",
                             "json_arrayagg",
                             "json_objectagg",
                             "percentile_cont",
                             "percentile_disc",
                             "median"}) {
        if (IsWord(tokens[i], name)) {
            return true;
        }
    }
    return false;
}

struct TTableAlias {
    bool Derived = false; ///< a subquery in FROM, whose columns this reading does not follow
    std::string Database;
    std::string Table;
};

// The tables of a FROM clause by the names the select list uses for them: their alias, else
// their own name. Nothing for a shape this reading does not know, or a name given twice.
std::optional<std::map<std::string, TTableAlias>> TableAliases(const std::vector<TSqlToken>& tokens,
                                                               std::size_t begin, std::size_t end,
                                                               const std::string& database) {
    std::map<std::string, TTableAlias> aliases;
    const auto add = [&aliases](const std::string& name, TTableAlias alias) {
        return aliases.emplace(name, std::move(alias)).second;
    };
    bool expectTable = true;
    for (std::size_t i = begin; i < end;) {
        const TSqlToken& token = tokens[i];
        if (expectTable && StartsSubquery(tokens, i)) {
            const auto past = PastGroup(tokens, i);
            if (!past || *past >= end) {
                return std::nullopt;
            }
            i = *past;
            if (i < end && IsWord(tokens[i], "as")) {
                ++i;
            }
            if (i >= end || !IsIdentifier(tokens[i]) || !add(tokens[i].Text, {true, "", ""})) {
                return std::nullopt;
            }
            ++i;
            expectTable = false;
        } else if (expectTable && IsSymbol(token, '(')) {
            ++i; // a parenthesised join
        } else if (expectTable && IsIdentifier(token)) {
            TTableAlias alias{false, database, token.Text};
            ++i;
            if (i + 1 < end && IsSymbol(tokens[i], '.') && IsIdentifier(tokens[i + 1])) {
                alias.Database = alias.Table;
                alias.Table = tokens[i + 1].Text;
                i += 2;
            }
            std::string name = alias.Table;
            if (i < end && IsWord(tokens[i], "as")) {
                ++i;
            }
            if (i < end && IsIdentifier(tokens[i])) {
                name = tokens[i].Text;
                ++i;
            }
            if (!add(name, std::move(alias))) {
                return std::nullopt;
            }
            expectTable = false;
        } else if (!expectTable && (IsWord(token, "on") || IsWord(token, "using"))) {
            if (i + 1 >= end || !IsSymbol(tokens[i + 1], '(')) {
                return std::nullopt;
            }
            const auto past = PastGroup(tokens, i + 1);
            if (!past || *past > end) {
                return std::nullopt;
            }
            i = *past;
        } else if (!expectTable && IsSymbol(token, ')')) {
            ++i;
        } else if (!expectTable && (IsSymbol(token, ',') || IsWord(token, "join") ||
                                    IsWord(token, "straight_join"))) {
            ++i;
            expectTable = true;
        } else if (!expectTable &&
                   (IsWord(token, "inner") || IsWord(token, "cross") || IsWord(token, "left") ||
                    IsWord(token, "right") || IsWord(token, "outer") || IsWord(token, "natural"))) {
            ++i;
        } else {
            return std::nullopt; // index hints, partitions, table functions, ...
        }
    }
    return aliases;
}

// A select item that is a plain column reference: `db`.`table`.`column` or `name`.`column`,
// followed by its AS `alias`.
std::optional<std::vector<std::string>> ColumnReference(const std::vector<TSqlToken>& item) {
    if (item.size() < 3 || !IsWord(item[item.size() - 2], "as") || !IsIdentifier(item.back())) {
        return std::nullopt;
    }
    const std::size_t length = item.size() - 2;
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < length; ++i) {
        if (i % 2 == 0 ? !IsIdentifier(item[i]) : !IsSymbol(item[i], '.')) {
            return std::nullopt;
        }
        if (i % 2 == 0) {
            parts.push_back(item[i].Text);
        }
    }
    if (length % 2 == 0 || parts.empty()) {
        return std::nullopt;
    }
    return parts;
}

} // namespace

std::optional<std::vector<bool>>
MariaDbViewAutoIncrement(const std::string& database, const std::string& definition,
                         const std::string& algorithm, std::size_t columnCount,
                         const TMariaDbAutoIncrementLookup& lookup) {
    const std::vector<bool> none(columnCount, false);
    if (SameTextAscii(algorithm, "TEMPTABLE")) {
        return none;
    }
    const auto tokens = Tokenize(definition);
    if (!tokens || tokens->empty() || !IsWord(tokens->front(), "select")) {
        return std::nullopt;
    }
    if (tokens->size() > 1) {
        const TSqlToken& modifier = (*tokens)[1];
        if (IsWord(modifier, "distinct") || IsWord(modifier, "distinctrow")) {
            return none;
        }
        for (const char* word :
             {"all", "high_priority", "straight_join", "sql_small_result", "sql_big_result",
              "sql_buffer_result", "sql_cache", "sql_no_cache", "sql_calc_found_rows"}) {
            if (IsWord(modifier, word)) {
                return std::nullopt;
            }
        }
    }

    // The select list's items, and where its FROM clause starts and ends, at the outer level.
    // Subqueries after FROM (in WHERE, or derived tables, which TableAliases reads) are passed
    // over: aggregates of their own leave the view merged.
    std::vector<std::vector<TSqlToken>> items(1);
    const std::size_t count = tokens->size();
    std::size_t from = count;
    std::size_t tableListEnd = count;
    int depth = 0;
    for (std::size_t i = 1; i < count; ++i) {
        const TSqlToken& token = (*tokens)[i];
        const bool inSelectList = from == count;
        if (inSelectList && depth == 0 && IsWord(token, "from")) {
            from = i;
            continue;
        }
        if (StartsSubquery(*tokens, i)) {
            if (inSelectList) {
                return std::nullopt; // a subquery among the columns
            }
            const auto past = PastGroup(*tokens, i);
            if (!past) {
                return std::nullopt;
            }
            i = *past - 1;
            continue;
        }
        if (IsAggregateOrWindow(*tokens, i) || (depth == 0 && IsUnmergedClause(token))) {
            return none;
        }
        if (!inSelectList && depth == 0 && tableListEnd == count && EndsTableList(token)) {
            tableListEnd = i;
        }
        if (IsSymbol(token, '(')) {
            ++depth;
        } else if (IsSymbol(token, ')') && --depth < 0) {
            return std::nullopt;
        }
        if (inSelectList) {
            if (depth == 0 && IsSymbol(token, ',')) {
                items.emplace_back();
            } else {
                items.back().push_back(token);
            }
        }
    }
    if (items.size() != columnCount || depth != 0) {
        return std::nullopt;
    }
    std::map<std::string, TTableAlias> aliases;
    if (from != tokens->size()) {
        auto found = TableAliases(*tokens, from + 1, tableListEnd, database);
        if (!found) {
            return std::nullopt;
        }
        aliases = std::move(*found);
    }

    std::vector<bool> flags;
    for (const std::vector<TSqlToken>& item : items) {
        const auto parts = ColumnReference(item);
        if (!parts) {
            flags.push_back(false); // an expression: the server sets no flag of a column on it
            continue;
        }
        TMariaDbColumnReference reference;
        if (parts->size() == 3) {
            reference = {(*parts)[0], (*parts)[1], (*parts)[2]};
        } else if (parts->size() == 2) {
            const auto alias = aliases.find((*parts)[0]);
            if (alias == aliases.end() || alias->second.Derived) {
                return std::nullopt;
            }
            reference = {alias->second.Database, alias->second.Table, (*parts)[1]};
        } else {
            return std::nullopt;
        }
        const auto flag = lookup(reference);
        if (!flag) {
            return std::nullopt;
        }
        flags.push_back(*flag);
    }
    return flags;
}

const char* const MariaDbColumnsQuery =
    "SELECT c.TABLE_SCHEMA, c.TABLE_NAME, c.COLUMN_NAME, c.ORDINAL_POSITION, c.DATA_TYPE, "
    "c.COLUMN_TYPE, c.CHARACTER_MAXIMUM_LENGTH, c.NUMERIC_PRECISION, c.NUMERIC_SCALE, "
    "c.DATETIME_PRECISION, cs.MAXLEN, c.EXTRA, rs.MAXLEN, c.IS_NULLABLE, c.COLUMN_DEFAULT, "
    "c.COLUMN_COMMENT, VERSION() "
    "FROM information_schema.COLUMNS c "
    "LEFT JOIN information_schema.CHARACTER_SETS cs ON cs.CHARACTER_SET_NAME = "
    "c.CHARACTER_SET_NAME "
    "LEFT JOIN information_schema.CHARACTER_SETS rs ON rs.CHARACTER_SET_NAME = "
    "@@character_set_results "
    "WHERE c.TABLE_SCHEMA NOT IN ('information_schema', 'performance_schema', 'mysql', 'sys')";

const char* const MariaDbViewsQuery =
    "SELECT TABLE_SCHEMA, TABLE_NAME, VIEW_DEFINITION, ALGORITHM FROM information_schema.VIEWS "
    "WHERE TABLE_SCHEMA NOT IN ('information_schema', 'performance_schema', 'mysql', 'sys')";

// The primary key is always named PRIMARY; a row with a referenced table is a foreign key's.
// A unique key's rows have neither.
const char* const MariaDbKeysQuery =
    "SELECT TABLE_SCHEMA, TABLE_NAME, CONSTRAINT_NAME, COLUMN_NAME, ORDINAL_POSITION, "
    "REFERENCED_TABLE_SCHEMA, REFERENCED_TABLE_NAME, REFERENCED_COLUMN_NAME "
    "FROM information_schema.KEY_COLUMN_USAGE "
    "WHERE (CONSTRAINT_NAME = 'PRIMARY' OR REFERENCED_TABLE_NAME IS NOT NULL) AND TABLE_SCHEMA "
    "NOT IN ('information_schema', 'performance_schema', 'mysql', 'sys')";

const char* const MariaDbCurrentDatabaseColumns = " AND c.TABLE_SCHEMA = DATABASE()";
const char* const MariaDbCurrentDatabaseViews = " AND TABLE_SCHEMA = DATABASE()";
const char* const MariaDbCurrentDatabaseKeys = " AND TABLE_SCHEMA = DATABASE()";

std::string MariaDbLiteral(std::string_view text) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string literal = "X'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        literal += Digits[byte >> 4];
        literal += Digits[byte & 0x0F];
    }
    literal += '\'';
    return literal;
}

namespace {

// (schema, name) IN (...) over the chosen tables, with the query's own column names.
std::string MariaDbTablesIn(const std::string& schemaColumn, const std::string& tableColumn,
                            const TChosenTables& chosen) {
    std::string condition = "(" + schemaColumn + ", " + tableColumn + ") IN (";
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        condition += i == 0 ? "(" : ", (";
        condition += MariaDbLiteral(chosen[i].first);
        condition += ", ";
        condition += MariaDbLiteral(chosen[i].second);
        condition += ')';
    }
    // An empty list is no SQL: no table is then one no row names.
    return condition + (chosen.empty() ? "(NULL, NULL))" : ")");
}

} // namespace

std::string MariaDbChosenColumns(const TChosenTables& chosen, bool viewsChosen) {
    std::string condition =
        Concat({" AND (", MariaDbTablesIn("c.TABLE_SCHEMA", "c.TABLE_NAME", chosen)});
    if (viewsChosen) {
        condition += " OR c.EXTRA LIKE '%auto_increment%' OR (c.TABLE_SCHEMA, c.TABLE_NAME) IN "
                     "(SELECT TABLE_SCHEMA, TABLE_NAME FROM information_schema.VIEWS)";
    }
    return condition + ")";
}

std::string MariaDbChosenTables(const TChosenTables& chosen) {
    return Concat({" AND ", MariaDbTablesIn("TABLE_SCHEMA", "TABLE_NAME", chosen)});
}

// --- SQL Server ---------------------------------------------------------------------------------

std::optional<TColumnInfo> SqlServerColumnFromCatalogue(const TSqlServerCatalogueColumn& row) {
    const std::string type = LowerCaseAscii(row.TypeName);
    // The (max) types and the old long ones have no length of their own; FreeTDS reports the
    // former with none, the latter with the protocol's largest.
    const bool isMax = row.MaxLength < 0;
    constexpr std::int64_t LargestLength = 2147483647;
    int sqlType = SQL_UNKNOWN_TYPE;
    std::int64_t size = 0;
    int digits = 0;
    if (type == "bit") {
        sqlType = SQL_BIT;
        size = 1;
    } else if (type == "tinyint") {
        sqlType = SQL_TINYINT;
        size = 3;
    } else if (type == "smallint") {
        sqlType = SQL_SMALLINT;
        size = 5;
    } else if (type == "int") {
        sqlType = SQL_INTEGER;
        size = 10;
    } else if (type == "bigint") {
        sqlType = SQL_BIGINT;
        size = 19;
    } else if (type == "real") {
        sqlType = SQL_REAL;
        size = 24; // bits of the mantissa, as ODBC 3 counts them
    } else if (type == "float") {
        sqlType = SQL_DOUBLE;
        size = 53;
    } else if (type == "money" || type == "smallmoney") {
        sqlType = SQL_DECIMAL;
        size = type == "money" ? 19 : 10;
        digits = 4;
    } else if (type == "decimal" || type == "numeric") {
        sqlType = SQL_NUMERIC;
        size = row.Precision;
        digits = row.Scale;
    } else if (type == "datetime") {
        sqlType = SQL_TYPE_TIMESTAMP;
        size = 23;
        digits = 3;
    } else if (type == "smalldatetime") {
        sqlType = SQL_TYPE_TIMESTAMP;
        size = 16;
    } else if (type == "datetime2") {
        sqlType = SQL_TYPE_TIMESTAMP;
        size = 20 + row.Scale;
        digits = row.Scale;
    } else if (type == "date") {
        sqlType = SQL_TYPE_DATE;
        size = 10;
    } else if (type == "time") {
        sqlType = SqlSsTime2;
    } else if (type == "datetimeoffset") {
        sqlType = SqlSsTimestampOffset;
    } else if (type == "char" || type == "varchar") {
        sqlType = type == "char" ? SQL_CHAR : SQL_VARCHAR;
        size = isMax ? 0 : row.MaxLength;
    } else if (type == "nchar" || type == "nvarchar") {
        // sys.columns counts bytes; a national character takes two.
        sqlType = type == "nchar" ? SQL_WCHAR : SQL_WVARCHAR;
        size = isMax ? 0 : row.MaxLength / 2;
    } else if (type == "text") {
        sqlType = SQL_LONGVARCHAR;
        size = LargestLength;
    } else if (type == "ntext") {
        sqlType = SQL_WLONGVARCHAR;
        size = LargestLength / 2;
    } else if (type == "binary" || type == "timestamp" || type == "rowversion") {
        sqlType = SQL_BINARY;
        size = row.MaxLength;
    } else if (type == "varbinary") {
        sqlType = SQL_VARBINARY;
        size = isMax ? 0 : row.MaxLength;
    } else if (type == "image") {
        sqlType = SQL_LONGVARBINARY;
        size = LargestLength;
    } else if (type == "uniqueidentifier") {
        sqlType = SQL_GUID;
        size = 36;
    } else if (type == "sql_variant") {
        sqlType = SqlSsVariant;
    } else if (type == "xml") {
        sqlType = SqlSsXml;
    } else if (type == "hierarchyid" || type == "geometry" || type == "geography") {
        // The CLR types travel as bytes.
        sqlType = SQL_LONGVARBINARY;
        size = isMax ? LargestLength : row.MaxLength;
    } else {
        return std::nullopt;
    }
    // SQL Server's tinyint is unsigned: 0 to 255.
    TColumnInfo column = MapOdbcColumnType(sqlType, size, digits, type == "tinyint");
    if (IsSqlServerMoneyType(type)) {
        column.Type = ado::adCurrency;
    }
    column.Name = row.Name;
    column.IsAutoIncrement = row.IsIdentity;
    return column;
}

TColumnFacts SqlServerColumnFacts(const TSqlServerCatalogueColumn& row) {
    TColumnFacts facts;
    facts.NotNull = !row.IsNullable;
    facts.HasDefault = row.DefaultObjectId != 0;
    facts.Comment = row.Description.value_or("");
    return facts;
}

bool IsSqlServerMoneyType(std::string_view typeName) {
    return SameTextAscii(typeName, "money") || SameTextAscii(typeName, "smallmoney");
}

namespace {

// object_id IN (...) over the chosen tables: OBJECT_ID finds each by its bracketed name, with
// the database's own rules for letter case, so that no collation of a literal comes into it.
std::string SqlServerObjectsIn(const std::string& objectColumn, const TChosenTables& chosen) {
    const auto bracketed = [](const std::string& name) {
        return Concat({"[", ReplaceAll(ReplaceAll(name, "]", "]]"), "'", "''"), "]"});
    };
    std::string condition = objectColumn + " IN (";
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        condition += i == 0 ? "OBJECT_ID(N'" : ", OBJECT_ID(N'";
        condition += bracketed(chosen[i].first);
        condition += '.';
        condition += bracketed(chosen[i].second);
        condition += "')";
    }
    return condition + (chosen.empty() ? "NULL)" : ")");
}

} // namespace

std::string SqlServerColumnsQuery(const TChosenTables* chosen) {
    std::string sql =
        "SELECT s.name, o.name, c.name, c.column_id, TYPE_NAME(c.system_type_id), c.max_length, "
        "c.precision, c.scale, c.is_identity, c.is_nullable, c.default_object_id, "
        "CAST(ep.value AS nvarchar(4000)), o.type "
        "FROM sys.columns c JOIN sys.objects o ON o.object_id = c.object_id "
        "JOIN sys.schemas s ON s.schema_id = o.schema_id "
        "LEFT JOIN sys.extended_properties ep ON ep.class = 1 AND ep.major_id = c.object_id AND "
        "ep.minor_id = c.column_id AND ep.name = 'MS_Description' WHERE o.type IN ('U', 'V')";
    if (chosen != nullptr) {
        sql += " AND ";
        sql += SqlServerObjectsIn("o.object_id", *chosen);
    }
    return sql;
}

std::string SqlServerKeysQuery(const TChosenTables* chosen) {
    std::string sql =
        "SELECT s.name, t.name, k.name, 'P', c.name, ic.key_ordinal, NULL, NULL, NULL "
        "FROM sys.key_constraints k JOIN sys.tables t ON t.object_id = k.parent_object_id "
        "JOIN sys.schemas s ON s.schema_id = t.schema_id "
        "JOIN sys.index_columns ic ON ic.object_id = k.parent_object_id AND ic.index_id = "
        "k.unique_index_id AND ic.key_ordinal > 0 "
        "JOIN sys.columns c ON c.object_id = ic.object_id AND c.column_id = ic.column_id "
        "WHERE k.type = 'PK'";
    if (chosen != nullptr) {
        sql += " AND ";
        sql += SqlServerObjectsIn("t.object_id", *chosen);
    }
    sql += " UNION ALL "
           "SELECT s.name, t.name, f.name, 'F', c.name, fc.constraint_column_id, rs.name, rt.name, "
           "rc.name FROM sys.foreign_key_columns fc "
           "JOIN sys.foreign_keys f ON f.object_id = fc.constraint_object_id "
           "JOIN sys.tables t ON t.object_id = fc.parent_object_id "
           "JOIN sys.schemas s ON s.schema_id = t.schema_id "
           "JOIN sys.columns c ON c.object_id = fc.parent_object_id AND c.column_id = "
           "fc.parent_column_id "
           "JOIN sys.tables rt ON rt.object_id = fc.referenced_object_id "
           "JOIN sys.schemas rs ON rs.schema_id = rt.schema_id "
           "JOIN sys.columns rc ON rc.object_id = fc.referenced_object_id AND rc.column_id = "
           "fc.referenced_column_id";
    if (chosen != nullptr) {
        sql += " WHERE ";
        sql += SqlServerObjectsIn("t.object_id", *chosen);
    }
    return sql;
}

// --- PostgreSQL ---------------------------------------------------------------------------------

namespace {

// The types psqlODBC describes each in a way of its own (PostgreSQL's fixed type OIDs); any
// other type it describes as text of unknown length.
constexpr std::int64_t PgBool = 16;
constexpr std::int64_t PgBytea = 17;
constexpr std::int64_t PgChar = 18;
constexpr std::int64_t PgName = 19;
constexpr std::int64_t PgInt8 = 20;
constexpr std::int64_t PgInt2 = 21;
constexpr std::int64_t PgInt4 = 23;
constexpr std::int64_t PgText = 25;
constexpr std::int64_t PgOid = 26;
constexpr std::int64_t PgXid = 28;
constexpr std::int64_t PgXml = 142;
constexpr std::int64_t PgXmlArray = 143;
constexpr std::int64_t PgCidr = 650;
constexpr std::int64_t PgFloat4 = 700;
constexpr std::int64_t PgFloat8 = 701;
constexpr std::int64_t PgAbsTime = 702;
constexpr std::int64_t PgRelTime = 703;
constexpr std::int64_t PgTInterval = 704;
constexpr std::int64_t PgMoney = 790;
constexpr std::int64_t PgMacAddr = 829;
constexpr std::int64_t PgInet = 869;
constexpr std::int64_t PgBpChar = 1042;
constexpr std::int64_t PgVarChar = 1043;
constexpr std::int64_t PgDate = 1082;
constexpr std::int64_t PgTime = 1083;
constexpr std::int64_t PgTimestamp = 1114;
constexpr std::int64_t PgTimestampTz = 1184;
constexpr std::int64_t PgInterval = 1186;
constexpr std::int64_t PgTimeTz = 1266;
constexpr std::int64_t PgBit = 1560;
constexpr std::int64_t PgNumeric = 1700;
constexpr std::int64_t PgRefCursor = 1790;
constexpr std::int64_t PgUuid = 2950;

// The driver's defaults for text of no declared length (MaxVarcharSize, MaxLongVarcharSize);
// text is a long one (TextAsLongVarchar).
constexpr std::int64_t MaxVarcharSize = 255;
constexpr std::int64_t MaxLongVarcharSize = 8190;

// The modifier as the driver keeps it from a result's description: less the four bytes of the
// length header PostgreSQL counts in, except for the time types, whose modifier is their
// precision; -1 for none.
std::int64_t DriverModifier(std::int64_t typeOid, std::int64_t typeModifier) {
    if (typeOid != PgTime && typeOid != PgTimeTz && typeOid != PgTimestamp &&
        typeOid != PgTimestampTz) {
        typeModifier -= 4;
    }
    return typeModifier < 0 ? -1 : typeModifier;
}

// The length of a character type or of a type the driver does not know: the declared one,
// else the driver's longest. The built-in array types keep their element's modifier, which the
// driver does not take for theirs.
std::int64_t CharacterSize(std::int64_t typeOid, std::int64_t modifier) {
    const bool mayBeArray = typeOid == PgXmlArray || (typeOid >= 1000 && typeOid <= 1041);
    if (modifier <= 0 || mayBeArray) {
        return typeOid == PgText ? MaxLongVarcharSize : MaxVarcharSize;
    }
    return modifier;
}

// An interval travels as text whose length the driver derives from the fields the modifier
// names, and their fraction of a second (read, as the driver reads it, as a 16-bit number).
std::int64_t IntervalSize(std::int64_t modifier) {
    constexpr std::int64_t Month = 1 << 17;
    constexpr std::int64_t Year = 1 << 18;
    constexpr std::int64_t Day = 1 << 19;
    constexpr std::int64_t Hour = 1 << 26;
    constexpr std::int64_t Minute = 1 << 27;
    constexpr std::int64_t Second = 1 << 28;
    std::int64_t length = 25; // all fields
    if (modifier != -1) {
        if ((modifier & Year) != 0) {
            length = (modifier & Month) != 0 ? 24 : 16;
        } else if ((modifier & Month) != 0) {
            length = 16;
        } else if ((modifier & Day) != 0) {
            length = (modifier & (Hour | Minute | Second)) != 0 ? 25 : 16;
        } else if ((modifier & Hour) != 0) {
            length = 17;
        } else if ((modifier & Minute) != 0) {
            length = 15;
        } else if ((modifier & Second) != 0) {
            length = 9;
        }
    }
    int fraction = 0;
    if ((modifier & Second) != 0) {
        const auto digits = static_cast<std::uint16_t>(modifier & 0xFFFF);
        fraction = digits == 0xFFFF ? 6 : static_cast<std::int16_t>(digits);
    }
    return fraction > 0 ? length + 1 + fraction : length;
}

// The flags of a packed column, as the columns query adds them up.
constexpr std::int64_t IdentityFlag = 1;
constexpr std::int64_t NotNullFlag = 2;
constexpr std::int64_t DefaultFlag = 4;
constexpr std::int64_t CommentFlag = 8; ///< the comment follows the name

// A text expression of the columns query with its backslashes and slashes escaped with a
// backslash, and a slash after it: the parser finds its end whatever it holds.
std::string PackedText(const std::string& expression) {
    return "pg_catalog.replace(pg_catalog.replace(" + expression +
           ", pg_catalog.chr(92), pg_catalog.chr(92) || pg_catalog.chr(92)), '/', "
           "pg_catalog.chr(92) || '/') || '/'";
}

// A fraction of a second: the declared digits, else microseconds.
int SecondDigits(std::int64_t modifier) {
    return modifier > -1 ? static_cast<int>(modifier) : 6;
}

} // namespace

std::optional<TColumnInfo> PsqlOdbcColumnFromCatalogue(const TPostgreSqlCatalogueColumn& row,
                                                       int maxIdentifierLength) {
    const std::int64_t type = row.TypeOid;
    const std::int64_t modifier = DriverModifier(type, row.TypeModifier);
    int sqlType = SQL_WVARCHAR;
    std::int64_t size = 0;
    int digits = 0;
    bool isUnsigned = false;
    switch (type) {
    case 0:
    case PgAbsTime:
    case PgRelTime:
    case PgTInterval:
        return std::nullopt;
    case PgBool:
        sqlType = SQL_BIT;
        size = 1;
        break;
    case PgBytea:
        sqlType = SQL_LONGVARBINARY; // of no known length
        break;
    case PgChar:
        sqlType = SQL_WCHAR;
        size = 1;
        break;
    case PgName:
    case PgRefCursor:
        size = maxIdentifierLength;
        break;
    case PgInt2:
        sqlType = SQL_SMALLINT;
        size = 5;
        break;
    case PgInt4:
    case PgOid:
    case PgXid:
        sqlType = SQL_INTEGER;
        size = 10;
        isUnsigned = PsqlOdbcTypeIsUnsigned(type);
        break;
    case PgInt8:
        sqlType = SQL_BIGINT;
        size = 19;
        break;
    case PgNumeric:
        sqlType = SQL_NUMERIC;
        size = modifier > -1 ? (modifier >> 16) & 0xFFFF : 28;
        digits = modifier > -1 ? static_cast<int>(modifier & 0xFFFF) : 6;
        break;
    case PgFloat4:
        sqlType = SQL_REAL;
        size = 9;
        break;
    case PgFloat8:
        sqlType = SQL_FLOAT;
        size = 17;
        break;
    case PgMoney:
        sqlType = SQL_FLOAT;
        size = 10;
        break;
    case PgDate:
        sqlType = SQL_TYPE_DATE;
        size = 10;
        break;
    case PgTime:
        sqlType = SQL_TYPE_TIME;
        size = 8;
        digits = SecondDigits(modifier);
        break;
    case PgTimestamp:
    case PgTimestampTz:
        sqlType = SQL_TYPE_TIMESTAMP;
        digits = SecondDigits(modifier);
        size = digits > 0 ? 20 + digits : 19;
        break;
    case PgBpChar:
    case PgVarChar:
        size = CharacterSize(type, modifier);
        if (size > MaxVarcharSize) {
            sqlType = SQL_WLONGVARCHAR;
        } else {
            sqlType = type == PgBpChar ? SQL_WCHAR : SQL_WVARCHAR;
        }
        break;
    case PgText:
        sqlType = SQL_WLONGVARCHAR;
        size = MaxLongVarcharSize;
        break;
    case PgXml:
        sqlType = SQL_WLONGVARCHAR;
        size = CharacterSize(type, modifier);
        break;
    case PgInet:
    case PgCidr:
        size = 50; // "xxxx:xxxx:xxxx:xxxx:xxxx:xxxx:255.255.255.255/128" and its terminator
        break;
    case PgMacAddr:
        size = 17;
        break;
    case PgUuid:
        sqlType = SQL_GUID;
        size = 37;
        break;
    case PgInterval:
        size = IntervalSize(modifier);
        break;
    case PgBit:
        // The driver takes a modifier of 1 (after its header is taken off) for a single bit.
        sqlType = modifier == 1 ? SQL_BIT : SQL_VARCHAR;
        size = CharacterSize(type, modifier);
        break;
    default:
        size = CharacterSize(type, modifier);
        break;
    }
    TColumnInfo column = MapOdbcColumnType(sqlType, size, digits, isUnsigned);
    column.Name = row.Name;
    column.IsAutoIncrement = row.IdentityOrSerial && (type == PgInt4 || type == PgInt8);
    return column;
}

std::optional<std::vector<std::pair<std::int64_t, TPostgreSqlCatalogueColumn>>>
ParsePostgreSqlColumnList(const std::string& text) {
    std::vector<std::pair<std::int64_t, TPostgreSqlCatalogueColumn>> columns;
    std::size_t at = 0;
    // A whole number and the blank after it.
    const auto number = [&text, &at]() -> std::optional<std::int64_t> {
        const std::size_t start = at;
        if (at < text.size() && text[at] == '-') {
            ++at;
        }
        const std::size_t digitsStart = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - digitsStart < 18) {
            ++at;
        }
        if (at == digitsStart || at >= text.size() || text[at] != ' ') {
            return std::nullopt;
        }
        const std::int64_t value = std::stoll(text.substr(start, at - start));
        ++at;
        return value;
    };
    // A text that ends at a slash; a backslash takes the character after it as it stands.
    const auto escaped = [&text, &at]() -> std::optional<std::string> {
        std::string value;
        while (at < text.size()) {
            const char c = text[at++];
            if (c == '\\' && at < text.size()) {
                value += text[at++];
            } else if (c == '/') {
                return value;
            } else if (c == '\\') {
                return std::nullopt;
            } else {
                value += c;
            }
        }
        return std::nullopt;
    };
    while (at < text.size()) {
        const auto ordinal = number();
        const auto typeOid = ordinal ? number() : std::nullopt;
        const auto modifier = typeOid ? number() : std::nullopt;
        const auto flags = modifier ? number() : std::nullopt;
        if (!flags || *flags < 0 ||
            *flags > (IdentityFlag | NotNullFlag | DefaultFlag | CommentFlag)) {
            return std::nullopt;
        }
        TPostgreSqlCatalogueColumn column;
        column.TypeOid = *typeOid;
        column.TypeModifier = *modifier;
        column.IdentityOrSerial = (*flags & IdentityFlag) != 0;
        column.Facts.NotNull = (*flags & NotNullFlag) != 0;
        column.Facts.HasDefault = (*flags & DefaultFlag) != 0;
        std::optional<std::string> name = escaped();
        if (!name) {
            return std::nullopt;
        }
        column.Name = std::move(*name);
        // PostgreSQL keeps no empty comment: setting one removes it.
        column.Facts.Comment = std::string();
        if ((*flags & CommentFlag) != 0) {
            column.Facts.Comment = escaped();
            if (!column.Facts.Comment) {
                return std::nullopt;
            }
        }
        columns.emplace_back(*ordinal, std::move(column));
    }
    return columns;
}

std::optional<std::vector<TPostgreSqlConstraint>> ParsePostgreSqlKeyList(const std::string& text) {
    std::vector<TPostgreSqlConstraint> constraints;
    // Each constraint ends at a slash: its kind, the referenced table's oid, the columns'
    // ordinals and, for a foreign key, "> " and the referenced columns' ordinals.
    for (const std::string& entry : Split(text, '/')) {
        if (entry.empty()) {
            continue;
        }
        const std::vector<std::string> words = Split(entry, ' ');
        if (words.size() < 3 || (words[0] != "p" && words[0] != "f")) {
            return std::nullopt;
        }
        const auto number = [](const std::string& word) -> std::optional<std::int64_t> {
            if (word.empty() || word.size() > 18 ||
                !std::all_of(word.begin(), word.end(),
                             [](char c) { return c >= '0' && c <= '9'; })) {
                return std::nullopt;
            }
            return std::stoll(word);
        };
        TPostgreSqlConstraint constraint;
        constraint.Primary = words[0] == "p";
        const auto referenced = number(words[1]);
        if (!referenced) {
            return std::nullopt;
        }
        constraint.ReferencedTable = *referenced;
        bool toReferenced = false;
        for (std::size_t i = 2; i < words.size(); ++i) {
            if (words[i] == ">" && !toReferenced) {
                toReferenced = true;
                continue;
            }
            const auto ordinal = number(words[i]);
            if (!ordinal) {
                return std::nullopt;
            }
            (toReferenced ? constraint.ReferencedColumns : constraint.Columns).push_back(*ordinal);
        }
        const bool shaped = constraint.Primary ? !toReferenced && constraint.ReferencedTable == 0
                                               : toReferenced && constraint.ReferencedTable != 0 &&
                                                     constraint.ReferencedColumns.size() ==
                                                         constraint.Columns.size();
        if (!shaped || constraint.Columns.empty()) {
            return std::nullopt;
        }
        constraints.push_back(std::move(constraint));
    }
    return constraints;
}

std::optional<TTableKeys>
PostgreSqlTableKeys(const std::vector<TPostgreSqlConstraint>& constraints, std::int64_t owner,
                    const std::map<std::int64_t, TPostgreSqlRelation>& relations) {
    const auto names =
        [&relations](
            std::int64_t relation,
            const std::vector<std::int64_t>& ordinals) -> std::optional<std::vector<std::string>> {
        const auto found = relations.find(relation);
        if (found == relations.end()) {
            return std::nullopt;
        }
        std::vector<std::string> columns;
        for (const std::int64_t ordinal : ordinals) {
            const auto column = found->second.Columns.find(ordinal);
            if (column == found->second.Columns.end()) {
                return std::nullopt;
            }
            columns.push_back(column->second);
        }
        return columns;
    };
    TTableKeys keys;
    keys.PrimaryKey.emplace();
    keys.ForeignKeys.emplace();
    for (const TPostgreSqlConstraint& constraint : constraints) {
        auto columns = names(owner, constraint.Columns);
        if (!columns) {
            return std::nullopt;
        }
        if (constraint.Primary) {
            keys.PrimaryKey = std::move(*columns);
            continue;
        }
        auto referencedColumns = names(constraint.ReferencedTable, constraint.ReferencedColumns);
        if (!referencedColumns) {
            return std::nullopt;
        }
        const TPostgreSqlRelation& referenced = relations.at(constraint.ReferencedTable);
        keys.ForeignKeys->push_back({std::move(*columns), referenced.Schema, referenced.Table,
                                     std::move(*referencedColumns)});
    }
    return keys;
}

const std::vector<TPsqlOdbcProbe>& PsqlOdbcProbes() {
    // The modifiers as pg_attribute would keep them for a column of the type: lengths and
    // numeric precisions with PostgreSQL's four-byte header counted in.
    static const std::vector<TPsqlOdbcProbe> Probes = {
        {"NULL::pg_catalog.text", PgText, -1},
        {"NULL::pg_catalog.varchar", PgVarChar, -1},
        {"NULL::pg_catalog.varchar(300)", PgVarChar, 304},
        {"NULL::pg_catalog.bpchar", PgBpChar, -1},
        {"NULL::pg_catalog.bpchar(3)", PgBpChar, 7},
        {"NULL::pg_catalog.bool", PgBool, -1},
        {"NULL::pg_catalog.bytea", PgBytea, -1},
        {"NULL::pg_catalog.int2", PgInt2, -1},
        {"NULL::pg_catalog.int4", PgInt4, -1},
        {"NULL::pg_catalog.int8", PgInt8, -1},
        {"NULL::pg_catalog.oid", PgOid, -1},
        {"NULL::pg_catalog.numeric", PgNumeric, -1},
        {"NULL::pg_catalog.numeric(12,3)", PgNumeric, ((12 << 16) | 3) + 4},
        {"NULL::pg_catalog.float4", PgFloat4, -1},
        {"NULL::pg_catalog.float8", PgFloat8, -1},
        {"NULL::pg_catalog.money", PgMoney, -1},
        {"NULL::pg_catalog.date", PgDate, -1},
        {"NULL::pg_catalog.time", PgTime, -1},
        {"NULL::pg_catalog.timestamp", PgTimestamp, -1},
        {"NULL::pg_catalog.timestamptz(3)", PgTimestampTz, 3},
        {"NULL::pg_catalog.interval", PgInterval, -1},
        {"NULL::pg_catalog.uuid", PgUuid, -1},
        {"NULL::pg_catalog.json", 114, -1},
        {"NULL::pg_catalog.int4[]", 1007, -1},
        {"NULL::pg_catalog.xml", PgXml, -1},
        {"NULL::pg_catalog.name", PgName, -1},
        {"NULL::pg_catalog.inet", PgInet, -1},
        {"NULL::pg_catalog.bit(5)", PgBit, 5},
        {"NULL::pg_catalog.bit(8)", PgBit, 8},
    };
    return Probes;
}

std::string PostgreSqlLiteral(std::string_view text) {
    // An escape string reads backslashes as escapes whatever the server's settings; a quote is
    // doubled in every kind of string.
    std::string literal = "E'";
    for (const char c : text) {
        if (c == '\\' || c == '\'') {
            literal += c;
        }
        literal += c;
    }
    literal += '\'';
    return literal;
}

namespace {

// (namespace, relation) IN (VALUES ...) over the chosen tables, with the query's own aliases.
std::string PostgreSqlTablesIn(const std::string& schemaColumn, const std::string& tableColumn,
                               const TChosenTables& chosen) {
    if (chosen.empty()) {
        return "false";
    }
    std::string condition = "(" + schemaColumn + ", " + tableColumn + ") IN (VALUES ";
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        condition += i == 0 ? "(" : ", (";
        condition += PostgreSqlLiteral(chosen[i].first);
        condition += ", ";
        condition += PostgreSqlLiteral(chosen[i].second);
        condition += ')';
    }
    return condition + ")";
}

} // namespace

std::string PostgreSqlColumnsQuery(const TChosenTables* chosen) {
    // Per column: ordinal, type, modifier, flags (IdentityFlag and the others added up), the
    // name and, with CommentFlag, the comment, each escaped by PackedText. A domain reports its
    // base type and its own modifier, as PostgreSQL describes a result's column of it. Per
    // table: its primary and foreign keys, by the ordinals of their columns and the oid of the
    // referenced table, primary key first and foreign keys by name. A partition of a
    // referenced partitioned table has a copy of each foreign key for it, whose parent is a
    // constraint of the same table: only the parent is kept.
    std::string sql =
        "SELECT n.nspname, c.relname, pg_catalog.string_agg(a.attnum::text || ' ' || "
        "CASE WHEN t.typname = 'lo' THEN '0' WHEN t.typtype <> 'd' THEN t.oid::text "
        "WHEN b.typtype = 'd' OR b.typname = 'lo' THEN '0' ELSE t.typbasetype::text END || ' ' || "
        "CASE WHEN t.typtype = 'd' THEN t.typtypmod ELSE a.atttypmod END::text || ' ' || "
        "(CASE WHEN a.attidentity <> '' OR (a.attnotnull AND "
        "pg_catalog.pg_get_expr(d.adbin, d.adrelid) ILIKE 'nextval(%') THEN 1 ELSE 0 END + "
        "CASE WHEN a.attnotnull THEN 2 ELSE 0 END + CASE WHEN a.atthasdef THEN 4 ELSE 0 END + "
        "CASE WHEN ds.description IS NULL THEN 0 ELSE 8 END)::text || ' ' || " +
        PackedText("a.attname::text") + " || CASE WHEN ds.description IS NULL THEN '' ELSE " +
        PackedText("ds.description") +
        " END, '' ORDER BY a.attnum), pg_catalog.current_setting('max_identifier_length'), "
        "c.oid::text, c.relkind::text, (SELECT pg_catalog.string_agg(k.contype::text || ' ' || "
        "k.confrelid::text || ' ' || pg_catalog.array_to_string(k.conkey, ' ') || CASE WHEN "
        "k.contype = 'f' THEN ' > ' || pg_catalog.array_to_string(k.confkey, ' ') ELSE '' END "
        "|| '/', '' ORDER BY k.contype DESC, k.conname) FROM pg_catalog.pg_constraint k "
        "WHERE k.conrelid = c.oid AND k.contype IN ('p', 'f') AND NOT EXISTS (SELECT 1 FROM "
        "pg_catalog.pg_constraint pk WHERE pk.oid = k.conparentid AND pk.conrelid = "
        "k.conrelid))";
    for (const TPsqlOdbcProbe& probe : PsqlOdbcProbes()) {
        sql += ", ";
        sql += probe.Expression;
    }
    sql += " FROM pg_catalog.pg_class c "
           "JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
           "JOIN pg_catalog.pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT "
           "a.attisdropped "
           "JOIN pg_catalog.pg_type t ON t.oid = a.atttypid "
           "LEFT JOIN pg_catalog.pg_type b ON b.oid = t.typbasetype "
           "LEFT JOIN pg_catalog.pg_attrdef d ON d.adrelid = a.attrelid AND d.adnum = a.attnum "
           "LEFT JOIN pg_catalog.pg_description ds ON ds.objoid = c.oid AND ds.classoid = "
           "'pg_catalog.pg_class'::pg_catalog.regclass AND ds.objsubid = a.attnum "
           "WHERE c.relkind IN ('r', 'v', 'm', 'f', 'p') AND n.nspname NOT IN ('pg_catalog', "
           "'information_schema')";
    if (chosen != nullptr) {
        // The chosen tables, and the tables their foreign keys refer to: the list is given once,
        // each chosen table bringing its referenced ones along.
        sql += " AND c.oid IN (SELECT x.oid FROM pg_catalog.pg_class wc "
               "JOIN pg_catalog.pg_namespace wn ON wn.oid = wc.relnamespace "
               "CROSS JOIN LATERAL (SELECT wc.oid UNION SELECT k.confrelid FROM "
               "pg_catalog.pg_constraint k WHERE k.conrelid = wc.oid AND k.contype = 'f') x (oid) "
               "WHERE ";
        sql += PostgreSqlTablesIn("wn.nspname", "wc.relname", *chosen);
        sql += ")";
    }
    sql += " GROUP BY c.oid, n.nspname, c.relname";
    return sql;
}

bool PsqlOdbcTypeIsUnsigned(std::int64_t typeOid) {
    return typeOid == PgOid || typeOid == PgXid;
}

bool PsqlOdbcCatalogueDiffers(std::int64_t typeOid) {
    // bit(n): its catalogue gives n, a result set what PsqlOdbcColumnFromCatalogue gives.
    return typeOid == PgBit;
}

std::string PostgreSqlUnreadableTablesQuery(const TChosenTables* chosen) {
    std::string sql =
        "SELECT n.nspname, c.relname FROM pg_catalog.pg_class c "
        "JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
        "WHERE c.relkind IN ('r', 'v', 'm', 'f', 'p') AND n.nspname NOT IN ('pg_catalog', "
        "'information_schema') AND NOT (pg_catalog.has_schema_privilege(n.oid, 'USAGE') AND "
        "pg_catalog.has_table_privilege(c.oid, 'SELECT'))";
    if (chosen != nullptr) {
        sql += " AND ";
        sql += PostgreSqlTablesIn("n.nspname", "c.relname", *chosen);
    }
    return sql;
}

} // namespace quorvane
