#pragma once

// Reads a database described in text into an in-memory database, so that golden cases can hold
// schemas no real back-end here produces (every ADO type, tables without columns, row ids), and
// say what the database knows of its keys and columns.
//
//   DIALECT: PostgreSql           (optional: how the database quotes names; Access by default;
//                                  also SqlServer, Sqlite, MySql, Firebird)
//   TABLE: Order Details          (also "VIEW: name" and "SYSTEM TABLE: name")
//     OrderID | adInteger | autoinc
//     Name    | adVarWChar | size=40 | fixed
//     Price   | adNumeric | precision=19 | scale=4
//     Hidden  | adInteger | rowid
//     Code    | adVarWChar | size=5 | notnull | nodefault | comment=The client's code | or name
//     PRIMARY KEY: OrderID, Name
//     FOREIGN KEY: Code -> Clients(ClientCode)
//     FOREIGN KEY: OrderID, Name -> archive.Old Orders(ID, Name)
//
// Lines starting with "#" are comments. Column names keep inner blanks.
//
// What the database says of a column: "notnull" or "null" (known to allow NULL), "default" or
// "nodefault"; without them each stays unknown. "comment=" must come last: the comment is the
// rest of the line after it, "|" included, so any text but a line break can be written (UTF-8,
// apostrophes); an empty one is an empty comment, which the engine takes for none.
//
// What the database says of a table's keys, on lines among its columns: "PRIMARY KEY:" with the
// columns in key order, or nothing for a table known to have none; one "FOREIGN KEY:" line per
// key, columns, "->", the referenced table and its columns in parentheses; "FOREIGN KEY:" alone
// says the table has none. A referenced name with a dot is "schema.table" (the text before the
// first dot is the schema), so it never names one of the tables here, which have no schema. A
// table without these lines has its keys unknown.

#include "MemorySchemaSource.h"

#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace quorvane::testing {

inline int AdoTypeByName(const std::string& name) {
    static const std::map<std::string, int> codes = {
        {"adEmpty", ado::adEmpty},
        {"adSmallInt", ado::adSmallInt},
        {"adInteger", ado::adInteger},
        {"adSingle", ado::adSingle},
        {"adDouble", ado::adDouble},
        {"adCurrency", ado::adCurrency},
        {"adDate", ado::adDate},
        {"adBSTR", ado::adBSTR},
        {"adIDispatch", ado::adIDispatch},
        {"adError", ado::adError},
        {"adBoolean", ado::adBoolean},
        {"adVariant", ado::adVariant},
        {"adIUnknown", ado::adIUnknown},
        {"adDecimal", ado::adDecimal},
        {"adTinyInt", ado::adTinyInt},
        {"adUnsignedTinyInt", ado::adUnsignedTinyInt},
        {"adUnsignedSmallInt", ado::adUnsignedSmallInt},
        {"adUnsignedInt", ado::adUnsignedInt},
        {"adBigInt", ado::adBigInt},
        {"adUnsignedBigInt", ado::adUnsignedBigInt},
        {"adFileTime", ado::adFileTime},
        {"adGUID", ado::adGUID},
        {"adBinary", ado::adBinary},
        {"adChar", ado::adChar},
        {"adWChar", ado::adWChar},
        {"adNumeric", ado::adNumeric},
        {"adDBDate", ado::adDBDate},
        {"adDBTime", ado::adDBTime},
        {"adDBTimeStamp", ado::adDBTimeStamp},
        {"adChapter", ado::adChapter},
        {"adDBFileTime", ado::adDBFileTime},
        {"adPropVariant", ado::adPropVariant},
        {"adVarNumeric", ado::adVarNumeric},
        {"adVarChar", ado::adVarChar},
        {"adLongVarChar", ado::adLongVarChar},
        {"adVarWChar", ado::adVarWChar},
        {"adLongVarWChar", ado::adLongVarWChar},
        {"adVarBinary", ado::adVarBinary},
        {"adLongVarBinary", ado::adLongVarBinary},
        {"adUserDefined", 132}};
    const auto found = codes.find(name);
    if (found == codes.end()) {
        throw std::runtime_error("unknown ADO type " + name);
    }
    return found->second;
}

inline TIdentifierQuoting QuotingByName(const std::string& name) {
    static const std::map<std::string, TIdentifierQuoting> dialects = {
        {"Access", {TSqlDialect::Access, "["}},  {"SqlServer", {TSqlDialect::SqlServer, "\""}},
        {"Sqlite", {TSqlDialect::Sqlite, "\""}}, {"PostgreSql", {TSqlDialect::PostgreSql, "\""}},
        {"MySql", {TSqlDialect::MySql, "`"}},    {"Firebird", {TSqlDialect::Firebird, "\""}}};
    const auto found = dialects.find(name);
    if (found == dialects.end()) {
        throw std::runtime_error("unknown dialect " + name);
    }
    return found->second;
}

inline std::string TrimText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    const std::size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

inline std::vector<std::string> SplitNameList(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream cells(text);
    for (std::string cell; std::getline(cells, cell, ',');) {
        if (!TrimText(cell).empty()) {
            names.push_back(TrimText(cell));
        }
    }
    return names;
}

// "a, b -> schema.table(x, y)", the schema optional.
inline TForeignKey ReadForeignKey(const std::string& text) {
    const std::size_t arrow = text.find("->");
    const std::size_t open = text.rfind('(');
    const std::size_t close = text.rfind(')');
    if (arrow == std::string::npos || open == std::string::npos || close == std::string::npos ||
        open < arrow || close < open) {
        throw std::runtime_error("foreign key not as \"a -> table(x)\": " + text);
    }
    TForeignKey key;
    key.Columns = SplitNameList(text.substr(0, arrow));
    std::string target = TrimText(text.substr(arrow + 2, open - arrow - 2));
    if (const std::size_t dot = target.find('.'); dot != std::string::npos) {
        key.ReferencedSchema = TrimText(target.substr(0, dot));
        target = TrimText(target.substr(dot + 1));
    }
    key.ReferencedTable = target;
    key.ReferencedColumns = SplitNameList(text.substr(open + 1, close - open - 1));
    if (key.Columns.empty() || key.Columns.size() != key.ReferencedColumns.size() ||
        key.ReferencedTable.empty()) {
        throw std::runtime_error("foreign key columns do not match: " + text);
    }
    return key;
}

// The line's text after `label` ("PRIMARY KEY:"), if it starts with it.
inline std::optional<std::string> AfterLabel(const std::string& line, const std::string& label) {
    if (line.rfind(label, 0) != 0) {
        return std::nullopt;
    }
    return TrimText(line.substr(label.size()));
}

inline void ReadSchemaText(const std::string& text, TMemoryDatabase& database) {
    std::istringstream lines(text);
    std::string tableName;
    for (std::string line; std::getline(lines, line);) {
        const std::string trimmed = TrimText(line);
        if (trimmed.empty() || trimmed.front() == '#') {
            continue;
        }
        if (line.front() != ' ' && line.front() != '\t') {
            const std::size_t colon = trimmed.find(':');
            if (colon == std::string::npos) {
                throw std::runtime_error("schema line without type: " + line);
            }
            const std::string kind = trimmed.substr(0, colon);
            const std::string value = TrimText(trimmed.substr(colon + 1));
            if (kind == "DIALECT") {
                database.Quoting = QuotingByName(value);
                continue;
            }
            tableName = value;
            database.AddTable(tableName, {}, kind);
            continue;
        }
        if (!database.Tables.count(tableName)) {
            throw std::runtime_error("schema line before any table: " + line);
        }
        TTableKeys& keys = database.Tables[tableName].Keys;
        if (const auto primary = AfterLabel(trimmed, "PRIMARY KEY:")) {
            keys.PrimaryKey = SplitNameList(*primary);
            continue;
        }
        if (const auto foreign = AfterLabel(trimmed, "FOREIGN KEY:")) {
            if (!keys.ForeignKeys) {
                keys.ForeignKeys.emplace();
            }
            if (!foreign->empty()) {
                keys.ForeignKeys->push_back(ReadForeignKey(*foreign));
            }
            continue;
        }
        // The comment runs to the end of the line, so that it may hold "|".
        std::optional<std::string> comment;
        std::string cellsText = trimmed;
        for (std::size_t bar = trimmed.find('|'); bar != std::string::npos;
             bar = trimmed.find('|', bar + 1)) {
            const std::size_t start = trimmed.find_first_not_of(" \t", bar + 1);
            if (start != std::string::npos && trimmed.compare(start, 8, "comment=") == 0) {
                comment = trimmed.substr(start + 8);
                cellsText = trimmed.substr(0, bar);
                break;
            }
        }
        std::vector<std::string> parts;
        std::istringstream cells(cellsText);
        for (std::string cell; std::getline(cells, cell, '|');) {
            parts.push_back(TrimText(cell));
        }
        if (parts.size() < 2) {
            throw std::runtime_error("schema column needs a name and a type: " + line);
        }
        TColumnInfo column = Column(parts[0], AdoTypeByName(parts[1]));
        for (std::size_t i = 2; i < parts.size(); ++i) {
            const std::string& attribute = parts[i];
            const std::size_t equals = attribute.find('=');
            const std::string key = attribute.substr(0, equals);
            const long value =
                equals == std::string::npos ? 0 : std::stol(attribute.substr(equals + 1));
            if (key == "size") {
                column.DefinedSize = value;
            } else if (key == "precision") {
                column.Precision = static_cast<int>(value);
            } else if (key == "scale") {
                column.NumericScale = static_cast<int>(value);
            } else if (key == "fixed") {
                column.Attributes |= ado::adFldFixed;
            } else if (key == "rowid") {
                column.Attributes |= ado::adFldRowID;
            } else if (key == "autoinc") {
                column.IsAutoIncrement = true;
            } else if (key == "notnull" || key == "null") {
                column.Facts.NotNull = key == "notnull";
            } else if (key == "default" || key == "nodefault") {
                column.Facts.HasDefault = key == "default";
            } else {
                throw std::runtime_error("unknown column attribute " + attribute);
            }
        }
        column.Facts.Comment = comment;
        database.Tables[tableName].Columns.push_back(column);
    }
}

} // namespace quorvane::testing
