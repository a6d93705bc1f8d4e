#pragma once

#include "generate/DisplayTextMap.h"
#include "generate/ProjectPlan.h"
#include "text/TemplateText.h"

#include <string>

namespace quorvane {

/// What a builder makes for one unit and its form file: the lines that go where the unit holds
/// "{#DataComponentList}", and the objects that go before the form file's last "end".
struct TBlocks {
    TStringList UnitLines;
    TStringList FormLines;
};

/// The seven text pieces of the client main form and project file.
struct TMainFormLists {
    std::string FormUnitList;
    std::string ButtonList;
    std::string ButtonEventList;
    std::string ButtonEventCodeList;
    std::string ButtonObjectList;
    std::string FormUnitFileList;
    std::string FormCreateCodeList;
};

// The builders turn a plan into lines. They read nothing but the plan and the display-text map,
// so they run without a database or a template directory.

/// A field's label: its display text from the map, else (with CommentLabels) the column's
/// comment, else the field name.
std::string DisplayLabelOf(const TDisplayTextMap& map, const TFieldDescriptor& field,
                           const TSchemaParam& options);
/// Appends the persistent field declarations and field objects of one table's dataset (the
/// server's, `role` ServerField, or the client's, ClientField).
void BuildPersistentFields(const TProjectPlan& plan, const TDisplayTextMap& map,
                           const TPlannedTable& table, TFieldRole role,
                           const TDisplayFormat& displayFormats, TStringList& unitLines,
                           TStringList& formLines);
/// The server's remote data module: a dataset and a provider (or data source) per table.
TBlocks BuildServerDataModule(const TProjectPlan& plan, const TDisplayTextMap& map);
/// The client's data module: a client dataset and a data source per table.
TBlocks BuildClientDataModule(const TProjectPlan& plan, const TDisplayTextMap& map);
/// One table's form: a navigator, a grid and a row of controls per field.
TBlocks BuildTableForm(const TProjectPlan& plan, const TDisplayTextMap& map,
                       const TPlannedTable& table);
/// The grids form: a page control with a tab of navigator and grid per table.
TBlocks BuildGridsForm(const TProjectPlan& plan, const TDisplayTextMap& map);
/// The seven text pieces of the client main form and project file.
TMainFormLists BuildMainFormLists(const TProjectPlan& plan);

} // namespace quorvane
