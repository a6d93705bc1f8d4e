#include "io/OutputPath.h"

#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

TFileDescriptor::~TFileDescriptor() {
    if (FDescriptor >= 0) {
        ::close(FDescriptor);
    }
}

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& other) noexcept {
    if (this != &other) {
        if (FDescriptor >= 0) {
            ::close(FDescriptor);
        }
        FDescriptor = other.Release();
    }
    return *this;
}

int TFileDescriptor::Release() noexcept {
    const int descriptor = FDescriptor;
    FDescriptor = -1;
    return descriptor;
}

std::string TOutputPath::Full() const {
    if (Root.empty()) {
        return Relative;
    }
    if (Relative.empty()) {
        return Root;
    }
    return Root.back() == '/' ? Root + Relative : Root + "/" + Relative;
}

TOutputPath TOutputPath::Child(std::string_view name) const {
    return {Root, Relative.empty() ? std::string(name) : Relative + "/" + std::string(name)};
}

TOutputPath TOutputPath::Parent() const {
    const std::size_t slash = Relative.rfind('/');
    if (slash == std::string::npos) {
        return {Root, {}};
    }
    return {Root, slash == 0 ? std::string("/") : Relative.substr(0, slash)};
}

std::string TOutputPath::Name() const {
    const std::size_t slash = Relative.rfind('/');
    return slash == std::string::npos ? Relative : Relative.substr(slash + 1);
}

namespace {

TFileDescriptor OpenOutputFolderByWalk(const TOutputPath& folder, bool create);

} // namespace

TFileDescriptor OpenOutputFolder(const TOutputPath& folder, bool create,
                                 TOutputFolderCache* folders) {
    TOutputFolderCache* const cache = folder.Root.empty() ? nullptr : folders;
    if (cache != nullptr) {
        const auto found = cache->FFolders.find({folder.Root, folder.Relative});
        if (found != cache->FFolders.end()) {
            TFileDescriptor copy(::fcntl(found->second.Get(), F_DUPFD_CLOEXEC, 0));
            if (copy.Valid()) {
                return copy;
            }
        }
    }
    TFileDescriptor opened = OpenOutputFolderByWalk(folder, create);
    if (cache != nullptr) {
        TFileDescriptor kept(::fcntl(opened.Get(), F_DUPFD_CLOEXEC, 0));
        if (kept.Valid()) {
            cache->FFolders.insert_or_assign({folder.Root, folder.Relative}, std::move(kept));
        }
    }
    return opened;
}

namespace {

TFileDescriptor OpenOutputFolderByWalk(const TOutputPath& folder, bool create) {
    const auto fail = [&folder](const std::string& reason) -> TFileDescriptor {
        throw EFileError("Cannot create folder \"" + folder.Full() + "\". " + reason);
    };
    if (folder.Root.empty()) {
        // A path of its own: the system follows it, as it follows every path the user gives.
        const std::string path = folder.Relative.empty() ? std::string(".") : folder.Relative;
        TFileDescriptor opened(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        return opened.Valid() ? std::move(opened) : fail(SystemErrorText(errno));
    }
    if (create) {
        std::error_code ignored; // a folder that cannot be made is reported by the open below
        std::filesystem::create_directories(folder.Root, ignored);
    }
    TFileDescriptor current(::open(folder.Root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!current.Valid()) {
        return fail(SystemErrorText(errno));
    }
    std::string walked = folder.Root;
    while (walked.size() > 1 && walked.back() == '/') {
        walked.pop_back();
    }
    std::size_t start = 0;
    while (start < folder.Relative.size()) {
        std::size_t end = folder.Relative.find('/', start);
        if (end == std::string::npos) {
            end = folder.Relative.size();
        }
        const std::string name = folder.Relative.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == ".") {
            continue;
        }
        walked += "/" + name;
        if (name == "..") {
            return fail("A run writes only below \"" + folder.Root + "\".");
        }
        if (create && ::mkdirat(current.Get(), name.c_str(), 0777) != 0 && errno != EEXIST) {
            return fail(SystemErrorText(errno));
        }
        TFileDescriptor next(
            ::openat(current.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.Valid()) {
            const int error = errno;
            struct stat status {};
            if (::fstatat(current.Get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(status.st_mode)) {
                return fail("\"" + walked +
                            "\" is a link; a run writes nothing through links. Remove it, or "
                            "choose another output directory.");
            }
            return fail(error == ENOTDIR ? "\"" + walked + "\" is no folder."
                                         : SystemErrorText(error));
        }
        current = std::move(next);
    }
    return current;
}

} // namespace

std::string TemporaryFileName() {
    // Unique within the process by the counter, across processes by the seed: a name taken
    // anyway is refused by O_EXCL and the caller takes another.
    static std::atomic<std::uint64_t> counter{0};
    static const std::uint64_t seed =
        ((std::uint64_t{std::random_device{}()} << 32) | std::random_device{}()) ^
        static_cast<std::uint64_t>(::getpid()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    // splitmix64: every counter value gives another name, spread over all the digits.
    std::uint64_t value = seed + counter.fetch_add(1) * 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    value ^= value >> 31;
    static constexpr char Digits[] = "0123456789abcdef";
    std::string name(TemporaryFilePrefix);
    for (std::size_t i = 0; i < TemporaryFileDigits; ++i) {
        name += Digits[(value >> (60 - 4 * i)) & 0xF];
    }
    return name;
}

bool IsTemporaryFileName(std::string_view name) {
    return name.size() == TemporaryFilePrefix.size() + TemporaryFileDigits &&
           name.starts_with(TemporaryFilePrefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(TemporaryFilePrefix.size()),
                       name.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

} // namespace quorvane
