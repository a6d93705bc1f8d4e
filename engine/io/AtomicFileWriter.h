#pragma once

#include "text/TemplateText.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// Writes a file so that no half-written file is ever left: an existing file is replaced through
/// a temporary file in the same folder that Commit renames over it, so it keeps its content whole
/// when writing fails; a new file is written in place and removed unless Commit is reached. Throws
/// EFileError "Cannot create file "%s". %s".
class TAtomicFileWriter {
public:
    explicit TAtomicFileWriter(std::string path);
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    void Write(std::string_view text);
    /// Every line followed by CR LF.
    void WriteLines(const TStringList& lines);
    void Commit();

private:
    std::string FPath;
    std::string FTemporaryPath;
    std::string FBuffer;
    int FDescriptor = -1;
    bool FCommitted = false;

    void Flush();
    void WriteThrough(std::string_view text);
};

/// Writes `bytes` to a temporary file in the same folder that is then renamed over `path`, so an
/// existing file keeps its content whole when writing fails. Throws EFileError "Cannot create
/// file "%s". %s".
void WriteBytesToFile(const std::string& path, const std::string& bytes);

/// Writes every line followed by CR LF, as WriteBytesToFile does.
void WriteLinesToFile(const std::string& path, const TStringList& lines);

} // namespace quorvane
