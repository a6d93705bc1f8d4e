#include "generate/ProjectGuids.h"

#include "generate/TemplateLayout.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t GuidLength = 36;
constexpr std::array<std::size_t, 4> HyphenPositions = {8, 13, 18, 23};

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsWordCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// Whether a GUID starts at `at`, standing on its own: "uuid(...)", "{...}" and "'{...}'" all
// spell one, a longer run of hexadecimal digits or a word does not.
bool GuidAt(std::string_view text, std::size_t at) {
    if (text.size() - at < GuidLength || (at > 0 && IsWordCharacter(text[at - 1])) ||
        (at + GuidLength < text.size() && IsWordCharacter(text[at + GuidLength]))) {
        return false;
    }
    for (std::size_t index = 0; index < GuidLength; ++index) {
        const bool hyphen = std::find(HyphenPositions.begin(), HyphenPositions.end(), index) !=
                            HyphenPositions.end();
        if (hyphen ? text[at + index] != '-' : !IsHexDigit(text[at + index])) {
            return false;
        }
    }
    return true;
}

// Calls `visit(at)` for each GUID of `text`, left to right.
template <typename Visit> void ForEachGuid(std::string_view text, Visit visit) {
    if (text.size() < GuidLength) {
        return;
    }
    for (std::size_t at = 0; at + GuidLength <= text.size();) {
        if (GuidAt(text, at)) {
            visit(at);
            at += GuidLength;
        } else {
            ++at;
        }
    }
}

std::uint8_t HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint8_t>(c - '0');
    }
    return static_cast<std::uint8_t>((c | 0x20) - 'a' + 10);
}

// The 16 bytes of a GUID as Windows keeps one in memory and in a type library: the first three
// groups as little-endian numbers, the last eight bytes as written.
std::string BinaryForm(std::string_view guid) {
    std::string digits;
    for (const char c : guid) {
        if (c != '-') {
            digits += c;
        }
    }
    std::array<char, 16> bytes{};
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        bytes[index] =
            static_cast<char>((HexValue(digits[2 * index]) << 4) | HexValue(digits[2 * index + 1]));
    }
    std::reverse(bytes.begin(), bytes.begin() + 4);
    std::reverse(bytes.begin() + 4, bytes.begin() + 6);
    std::reverse(bytes.begin() + 6, bytes.begin() + 8);
    return std::string(bytes.data(), bytes.size());
}

bool IsBinary(std::string_view bytes) {
    return bytes.find('\0') != std::string_view::npos;
}

// The regular files below `folder` (links to files counted as files, as the copy counts them),
// by their paths relative to `root`, in name order.
std::vector<std::string> FilesBelow(const fs::path& folder, const fs::path& root) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file(error)) {
            files.push_back(entry->path().lexically_relative(root).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Whether the run writes `relative` itself, from the template's text of it.
bool WrittenByTheRun(const std::string& relative) {
    for (const TLayoutFile& file : ProjectLayout().Files) {
        if (!file.PerTable && file.Path == relative) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string NewGuid() {
    std::random_device source;
    std::array<std::uint8_t, 16> bytes{};
    for (std::size_t index = 0; index < bytes.size(); index += 4) {
        const std::uint32_t value = source();
        for (std::size_t shift = 0; shift < 4; ++shift) {
            bytes[index + shift] = static_cast<std::uint8_t>(value >> (8 * shift));
        }
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40); // version 4: random
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80); // the standard variant
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string guid;
    guid.reserve(GuidLength);
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        if (index == 4 || index == 6 || index == 8 || index == 10) {
            guid += '-';
        }
        guid += Digits[bytes[index] >> 4];
        guid += Digits[bytes[index] & 0x0F];
    }
    return guid;
}

std::vector<std::string> GuidsIn(std::string_view text) {
    std::vector<std::string> guids;
    ForEachGuid(text, [&](std::size_t at) {
        std::string guid = UpperCaseAscii(text.substr(at, GuidLength));
        if (std::find(guids.begin(), guids.end(), guid) == guids.end()) {
            guids.push_back(std::move(guid));
        }
    });
    return guids;
}

void TGuidRenewal::Renew(std::string_view guid) {
    const std::string key = UpperCaseAscii(guid);
    if (FValues.find(key) == FValues.end()) {
        FValues.emplace(key, NewGuid());
    }
}

std::string TGuidRenewal::NewValueOf(std::string_view guid) const {
    const auto found = FValues.find(UpperCaseAscii(guid));
    return found == FValues.end() ? std::string() : found->second;
}

std::string TGuidRenewal::Apply(std::string_view text) const {
    std::string result;
    std::size_t copied = 0;
    ForEachGuid(text, [&](std::size_t at) {
        const std::string_view old = text.substr(at, GuidLength);
        const auto found = FValues.find(UpperCaseAscii(old));
        if (found == FValues.end()) {
            return;
        }
        result.append(text.substr(copied, at - copied));
        // Tools that write GUIDs in lower case (project files, some IDL) keep their spelling.
        const bool lower =
            std::any_of(old.begin(), old.end(), [](char c) { return c >= 'a' && c <= 'f'; });
        result.append(lower ? LowerCaseAscii(found->second) : found->second);
        copied = at + GuidLength;
    });
    result.append(text.substr(copied));
    return result;
}

bool TGuidRenewal::HeldInBinary(std::string_view bytes) const {
    return std::any_of(FValues.begin(), FValues.end(), [&](const auto& value) {
        return bytes.find(BinaryForm(value.first)) != std::string_view::npos;
    });
}

TGuidRewrite RenewTemplateGuids(const fs::path& templateDir) {
    TGuidRewrite rewrite;
    const fs::path serverFolder = templateDir / std::string(ProjectLayout().ServerFolder);
    for (const std::string& relative : FilesBelow(serverFolder, templateDir)) {
        const std::string bytes = ReadWholeFile((templateDir / relative).string());
        if (!IsBinary(bytes)) {
            for (const std::string& guid : GuidsIn(bytes)) {
                rewrite.Guids.Renew(guid);
            }
        }
    }
    if (rewrite.Guids.Empty()) {
        return rewrite;
    }
    for (const std::string& relative : FilesBelow(templateDir, templateDir)) {
        if (WrittenByTheRun(relative)) {
            continue;
        }
        const std::string bytes = ReadWholeFile((templateDir / relative).string());
        if (IsBinary(bytes)) {
            if (rewrite.Guids.HeldInBinary(bytes)) {
                rewrite.Warnings.push_back(
                    relative +
                    ": holds the template's GUIDs in binary form, which the run leaves as they "
                    "are; compile it anew from its source, or keep the template's GUIDs "
                    "(--project-guids template)");
            }
            continue;
        }
        std::string renewed = rewrite.Guids.Apply(bytes);
        if (renewed != bytes) {
            rewrite.Files.emplace_back(relative, std::move(renewed));
        }
    }
    return rewrite;
}

void ApplyGuidRenewal(const TGuidRenewal& renewal, TTemplateSet& templates) {
    if (renewal.Empty()) {
        return;
    }
    for (const TLayoutFile& file : ProjectLayout().Files) {
        TTemplateFile& text = templates.File(file.Role);
        text.Text = renewal.Apply(text.Text);
        text.FormHead = renewal.Apply(text.FormHead);
    }
}

} // namespace quorvane
