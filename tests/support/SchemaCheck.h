#pragma once

// What the back-end tests compare: the tables a run lists and the field descriptors it reads.

#include "PlanSupport.h"
#include "generate/dmCodeGenerator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorvane::testing {

inline TFieldDescriptor F(std::string name, TFieldType kind, std::int64_t size = 0,
                          bool fixedChar = false) {
    return {std::move(name), kind, size, fixedChar};
}

/// The fields one to a line, for a failure message.
inline std::string DescriptorText(const std::vector<TFieldDescriptor>& fields) {
    std::string text;
    for (const TFieldDescriptor& field : fields) {
        text += "  " + field.FieldName + " " + std::string(FieldTypeName(field.DataType)) + " " +
                std::to_string(field.Size) + (field.FixedChar ? " fixed" : "") + "\n";
    }
    return text;
}

struct TExpectedTable {
    std::string Name;
    std::vector<TFieldDescriptor> Fields;
};

/// Connects to `database` (a database file or a data-link file) as a run does, and compares the
/// table list and every expected table, field by field.
inline void CheckSchema(const std::string& database, const std::vector<std::string>& tableNames,
                        const std::vector<TExpectedTable>& tables) {
    TDM dm;
    dm.ConnectDatabase(database, "", false);
    dm.TableNames.clear();
    dm.ListTableNames(dm.TableNames);
    EXPECT_EQ(dm.TableNames, tableNames);
    for (const TExpectedTable& table : tables) {
        SCOPED_TRACE("table " + table.Name);
        // What the expected tables say: name, kind, size and fixed length. A decimal's precision
        // and a counter's flag are compared where they are the point.
        std::vector<TFieldDescriptor> fields = FieldsOf(dm, table.Name);
        for (TFieldDescriptor& field : fields) {
            field.Precision = 0;
            field.AutoIncrement = false;
            field.Facts = {};
        }
        EXPECT_EQ(fields, table.Fields) << "reported:\n"
                                        << DescriptorText(fields) << "expected:\n"
                                        << DescriptorText(table.Fields);
    }
}

} // namespace quorvane::testing
