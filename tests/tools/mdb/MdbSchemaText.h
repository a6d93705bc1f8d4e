#pragma once

// The schema text that make-mdb and the tests write Access databases from: the tables and the
// stored queries of an Access 2000 (Jet 4) database:
//
//   # a comment: "#" in the first column
//   TABLE: Order Details
//     OrderID | LongInteger
//     ClientName | Text | size=40
//     Amount | Decimal | precision=12 | scale=2
//
//   QUERY: Order Totals
//     FROM | Orders | O
//     FROM | Order Details | D
//     JOIN | INNER | O | D | O.OrderID = D.OrderID
//     COLUMN | O.OrderID
//     COLUMN | Sum(D.Amount) | Total
//     GROUP BY | O.OrderID
//
// A table or query line starts in the first column; the lines of its columns or clauses start
// with a blank. Fields are separated by "|" and trimmed; a column's type is one of the
// TAccessType names; size= applies to Text (characters) and Binary (bytes), precision= and
// scale= to Decimal. A query's lines are, each as often as needed:
//
//   FROM | source [| alias]              COLUMN | expression [| alias]
//   JOIN | INNER|LEFT|RIGHT | left | right | condition
//   WHERE | condition    GROUP BY | expression    HAVING | condition    ORDER BY | expression
//   PARAMETER | name | type              KIND | a TQueryKind name (Select when not given)
//   TARGET | table (make-table, append)  ALL FIELDS ("SELECT *")    HIDDEN
//
// The expressions are Jet SQL, written into the definition as they are. Blank lines are
// skipped. Access allows "#" in names, even first, so a "#" anywhere but the first column is
// part of a name.

#include "MdbWriter.h"

#include <istream>
#include <string>
#include <vector>

namespace quorvane::testing {

struct TAccessSchema {
    std::vector<TAccessTable> Tables;
    std::vector<TStoredQuery> Queries;
};

/// Reads a schema text. Throws std::runtime_error naming `fileName` and the line on a mistake.
TAccessSchema ParseAccessSchema(std::istream& input, const std::string& fileName);

} // namespace quorvane::testing
