#pragma once

#include <string>

namespace quorvane {

/// Turns the bytes of a small configuration file written on Windows (a data-link file, a profile
/// file) into UTF-8: UTF-16LE with a byte-order mark is converted, a UTF-8 byte-order mark is
/// dropped, valid UTF-8 stays as it is, and any other text is taken as an 8-bit Windows code page
/// (Latin-1) and converted.
std::string DecodeConfigurationText(const std::string& bytes);

/// Converts UTF-16LE text with a byte-order mark to UTF-8 and drops a UTF-8 byte-order mark;
/// any other bytes stay as they are.
std::string DecodeByteOrderMark(const std::string& bytes);

/// Encodes UTF-8 text as UTF-16LE with a byte-order mark, as Windows writes data-link files.
std::string EncodeUtf16LeWithBom(const std::string& utf8);

/// Reads a whole file as bytes; false with the system's error number when it cannot.
bool TryReadWholeFile(const std::string& path, std::string& bytes, int& errorNumber);

/// Reads a whole file as bytes. Throws EFileError "Cannot open file "%s". %s" when it cannot.
std::string ReadWholeFile(const std::string& path);

/// The system's reason for the last failed call, as the error messages quote it.
std::string SystemErrorText(int errorNumber);

} // namespace quorvane
