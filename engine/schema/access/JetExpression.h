#pragma once

// Expressions as an Access file's query definitions hold them: the text of one output column,
// join condition, criterion, grouping or sort key, in Jet's SQL expression syntax.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::jet {

/// One node of a parsed expression.
struct TExpression {
    enum class TKind {
        Reference,  ///< a column or an alias: Parts are the qualifiers and the name
        AllColumns, ///< "*" or "Source.*": Parts are the qualifiers (none for "*")
        Number,     ///< Text is the literal; IsWholeNumber when it has no point or exponent
        Text,       ///< a string literal; Text is its value
        Date,       ///< "#...#"
        Boolean,    ///< True, False, Yes, No, On, Off, unbracketed; Text is the word upper-cased
        Null,       ///< Null, unbracketed
        Call,       ///< Text is the function's name as written; Operands are the arguments
        Unary,      ///< Text is the operator, upper-cased ("-", "+", "NOT")
        Binary,     ///< Text is the operator, upper-cased ("+", "&", "MOD", "AND", "<=", "LIKE")
        IsNull,     ///< "x Is [Not] Null"
        Between,    ///< "x [Not] Between a And b"
        In,         ///< "x [Not] In (a, b, ...)" or "x In (SELECT ...)"
        Subquery,   ///< "(SELECT ...)"; Text "EXISTS", "ANY", "ALL" or "SOME" when one leads
    };

    TKind Kind = TKind::Null;
    std::string Text;
    std::vector<std::string> Parts;
    std::vector<TExpression> Operands;
    bool IsWholeNumber = false;
};

/// Parses one expression. Nothing when the text is not an expression this parser reads (it
/// reads the operators, literals, references, function calls and predicates of Jet SQL; a
/// subquery is kept as one opaque node) or nests deeper than a saved query would.
std::optional<TExpression> ParseExpression(std::string_view text);

/// Every reference and "Source.*" in the expression, subqueries left out.
void CollectReferences(const TExpression& expression, std::vector<const TExpression*>& found);

} // namespace quorvane::jet
