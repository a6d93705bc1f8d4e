#pragma once

// One function per fuzz target. Each feeds arbitrary bytes to one reader of user files and
// checks what the engine promises about the result; a broken promise calls abort(), so that both
// libFuzzer and the replay test report it. Only the engine's own errors (EEngineError and its
// subclasses) count as an expected outcome: any other exception escaping is a finding too.

#include <cstddef>
#include <cstdint>

namespace quorvane::fuzz {

/// A data-link (.udl) file: read from disk in every encoding, its connection string parsed, and
/// the parsed properties written back and parsed again unchanged.
void FuzzDataLink(const std::uint8_t* data, std::size_t size);

/// A FieldName/DisplayText map file, in both line formats, and lookups of every key it gives.
void FuzzMapFile(const std::uint8_t* data, std::size_t size);

/// A profile (INI) file: every section and key it names looked up, and the name formats read
/// from it and applied.
void FuzzProfileFile(const std::uint8_t* data, std::size_t size);

/// A name format and a name (split at the first line feed): the format applied to the name, and
/// the name turned into a caption and into table and field identifiers.
void FuzzNameFormat(const std::uint8_t* data, std::size_t size);

/// A hand-edited template: each of the five template writers run on it.
void FuzzTemplateWriters(const std::uint8_t* data, std::size_t size);

} // namespace quorvane::fuzz
