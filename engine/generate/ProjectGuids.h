#pragma once

#include "generate/TemplateSet.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

// A generated application server is a COM server: its type library, interface and class are
// registered under the GUIDs its files spell. Two servers made from one template share them, so
// registering the second replaces the first. A run with new GUIDs gives each GUID of the
// template's server its own fresh one, and writes it wherever the template spells the old one.

/// A fresh GUID, "XXXXXXXX-XXXX-4XXX-YXXX-XXXXXXXXXXXX" in upper case without braces: 122 bits
/// from the system's random source, in the layout of a random (version 4) GUID.
std::string NewGuid();

/// The GUIDs `text` spells (8-4-4-4-12 hexadecimal digits, not within a longer word), in upper
/// case, each once, in the order they first appear.
std::vector<std::string> GuidsIn(std::string_view text);

/// Fresh values for GUIDs: each GUID it knows becomes its own fresh one wherever it appears.
class TGuidRenewal {
public:
    /// Gives `guid` (any letter case) a fresh value, unless it has one already.
    void Renew(std::string_view guid);
    bool Empty() const { return FValues.empty(); }
    /// The fresh value of `guid` (any letter case), in upper case; "" when it has none.
    std::string NewValueOf(std::string_view guid) const;
    /// `text` with each GUID it knows replaced by its fresh value, written in the letter case
    /// the text spells the old one in; braces and quotes around it stay as they are.
    std::string Apply(std::string_view text) const;
    /// Whether `bytes` hold one of its GUIDs in the binary form a compiled type library keeps
    /// them in, which Apply does not rewrite.
    bool HeldInBinary(std::string_view bytes) const;

private:
    std::map<std::string, std::string, std::less<>> FValues; // upper case: old, fresh
};

/// What a run with new GUIDs writes over the copy of the template.
struct TGuidRewrite {
    TGuidRenewal Guids;
    /// Each file of the template that spells one of the GUIDs, by its relative path, with its
    /// bytes rewritten; the files the run writes from the templates itself are left out.
    std::vector<std::pair<std::string, std::string>> Files;
    /// The files that hold one in binary form, left as they are, one text each.
    std::vector<std::string> Warnings;
};

/// Gives every GUID the text files of the template's server folder spell a fresh value, and
/// rewrites the text files of the whole template that spell one of them, the client's too, so
/// that a client naming its server's class keeps naming it. Reads before anything is written;
/// throws EFileError for a file that cannot be read.
TGuidRewrite RenewTemplateGuids(const std::filesystem::path& templateDir);

/// Writes the fresh values into the texts the run builds its own files from.
void ApplyGuidRenewal(const TGuidRenewal& renewal, TTemplateSet& templates);

} // namespace quorvane
