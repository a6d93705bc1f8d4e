#pragma once

// The stored queries of an Access file as the Jet provider lists them: each select query
// without parameters that is neither hidden nor temporary is a view, and its output columns
// are worked out from its definition and the columns of the tables and queries it reads.

#include "schema/FieldTypes.h"
#include "schema/access/AccessReaderProtocol.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvane {

/// One stored query: its catalogue entry and the rows of its definition, in the file's order.
struct TAccessQuery {
    access_reader::TQueryObjectRecord Object;
    std::vector<access_reader::TQueryRowRecord> Rows;
};

/// A query listed as a view, with its output columns in order.
struct TAccessView {
    std::string Name;
    TTableDescription Description;
};

struct TAccessViews {
    /// The views, in the order of the queries given.
    std::vector<TAccessView> Views;
    /// Queries left out for a fault of the file (definitions that lost rows, queries that read
    /// each other in a circle), one text each, for the user, to follow the file's name and ": ".
    std::vector<std::string> Problems;
};

/// Finds a user table of the file by its name in any letter case; nullptr when there is none.
using TUserTableLookup = std::function<const TTableDescription*(const std::string& name)>;

/// Which of `queries` are views, and their columns. A query reading anything but the user
/// tables `tables` finds and other queries (a linked or system table, a missing object) is left
/// out. The column type of a computed column that the rules do not settle is FallbackColumn().
TAccessViews DescribeAccessQueries(const std::vector<TAccessQuery>& queries,
                                   const TUserTableLookup& tables);

/// What a computed column gets when its expression does not make its type plain: text of 255
/// characters, the type Jet gives most such expressions (Format, Nz on text, string functions).
TColumnInfo FallbackColumn();

} // namespace quorvane
