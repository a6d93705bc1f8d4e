#include "datalink/DatabaseFile.h"

#include "io/FileCopy.h"
#include "schema/sqlite/SqliteSchemaSource.h"
#include "text/StringUtils.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

// Enough for every header below.
constexpr std::size_t SniffedBytes = 64;

constexpr std::string_view SqliteMagic{"SQLite format 3\0", 16};
// An Access file: a page type and version, then the engine's name.
constexpr std::string_view AccessPrefix{"\x00\x01\x00\x00", 4};
constexpr std::string_view JetName{"Standard Jet DB\0", 16};
constexpr std::string_view AceName{"Standard ACE DB\0", 16};

// A Firebird or InterBase database opens with its header page: the page type 1, the page size
// at byte 16 and the on-disk structure's version at byte 18, both little-endian. Firebird marks
// its versions with the high bit; InterBase does not.
constexpr unsigned char HeaderPageType = 1;
constexpr std::size_t PageSizeOffset = 16;
constexpr std::size_t OdsVersionOffset = 18;
constexpr std::uint16_t FirebirdOdsFlag = 0x8000;
constexpr std::uint16_t OldestOds = 8;  // InterBase 4
constexpr std::uint16_t NewestOds = 20; // room for versions to come
constexpr std::uint16_t SmallestPage = 1024;

std::uint16_t LittleEndian16(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                      static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

bool IsFirebirdHeader(std::string_view bytes) {
    if (bytes.size() < OdsVersionOffset + 2 ||
        static_cast<unsigned char>(bytes[0]) != HeaderPageType) {
        return false;
    }
    const std::uint16_t pageSize = LittleEndian16(bytes, PageSizeOffset);
    const auto ods =
        static_cast<std::uint16_t>(LittleEndian16(bytes, OdsVersionOffset) & ~FirebirdOdsFlag);
    const bool powerOfTwo = (pageSize & (pageSize - 1)) == 0;
    return pageSize >= SmallestPage && powerOfTwo && ods >= OldestOds && ods <= NewestOds;
}

// The text a data-link file opens with, read as ASCII: UTF-16LE after its byte-order mark (every
// other byte), UTF-8 after its mark, or 8-bit.
bool OpensWithOledbSection(std::string_view bytes) {
    std::string text;
    if (bytes.substr(0, 2) == "\xFF\xFE") {
        for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
            text += bytes[at + 1] == '\0' ? bytes[at] : '\x01';
        }
    } else {
        text = bytes.substr(bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0);
    }
    return StartsWithText(TrimView(text), "[oledb]");
}

// The extension of a file name: from its last ".", the dot included; "" without a dot.
std::string ExtensionOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    return path.substr(dot);
}

constexpr std::array<std::string_view, 3> SqliteExtensions{".sqlite", ".sqlite3", ".db"};
constexpr std::array<std::string_view, 1> JetExtensions{".mdb"};
constexpr std::array<std::string_view, 1> AceExtensions{".accdb"};
constexpr std::array<std::string_view, 3> FirebirdExtensions{".fdb", ".gdb", ".ib"};
constexpr std::array<std::string_view, 1> DataLinkExtensions{".udl"};

} // namespace

TDatabaseFileKind SniffDatabaseFile(const std::string& path) {
    // Opened without waiting and only read when it is a regular file: a pipe named as the
    // database blocks nothing here.
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0) {
        return TDatabaseFileKind::Unknown;
    }
    std::array<char, SniffedBytes> buffer{};
    ssize_t count = -1;
    struct stat status {};
    if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode)) {
        count = ::read(file, buffer.data(), buffer.size());
    }
    ::close(file);
    if (count <= 0) {
        return TDatabaseFileKind::Unknown;
    }
    const std::string_view bytes(buffer.data(), static_cast<std::size_t>(count));
    if (bytes.substr(0, SqliteMagic.size()) == SqliteMagic) {
        return TDatabaseFileKind::Sqlite;
    }
    if (bytes.substr(0, AccessPrefix.size()) == AccessPrefix) {
        const std::string_view name = bytes.substr(AccessPrefix.size(), JetName.size());
        if (name == JetName) {
            return TDatabaseFileKind::Jet;
        }
        if (name == AceName) {
            return TDatabaseFileKind::Ace;
        }
    }
    if (IsFirebirdHeader(bytes)) {
        return TDatabaseFileKind::Firebird;
    }
    if (OpensWithOledbSection(bytes)) {
        return TDatabaseFileKind::DataLink;
    }
    return TDatabaseFileKind::Unknown;
}

std::span<const std::string_view> DatabaseFileExtensions(TDatabaseFileKind kind) {
    switch (kind) {
    case TDatabaseFileKind::Sqlite:
        return SqliteExtensions;
    case TDatabaseFileKind::Jet:
        return JetExtensions;
    case TDatabaseFileKind::Ace:
        return AceExtensions;
    case TDatabaseFileKind::Firebird:
        return FirebirdExtensions;
    case TDatabaseFileKind::DataLink:
        return DataLinkExtensions;
    case TDatabaseFileKind::Unknown:
        break;
    }
    return {};
}

TDatabaseFileKind DatabaseFileKindOfName(const std::string& path) {
    const std::string extension = ExtensionOf(path);
    for (const TDatabaseFileKind kind :
         {TDatabaseFileKind::Sqlite, TDatabaseFileKind::Jet, TDatabaseFileKind::Ace,
          TDatabaseFileKind::Firebird, TDatabaseFileKind::DataLink}) {
        const std::span<const std::string_view> known = DatabaseFileExtensions(kind);
        if (std::any_of(known.begin(), known.end(), [&extension](std::string_view candidate) {
                return SameTextAscii(extension, candidate);
            })) {
            return kind;
        }
    }
    return TDatabaseFileKind::Unknown;
}

TDatabaseFileKind DatabaseFileKindOf(const std::string& path) {
    const TDatabaseFileKind kind = SniffDatabaseFile(path);
    return kind != TDatabaseFileKind::Unknown ? kind : DatabaseFileKindOfName(path);
}

std::string DatabaseCopyName(const std::string& databaseFile) {
    const std::string extension = ExtensionOf(databaseFile);
    const TDatabaseFileKind kind = SniffDatabaseFile(databaseFile);
    const TDatabaseFileKind named = DatabaseFileKindOfName(databaseFile);
    std::string_view usual;
    switch (kind) {
    case TDatabaseFileKind::Sqlite:
        usual = named == TDatabaseFileKind::Sqlite ? "" : ".sqlite";
        break;
    case TDatabaseFileKind::Firebird:
        usual = named == TDatabaseFileKind::Firebird ? "" : ".fdb";
        break;
    case TDatabaseFileKind::Jet:
    case TDatabaseFileKind::Ace:
        usual = named == TDatabaseFileKind::Jet || named == TDatabaseFileKind::Ace ? ""
                : kind == TDatabaseFileKind::Ace                                   ? ".accdb"
                                                                                   : ".mdb";
        break;
    default:
        break;
    }
    return "Database" + (usual.empty() ? extension : std::string(usual));
}

void CopyDatabaseFile(const std::string& databaseFile, const TOutputPath& target) {
    if (SniffDatabaseFile(databaseFile) == TDatabaseFileKind::Sqlite) {
        BackUpSqliteDatabase(databaseFile, target);
    } else {
        CopyOneFile(databaseFile, target);
    }
}

} // namespace quorvane
