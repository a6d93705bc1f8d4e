#include "generate/NameRegistry.h"

#include "text/StringUtils.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

// The reserved words of Delphi and of Free Pascal's Delphi mode, and the section words of a
// class declaration, in lower case and sorted for the binary search.
constexpr std::array<std::string_view, 74> ReservedWords = {
    "and",
    "array",
    "as",
    "asm",
    "automated",
    "begin",
    "case",
    "class",
    "const",
    "constructor",
    "destructor",
    "dispinterface",
    "div",
    "do",
    "downto",
    "else",
    "end",
    "except",
    "exports",
    "file",
    "finalization",
    "finally",
    "for",
    "function",
    "goto",
    "if",
    "implementation",
    "in",
    "inherited",
    "initialization",
    "inline",
    "interface",
    "is",
    "label",
    "library",
    "mod",
    "nil",
    "not",
    "object",
    "of",
    "on",
    "operator",
    "or",
    "out",
    "packed",
    "private",
    "procedure",
    "program",
    "property",
    "protected",
    "public",
    "published",
    "raise",
    "record",
    "repeat",
    "resourcestring",
    "self",
    "set",
    "shl",
    "shr",
    "strict",
    "string",
    "then",
    "threadvar",
    "to",
    "try",
    "type",
    "unit",
    "until",
    "uses",
    "var",
    "while",
    "with",
    "xor",
};

bool IsReservedLowerCase(std::string_view lower) {
    return std::binary_search(ReservedWords.begin(), ReservedWords.end(), lower);
}

} // namespace

bool IsReservedWord(std::string_view name) {
    return IsReservedLowerCase(LowerCaseAscii(name));
}

void TNameRegistry::Reserve(std::string_view name) {
    FTaken.insert(LowerCaseAscii(name));
}

bool TNameRegistry::IsTaken(std::string_view name) const {
    const std::string lower = LowerCaseAscii(name);
    return FTaken.count(lower) > 0 || IsReservedLowerCase(lower);
}

std::string TNameRegistry::Claim(const std::string& name) {
    std::string candidate = name;
    for (int number = 2; IsTaken(candidate); ++number) {
        candidate = name + "_" + std::to_string(number);
    }
    Reserve(candidate);
    return candidate;
}

} // namespace quorvane
