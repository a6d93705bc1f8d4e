#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace quorvane {

/// Whether `name` is a reserved word of the generated language (any letter case), or a word
/// that a class declaration reads as the start of a section ("private", "published", ...).
bool IsReservedWord(std::string_view name);

/// The names of one scope of the generated code (a module, a form, the project), compared as
/// the generated language compares identifiers: without regard to letter case. Reserved words
/// count as taken.
class TNameRegistry {
public:
    /// Takes a name that is there already (a template's own component, unit or method), so
    /// that later claims avoid it. A name taken twice is not an error here.
    void Reserve(std::string_view name);

    /// Whether `name` is taken in this scope.
    bool IsTaken(std::string_view name) const;

    /// `name` when it is free, else the first free of name + "_2", "_3", ...; the result is
    /// taken from then on.
    std::string Claim(const std::string& name);

private:
    std::unordered_set<std::string> FTaken; // lower-cased
};

} // namespace quorvane
