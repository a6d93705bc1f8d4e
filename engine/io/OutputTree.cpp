#include "io/OutputTree.h"

#include "io/PrivateFolder.h"
#include "text/EngineErrors.h"
#include "text/TextDiff.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <fstream>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

// Files a preview shows a diff of: larger ones, and those holding NUL bytes, are only said to
// have changed.
constexpr std::size_t MaxDiffedFileSize = std::size_t{8} << 20;

class TDiskOutputFile final : public TOutputFile {
public:
    TDiskOutputFile(const TOutputPath& path, TOutputFolderCache& folders)
        : FWriter(path, {}, &folders) {}
    void Write(std::string_view text) override { FWriter.Write(text); }
    void Commit() override { FWriter.Commit(); }

private:
    TAtomicFileWriter FWriter;
};

// The relative paths of the regular files under `dir`, links to files counted as files.
std::vector<std::string> FilesUnder(const fs::path& dir) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator entry(dir, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file(error)) {
            files.push_back(entry->path().lexically_relative(dir).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Whether two files hold the same bytes, read a block at a time.
bool SameBytes(const fs::path& left, const fs::path& right) {
    std::error_code error;
    if (fs::file_size(left, error) != fs::file_size(right, error) || error) {
        return false;
    }
    std::ifstream a(left, std::ios::binary);
    std::ifstream b(right, std::ios::binary);
    std::string blockA(1 << 16, '\0');
    std::string blockB(1 << 16, '\0');
    while (a && b) {
        a.read(blockA.data(), static_cast<std::streamsize>(blockA.size()));
        b.read(blockB.data(), static_cast<std::streamsize>(blockB.size()));
        if (a.gcount() != b.gcount() ||
            blockA.compare(0, static_cast<std::size_t>(a.gcount()), blockB, 0,
                           static_cast<std::size_t>(b.gcount())) != 0) {
            return false;
        }
    }
    return a.eof() && b.eof();
}

bool Diffable(std::string_view bytes) {
    return bytes.size() <= MaxDiffedFileSize && bytes.find('\0') == std::string_view::npos;
}

} // namespace

void TOutputFile::WriteLines(const TStringList& lines) {
    for (const std::string& line : lines) {
        Write(line);
        Write("\r\n");
    }
}

void TOutputTree::WriteBytes(std::string_view relative, std::string_view bytes) {
    const std::unique_ptr<TOutputFile> file = Create(relative);
    file->Write(bytes);
    file->Commit();
}

void TOutputTree::WriteLines(std::string_view relative, const TStringList& lines) {
    const std::unique_ptr<TOutputFile> file = Create(relative);
    file->WriteLines(lines);
    file->Commit();
}

// --- On disk ---

TDiskOutputTree::TDiskOutputTree(TOutputPath copy) : FCopy(std::move(copy)), FLock(FCopy) {}

std::string TDiskOutputTree::Full(std::string_view relative) const {
    return FCopy.Child(relative).Full();
}

void TDiskOutputTree::CopyTemplate(const fs::path& templateDir) {
    CopyDirectoryTree(templateDir, FCopy);
}

void TDiskOutputTree::CopyFile(const fs::path& source, std::string_view relative,
                               const TFileCopier& copier) {
    if (copier) {
        copier(source, FCopy.Child(relative));
    } else {
        CopyOneFile(source, FCopy.Child(relative));
    }
}

std::unique_ptr<TOutputFile> TDiskOutputTree::Create(std::string_view relative) {
    return std::make_unique<TDiskOutputFile>(FCopy.Child(relative), FFolders);
}

// --- In memory ---

class TMemoryOutputFile final : public TOutputFile {
public:
    TMemoryOutputFile(TMemoryOutputTree& tree, std::string_view relative)
        : FTree(tree), FRelative(relative) {}
    void Write(std::string_view text) override { FBytes.append(text); }
    void Commit() override { FTree.Put(FRelative, std::move(FBytes)); }

private:
    TMemoryOutputTree& FTree;
    std::string FRelative;
    std::string FBytes;
};

std::string TMemoryOutputTree::Full(std::string_view relative) const {
    std::string full = FRoot;
    full.append("/").append(relative);
    return full;
}

void TMemoryOutputTree::CopyTemplate(const fs::path&) {
    // Tests look at what the run makes; the template's files are theirs already.
}

void TMemoryOutputTree::CopyFile(const fs::path& source, std::string_view relative,
                                 const TFileCopier& copier) {
    std::string bytes;
    std::string reason;
    bool read = false;
    if (copier) {
        const TPrivateFolder folder("quorvane-copy");
        copier(source, TOutputPath{folder.Path(), "copy"});
        read = TryReadWholeFile(folder.File("copy"), bytes, reason);
    } else {
        read = TryReadWholeFile(source.string(), bytes, reason);
    }
    if (!read) {
        throw EFileError(reason);
    }
    Put(relative, std::move(bytes));
}

std::unique_ptr<TOutputFile> TMemoryOutputTree::Create(std::string_view relative) {
    return std::make_unique<TMemoryOutputFile>(*this, relative);
}

const std::string& TMemoryOutputTree::Text(std::string_view relative) const {
    const auto found = FFiles.find(relative);
    if (found == FFiles.end()) {
        throw std::out_of_range("No file \"" + std::string(relative) + "\" was written.");
    }
    return found->second;
}

void TMemoryOutputTree::Put(std::string_view relative, std::string bytes) {
    const auto [at, inserted] = FFiles.insert_or_assign(std::string(relative), std::move(bytes));
    if (inserted) {
        FOrder.push_back(at->first);
    }
}

// --- Preview ---

class TPreviewOutputFile final : public TOutputFile {
public:
    TPreviewOutputFile(TPreviewOutputTree& tree, std::string_view relative)
        : FTree(tree), FRelative(relative) {}
    void Write(std::string_view text) override { FBytes.append(text); }
    void Commit() override {
        FTree.Compare(FRelative, FBytes);
        FBytes.clear();
    }

private:
    TPreviewOutputTree& FTree;
    std::string FRelative;
    std::string FBytes;
};

std::string_view PreviewStateName(TPreviewState state) {
    switch (state) {
    case TPreviewState::New:
        return "new";
    case TPreviewState::Changed:
        return "changed";
    case TPreviewState::Unchanged:
        break;
    }
    return "unchanged";
}

std::string PreviewListing(const std::vector<TPreviewEntry>& entries) {
    std::string listing;
    for (const TPreviewEntry& entry : entries) {
        listing.append(PreviewStateName(entry.State)).append(" ").append(entry.Relative);
        listing.append("\n").append(entry.Diff);
    }
    return listing;
}

TPreviewOutputTree::TPreviewOutputTree(TOutputPath copy, bool withDiffs)
    : FCopy(std::move(copy)), FWithDiffs(withDiffs) {}

std::string TPreviewOutputTree::Full(std::string_view relative) const {
    return FCopy.Child(relative).Full();
}

void TPreviewOutputTree::CopyTemplate(const fs::path& templateDir) {
    for (const std::string& relative : FilesUnder(templateDir)) {
        CompareCopy(templateDir / relative, relative);
    }
}

void TPreviewOutputTree::CopyFile(const fs::path& source, std::string_view relative,
                                  const TFileCopier& copier) {
    if (!copier) {
        CompareCopy(source, relative);
        return;
    }
    // The copy is made where nobody sees it and compared as the run would leave it: a
    // database's consistent copy need not hold the bytes of its file.
    const TPrivateFolder folder("quorvane-preview");
    copier(source, TOutputPath{folder.Path(), "copy"});
    CompareCopy(folder.File("copy"), relative);
}

void TPreviewOutputTree::CompareCopy(const fs::path& source, std::string_view relative) {
    const fs::path earlier = FCopy.Child(relative).Full();
    std::error_code error;
    if (!fs::is_regular_file(earlier, error)) {
        Record(relative, TPreviewState::New, {});
        return;
    }
    if (SameBytes(source, earlier)) {
        Record(relative, TPreviewState::Unchanged, {});
        return;
    }
    std::string bytes;
    std::string reason;
    if (FWithDiffs && fs::file_size(source, error) <= MaxDiffedFileSize &&
        TryReadWholeFile(source.string(), bytes, reason, MaxDiffedFileSize)) {
        Compare(relative, bytes);
        return;
    }
    Record(relative, TPreviewState::Changed, {});
}

std::unique_ptr<TOutputFile> TPreviewOutputTree::Create(std::string_view relative) {
    return std::make_unique<TPreviewOutputFile>(*this, relative);
}

void TPreviewOutputTree::Compare(std::string_view relative, std::string_view bytes) {
    const std::string earlierPath = FCopy.Child(relative).Full();
    std::error_code error;
    if (!fs::is_regular_file(earlierPath, error)) {
        Record(relative, TPreviewState::New, {});
        return;
    }
    std::string earlier;
    std::string reason;
    const std::uintmax_t earlierSize = fs::file_size(earlierPath, error);
    if (!error && earlierSize == bytes.size() &&
        TryReadWholeFile(earlierPath, earlier, reason, bytes.size() + 1) && earlier == bytes) {
        Record(relative, TPreviewState::Unchanged, {});
        return;
    }
    std::string diff;
    if (FWithDiffs && earlierSize <= MaxDiffedFileSize && Diffable(bytes)) {
        if (earlier.empty()) {
            TryReadWholeFile(earlierPath, earlier, reason, MaxDiffedFileSize);
        }
        if (Diffable(earlier)) {
            const std::string label(relative);
            diff = UnifiedDiff(earlier, bytes, label, label + " (this run)");
        }
    }
    Record(relative, TPreviewState::Changed, std::move(diff));
}

void TPreviewOutputTree::Record(std::string_view relative, TPreviewState state, std::string diff) {
    auto found = FEntries.find(relative);
    if (found == FEntries.end()) {
        found = FEntries.emplace(std::string(relative), TPreviewEntry{}).first;
        FOrder.push_back(found->first);
    }
    found->second.Relative = std::string(relative);
    found->second.Full = Full(relative);
    found->second.State = state;
    found->second.Diff = std::move(diff);
}

std::vector<TPreviewEntry> TPreviewOutputTree::Entries() const {
    std::vector<TPreviewEntry> entries;
    entries.reserve(FOrder.size());
    for (const std::string& relative : FOrder) {
        entries.push_back(FEntries.find(relative)->second);
    }
    return entries;
}

} // namespace quorvane
