#pragma once

#include "schema/FieldTypes.h"
#include "schema/SchemaSource.h"
#include "schema/TableSelection.h"

#include <string>
#include <vector>

namespace quorvane {

/// "place.name", or the name alone where there is no place (schema, database or qualifier).
inline std::string QualifiedTableName(const std::string& place, const std::string& name) {
    return place.empty() ? name : place + "." + name;
}

/// One table or view as a run sees it: its name as the catalogue lists it and its fields.
struct TSnapshotTable {
    std::string Name;
    std::string Type; ///< "TABLE" or "VIEW"
    std::vector<TFieldDescriptor> Fields;
    std::string Qualifier; ///< as ISchemaSource::QualifierOf gives it
    std::string Schema;    ///< the schema (MySQL, MariaDB: the database) that holds it, if any
    TTableKeys Keys = {};  ///< its primary and foreign keys, as far as the database says

    /// The name as the select text and a reader name it: "Qualifier.Name", or the name alone.
    std::string QualifiedName() const { return QualifiedTableName(Qualifier, Name); }
};

/// What a run reads of a database, once: its tables and views in catalogue order (system tables
/// and every other kind left out), each with its field descriptors.
struct TSchemaSnapshot {
    std::vector<TSnapshotTable> Tables;
    /// The source's warnings (ISchemaSource::Warnings), read with the catalogue, then what the
    /// run leaves out of the database: each other kind of relation the catalogue lists, and
    /// each column of a type no field class takes.
    std::vector<std::string> Warnings;
    /// How the database quotes table names in the select texts of the generated server.
    TIdentifierQuoting Quoting;
};

/// Whether a catalogue row is one a run generates code for: a table or a view.
bool IsGeneratedTableType(const std::string& tableType);

/// Whether a catalogue row is one of the database system's own objects, which a run leaves out
/// without a word.
bool IsSystemTableType(const std::string& tableType);

/// Reads the catalogue of `source` once and describes each of its tables and views that
/// `selection` chooses once; the others are not described at all. Throws EOptionsError, before
/// describing anything, when the selection names what the catalogue does not hold.
TSchemaSnapshot ReadSchemaSnapshot(ISchemaSource& source, const TTableSelection& selection = {});

} // namespace quorvane
