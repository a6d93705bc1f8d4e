#pragma once

#include "text/EngineErrors.h"

#include <string>

namespace quorvane {

struct TProjectParam;

/// A settings file that cannot be taken as it stands: a line that is no section, key or
/// comment, an unknown section or key, one given twice, or a value its option refuses. The
/// message names the file, the line and, for a value, the key. Also a value that a file could
/// not keep, when one is written.
class ESettingsError : public EOptionsError {
public:
    using EOptionsError::EOptionsError;
};

// The settings of a run are an INI file in UTF-8, one section per group of options:
//
//   [Database]          File, MapFile, NameCodeOrder
//   [Directories]       Template, Output
//   [Server]            DataSetType, ProviderOptions, RemoteDataModule, TrimPrefix,
//                       ConnectionName, ProjectGuids (template or new)
//   [ClientDataModule]  ClientDataSetType, ConnectionBrokerName, TrimPrefix, FloatFormat,
//                       CurrencyFormat, DateFormat
//   [ClientForms]       DataModuleName, NavigatorType, GridType, Space, OnlyTable,
//                       ExcludeTables, WithColon, LeftJustify, AutoSize, TrimPrefix
//   [Schema]            SchemaKeys, RequiredFields, FkLookups, CommentLabels
//
// "Key=Value" lines; names of sections and keys in any letter case; blanks around names and
// values do not count, and a value may stand in quotes to keep its own; yes/no values are
// true or false; lines starting with ';' or '#' are comments. Each section and key may come
// once. DataSetType fills both DataSetType and DataSetKind, as the window's one field does.

/// Reads the settings file at `path` onto `options`: each key the file has replaces its option,
/// the others keep theirs. Values are checked as the batch tool checks its options; relative
/// paths are taken from the file's folder. Nothing changes unless the whole file is sound.
/// Throws EFileError "Cannot open settings file "%s". %s", ESettingsError, EOptionsError for an
/// encoding that is not read.
void ReadRunSettings(const std::string& path, TProjectParam& options);

/// Writes every option of `options` to the settings file at `path`, atomically. Paths below the
/// file's folder are written relative to it, others as absolute paths. Refuses, before writing,
/// what ReadRunSettings would refuse (EConvertError with the batch tool's message) and a value
/// holding a line break (ESettingsError); the writer's own EFileError otherwise.
void WriteRunSettings(const std::string& path, const TProjectParam& options);

} // namespace quorvane
