#pragma once

#include "io/AtomicFileWriter.h"
#include "io/FileCopy.h"
#include "io/OutputLock.h"
#include "io/OutputPath.h"
#include "text/TemplateText.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

/// One file a run is writing into an output tree. Nothing is seen under its name until Commit;
/// a file dropped without Commit leaves what was there before.
class TOutputFile {
public:
    virtual ~TOutputFile() = default;
    virtual void Write(std::string_view text) = 0;
    /// Every line followed by CR LF.
    void WriteLines(const TStringList& lines);
    virtual void Commit() = 0;
};

/// Makes a copy of the file `source` at `target`, as a run's copies of the user's files are made
/// (a plain byte copy, or for a database whatever gives a consistent copy of it).
using TFileCopier =
    std::function<void(const std::filesystem::path& source, const TOutputPath& target)>;

/// Receives every file of a run, by its path relative to the copy of the template ("a/b.pas"),
/// one file at a time. The disk tree writes them, the memory tree keeps them, the preview tree
/// compares them with what an earlier run left.
class TOutputTree {
public:
    virtual ~TOutputTree() = default;
    /// The path of `relative` as status texts and messages show it.
    virtual std::string Full(std::string_view relative) const = 0;
    /// Puts the template directory's files into the tree, before the run's own files replace
    /// some of them.
    virtual void CopyTemplate(const std::filesystem::path& templateDir) = 0;
    /// Puts a copy of one of the user's files (the database) at `relative`, made by `copier`
    /// (unset: a byte copy). Throws EFileError with the reason alone.
    virtual void CopyFile(const std::filesystem::path& source, std::string_view relative,
                          const TFileCopier& copier = {}) = 0;
    virtual std::unique_ptr<TOutputFile> Create(std::string_view relative) = 0;

    /// Writes `bytes` as the whole of `relative`.
    void WriteBytes(std::string_view relative, std::string_view bytes);
    /// Writes every line followed by CR LF as the whole of `relative`.
    void WriteLines(std::string_view relative, const TStringList& lines);
};

/// The tree on disk: the copy of the template in the output directory. It holds the copy's lock
/// while it lives, and keeps the handles of the folders it writes into, since a run writes
/// thousands of files into a handful of folders; every file is written atomically, without
/// following a link below the output directory.
class TDiskOutputTree final : public TOutputTree {
public:
    /// Locks `copy` (making it when missing). Throws EFileError when another run holds it.
    explicit TDiskOutputTree(TOutputPath copy);

    std::string Full(std::string_view relative) const override;
    void CopyTemplate(const std::filesystem::path& templateDir) override;
    void CopyFile(const std::filesystem::path& source, std::string_view relative,
                  const TFileCopier& copier = {}) override;
    std::unique_ptr<TOutputFile> Create(std::string_view relative) override;

private:
    TOutputPath FCopy;
    TOutputLock FLock;
    TOutputFolderCache FFolders;
};

/// A tree in memory, for tests: every file's bytes by its relative path. The template's own
/// files are not read into it.
class TMemoryOutputTree final : public TOutputTree {
public:
    explicit TMemoryOutputTree(std::string root = "/memory") : FRoot(std::move(root)) {}

    std::string Full(std::string_view relative) const override;
    void CopyTemplate(const std::filesystem::path& templateDir) override;
    void CopyFile(const std::filesystem::path& source, std::string_view relative,
                  const TFileCopier& copier = {}) override;
    std::unique_ptr<TOutputFile> Create(std::string_view relative) override;

    /// The files written, by relative path, and the order they were first written in.
    const std::map<std::string, std::string, std::less<>>& Files() const { return FFiles; }
    const std::vector<std::string>& Order() const { return FOrder; }
    /// The bytes of `relative`; throws std::out_of_range when it was not written.
    const std::string& Text(std::string_view relative) const;

private:
    friend class TMemoryOutputFile;
    std::string FRoot;
    std::map<std::string, std::string, std::less<>> FFiles;
    std::vector<std::string> FOrder;
    void Put(std::string_view relative, std::string bytes);
};

/// What a run would do to one file of an earlier output.
enum class TPreviewState { New, Changed, Unchanged };

struct TPreviewEntry {
    std::string Relative;
    std::string Full;
    TPreviewState State = TPreviewState::New;
    /// With diffs asked for, a changed text file's unified diff against the earlier file, both
    /// named by the relative path.
    std::string Diff;
};

/// The tree of a dry run: writes nothing, and tells for each file the run would write whether
/// the copy in the output directory lacks it, holds it otherwise, or holds it as it is. Each
/// file is compared as it is committed, so memory holds one file at a time plus the results.
class TPreviewOutputTree final : public TOutputTree {
public:
    TPreviewOutputTree(TOutputPath copy, bool withDiffs);

    std::string Full(std::string_view relative) const override;
    void CopyTemplate(const std::filesystem::path& templateDir) override;
    void CopyFile(const std::filesystem::path& source, std::string_view relative,
                  const TFileCopier& copier = {}) override;
    std::unique_ptr<TOutputFile> Create(std::string_view relative) override;

    /// Every file the run would write, in the order first written; a file written twice (a
    /// template file the run then generates) is listed once, as the run leaves it.
    std::vector<TPreviewEntry> Entries() const;

private:
    friend class TPreviewOutputFile;
    TOutputPath FCopy;
    bool FWithDiffs;
    std::map<std::string, TPreviewEntry, std::less<>> FEntries;
    std::vector<std::string> FOrder;
    void Compare(std::string_view relative, std::string_view bytes);
    /// Compares the file `source`, as the copy at `relative` would hold it.
    void CompareCopy(const std::filesystem::path& source, std::string_view relative);
    void Record(std::string_view relative, TPreviewState state, std::string diff);
};

/// The word a preview lists a file's state with: "new", "changed" or "unchanged".
std::string_view PreviewStateName(TPreviewState state);

/// A preview as text: a line "<state> <relative path>" per file, each changed file followed by
/// its diff when it has one.
std::string PreviewListing(const std::vector<TPreviewEntry>& entries);

} // namespace quorvane
