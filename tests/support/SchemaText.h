#pragma once

// Reads a database described in text into an in-memory database, so that golden cases can hold
// schemas no real back-end here produces (every ADO type, tables without columns, row ids).
//
//   DIALECT: PostgreSql           (optional: how the database quotes names; Access by default;
//                                  also SqlServer, Sqlite, MySql, Firebird)
//   TABLE: Order Details          (also "VIEW: name" and "SYSTEM TABLE: name")
//     OrderID | adInteger | autoinc
//     Name    | adVarWChar | size=40 | fixed
//     Price   | adNumeric | precision=19 | scale=4
//     Hidden  | adInteger | rowid
//
// Lines starting with "#" are comments. Column names keep inner blanks.

#include "MemorySchemaSource.h"

#include <map>
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
        {"Access", {TSqlDialect::Access, "["}},      {"SqlServer", {TSqlDialect::SqlServer, "\""}},
        {"Sqlite", {TSqlDialect::Sqlite, "\""}},     {"PostgreSql", {TSqlDialect::PostgreSql, "\""}},
        {"MySql", {TSqlDialect::MySql, "`"}},        {"Firebird", {TSqlDialect::Firebird, "\""}}};
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
        std::vector<std::string> parts;
        std::istringstream cells(trimmed);
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
            } else {
                throw std::runtime_error("unknown column attribute " + attribute);
            }
        }
        database.Tables[tableName].Columns.push_back(column);
    }
}

} // namespace quorvane::testing
