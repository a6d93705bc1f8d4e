#pragma once

// Compares two sets of run options field by field, and counts the fields of the option structs,
// so that a test notices an option that was added without a place in the comparison (and so in
// the settings files whose round trip it checks).

#include "generate/Options.h"

#include <cstddef>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace quorvane {

/// The names of the option fields in which `a` and `b` differ, in declaration order.
inline std::vector<std::string> DifferingOptions(const TProjectParam& a, const TProjectParam& b) {
    std::vector<std::string> differing;
#define QUORVANE_COMPARE(field)                                                                    \
    if (!(a.field == b.field)) {                                                                   \
        differing.emplace_back(#field);                                                            \
    }
    QUORVANE_COMPARE(Database.UDLFile)
    QUORVANE_COMPARE(Database.MapFile)
    QUORVANE_COMPARE(Database.NameCodeOrder)
    QUORVANE_COMPARE(Directories.TemplateDir)
    QUORVANE_COMPARE(Directories.OutputDir)
    QUORVANE_COMPARE(ServerOptions.DataSetType)
    QUORVANE_COMPARE(ServerOptions.DataSetKind)
    QUORVANE_COMPARE(ServerOptions.ProviderOptions)
    QUORVANE_COMPARE(ServerOptions.IsRDM)
    QUORVANE_COMPARE(ServerOptions.TrimPrefix)
    QUORVANE_COMPARE(ServerOptions.ConnectionName)
    QUORVANE_COMPARE(ServerOptions.ProjectGuids)
    QUORVANE_COMPARE(ClientDMOptions.ClientDataSetType)
    QUORVANE_COMPARE(ClientDMOptions.ConnectionBrokerName)
    QUORVANE_COMPARE(ClientDMOptions.TrimTableName)
    QUORVANE_COMPARE(ClientDMOptions.DisplayFormat.FloatFormat)
    QUORVANE_COMPARE(ClientDMOptions.DisplayFormat.CurrencyFormat)
    QUORVANE_COMPARE(ClientDMOptions.DisplayFormat.DateFormat)
    QUORVANE_COMPARE(ClientUIOptions.DMName)
    QUORVANE_COMPARE(ClientUIOptions.DBNavigatorType)
    QUORVANE_COMPARE(ClientUIOptions.DBGridType)
    QUORVANE_COMPARE(ClientUIOptions.Space)
    QUORVANE_COMPARE(ClientUIOptions.OnlyTable)
    QUORVANE_COMPARE(ClientUIOptions.ExcludeTables)
    QUORVANE_COMPARE(ClientUIOptions.WithColon)
    QUORVANE_COMPARE(ClientUIOptions.LeftJustify)
    QUORVANE_COMPARE(ClientUIOptions.AutoSize)
    QUORVANE_COMPARE(ClientUIOptions.TrimTableName)
    QUORVANE_COMPARE(SchemaOptions.SchemaKeys)
    QUORVANE_COMPARE(SchemaOptions.RequiredFields)
    QUORVANE_COMPARE(SchemaOptions.FkLookups)
    QUORVANE_COMPARE(SchemaOptions.CommentLabels)
#undef QUORVANE_COMPARE
    return differing;
}

/// How many option fields DifferingOptions compares.
inline constexpr std::size_t ComparedOptionCount = 32;

namespace option_fields {

// Converts to any member type; only named where nothing is evaluated.
struct TAnyField {
    template <typename T> operator T() const;
};

template <typename T, std::size_t... Index>
constexpr bool BracesWith(std::index_sequence<Index...>) {
    return requires {
        T{(static_cast<void>(Index), TAnyField{})...};
    };
}

} // namespace option_fields

/// The number of members of the aggregate T: the most initialisers its braces take.
template <typename T, std::size_t Count = 0> constexpr std::size_t FieldCount() {
    if constexpr (option_fields::BracesWith<T>(std::make_index_sequence<Count + 1>{})) {
        return FieldCount<T, Count + 1>();
    } else {
        return Count;
    }
}

/// The members of each option struct as DifferingOptions knows them, as (struct, counted, known)
/// triples; a struct whose two counts differ has a field the comparison lacks.
inline std::vector<std::tuple<std::string, std::size_t, std::size_t>> OptionStructFields() {
    return {
        {"TProjectParam", FieldCount<TProjectParam>(), 6},
        {"TDatabaseParam", FieldCount<TDatabaseParam>(), 3},
        {"TDirectoryParam", FieldCount<TDirectoryParam>(), 2},
        {"TDirectDMParam", FieldCount<TDirectDMParam>(), 7},
        {"TClientDMParam", FieldCount<TClientDMParam>(), 4},
        {"TDisplayFormat", FieldCount<TDisplayFormat>(), 3},
        {"TClientUIParam", FieldCount<TClientUIParam>(), 10},
        {"TSchemaParam", FieldCount<TSchemaParam>(), 4},
    };
}

} // namespace quorvane
