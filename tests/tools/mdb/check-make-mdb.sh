#!/bin/sh
# check-make-mdb.sh MAKE_MDB
#
# Checks that mdbtools reads what make-mdb writes: the sample orders database, names with
# blanks, apostrophes and accents, a catalogue of 300 tables, a table whose definition spans
# several pages, stored queries, and the schema errors make-mdb must refuse. Needs the mdbtools programs and,
# for mdb-inspect.c, a C compiler and libmdb's development files.

set -eu

if [ $# -ne 1 ]; then
    echo "usage: check-make-mdb.sh MAKE_MDB" >&2
    exit 2
fi
make_mdb=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
pass() { echo "PASS: $1"; }
fail() {
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
}
# expect NAME EXPECTED ACTUAL
expect() {
    if [ "$2" = "$3" ]; then
        pass "$1"
    else
        fail "$1"
        printf '  expected: %s\n  actual:   %s\n' "$2" "$3" >&2
    fi
}
# The column line mdb-inspect prints for TABLE.COLUMN, without the line tag and name.
column_of() {
    awk -F '\t' -v table="$2" -v column="$3" '
        $1 == "T" { current = $2 }
        $1 == "C" && current == table && $2 == column {
            print $3, $4, $5, $6, $7, $8, $9
        }' "$1"
}

cc "$here/mdb-inspect.c" $(pkg-config --cflags --libs libmdb) -o "$work/mdb-inspect"

# --- The sample database.
orders=$work/orders.mdb
examples=$(cd "$here/../../../examples" && pwd)
"$make_mdb" "$examples/orders-access.txt" "$orders"
# The sample Access database is checked in, so the product build needs no test tooling; it must
# stay what the writer makes of its schema text.
if cmp -s "$orders" "$examples/orders.mdb"; then
    pass "examples/orders.mdb is what make-mdb writes from examples/orders-access.txt"
else
    fail "examples/orders.mdb is not what make-mdb writes from examples/orders-access.txt;" \
        "rewrite it with: make-mdb examples/orders-access.txt examples/orders.mdb"
fi
expect "mdb-ver says JET4" "JET4" "$(mdb-ver "$orders")"
expect "mdb-tables lists the 12 user tables" \
    "Sales_Region Sales_Client Employees Suppliers Categories Products Orders Order Details Payments Shipments Invoices Settings" \
    "$(mdb-tables -1 "$orders" | tr '\n' ' ' | sed 's/ $//')"
expect "mdb-tables -S adds the system tables" \
    "MSysObjects MSysACEs MSysQueries MSysRelationships Sales_Region" \
    "$(mdb-tables -S -1 "$orders" | head -5 | tr '\n' ' ' | sed 's/ $//')"
expect "mdb-export of an empty table prints the header only" \
    "OrderID,ProductID,UnitPrice,Quantity,Discount" "$(mdb-export "$orders" "Order Details")"

schema=$(mdb-schema "$orders")
expect "mdb-schema prints 12 tables" "12" "$(echo "$schema" | grep -c '^CREATE TABLE')"
expect "mdb-schema prints 102 columns" "102" "$(echo "$schema" | grep -c '^	\[')"
for line in "[RegionID]			Long Integer" "[RegionCode]			Text (3)" \
    "[Description]			Memo/Hyperlink (255)" "[HomePage]			Memo/Hyperlink (255)" \
    "[CreditLimit]			Currency" "[IsActive]			Boolean NOT NULL" \
    "[ClientSince]			DateTime" "[Photo]			OLE (255)" \
    "[OrderGuid]			Replication ID" "[InvoiceNumber]			Numeric (9, 0)" \
    "[BankReference]			Numeric (19, 0)" "[SortOrder]			Byte" \
    "[Extension]			Integer" "[Discount]			Single" "[WeightKg]			Double" \
    "[BarCodeImage]			Binary" "[SettingValue]			Text (120)"; do
    if echo "$schema" | grep -qF "$line"; then
        pass "mdb-schema prints $line"
    else
        fail "mdb-schema prints $line"
    fi
done

inspect=$work/orders.txt
"$work/mdb-inspect" "$orders" >"$inspect"
# type size prec scale fixed long_auto uuid_auto
expect "AutoNumber: a Long Integer with is_long_auto" "4 4 0 0 1 1 0" \
    "$(column_of "$inspect" Orders OrderID)"
expect "Text (120): col_size counts bytes, 2 a character" "10 240 0 0 0 0 0" \
    "$(column_of "$inspect" Settings SettingValue)"
expect "Hyperlink: a Memo (libmdb has no hyperlink flag)" "12 0 0 0 0 0 0" \
    "$(column_of "$inspect" Suppliers HomePage)"
# libmdb has no hyperlink field, so the flag is read from the column entry itself: 25-byte
# entries start at byte 63 of the definition page, the flags are byte 15 of an entry.
suppliers_page=$(awk -F '\t' '$1 == "T" && $2 == "Suppliers" { print $3 }' "$inspect")
expect "Hyperlink: the column entry carries the hyperlink flag (0x80)" "82" \
    "$(od -An -tx1 -j $((suppliers_page * 4096 + 63 + 7 * 25 + 15)) -N 1 "$orders" | tr -d ' ')"
expect "Decimal (19, 0): libmdb 1.0 puts the precision in col_scale" "16 17 0 19 1 0 0" \
    "$(column_of "$inspect" Payments BankReference)"
expect "Replication ID: 16 fixed bytes" "15 16 0 0 1 0 0" \
    "$(column_of "$inspect" Orders OrderGuid)"
expect "Binary: col_size counts bytes" "9 16 0 0 0 0 0" \
    "$(column_of "$inspect" Products BarCodeImage)"
expect "MSysObjects: a system table on page 2 with a row per catalogue object" "2 1 23" \
    "$(awk -F '\t' '$1 == "T" && $2 == "MSysObjects" { print $3, $4, $5 }' "$inspect")"

# --- Stored queries: the catalogue entries and the definition rows, as mdbtools reads them.
expect "mdb-queries lists the sample's queries" \
    "OrderTotals|ClientOrders|Order Details Extended" \
    "$(mdb-queries -1 "$orders" | tr '\n' '|' | sed 's/|$//')"
expect "mdb-queries prints a query's columns and sources" \
    "SELECT [o].[OrderID],[o].[OrderDate],[c].[ClientName],[i].[InvoiceNumber],[i].[InvoiceDate],[i].[TotalAmount],[i].[IsPaid] FROM [Orders],[Sales_Client],[Invoices]" \
    "$(mdb-queries "$orders" OrderTotals 2>/dev/null | sed 's/ *$//')"
cat >"$work/queries.txt" <<'EOF'
TABLE: Orders
  OrderID | AutoNumber
  OrderDate | DateTime
QUERY: In Period
  PARAMETER | Beginning Date | DateTime
  FROM | Orders | o
  COLUMN | [o].[OrderID] | Number
  WHERE | [OrderDate] >= [Beginning Date]
  ORDER BY | [OrderDate]
QUERY: Move Dates
  KIND | Update
  FROM | Orders
QUERY: ~sq_fOrders
  FROM | Orders
  ALL FIELDS
QUERY: Secret
  HIDDEN
  FROM | Orders
  ALL FIELDS
EOF
"$make_mdb" "$work/queries.txt" "$work/queries.mdb"
# Name, Type, Flags of each query: Access's kind bits (48 an update), 3 a temporary query, 8 the
# hidden attribute.
expect "queries are catalogue objects of type 5 with their kind's flags" \
    "In Period 5 0|Move Dates 5 48|~sq_fOrders 5 3|Secret 5 8" \
    "$(mdb-export -H -Q -d '	' "$work/queries.mdb" MSysObjects |
        awk -F '\t' '$17 == 5 { printf "%s %s %s|", $12, $17, $5 }' | sed 's/|$//')"
# Attribute, Expression, Flag, Name1 and Name2 of the first query's rows (mdb-export shows no
# Binary values, so not Order): the start, the kind (1 a select), the parameter (8 a date), the
# options, the source, the column, the criterion, the sort key and the end.
query_id=$(mdb-export -H -Q -d '	' "$work/queries.mdb" MSysObjects |
    awk -F '\t' '$12 == "In Period" { print $7 }')
expect "a query's definition rows" \
    "0,,0,,|1,,1,,|2,,8,Beginning Date,|3,,0,,|5,,0,Orders,o|6,[o].[OrderID],0,Number,|8,[OrderDate] >= [Beginning Date],0,,|11,[OrderDate],0,,|255,,0,," \
    "$(mdb-export -H -Q -d '	' "$work/queries.mdb" MSysQueries |
        awk -F '\t' -v id="$query_id" \
            '$7 == id { printf "%s,%s,%s,%s,%s|", $1, $2, $3, $5, $6 }' | sed 's/|$//')"

# --- Names Access allows: blanks, apostrophes, "#", "-", accents, 64 characters.
long_name=$(printf '%064d' 0 | tr 0 L)
cat >"$work/names.txt" <<EOF
TABLE: Client's #1 - Café
  Unit Price | Currency
  O'Brien # | Text | size=255
  Prénom-Nom | Memo
  $long_name | LongInteger
TABLE: $long_name
  #Items | Byte
EOF
"$make_mdb" "$work/names.txt" "$work/names.mdb"
expect "odd table names come back" "Client's #1 - Café|$long_name" \
    "$(mdb-tables -1 "$work/names.mdb" | tr '\n' '|' | sed 's/|$//')"
expect "odd column names come back" \
    "[Unit Price]|[O'Brien #]|[Prénom-Nom]|[$long_name]|[#Items]" \
    "$(mdb-schema "$work/names.mdb" | grep '^	\[' | cut -f 2 | tr '\n' '|' | sed 's/|$//')"

# --- A catalogue spread over several pages: 300 tables of 5 columns.
i=0
while [ $i -lt 300 ]; do
    printf 'TABLE: Table %03d\n  Id | AutoNumber\n  Name | Text | size=50\n' $i
    printf '  Amount | Currency\n  Created | DateTime\n  Notes | Memo\n'
    i=$((i + 1))
done >"$work/many.txt"
"$make_mdb" "$work/many.txt" "$work/many.mdb"
expect "mdb-tables lists 300 tables" "300" "$(mdb-tables -1 "$work/many.mdb" | wc -l | tr -d ' ')"
expect "the last table is there" "Table 299" "$(mdb-tables -1 "$work/many.mdb" | tail -1)"
many_schema=$(mdb-schema "$work/many.mdb")
expect "mdb-schema prints 300 tables" "300" "$(echo "$many_schema" | grep -c '^CREATE TABLE')"
expect "mdb-schema prints 1500 columns" "1500" "$(echo "$many_schema" | grep -c '^	\[')"

# --- A definition over several pages: 255 columns with 64-character names.
{
    echo "TABLE: Wide"
    i=0
    while [ $i -lt 255 ]; do
        printf '  C%03d%s | Text | size=%d\n' $i "$(printf '%060d' 0 | tr 0 x)" $((i + 1))
        i=$((i + 1))
    done
} >"$work/wide.txt"
"$make_mdb" "$work/wide.txt" "$work/wide.mdb"
"$work/mdb-inspect" "$work/wide.mdb" >"$work/wide-inspect.txt"
expect "a 255-column table reads back whole" "255" \
    "$(awk -F '\t' '$1 == "T" && $2 == "Wide" { print $6 }' "$work/wide-inspect.txt")"
expect "its last column keeps its size" "10 510 0 0 0 0 0" \
    "$(column_of "$work/wide-inspect.txt" Wide "C254$(printf '%060d' 0 | tr 0 x)")"

# --- Schema errors make-mdb refuses.
refuses() {
    printf "$2" >"$work/bad.txt"
    if "$make_mdb" "$work/bad.txt" "$work/bad.mdb" 2>/dev/null; then
        fail "make-mdb refuses $1"
    else
        pass "make-mdb refuses $1"
    fi
}
refuses "an unknown type" 'TABLE: A\n  x | Txt\n'
refuses "Text without a size" 'TABLE: A\n  x | Text\n'
refuses "a size on a number" 'TABLE: A\n  x | LongInteger | size=4\n'
refuses "a dot in a name" 'TABLE: A\n  a.b | Byte\n'
refuses "a 65-character name" "TABLE: A\n  ${long_name}X | Byte\n"
refuses "duplicate column names" 'TABLE: A\n  x | Byte\n  X | Byte\n'
refuses "a name taken by a system table" 'TABLE: MSysObjects\n  x | Byte\n'
refuses "a table without columns" 'TABLE: A\n'
refuses "scale above precision" 'TABLE: A\n  x | Decimal | precision=4 | scale=5\n'
refuses "a query named as a table" 'TABLE: A\n  x | Byte\nQUERY: a\n  FROM | A\n'
refuses "an unknown query line" 'TABLE: A\n  x | Byte\nQUERY: Q\n  FORM | A\n'
refuses "an unknown join kind" 'TABLE: A\n  x | Byte\nQUERY: Q\n  JOIN | OUTER | A | A | x\n'

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
