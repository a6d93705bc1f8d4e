#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

/// Turns the bytes of a small configuration file written on Windows (a data-link file, a profile
/// file) into UTF-8: UTF-16LE with a byte-order mark is converted, a UTF-8 byte-order mark is
/// dropped, valid UTF-8 stays as it is, and any other text is taken as an 8-bit Windows code page
/// (Latin-1) and converted.
std::string DecodeConfigurationText(const std::string& bytes);

/// Converts UTF-16LE text with a byte-order mark to UTF-8 and drops a UTF-8 byte-order mark;
/// any other bytes stay as they are.
std::string DecodeByteOrderMark(const std::string& bytes);

/// The length of the UTF-8 sequence that starts at `text[at]`, 1 to 4; 0 where none starts
/// there (a stray continuation byte, an overlong form, a surrogate, a cut sequence).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

/// Encodes UTF-8 text as UTF-16LE with a byte-order mark, as Windows writes data-link files.
std::string EncodeUtf16LeWithBom(const std::string& utf8);

/// What a reader of small input files allows, unless it says otherwise: more is no file a user
/// means to give, and reading on would only use up memory.
inline constexpr std::size_t DefaultFileSizeLimit = std::size_t{64} << 20;

/// Reads a whole regular file as bytes; false, with a reason, when it cannot: the system's
/// error, or that it is no regular file (a folder, a device, a pipe: refused before it is read,
/// so that nothing blocks or reads without end), or that it is larger than `limit`.
bool TryReadWholeFile(const std::string& path, std::string& bytes, std::string& reason,
                      std::size_t limit = DefaultFileSizeLimit);

/// Reads a whole regular file as bytes. Throws EFileError "Cannot open file "%s". %s" when it
/// cannot.
std::string ReadWholeFile(const std::string& path, std::size_t limit = DefaultFileSizeLimit);

/// The name of the encoding `bytes` are in when it is one a configuration file of ours cannot be
/// read in (UTF-16BE, UTF-32, or binary data holding NUL bytes); empty when DecodeConfigurationText
/// reads it.
std::string UnreadableEncodingOf(const std::string& bytes);

/// The system's reason for the last failed call, as the error messages quote it.
std::string SystemErrorText(int errorNumber);

} // namespace quorvane
