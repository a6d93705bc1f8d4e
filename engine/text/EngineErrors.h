#pragma once

#include <stdexcept>
#include <string>

namespace quorvane {

/// Base of every error the engine raises. The message is the exact text the user reads.
class EEngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A file could not be opened, created, read or copied ("Cannot open file ..." and the like).
class EFileError : public EEngineError {
public:
    using EEngineError::EEngineError;
};

/// A name format could not be applied to a name (the runtime's format errors).
class EFormatError : public EEngineError {
public:
    using EEngineError::EEngineError;
};

/// The database could not be reached or described.
class EDatabaseError : public EEngineError {
public:
    using EEngineError::EEngineError;
};

/// The options of a run cannot lead to a sound output (empty directories, a table without
/// identifier, an output folder inside the template, ...).
class EOptionsError : public EEngineError {
public:
    using EEngineError::EEngineError;
};

/// A text that should be a number is not one ("'%s' is not a valid integer value.").
class EConvertError : public EEngineError {
public:
    using EEngineError::EEngineError;
};

/// The output directory already holds a copy of the template from an earlier run and the caller
/// did not agree to replace it.
class EExistingCopyError : public EEngineError {
public:
    EExistingCopyError(const std::string& message, std::string copyPath)
        : EEngineError(message), CopyPath(std::move(copyPath)) {}
    std::string CopyPath;
};

/// The caller asked the run to stop (TDM::Cancel). The files written until then stay, each whole.
class ECancelledError : public EEngineError {
public:
    using EEngineError::EEngineError;
};

} // namespace quorvane
