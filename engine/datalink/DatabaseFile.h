#pragma once

#include "io/OutputPath.h"

#include <span>
#include <string>
#include <string_view>

namespace quorvane {

/// What a database input holds, told by its first bytes rather than its name.
enum class TDatabaseFileKind {
    Unknown,  ///< none of these, or not readable: its name decides
    Sqlite,   ///< "SQLite format 3\0"
    Jet,      ///< an Access file of Jet 3 or 4 ("Standard Jet DB")
    Ace,      ///< an Access 2007 file ("Standard ACE DB")
    Firebird, ///< a Firebird or InterBase database: a header page with a known on-disk version
    DataLink, ///< a data-link file: UTF-16LE with byte-order mark, or text opening with "[oledb]"
};

/// Reads the first bytes of the regular file at `path` and tells what it holds. A file that is
/// not there, no regular file (it is not opened for reading, so a pipe cannot block) or cannot
/// be read is Unknown.
TDatabaseFileKind SniffDatabaseFile(const std::string& path);

/// The extensions, in lower case and with their dot, by which a database input of `kind` is
/// known where its first bytes tell nothing: .sqlite, .sqlite3 and .db; .mdb; .accdb; .fdb, .gdb
/// and .ib; .udl. None for Unknown.
std::span<const std::string_view> DatabaseFileExtensions(TDatabaseFileKind kind);

/// The kind the extension of `path` names, compared without regard to letter case; Unknown for
/// any other extension and for none.
TDatabaseFileKind DatabaseFileKindOfName(const std::string& path);

/// What a database input is taken for: what its first bytes show, else what its name says.
TDatabaseFileKind DatabaseFileKindOf(const std::string& path);

/// The name of the database's copy beside the generated server: "Database" with the input's
/// extension, or with the usual extension of what the file holds when its own says otherwise
/// (a SQLite file named "orders" or "orders.udl" is copied as "Database.sqlite").
std::string DatabaseCopyName(const std::string& databaseFile);

/// Copies the database a run reads to `target`: a SQLite database through SQLite's backup API,
/// so that the copy is consistent and holds what its "-wal" holds; any other file byte for
/// byte. Throws EFileError with the reason alone.
void CopyDatabaseFile(const std::string& databaseFile, const TOutputPath& target);

} // namespace quorvane
