#include "schema/access/AccessQueries.h"

#include "schema/access/JetExpression.h"
#include "text/StringUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace quorvane {

namespace {

using access_reader::TQueryRowRecord;
using jet::TExpression;
using TKind = TExpression::TKind;

// MSysQueries.Attribute: what a row of a definition holds.
enum TQueryAttribute : int {
    StartAttribute = 0,     // opens every definition
    KindAttribute = 1,      // Flag: the query's kind
    ParameterAttribute = 2, // a declared parameter
    OptionsAttribute = 3,   // Flag: "SELECT *", DISTINCT, TOP, ...
    ExternalAttribute = 4,  // the sources lie in another database
    SourceAttribute = 5,    // Name1 a table or query, Name2 its alias; Expression a subquery
    ColumnAttribute = 6,    // Expression an output column, Name1 its alias
    JoinAttribute = 7,      // Expression the join condition
    WhereAttribute = 8,
    GroupByAttribute = 9,
    HavingAttribute = 10,
    OrderByAttribute = 11,
    EndAttribute = 255, // closes every definition
};

constexpr long long SelectKind = 1;        // attribute 1's Flag of a select query
constexpr long long AllFieldsOption = 0x1; // attribute 3's Flag bit of "SELECT *"

// MSysObjects.Flags of a query: the kind in the high nibble (0 for a select query), then the
// hidden bit and the pair of bits Access sets on its temporary "~sq_" queries.
constexpr long long KindFlags = 0xF0;
constexpr long long HiddenFlag = 0x8;
constexpr long long TemporaryFlags = 0x3;

constexpr int FirstGeneratedNumber = 1000; // Jet names unnamed expressions Expr1000, Expr1001, ...
constexpr int TextExpressionSize = 255;
constexpr int CurrencyPrecision = 19;
constexpr int CurrencyScale = 4;
constexpr int DecimalPrecision = 28;
// Queries over queries nest a few levels; a damaged file may chain thousands, and each level of
// reading costs stack. A query reached deeper than this, far beyond what a saved query needs, is
// left out, and with it the queries over it.
constexpr std::size_t MaxQueryNesting = 128;

TColumnInfo FixedColumn(int type) {
    TColumnInfo column;
    column.Type = type;
    column.Attributes = ado::adFldFixed;
    return column;
}

TColumnInfo TextColumn() {
    TColumnInfo column;
    column.Type = ado::adVarWChar;
    column.DefinedSize = TextExpressionSize;
    return column;
}

TColumnInfo MemoColumn() {
    TColumnInfo column;
    column.Type = ado::adLongVarWChar;
    return column;
}

TColumnInfo CurrencyColumn() {
    TColumnInfo column = FixedColumn(ado::adCurrency);
    column.Precision = CurrencyPrecision;
    column.NumericScale = CurrencyScale;
    return column;
}

bool IsMemo(const TColumnInfo& column) {
    return column.Type == ado::adLongVarWChar || column.Type == ado::adLongVarChar;
}

bool IsText(const TColumnInfo& column) {
    return IsMemo(column) || column.Type == ado::adVarWChar || column.Type == ado::adWChar ||
           column.Type == ado::adVarChar || column.Type == ado::adChar ||
           column.Type == ado::adBSTR;
}

// The width of an integer kind in arithmetic; a Yes/No value counts as an Integer, as Jet
// computes with -1 and 0. Zero for every other kind.
int IntegerRank(const TColumnInfo& column) {
    switch (column.Type) {
    case ado::adUnsignedTinyInt:
        return 1;
    case ado::adBoolean:
    case ado::adSmallInt:
        return 2;
    case ado::adInteger:
        return 3;
    case ado::adBigInt:
        return 4;
    default:
        return 0;
    }
}

TColumnInfo IntegerOfRank(int rank) {
    static constexpr int Types[] = {ado::adUnsignedTinyInt, ado::adSmallInt, ado::adInteger,
                                    ado::adBigInt};
    return FixedColumn(Types[std::clamp(rank, 1, 4) - 1]);
}

bool IsCurrency(const TColumnInfo& column) {
    return column.Type == ado::adCurrency;
}

bool IsNumber(const TColumnInfo& column) {
    return IntegerRank(column) > 0 || IsCurrency(column) || column.Type == ado::adSingle ||
           column.Type == ado::adDouble || column.Type == ado::adNumeric;
}

bool IsDate(const TColumnInfo& column) {
    return column.Type == ado::adDate;
}

// A computed value keeps its kind and size but not what belongs to a stored column.
TColumnInfo Computed(TColumnInfo column) {
    column.IsAutoIncrement = false;
    column.Name.clear();
    return column;
}

using TMaybeColumn = std::optional<TColumnInfo>;

// The function's name without case and without the "$" of its string variant.
std::string FunctionKey(const std::string& name) {
    std::string key = UpperCaseAscii(name);
    if (!key.empty() && key.back() == '$') {
        key.pop_back();
    }
    return key;
}

bool IsOneOf(const std::string& key, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return key == name; });
}

// The type of `a op b` for the arithmetic operators.
TMaybeColumn ArithmeticType(const std::string& op, const TMaybeColumn& a, const TMaybeColumn& b) {
    if (!a || !b) {
        return std::nullopt;
    }
    if (op == "+" && IsText(*a) && IsText(*b)) {
        return IsMemo(*a) || IsMemo(*b) ? MemoColumn() : TextColumn();
    }
    // A date plus or minus a number of days is a date; the difference of two dates a number.
    if ((op == "+" || op == "-") && IsDate(*a) && IsNumber(*b)) {
        return FixedColumn(ado::adDate);
    }
    if (op == "+" && IsNumber(*a) && IsDate(*b)) {
        return FixedColumn(ado::adDate);
    }
    if (op == "-" && IsDate(*a) && IsDate(*b)) {
        return FixedColumn(ado::adDouble);
    }
    if (!IsNumber(*a) || !IsNumber(*b)) {
        return std::nullopt;
    }
    const int rankA = IntegerRank(*a);
    const int rankB = IntegerRank(*b);
    if (op == "/" || op == "^") {
        return FixedColumn(ado::adDouble);
    }
    if (op == "\\" || op == "MOD") {
        return rankA > 0 && rankB > 0 ? IntegerOfRank(std::max(rankA, rankB))
                                      : FixedColumn(ado::adInteger);
    }
    if (rankA > 0 && rankB > 0) {
        return IntegerOfRank(std::max(rankA, rankB));
    }
    if ((rankA > 0 || IsCurrency(*a)) && (rankB > 0 || IsCurrency(*b))) {
        return CurrencyColumn();
    }
    return FixedColumn(ado::adDouble);
}

// The type of a whole-number literal: Integer, Long or, beyond them, Double.
TColumnInfo WholeNumberType(const std::string& literal) {
    long long value = 0;
    if (literal.size() > 2 && literal[0] == '&') {
        value = std::strtoll(literal.c_str() + 2, nullptr,
                             literal[1] == 'H' || literal[1] == 'h' ? 16 : 8);
    } else {
        errno = 0;
        value = std::strtoll(literal.c_str(), nullptr, 10);
        if (errno == ERANGE) {
            return FixedColumn(ado::adDouble);
        }
    }
    if (value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max()) {
        return FixedColumn(ado::adSmallInt);
    }
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        return FixedColumn(ado::adInteger);
    }
    return FixedColumn(ado::adDouble);
}

// Two branches of one value (IIf, Nz) give their type when they agree on it.
TMaybeColumn CommonType(const TMaybeColumn& a, const TMaybeColumn& b) {
    if (!a || !b || a->Type != b->Type) {
        return std::nullopt;
    }
    TColumnInfo column = *a;
    column.DefinedSize = std::max(a->DefinedSize, b->DefinedSize);
    column.Precision = std::max(a->Precision, b->Precision);
    column.NumericScale = std::max(a->NumericScale, b->NumericScale);
    return column;
}

// Names starting with "~" are Access's own: the record sources of forms and reports ("~sq_f...")
// and other temporary objects.
bool IsHiddenQuery(const TAccessQuery& query) {
    const std::string& name = query.Object.Name;
    return name.empty() || name.front() == '~' || (query.Object.Flags & HiddenFlag) != 0 ||
           (query.Object.Flags & TemporaryFlags) == TemporaryFlags;
}

// Every definition Access saves opens with one row and closes with another; a definition
// without them lost rows to damage, and what is left of it would describe another query.
bool IsWholeDefinition(const TAccessQuery& query) {
    const auto count = [&query](int attribute) {
        return std::count_if(
            query.Rows.begin(), query.Rows.end(),
            [attribute](const TQueryRowRecord& row) { return row.Attribute == attribute; });
    };
    return count(StartAttribute) == 1 && count(EndAttribute) == 1;
}

// A source of a query: a table or another query, as its definition names it.
struct TSource {
    std::string Qualifier; // the alias, else the name: what the query's expressions call it
    const TTableDescription* Description = nullptr;
};

// One output column while a query is described.
struct TOutputColumn {
    TColumnInfo Column;
    bool OwnName = false;  // named after the column it reads, neither alias nor Expr1000
    std::string Qualifier; // the source of such a column
    bool Aliased = false;  // named by its alias, which other expressions may use
};

// The output columns of one query as they are worked out, in order.
class TQueryColumns {
public:
    explicit TQueryColumns(const std::vector<TSource>& sources) : FSources(sources) {}

    /// Appends the columns of every source, or of the one `qualifier` names; false when it
    /// names none.
    bool AddAllColumns(const std::string* qualifier) {
        bool found = false;
        for (const TSource& source : FSources) {
            if (qualifier != nullptr && !SameTextAscii(source.Qualifier, *qualifier)) {
                continue;
            }
            found = true;
            for (const TColumnInfo& column : source.Description->Columns) {
                FColumns.push_back({column, true, source.Qualifier});
            }
        }
        return found;
    }

    /// Appends the output column of one expression and its alias; false when it reads a
    /// source the query does not have.
    bool Add(const TExpression& expression, const std::string& alias) {
        if (expression.Kind == TKind::AllColumns) {
            if (expression.Parts.size() > 1) {
                return false;
            }
            return AddAllColumns(expression.Parts.empty() ? nullptr : &expression.Parts[0]);
        }
        TOutputColumn output;
        if (expression.Kind == TKind::Reference) {
            const TResolved resolved = Resolve(expression);
            output.Column = resolved.Column != nullptr ? *resolved.Column : FallbackColumn();
            output.Qualifier = resolved.Qualifier;
            output.OwnName = alias.empty();
            output.Column.Name = expression.Parts.back();
        } else {
            output.Column = Computed(TypeOf(expression).value_or(FallbackColumn()));
            output.Column.Name = alias.empty()
                                     ? "Expr" + std::to_string(FirstGeneratedNumber + FGenerated++)
                                     : alias;
        }
        if (!alias.empty()) {
            output.Column.Name = alias;
            output.Aliased = true;
        }
        FColumns.push_back(std::move(output));
        return true;
    }

    /// Whether every reference of the expression names a column the query can read.
    bool AllNamesResolve(const TExpression& expression) const {
        std::vector<const TExpression*> references;
        jet::CollectReferences(expression, references);
        return std::all_of(references.begin(), references.end(), [this](const auto* ref) {
            if (ref->Kind == TKind::AllColumns) {
                return ref->Parts.size() == 1 && SourceNamed(ref->Parts[0]) != nullptr;
            }
            return Resolve(*ref).Column != nullptr;
        });
    }

    /// The columns; two that are named after the columns they read and share that name are
    /// qualified with their sources' names ("Orders.OrderID"), as Jet names them.
    TTableDescription Finish() {
        std::unordered_map<std::string, int> ownNames;
        for (const TOutputColumn& output : FColumns) {
            if (output.OwnName) {
                ++ownNames[LowerCaseAscii(output.Column.Name)];
            }
        }
        TTableDescription description;
        description.OffersAutoIncrement = true;
        for (TOutputColumn& output : FColumns) {
            if (output.OwnName && !output.Qualifier.empty() &&
                ownNames[LowerCaseAscii(output.Column.Name)] > 1) {
                output.Column.Name = output.Qualifier + "." + output.Column.Name;
            }
            description.Columns.push_back(std::move(output.Column));
        }
        return description;
    }

private:
    const std::vector<TSource>& FSources;
    std::vector<TOutputColumn> FColumns;
    int FGenerated = 0;

    struct TResolved {
        const TColumnInfo* Column = nullptr;
        std::string Qualifier;
    };

    const TSource* SourceNamed(const std::string& qualifier) const {
        for (const TSource& source : FSources) {
            if (SameTextAscii(source.Qualifier, qualifier)) {
                return &source;
            }
        }
        return nullptr;
    }

    static const TColumnInfo* ColumnNamed(const TSource& source, const std::string& name) {
        for (const TColumnInfo& column : source.Description->Columns) {
            if (SameTextAscii(column.Name, name)) {
                return &column;
            }
        }
        return nullptr;
    }

    // A reference: "Source.Column", or a bare name among the sources' columns and then
    // among the query's aliases (Jet lets an expression use one). A column that is a bare
    // name of neither is a parameter, and not its own alias. Jet's constants (Yes, No, Null,
    // ...) are no references, unless bracketed: "[No]" naming no column is a parameter.
    TResolved Resolve(const TExpression& reference) const {
        if (reference.Parts.size() == 2) {
            const TSource* source = SourceNamed(reference.Parts[0]);
            if (source == nullptr) {
                return {};
            }
            return {ColumnNamed(*source, reference.Parts[1]), source->Qualifier};
        }
        if (reference.Parts.size() != 1) {
            return {}; // "Forms!Orders!OrderID" and the like: a parameter
        }
        for (const TSource& source : FSources) {
            if (const TColumnInfo* column = ColumnNamed(source, reference.Parts[0])) {
                return {column, source.Qualifier};
            }
        }
        for (const TOutputColumn& output : FColumns) {
            if (output.Aliased && SameTextAscii(output.Column.Name, reference.Parts[0])) {
                return {&output.Column, ""};
            }
        }
        return {};
    }

    TMaybeColumn TypeOfArgument(const TExpression& call, std::size_t index) const {
        return index < call.Operands.size() ? TypeOf(call.Operands[index]) : std::nullopt;
    }

    TMaybeColumn TypeOfCall(const TExpression& call) const {
        const std::string key = FunctionKey(call.Text);
        const TMaybeColumn argument = TypeOfArgument(call, 0);
        if (key == "CCUR") {
            return CurrencyColumn();
        }
        if (IsOneOf(key, {"CSTR",
                          "LEFT",
                          "RIGHT",
                          "MID",
                          "TRIM",
                          "LTRIM",
                          "RTRIM",
                          "UCASE",
                          "LCASE",
                          "FORMAT",
                          "FORMATNUMBER",
                          "FORMATCURRENCY",
                          "FORMATDATETIME",
                          "FORMATPERCENT",
                          "SPACE",
                          "STRING",
                          "REPLACE",
                          "CHR",
                          "STR",
                          "HEX",
                          "OCT",
                          "STRCONV",
                          "STRREVERSE",
                          "MONTHNAME",
                          "WEEKDAYNAME"})) {
            return TextColumn();
        }
        if (IsOneOf(key, {"CDATE", "CVDATE", "DATE", "NOW", "TIME", "DATEADD", "DATESERIAL",
                          "DATEVALUE", "TIMESERIAL", "TIMEVALUE"})) {
            return FixedColumn(ado::adDate);
        }
        if (IsOneOf(key, {"CINT", "YEAR", "MONTH", "DAY", "WEEKDAY", "HOUR", "MINUTE", "SECOND",
                          "DATEPART", "ASC", "SGN"})) {
            return FixedColumn(ado::adSmallInt);
        }
        if (IsOneOf(key, {"CLNG", "COUNT", "LEN", "INSTR", "INSTRREV", "DATEDIFF"})) {
            return FixedColumn(ado::adInteger);
        }
        if (IsOneOf(key, {"CDBL", "VAL", "SQR", "EXP", "LOG", "SIN", "COS", "TAN", "ATN", "STDEV",
                          "STDEVP", "VAR", "VARP"})) {
            return FixedColumn(ado::adDouble);
        }
        if (IsOneOf(key, {"CSNG", "RND"})) {
            return FixedColumn(ado::adSingle);
        }
        if (key == "CBYTE") {
            return FixedColumn(ado::adUnsignedTinyInt);
        }
        if (IsOneOf(key, {"CBOOL", "ISNULL", "ISNUMERIC", "ISDATE", "ISEMPTY"})) {
            return FixedColumn(ado::adBoolean);
        }
        if (IsOneOf(key, {"MIN", "MAX", "FIRST", "LAST"})) {
            return argument;
        }
        if (IsOneOf(key, {"INT", "FIX", "ABS", "ROUND"})) {
            if (!argument || !IsNumber(*argument)) {
                return std::nullopt;
            }
            return argument->Type == ado::adBoolean ? FixedColumn(ado::adSmallInt) : argument;
        }
        if ((key == "SUM" || key == "AVG") && argument) {
            // Jet sums whole numbers as a Long; money stays money and decimals decimal, in a
            // sum and in a mean; any other number's sum, and a whole number's mean, is a Double.
            if (key == "SUM" && IntegerRank(*argument) > 0) {
                return FixedColumn(ado::adInteger);
            }
            if (IsCurrency(*argument)) {
                return CurrencyColumn();
            }
            if (argument->Type == ado::adNumeric) {
                TColumnInfo column = *argument;
                column.Precision = DecimalPrecision;
                return column;
            }
            if (IsNumber(*argument)) {
                return FixedColumn(ado::adDouble);
            }
            return std::nullopt;
        }
        if (key == "IIF" && call.Operands.size() == 3) {
            return CommonType(TypeOfArgument(call, 1), TypeOfArgument(call, 2));
        }
        if (key == "NZ") {
            return call.Operands.size() == 1 ? argument
                                             : CommonType(argument, TypeOfArgument(call, 1));
        }
        return std::nullopt;
    }

    // The type Jet gives an expression where the expression makes it plain; nothing else.
    TMaybeColumn TypeOf(const TExpression& expression) const {
        switch (expression.Kind) {
        case TKind::Reference: {
            const TResolved resolved = Resolve(expression);
            return resolved.Column != nullptr ? TMaybeColumn(Computed(*resolved.Column))
                                              : std::nullopt;
        }
        case TKind::Number:
            return expression.IsWholeNumber ? WholeNumberType(expression.Text)
                                            : FixedColumn(ado::adDouble);
        case TKind::Text:
            return TextColumn();
        case TKind::Date:
            return FixedColumn(ado::adDate);
        case TKind::Boolean:
        case TKind::IsNull:
        case TKind::Between:
        case TKind::In:
            return FixedColumn(ado::adBoolean);
        case TKind::Subquery:
            if (expression.Text == "EXISTS") {
                return FixedColumn(ado::adBoolean);
            }
            return std::nullopt;
        case TKind::Call:
            return TypeOfCall(expression);
        case TKind::Unary: {
            const TMaybeColumn operand = TypeOf(expression.Operands.at(0));
            if (!operand) {
                return std::nullopt;
            }
            if (expression.Text == "NOT") {
                if (operand->Type == ado::adBoolean) {
                    return FixedColumn(ado::adBoolean);
                }
                return IntegerRank(*operand) > 0 ? operand : std::nullopt;
            }
            if (!IsNumber(*operand)) {
                return std::nullopt;
            }
            return operand->Type == ado::adBoolean ? FixedColumn(ado::adSmallInt) : operand;
        }
        case TKind::Binary:
            return TypeOfBinary(expression);
        case TKind::AllColumns:
        case TKind::Null:
            break;
        }
        return std::nullopt;
    }

    TMaybeColumn TypeOfBinary(const TExpression& expression) const {
        const std::string& op = expression.Text;
        if (IsOneOf(op, {"=", "<>", "<", ">", "<=", ">=", "LIKE", "NOT LIKE"})) {
            return FixedColumn(ado::adBoolean);
        }
        const TMaybeColumn left = TypeOf(expression.Operands.at(0));
        const TMaybeColumn right = TypeOf(expression.Operands.at(1));
        if (op == "&") {
            const bool memo = (left && IsMemo(*left)) || (right && IsMemo(*right));
            return memo ? MemoColumn() : TextColumn();
        }
        if (IsOneOf(op, {"AND", "OR", "XOR", "EQV", "IMP"})) {
            if (!left || !right) {
                return std::nullopt;
            }
            if (left->Type == ado::adBoolean && right->Type == ado::adBoolean) {
                return FixedColumn(ado::adBoolean);
            }
            const int rankLeft = IntegerRank(*left);
            const int rankRight = IntegerRank(*right);
            return rankLeft > 0 && rankRight > 0
                       ? TMaybeColumn(IntegerOfRank(std::max(rankLeft, rankRight)))
                       : std::nullopt;
        }
        return ArithmeticType(op, left, right);
    }
};

class TQueryDescriber {
public:
    TQueryDescriber(const std::vector<TAccessQuery>& queries, const TUserTableLookup& tables)
        : FTables(tables) {
        for (const TAccessQuery& query : queries) {
            FQueries.emplace(LowerCaseAscii(query.Object.Name),
                             TEntry{&query, TState::Unvisited, {}});
        }
    }

    /// The columns of the query named `name` (any letter case), or nullptr when it is left out.
    const TTableDescription* Describe(const std::string& name) {
        const auto found = FQueries.find(LowerCaseAscii(name));
        if (found == FQueries.end()) {
            return nullptr;
        }
        TEntry& entry = found->second;
        switch (entry.State) {
        case TState::Described:
            return &entry.Description;
        case TState::LeftOut:
            return nullptr;
        case TState::Visiting:
            ReportCircle(entry.Query->Object.Name);
            return nullptr;
        case TState::Unvisited:
            break;
        }
        if (FPath.size() >= MaxQueryNesting) {
            FNestedTooDeep = true;
            return nullptr;
        }
        entry.State = TState::Visiting;
        FPath.push_back(entry.Query->Object.Name);
        std::optional<TTableDescription> description = DescribeDefinition(*entry.Query);
        FPath.pop_back();
        // A query of a circle learns it only through its sources; it may have been marked
        // meanwhile.
        if (!description || entry.State == TState::LeftOut) {
            entry.State = TState::LeftOut;
            return nullptr;
        }
        entry.Description = std::move(*description);
        entry.State = TState::Described;
        return &entry.Description;
    }

    std::vector<std::string> TakeProblems() {
        if (FIncomplete.size() == 1) {
            FProblems.insert(FProblems.begin(),
                             "the definition of the query \"" + FIncomplete.front() +
                                 "\" is incomplete (the file is damaged there); it is left out");
        } else if (!FIncomplete.empty()) {
            std::string names;
            for (const std::string& name : FIncomplete) {
                names += (names.empty() ? "\"" : ", \"") + name + "\"";
            }
            FProblems.insert(FProblems.begin(),
                             "the definitions of the queries " + names +
                                 " are incomplete (the file is damaged there); they are left out");
        }
        if (FNestedTooDeep) {
            FProblems.push_back("queries that read queries nested more than " +
                                std::to_string(MaxQueryNesting) + " levels deep are left out");
        }
        return std::move(FProblems);
    }

private:
    enum class TState { Unvisited, Visiting, Described, LeftOut };
    struct TEntry {
        const TAccessQuery* Query;
        TState State = TState::Unvisited;
        TTableDescription Description;
    };

    const TUserTableLookup& FTables;
    std::unordered_map<std::string, TEntry> FQueries; // by lower-cased name
    std::vector<std::string> FPath; // the queries being described, outermost first
    std::vector<std::string> FProblems;
    std::vector<std::string> FIncomplete; // queries a user would miss, in the order met
    bool FNestedTooDeep = false;

    void ReportCircle(const std::string& name) {
        const auto start = std::find_if(FPath.begin(), FPath.end(), [&](const std::string& step) {
            return SameTextAscii(step, name);
        });
        std::string circle;
        for (auto step = start; step != FPath.end(); ++step) {
            circle += "\"" + *step + "\" -> ";
            FQueries.at(LowerCaseAscii(*step)).State = TState::LeftOut;
        }
        circle += "\"" + name + "\"";
        FProblems.push_back("the query \"" + name + "\" reads itself (" + circle +
                            "), which Access does not allow; the queries of that circle are left "
                            "out");
    }

    const TTableDescription* DescribeSource(const std::string& name) {
        if (const TTableDescription* table = FTables(name)) {
            return table;
        }
        return Describe(name);
    }

    std::optional<TTableDescription> DescribeDefinition(const TAccessQuery& query) {
        if (!IsWholeDefinition(query)) {
            if (!IsHiddenQuery(query)) {
                FIncomplete.push_back(query.Object.Name);
            }
            return std::nullopt;
        }
        if ((query.Object.Flags & KindFlags) != 0) {
            return std::nullopt; // an action, crosstab, pass-through or union query
        }
        std::vector<const TQueryRowRecord*> rows;
        for (const TQueryRowRecord& row : query.Rows) {
            rows.push_back(&row);
        }
        // The rows of one attribute keep the order the file gives them.
        std::stable_sort(rows.begin(), rows.end(),
                         [](const auto* a, const auto* b) { return a->Attribute < b->Attribute; });
        const auto rowsOf = [&rows](int attribute) {
            std::vector<const TQueryRowRecord*> selected;
            for (const TQueryRowRecord* row : rows) {
                if (row->Attribute == attribute) {
                    selected.push_back(row);
                }
            }
            return selected;
        };

        const auto kind = rowsOf(KindAttribute);
        if (kind.size() != 1 || kind.front()->Flag != SelectKind ||
            !rowsOf(ParameterAttribute).empty() || !rowsOf(ExternalAttribute).empty()) {
            return std::nullopt;
        }

        std::vector<TSource> sources;
        for (const TQueryRowRecord* row : rowsOf(SourceAttribute)) {
            // A subquery in the FROM clause holds its own SQL, which is not read.
            if (!row->Expression.empty() || row->Name1.empty()) {
                return std::nullopt;
            }
            const TTableDescription* description = DescribeSource(row->Name1);
            if (description == nullptr) {
                return std::nullopt;
            }
            sources.push_back({row->Name2.empty() ? row->Name1 : row->Name2, description});
        }

        TQueryColumns columns(sources);
        const auto options = rowsOf(OptionsAttribute);
        const auto columnRows = rowsOf(ColumnAttribute);
        const bool allFields =
            columnRows.empty() || std::any_of(options.begin(), options.end(), [](const auto* row) {
                return (row->Flag & AllFieldsOption) != 0;
            });
        if (allFields) {
            columns.AddAllColumns(nullptr);
        }
        for (const TQueryRowRecord* row : columnRows) {
            const std::optional<TExpression> expression = jet::ParseExpression(row->Expression);
            if (!expression || !columns.Add(*expression, row->Name1)) {
                return std::nullopt;
            }
        }

        // Every name the query uses must be one of its sources' columns or its own output
        // columns: anything else Jet asks for as a parameter when the query opens.
        for (const int attribute : {ColumnAttribute, JoinAttribute, WhereAttribute,
                                    GroupByAttribute, HavingAttribute, OrderByAttribute}) {
            for (const TQueryRowRecord* row : rowsOf(attribute)) {
                const std::optional<TExpression> expression = jet::ParseExpression(row->Expression);
                if (!expression || !columns.AllNamesResolve(*expression)) {
                    return std::nullopt;
                }
            }
        }
        return columns.Finish();
    }
};

} // namespace

TColumnInfo FallbackColumn() {
    return TextColumn();
}

TAccessViews DescribeAccessQueries(const std::vector<TAccessQuery>& queries,
                                   const TUserTableLookup& tables) {
    TQueryDescriber describer(queries, tables);
    TAccessViews views;
    std::unordered_set<std::string> listed;
    for (const TAccessQuery& query : queries) {
        const std::string& name = query.Object.Name;
        const TTableDescription* description = describer.Describe(name);
        if (IsHiddenQuery(query) || description == nullptr ||
            !listed.insert(LowerCaseAscii(name)).second) {
            continue;
        }
        views.Views.push_back({name, *description});
    }
    views.Problems = describer.TakeProblems();
    return views;
}

} // namespace quorvane
