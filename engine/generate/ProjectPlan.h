#pragma once

#include "generate/NameFormats.h"
#include "generate/Options.h"
#include "generate/TemplateSet.h"
#include "schema/SchemaSnapshot.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorvane {

/// The components a field row of a table form holds, beside its label.
struct TFieldControls {
    bool CheckBox = false; ///< a check box instead of an edit (boolean fields)
    bool Memo = false;     ///< a memo beside the edit (long texts and memos)
    /// A lookup combo box: without foreign-key lookups on names holding ID or CODE (not the first
    /// field), with them on the fields the plan wires to the table they refer to.
    bool Lookup = false;
};

/// Which of a field row's components a field at `position` gets.
TFieldControls FieldControlsOf(const TFieldDescriptor& field, std::size_t position);

/// A field's lookup combo box, wired to the table the field's foreign key refers to.
struct TFieldLookup {
    std::size_t Field = 0;           ///< the field's position in its table
    std::size_t ReferencedTable = 0; ///< the referenced table's position in TProjectPlan::Tables
    std::string ListSource;          ///< "DM.Customers_DS", the referenced table's client source
    std::string KeyField;            ///< the referenced column
    std::string ListField;           ///< its first text field, else the referenced column
};

/// Why a single-column foreign key gets no lookup combo box, only a plain edit.
enum class TUnwiredReason : std::uint8_t {
    NotInRun, ///< the referenced table is not one the run generates
    OwnTable, ///< a lookup on the form's own data source is a circular data link
    NoColumn, ///< the referenced column is not a field of the referenced table
};

/// A foreign-key field left with a plain edit, for the reference check to name.
struct TUnwiredReference {
    std::size_t Field = 0;
    std::string Referenced;       ///< "schema.table" as the foreign key names it
    std::string ReferencedColumn; ///< the column it refers to
    TUnwiredReason Reason = TUnwiredReason::NotInRun;
};

/// The components made for each field of a table, each named from the field.
enum class TFieldRole : std::uint8_t {
    ServerField, ///< persistent field of the server's dataset
    ClientField, ///< persistent field of the client dataset
    Label,
    Edit,
    CheckBox,
    Memo,
    Lookup,
};

/// One table or view of the database as the run writes it: every name made from it.
struct TPlannedTable {
    const TSnapshotTable* Source = nullptr; ///< its name as listed and its fields
    std::size_t Index = 0;                  ///< position in catalogue order

    // Server remote data module.
    std::string SelectName;      ///< the table's name in its select text, quoted where needed
    std::string ServerDataSet;   ///< "Orders_D"
    std::string ServerCompanion; ///< "Orders_P" (a provider), or "Orders_DS" (a data source)

    // Client data module.
    std::string ClientDataSet;      ///< "Orders_CDS"
    std::string ClientDataSource;   ///< "Orders_DS"
    std::string ClientProviderName; ///< the provider the client dataset asks the server for

    // Client forms, main form and project file.
    std::string FormIdentifier;      ///< the table identifier of the client forms
    std::string FormUnit;            ///< "frmOrders": the unit and the file name's stem
    std::string FormName;            ///< "Orders_Frm": the form variable
    std::string FormClass;           ///< "TOrders_Frm"
    std::string DataSourceReference; ///< "DM.Orders_DS", as the table's forms name it
    std::string Navigator;           ///< "Orders_DBNvg"
    std::string Grid;                ///< "Orders_DBGrid", on the table's own form
    std::string GridsTabSheet;       ///< "Orders_TS", on the grids form
    std::string GridsNavigator;      ///< the navigator and grid of its tab on the grids form
    std::string GridsGrid;
    std::string Button;         ///< "Orders_Btn" on the main form
    std::string ButtonHandler;  ///< "Orders_BtnClick"
    std::string HandlerDataSet; ///< "DM.Orders_CDS", which the button opens
    std::string HandlerForm;    ///< "Orders_frm", which the button shows

    // Foreign-key lookups (only with SchemaOptions.FkLookups), each in field order.
    std::vector<TFieldLookup> Lookups;
    std::vector<TUnwiredReference> UnwiredReferences;
};

/// Everything a run will write, settled before anything is copied: per table its identifier for
/// each stage and every component, unit, form-class, form-variable and file name, each unique in
/// its scope (server module, client module, each form, the project). Two tables whose names give
/// the same identifier are told apart by "_2", "_3", ... on the later one in catalogue order, in
/// every stage alike; the names of the fields are made on demand, the same way every time, and
/// only those that had to be told apart are kept.
class TProjectPlan {
public:
    const TProjectParam* Options = nullptr;
    const TFormatStrings* NameFormats = nullptr;
    const TTemplateSet* Templates = nullptr;

    std::vector<TPlannedTable> Tables;
    /// The name of the client data module in its template ("DM").
    std::string ClientModuleName;
    /// The identifier the grids form's templates get for "TableName": the last table's.
    std::string GridsIdentifier;
    /// The class of the client's main form, whose methods the button handlers are.
    std::string MainFormClass;
    /// The page control of the grids form ("PC").
    std::string GridsPageControl;

    /// The field identifiers of a table: the names its field components are made from.
    std::vector<std::string> FieldIdentifiers(const TPlannedTable& table) const;
    /// The name of the component `role` makes for field `field` (its identifier `identifier`).
    std::string FieldComponent(const TPlannedTable& table, std::size_t field,
                               const std::string& identifier, TFieldRole role) const;

    /// The components of field `field`'s row: by FieldControlsOf, with the lookup combo box on
    /// the wired foreign keys instead when the run makes foreign-key lookups.
    TFieldControls FieldControls(const TPlannedTable& table, std::size_t field) const;
    /// The wiring of field `field`'s lookup combo box, or null where it has none.
    static const TFieldLookup* LookupOf(const TPlannedTable& table, std::size_t field);

    /// Settles the names of one run. Throws EOptionsError for a table whose name gives no
    /// identifier, and EFormatError naming the key, value and file of a name format that cannot
    /// be applied or that gives a name that is no identifier (see ApplyNameFormat).
    static TProjectPlan Make(const TSchemaSnapshot& snapshot, const TProjectParam& options,
                             const TFormatStrings& formats, const TTemplateSet& templates);

private:
    std::unordered_map<std::uint64_t, std::string> FFieldNames; // only those told apart

    std::string DerivedFieldComponent(const TPlannedTable& table, const std::string& identifier,
                                      TFieldRole role) const;
    static std::uint64_t FieldKey(std::size_t table, std::size_t field, TFieldRole role);
    friend class TProjectPlanner;
};

/// The references the generated files make that the plan's own names do not meet: a form's data
/// source the client module does not declare, a provider the server does not export, a client
/// dataset or form the main form opens that is not there, a unit the project file names that is
/// not written, a lookup's list source the client module does not declare, a foreign key that
/// gets no lookup. Each is one text, "file: what is wrong (the option to change)". Only a user's
/// options or template can break a reference; the plan's own names always meet each other.
std::vector<std::string> CheckReferences(const TProjectPlan& plan);

} // namespace quorvane
