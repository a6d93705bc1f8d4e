#pragma once

#include "io/OutputPath.h"
#include "io/StopSignals.h"
#include "text/TemplateText.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace quorvane {

/// Writes a file so that no half-written file is ever left, not even by a run that is killed:
/// the text goes to a temporary file in the same folder that Commit renames over the file's
/// name; until then the earlier file, if any, stays whole, and a writer that is not committed
/// removes its temporary file, as does a stop signal (StopSignals.h). The folder is reached without
/// following links below the path's root, and a link where the file goes is refused rather than
/// replaced or written through. Throws EFileError "Cannot create file "%s". %s".
class TAtomicFileWriter {
public:
    /// `mode`: the new file's permission bits, less the umask; without it, those of the file it
    /// replaces, or the usual ones. `folders`: the run's folder handles, when it keeps them.
    explicit TAtomicFileWriter(const TOutputPath& path, std::optional<mode_t> mode = {},
                               TOutputFolderCache* folders = nullptr);
    explicit TAtomicFileWriter(const std::string& path)
        : TAtomicFileWriter(TOutputPath{{}, path}) {}
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    void Write(std::string_view text);
    /// Every line followed by CR LF.
    void WriteLines(const TStringList& lines);
    /// Writes a hole of `size` bytes: the file stays sparse there where the file system can.
    void Skip(off_t size);
    void Commit();

private:
    std::string FPath;
    std::string FName;
    std::string FTemporaryName;
    TFileDescriptor FFolder;
    TFileDescriptor FFile;
    TStopCleanup FStopRemoval; // released before FFolder closes
    std::string FBuffer;
    off_t FSize = 0;
    bool FEndsInHole = false;
    bool FCommitted = false;

    void Flush();
    void WriteThrough(std::string_view text);
};

/// Writes `bytes` atomically, as TAtomicFileWriter does.
void WriteBytesToFile(const TOutputPath& path, const std::string& bytes);
void WriteBytesToFile(const std::string& path, const std::string& bytes);

/// Writes every line followed by CR LF, as WriteBytesToFile does.
void WriteLinesToFile(const TOutputPath& path, const TStringList& lines);

} // namespace quorvane
