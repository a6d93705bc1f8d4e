#include "schema/access/JetExpression.h"

#include "text/StringUtils.h"

#include <algorithm>
#include <cstddef>

namespace quorvane::jet {

namespace {

// A saved query nests a few levels; a damaged definition may nest without end, and each level
// costs the parser some stack.
constexpr int MaxNesting = 64;

struct TToken {
    enum class TKind { Name, Bracketed, Number, Text, Date, Symbol, End };
    TKind Kind = TKind::End;
    std::string Text;
    bool IsWholeNumber = false;
};

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool IsNamePart(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Splits the text into tokens; nothing when a literal or a bracketed name is left open or a
// character has no place in an expression.
std::optional<std::vector<TToken>> Tokenize(std::string_view text) {
    using TKind = TToken::TKind;
    std::vector<TToken> tokens;
    std::size_t i = 0;
    const auto previousEndsOperand = [&tokens] {
        return !tokens.empty() &&
               (tokens.back().Kind == TKind::Name || tokens.back().Kind == TKind::Bracketed ||
                (tokens.back().Kind == TKind::Symbol && tokens.back().Text == ")"));
    };
    while (i < text.size()) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) <= ' ') {
            ++i;
            continue;
        }
        TToken token;
        if (c == '[') {
            const std::size_t close = text.find(']', i + 1);
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            token = {TKind::Bracketed, std::string(text.substr(i + 1, close - i - 1))};
            i = close + 1;
        } else if (c == '"' || c == '\'' || c == '#') {
            // Strings double their quote inside; dates cannot hold a "#".
            std::string value;
            std::size_t at = i + 1;
            for (;;) {
                if (at >= text.size()) {
                    return std::nullopt;
                }
                if (text[at] == c) {
                    if (c != '#' && at + 1 < text.size() && text[at + 1] == c) {
                        value += c;
                        at += 2;
                        continue;
                    }
                    break;
                }
                value += text[at++];
            }
            token = {c == '#' ? TKind::Date : TKind::Text, value};
            i = at + 1;
        } else if (IsDigit(c) || (c == '.' && i + 1 < text.size() && IsDigit(text[i + 1]) &&
                                  !previousEndsOperand())) {
            std::size_t at = i;
            bool whole = true;
            while (at < text.size() && IsDigit(text[at])) {
                ++at;
            }
            if (at < text.size() && text[at] == '.') {
                whole = false;
                ++at;
                while (at < text.size() && IsDigit(text[at])) {
                    ++at;
                }
            }
            if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
                std::size_t exponent = at + 1;
                if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
                    ++exponent;
                }
                if (exponent < text.size() && IsDigit(text[exponent])) {
                    whole = false;
                    at = exponent;
                    while (at < text.size() && IsDigit(text[at])) {
                        ++at;
                    }
                }
            }
            token = {TKind::Number, std::string(text.substr(i, at - i)), whole};
            i = at;
        } else if (c == '&' && i + 2 < text.size() &&
                   (text[i + 1] == 'H' || text[i + 1] == 'h' || text[i + 1] == 'O' ||
                    text[i + 1] == 'o') &&
                   IsHexDigit(text[i + 2])) {
            std::size_t at = i + 2;
            while (at < text.size() && IsHexDigit(text[at])) {
                ++at;
            }
            token = {TKind::Number, std::string(text.substr(i, at - i)), true};
            i = at;
        } else if (IsNameStart(static_cast<unsigned char>(c))) {
            std::size_t at = i + 1;
            while (at < text.size() && IsNamePart(static_cast<unsigned char>(text[at]))) {
                ++at;
            }
            if (at < text.size() && text[at] == '$') { // Left$, Mid$, ...
                ++at;
            }
            token = {TKind::Name, std::string(text.substr(i, at - i))};
            i = at;
        } else {
            const std::string_view two = text.substr(i, 2);
            if (two == "<=" || two == ">=" || two == "<>") {
                token = {TKind::Symbol, std::string(two)};
                i += 2;
            } else if (std::string_view("=<>+-*/\\^&(),.!;").find(c) != std::string_view::npos) {
                token = {TKind::Symbol, std::string(1, c)};
                ++i;
            } else {
                return std::nullopt;
            }
        }
        tokens.push_back(std::move(token));
    }
    tokens.push_back({});
    return tokens;
}

class TParseError {};

class TParser {
public:
    explicit TParser(std::vector<TToken> tokens) : FTokens(std::move(tokens)) {}

    TExpression ParseWhole() {
        TExpression expression = ParseImp();
        if (Peek().Kind != TToken::TKind::End) {
            throw TParseError();
        }
        return expression;
    }

private:
    using TKind = TExpression::TKind;

    std::vector<TToken> FTokens;
    std::size_t FAt = 0;
    int FDepth = 0;

    // Counts one level of nesting while it lives.
    class TNesting {
    public:
        explicit TNesting(int& depth) : FDepthRef(depth) {
            if (++FDepthRef > MaxNesting) {
                throw TParseError();
            }
        }
        TNesting(const TNesting&) = delete;
        TNesting& operator=(const TNesting&) = delete;
        ~TNesting() { --FDepthRef; }

    private:
        int& FDepthRef;
    };

    const TToken& Peek(std::size_t ahead = 0) const {
        return FTokens[std::min(FAt + ahead, FTokens.size() - 1)];
    }

    TToken Take() {
        TToken token = Peek();
        if (FAt < FTokens.size() - 1) {
            ++FAt;
        }
        return token;
    }

    bool IsSymbol(std::string_view symbol, std::size_t ahead = 0) const {
        return Peek(ahead).Kind == TToken::TKind::Symbol && Peek(ahead).Text == symbol;
    }

    bool IsKeyword(std::string_view keyword, std::size_t ahead = 0) const {
        return Peek(ahead).Kind == TToken::TKind::Name && SameTextAscii(Peek(ahead).Text, keyword);
    }

    void Expect(bool present) {
        if (!present) {
            throw TParseError();
        }
        Take();
    }

    static TExpression Node(TKind kind, std::string text, std::vector<TExpression> operands) {
        TExpression node;
        node.Kind = kind;
        node.Text = std::move(text);
        node.Operands = std::move(operands);
        return node;
    }

    // One level of left-associative binary operators; `isOperator` says whether the next token
    // is one of them and gives its upper-cased text.
    template <typename TNext, typename TIsOperator>
    TExpression ParseLeft(TNext next, TIsOperator isOperator) {
        TExpression left = (this->*next)();
        std::string op;
        while (isOperator(op)) {
            Take();
            TExpression right = (this->*next)();
            left = Node(TKind::Binary, op, {std::move(left), std::move(right)});
        }
        return left;
    }

    auto KeywordOperator(std::string_view keyword) {
        return [this, keyword](std::string& op) {
            if (IsKeyword(keyword)) {
                op = UpperCaseAscii(keyword);
                return true;
            }
            return false;
        };
    }

    auto SymbolOperator(std::string_view symbols) {
        return [this, symbols](std::string& op) {
            if (Peek().Kind == TToken::TKind::Symbol && Peek().Text.size() == 1 &&
                symbols.find(Peek().Text[0]) != std::string_view::npos) {
                op = Peek().Text;
                return true;
            }
            return false;
        };
    }

    // Lowest to highest: Imp, Eqv, Xor, Or, And, Not, comparisons, &, + -, Mod, \, * /,
    // unary - +, ^.
    TExpression ParseImp() {
        TNesting nesting(FDepth);
        return ParseLeft(&TParser::ParseEqv, KeywordOperator("IMP"));
    }
    TExpression ParseEqv() { return ParseLeft(&TParser::ParseXor, KeywordOperator("EQV")); }
    TExpression ParseXor() { return ParseLeft(&TParser::ParseOr, KeywordOperator("XOR")); }
    TExpression ParseOr() { return ParseLeft(&TParser::ParseAnd, KeywordOperator("OR")); }
    TExpression ParseAnd() { return ParseLeft(&TParser::ParseNot, KeywordOperator("AND")); }

    TExpression ParseNot() {
        if (IsKeyword("NOT")) {
            TNesting nesting(FDepth);
            Take();
            return Node(TKind::Unary, "NOT", {ParseNot()});
        }
        return ParseComparison();
    }

    TExpression ParseComparison() {
        TExpression left = ParseConcatenation();
        for (;;) {
            const TToken& next = Peek();
            if (next.Kind == TToken::TKind::Symbol &&
                (next.Text == "=" || next.Text == "<>" || next.Text == "<" || next.Text == ">" ||
                 next.Text == "<=" || next.Text == ">=")) {
                const std::string op = Take().Text;
                left = Node(TKind::Binary, op, {std::move(left), ParseConcatenation()});
                continue;
            }
            if (IsKeyword("IS")) {
                Take();
                std::string text = "IS";
                if (IsKeyword("NOT")) {
                    Take();
                    text = "IS NOT";
                }
                Expect(IsKeyword("NULL"));
                left = Node(TKind::IsNull, text, {std::move(left)});
                continue;
            }
            const bool negated =
                IsKeyword("NOT") &&
                (IsKeyword("LIKE", 1) || IsKeyword("BETWEEN", 1) || IsKeyword("IN", 1));
            if (negated) {
                Take();
            }
            if (IsKeyword("LIKE")) {
                Take();
                left = Node(TKind::Binary, negated ? "NOT LIKE" : "LIKE",
                            {std::move(left), ParseConcatenation()});
            } else if (IsKeyword("BETWEEN")) {
                Take();
                TExpression low = ParseConcatenation();
                Expect(IsKeyword("AND"));
                TExpression high = ParseConcatenation();
                left = Node(TKind::Between, negated ? "NOT BETWEEN" : "BETWEEN",
                            {std::move(left), std::move(low), std::move(high)});
            } else if (IsKeyword("IN")) {
                Take();
                left = Node(TKind::In, negated ? "NOT IN" : "IN", ParseInList(std::move(left)));
            } else {
                return left;
            }
        }
    }

    std::vector<TExpression> ParseInList(TExpression tested) {
        std::vector<TExpression> operands;
        operands.push_back(std::move(tested));
        if (!IsSymbol("(")) {
            throw TParseError();
        }
        if (IsKeyword("SELECT", 1)) {
            operands.push_back(SkipSubquery());
            return operands;
        }
        Take();
        for (;;) {
            operands.push_back(ParseImp());
            if (IsSymbol(",")) {
                Take();
                continue;
            }
            Expect(IsSymbol(")"));
            return operands;
        }
    }

    TExpression ParseConcatenation() {
        return ParseLeft(&TParser::ParseAdditive, SymbolOperator("&"));
    }
    TExpression ParseAdditive() { return ParseLeft(&TParser::ParseModulo, SymbolOperator("+-")); }
    TExpression ParseModulo() {
        return ParseLeft(&TParser::ParseIntegerDivision, KeywordOperator("MOD"));
    }
    TExpression ParseIntegerDivision() {
        return ParseLeft(&TParser::ParseMultiplicative, SymbolOperator("\\"));
    }
    TExpression ParseMultiplicative() {
        return ParseLeft(&TParser::ParseUnary, SymbolOperator("*/"));
    }

    TExpression ParseUnary() {
        if (IsSymbol("-") || IsSymbol("+")) {
            TNesting nesting(FDepth);
            const std::string op = Take().Text;
            return Node(TKind::Unary, op, {ParseUnary()});
        }
        return ParsePower();
    }

    TExpression ParsePower() {
        TExpression left = ParsePrimary();
        while (IsSymbol("^")) {
            Take();
            TExpression right;
            if (IsSymbol("-") || IsSymbol("+")) {
                TNesting nesting(FDepth);
                const std::string op = Take().Text;
                right = Node(TKind::Unary, op, {ParsePrimary()});
            } else {
                right = ParsePrimary();
            }
            left = Node(TKind::Binary, "^", {std::move(left), std::move(right)});
        }
        return left;
    }

    // From an opening parenthesis to its partner; what lies between is another query.
    TExpression SkipSubquery() {
        int open = 0;
        do {
            const TToken token = Take();
            if (token.Kind == TToken::TKind::End) {
                throw TParseError();
            }
            if (token.Kind == TToken::TKind::Symbol && token.Text == "(") {
                ++open;
            } else if (token.Kind == TToken::TKind::Symbol && token.Text == ")") {
                --open;
            }
        } while (open > 0);
        return Node(TKind::Subquery, "", {});
    }

    TExpression ParsePrimary() {
        const TToken& token = Peek();
        switch (token.Kind) {
        case TToken::TKind::Number: {
            const bool whole = token.IsWholeNumber;
            TExpression node = Node(TKind::Number, Take().Text, {});
            node.IsWholeNumber = whole;
            return node;
        }
        case TToken::TKind::Text:
            return Node(TKind::Text, Take().Text, {});
        case TToken::TKind::Date:
            return Node(TKind::Date, Take().Text, {});
        case TToken::TKind::Symbol:
            if (token.Text == "(") {
                if (IsKeyword("SELECT", 1)) {
                    return SkipSubquery();
                }
                Take();
                TExpression inner = ParseImp();
                Expect(IsSymbol(")"));
                return inner;
            }
            if (token.Text == "*") {
                Take();
                return Node(TKind::AllColumns, "", {});
            }
            throw TParseError();
        case TToken::TKind::Name:
        case TToken::TKind::Bracketed:
            return ParseName();
        case TToken::TKind::End:
            break;
        }
        throw TParseError();
    }

    // True, False, Yes, No, On, Off and Null are reserved words of Jet: written bare, in any
    // letter case, they are its constants, and a column of such a name is written in brackets
    // ("[On]") or qualified ("Switches.On"). So a bare one is taken for the constant even where
    // a source has a column of that name, never looked up as a name, and a query comparing a
    // Yes/No column with No asks for no parameter. Only where no constant can stand, before the
    // "." or "!" of a qualified name ("Yes.Label" over a table named Yes), is such a word a
    // name.
    TExpression ParseName() {
        const bool plain = Peek().Kind == TToken::TKind::Name;
        const bool qualifier = IsSymbol(".", 1) || IsSymbol("!", 1);
        if (plain && !qualifier) {
            for (const char* constant : {"TRUE", "FALSE", "YES", "NO", "ON", "OFF"}) {
                if (IsKeyword(constant)) {
                    return Node(TKind::Boolean, UpperCaseAscii(Take().Text), {});
                }
            }
            if (IsKeyword("NULL")) {
                Take();
                return Node(TKind::Null, "", {});
            }
        }
        if (plain) {
            if ((IsKeyword("EXISTS") || IsKeyword("ANY") || IsKeyword("ALL") ||
                 IsKeyword("SOME")) &&
                IsSymbol("(", 1) && IsKeyword("SELECT", 2)) {
                const std::string keyword = UpperCaseAscii(Take().Text);
                TExpression subquery = SkipSubquery();
                subquery.Text = keyword;
                return subquery;
            }
            for (const char* reserved : {"AND", "OR", "NOT", "XOR", "EQV", "IMP", "MOD", "LIKE",
                                         "IS", "BETWEEN", "IN", "SELECT"}) {
                if (IsKeyword(reserved)) {
                    throw TParseError();
                }
            }
            if (IsSymbol("(", 1)) {
                return ParseCall();
            }
        }
        TExpression reference = Node(TKind::Reference, "", {});
        reference.Parts.push_back(Take().Text);
        while (IsSymbol(".") || IsSymbol("!")) {
            Take();
            if (IsSymbol("*")) {
                Take();
                reference.Kind = TKind::AllColumns;
                return reference;
            }
            if (Peek().Kind != TToken::TKind::Name && Peek().Kind != TToken::TKind::Bracketed) {
                throw TParseError();
            }
            reference.Parts.push_back(Take().Text);
        }
        return reference;
    }

    TExpression ParseCall() {
        TNesting nesting(FDepth);
        TExpression call = Node(TKind::Call, Take().Text, {});
        Take(); // "("
        if (IsSymbol(")")) {
            Take();
            return call;
        }
        for (;;) {
            if (IsSymbol("*") && (IsSymbol(")", 1) || IsSymbol(",", 1))) {
                Take();
                call.Operands.push_back(Node(TKind::AllColumns, "", {}));
            } else {
                call.Operands.push_back(ParseImp());
            }
            if (IsSymbol(",")) {
                Take();
                continue;
            }
            Expect(IsSymbol(")"));
            return call;
        }
    }
};

} // namespace

std::optional<TExpression> ParseExpression(std::string_view text) {
    std::optional<std::vector<TToken>> tokens = Tokenize(text);
    if (!tokens) {
        return std::nullopt;
    }
    try {
        return TParser(std::move(*tokens)).ParseWhole();
    } catch (const TParseError&) {
        return std::nullopt;
    }
}

void CollectReferences(const TExpression& expression, std::vector<const TExpression*>& found) {
    if (expression.Kind == TExpression::TKind::Reference ||
        (expression.Kind == TExpression::TKind::AllColumns && !expression.Parts.empty())) {
        found.push_back(&expression);
    }
    for (const TExpression& operand : expression.Operands) {
        CollectReferences(operand, found);
    }
}

} // namespace quorvane::jet
