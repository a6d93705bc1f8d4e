#include "generate/ProjectPlan.h"

#include "generate/FieldClasses.h"
#include "generate/NameRegistry.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <unordered_set>
#include <utility>

namespace quorvane {

namespace {

constexpr std::int64_t MemoFromStringSize = 50;
const std::string_view ServerModuleFile = ProjectLayout().File(TTemplateRole::ServerForm).Path;
const std::string_view ClientModuleFile = ProjectLayout().File(TTemplateRole::ClientForm).Path;
const std::string_view GridsFormFile = ProjectLayout().File(TTemplateRole::GridsForm).Path;
const std::string_view MainFormFile = ProjectLayout().File(TTemplateRole::MainUnit).Path;
const std::string_view ProjectFile = ProjectLayout().File(TTemplateRole::ClientProject).Path;

// The identifier of every table for one trim setting, unique over the database: a table whose
// identifier an earlier table has, or whose form unit would take the name of one of the
// template's own units, gets the first free "_2", "_3", ... Identifiers that are free keep
// their names, even when a later table is renamed around them.
std::vector<std::string> TableIdentifiers(const TSchemaSnapshot& snapshot, bool trimPrefix,
                                          const TTemplateSet& templates) {
    std::unordered_set<std::string> taken; // lower-cased, as the generated language compares
    std::unordered_set<std::string> templateUnits;
    for (const std::string& unit : templates.UnitNames) {
        templateUnits.insert(LowerCaseAscii(unit));
    }
    const auto isFree = [&](const std::string& identifier) {
        const std::string lower = LowerCaseAscii(identifier);
        return taken.count(lower) == 0 && templateUnits.count("frm" + lower) == 0;
    };

    std::vector<std::string> identifiers(snapshot.Tables.size());
    std::vector<std::size_t> toRename;
    for (std::size_t index = 0; index < snapshot.Tables.size(); ++index) {
        const std::string& tableName = snapshot.Tables[index].Name;
        std::string identifier = MakeTableIdentifier(tableName, trimPrefix);
        if (identifier.empty()) {
            throw EOptionsError("The table \"" + tableName +
                                "\" gives no identifier: its name holds no letters, digits or "
                                "\"_\"" +
                                (trimPrefix ? " after its prefix." : "."));
        }
        if (isFree(identifier)) {
            taken.insert(LowerCaseAscii(identifier));
        } else {
            toRename.push_back(index);
        }
        identifiers[index] = std::move(identifier);
    }
    for (const std::size_t index : toRename) {
        const std::string stem = identifiers[index];
        std::string candidate;
        for (int number = 2; !isFree(candidate = stem + "_" + std::to_string(number)); ++number) {
        }
        taken.insert(LowerCaseAscii(candidate));
        identifiers[index] = std::move(candidate);
    }
    return identifiers;
}

// A registry that holds the names a template's module or form declares already.
TNameRegistry RegistryOf(std::initializer_list<const TTemplateFile*> files,
                         const std::string& tableIdentifier = {}) {
    TNameRegistry registry;
    for (const TTemplateFile* file : files) {
        registry.Reserve(WithTableIdentifier(file->RootName, tableIdentifier));
        registry.Reserve(WithTableIdentifier(file->RootClass, tableIdentifier));
        for (const std::string& name : file->DeclaredNames) {
            registry.Reserve(WithTableIdentifier(name, tableIdentifier));
        }
    }
    return registry;
}

} // namespace

TFieldControls FieldControlsOf(const TFieldDescriptor& field, std::size_t position) {
    TFieldControls controls;
    controls.CheckBox = field.DataType == TFieldType::ftBoolean;
    controls.Memo = (field.DataType == TFieldType::ftString && field.Size >= MemoFromStringSize) ||
                    field.DataType == TFieldType::ftMemo;
    const std::string upperName = UpperCaseAscii(field.FieldName);
    controls.Lookup = position >= 1 && (upperName.find("ID") != std::string::npos ||
                                        upperName.find("CODE") != std::string::npos);
    return controls;
}

TFieldControls TProjectPlan::FieldControls(const TPlannedTable& table, std::size_t field) const {
    TFieldControls controls = FieldControlsOf(table.Source->Fields[field], field);
    if (Options->SchemaOptions.FkLookups) {
        controls.Lookup = LookupOf(table, field) != nullptr;
    }
    return controls;
}

const TFieldLookup* TProjectPlan::LookupOf(const TPlannedTable& table, std::size_t field) {
    const auto found = std::lower_bound(
        table.Lookups.begin(), table.Lookups.end(), field,
        [](const TFieldLookup& lookup, std::size_t f) { return lookup.Field < f; });
    return found != table.Lookups.end() && found->Field == field ? &*found : nullptr;
}

std::uint64_t TProjectPlan::FieldKey(std::size_t table, std::size_t field, TFieldRole role) {
    return (static_cast<std::uint64_t>(table) << 32) | (static_cast<std::uint64_t>(field) << 8) |
           static_cast<std::uint64_t>(role);
}

std::vector<std::string> TProjectPlan::FieldIdentifiers(const TPlannedTable& table) const {
    std::vector<std::string> names;
    names.reserve(table.Source->Fields.size());
    for (const TFieldDescriptor& field : table.Source->Fields) {
        names.push_back(field.FieldName);
    }
    return MakeFieldIdentifiers(names);
}

std::string TProjectPlan::DerivedFieldComponent(const TPlannedTable& table,
                                                const std::string& identifier,
                                                TFieldRole role) const {
    const auto named = [this, &identifier](std::string TFormatStrings::*format) {
        return ApplyNameFormat(*NameFormats, format, identifier);
    };
    switch (role) {
    case TFieldRole::ServerField:
        return table.ServerDataSet + identifier;
    case TFieldRole::ClientField:
        return table.ClientDataSet + identifier;
    case TFieldRole::Label:
        return named(&TFormatStrings::LabelName);
    case TFieldRole::Edit:
        return named(&TFormatStrings::DBEditName);
    case TFieldRole::CheckBox:
        return named(&TFormatStrings::DBCheckBoxName);
    case TFieldRole::Memo:
        return named(&TFormatStrings::DBMemoName);
    case TFieldRole::Lookup:
        return named(&TFormatStrings::DBLookupComboBoxName);
    }
    return {};
}

std::string TProjectPlan::FieldComponent(const TPlannedTable& table, std::size_t field,
                                         const std::string& identifier, TFieldRole role) const {
    if (!FFieldNames.empty()) {
        const auto found = FFieldNames.find(FieldKey(table.Index, field, role));
        if (found != FFieldNames.end()) {
            return found->second;
        }
    }
    return DerivedFieldComponent(table, identifier, role);
}

// Makes the plan's names scope by scope. Table-level names of every table are claimed before the
// names of any field, so that a field's component never takes the name a later table needs.
class TProjectPlanner {
public:
    TProjectPlanner(TProjectPlan& plan, const TSchemaSnapshot& snapshot)
        : FPlan(plan), FSnapshot(snapshot), FOptions(*plan.Options), FFormats(*plan.NameFormats),
          FTemplates(*plan.Templates) {}

    void Run() {
        const bool serverTrim = FOptions.ServerOptions.TrimPrefix;
        const bool clientTrim = FOptions.ClientDMOptions.TrimTableName;
        const bool formTrim = FOptions.ClientUIOptions.TrimTableName;
        const std::vector<std::string> identifiers[2] = {
            (!serverTrim || !clientTrim || !formTrim)
                ? TableIdentifiers(FSnapshot, false, FTemplates)
                : std::vector<std::string>(),
            (serverTrim || clientTrim || formTrim) ? TableIdentifiers(FSnapshot, true, FTemplates)
                                                   : std::vector<std::string>(),
        };
        FPlan.ClientModuleName = FTemplates.ClientForm.RootName;
        FPlan.MainFormClass = FTemplates.MainForm.RootClass;
        FPlan.Tables.resize(FSnapshot.Tables.size());
        for (std::size_t index = 0; index < FSnapshot.Tables.size(); ++index) {
            TPlannedTable& table = FPlan.Tables[index];
            table.Source = &FSnapshot.Tables[index];
            table.Index = index;
            table.SelectName =
                SqlTableName(table.Source->Qualifier, table.Source->Name, FSnapshot.Quoting);
        }
        PlanServerModule(identifiers[serverTrim]);
        PlanClientModule(identifiers[clientTrim], serverTrim == clientTrim);
        if (FOptions.SchemaOptions.FkLookups) {
            PlanLookups();
        }
        PlanForms(identifiers[formTrim], clientTrim == formTrim);
        if (!FPlan.Tables.empty()) {
            FPlan.GridsIdentifier = FPlan.Tables.back().FormIdentifier;
        }
    }

private:
    TProjectPlan& FPlan;
    const TSchemaSnapshot& FSnapshot;
    const TProjectParam& FOptions;
    const TFormatStrings& FFormats;
    const TTemplateSet& FTemplates;

    // A name made from a name format; an error names the format's key and file.
    std::string Named(std::string TFormatStrings::*format, const std::string& identifier) const {
        return ApplyNameFormat(FFormats, format, identifier);
    }

    // Claims a field's component name; one that had to be told apart is kept in the plan.
    void ClaimField(TNameRegistry& registry, const TPlannedTable& table, std::size_t field,
                    const std::string& identifier, TFieldRole role) {
        const std::string derived = FPlan.DerivedFieldComponent(table, identifier, role);
        std::string claimed = registry.Claim(derived);
        if (claimed != derived) {
            FPlan.FFieldNames.emplace(TProjectPlan::FieldKey(table.Index, field, role),
                                      std::move(claimed));
        }
    }

    void PlanServerModule(const std::vector<std::string>& identifiers) {
        const TDirectDMParam& options = FOptions.ServerOptions;
        TNameRegistry registry = RegistryOf({&FTemplates.ServerForm, &FTemplates.ServerUnit});
        for (TPlannedTable& table : FPlan.Tables) {
            const std::string& identifier = identifiers[table.Index];
            table.ServerDataSet = registry.Claim(Named(&TFormatStrings::DataSetName, identifier));
            table.ServerCompanion = registry.Claim(Named(
                options.IsRDM ? &TFormatStrings::ProviderName : &TFormatStrings::DataSourceName,
                identifier));
        }
        for (const TPlannedTable& table : FPlan.Tables) {
            const std::vector<std::string> fields = FPlan.FieldIdentifiers(table);
            for (std::size_t field = 0; field < fields.size(); ++field) {
                ClaimField(registry, table, field, fields[field], TFieldRole::ServerField);
            }
        }
    }

    void PlanClientModule(const std::vector<std::string>& identifiers, bool sameAsServer) {
        TNameRegistry registry = RegistryOf({&FTemplates.ClientForm, &FTemplates.ClientUnit});
        for (TPlannedTable& table : FPlan.Tables) {
            const std::string& identifier = identifiers[table.Index];
            table.ClientDataSet =
                registry.Claim(Named(&TFormatStrings::ClientDataSetName, identifier));
            table.ClientDataSource =
                registry.Claim(Named(&TFormatStrings::DataSourceName, identifier));
            // With the server's identifiers, the client names the server's own provider; with
            // other ones it names what the provider format gives, which the check then weighs.
            table.ClientProviderName = sameAsServer && FOptions.ServerOptions.IsRDM
                                           ? table.ServerCompanion
                                           : Named(&TFormatStrings::ProviderName, identifier);
        }
        for (const TPlannedTable& table : FPlan.Tables) {
            const std::vector<std::string> fields = FPlan.FieldIdentifiers(table);
            for (std::size_t field = 0; field < fields.size(); ++field) {
                ClaimField(registry, table, field, fields[field], TFieldRole::ClientField);
            }
        }
    }

    // Where a field's name is in a table: as the database spells it, else in another letter
    // case, since the database may spell a key's columns otherwise than its columns.
    static std::optional<std::size_t> FieldNamed(const TSnapshotTable& table,
                                                 const std::string& name) {
        const std::vector<TFieldDescriptor>& fields = table.Fields;
        for (std::size_t pass = 0; pass < 2; ++pass) {
            for (std::size_t field = 0; field < fields.size(); ++field) {
                if (pass == 0 ? fields[field].FieldName == name
                              : SameTextAscii(fields[field].FieldName, name)) {
                    return field;
                }
            }
        }
        return std::nullopt;
    }

    // The field a lookup shows of a referenced row: its first text, which names the row to a
    // reader, else the key itself. Memos are left out, a combo box shows them as "(MEMO)".
    static std::string ListFieldOf(const TSnapshotTable& table, std::size_t keyField) {
        for (const TFieldDescriptor& field : table.Fields) {
            if (field.DataType == TFieldType::ftString ||
                field.DataType == TFieldType::ftWideString ||
                field.DataType == TFieldType::ftFixedChar) {
                return field.FieldName;
            }
        }
        return table.Fields[keyField].FieldName;
    }

    // Wires a lookup combo box to each field that alone makes a foreign key: its list is the
    // client data source of the referenced table. A composite key has no single field to look
    // up; a key to a table the run leaves out, or to the form's own table, keeps a plain edit.
    void PlanLookups() {
        std::map<std::pair<std::string, std::string>, std::size_t> tablesByName;
        for (const TPlannedTable& table : FPlan.Tables) {
            tablesByName.emplace(std::make_pair(table.Source->Schema, table.Source->Name),
                                 table.Index);
        }
        const std::string& moduleName = FOptions.ClientUIOptions.DMName;
        for (TPlannedTable& table : FPlan.Tables) {
            const std::optional<std::vector<TForeignKey>>& keys = table.Source->Keys.ForeignKeys;
            if (!keys) {
                continue;
            }
            std::map<std::size_t, TFieldLookup> lookups;
            std::map<std::size_t, TUnwiredReference> unwired;
            for (const TForeignKey& key : *keys) {
                if (key.Columns.size() != 1 || key.ReferencedColumns.size() != 1) {
                    continue;
                }
                const std::optional<std::size_t> field = FieldNamed(*table.Source, key.Columns[0]);
                if (!field || lookups.count(*field) != 0) {
                    continue;
                }
                TUnwiredReference reference{
                    *field, QualifiedTableName(key.ReferencedSchema, key.ReferencedTable),
                    key.ReferencedColumns[0], TUnwiredReason::NotInRun};
                const auto found =
                    tablesByName.find(std::make_pair(key.ReferencedSchema, key.ReferencedTable));
                std::optional<std::size_t> keyField;
                if (found == tablesByName.end()) {
                    reference.Reason = TUnwiredReason::NotInRun;
                } else if (found->second == table.Index) {
                    reference.Reason = TUnwiredReason::OwnTable;
                } else if (keyField = FieldNamed(*FPlan.Tables[found->second].Source,
                                                 key.ReferencedColumns[0]);
                           !keyField) {
                    reference.Reason = TUnwiredReason::NoColumn;
                }
                if (!keyField) {
                    unwired.emplace(*field, std::move(reference));
                    continue;
                }
                const TPlannedTable& referenced = FPlan.Tables[found->second];
                unwired.erase(*field);
                lookups.emplace(*field, TFieldLookup{*field, referenced.Index,
                                                     moduleName + "." + referenced.ClientDataSource,
                                                     referenced.Source->Fields[*keyField].FieldName,
                                                     ListFieldOf(*referenced.Source, *keyField)});
            }
            for (auto& [field, lookup] : lookups) {
                table.Lookups.push_back(std::move(lookup));
            }
            for (auto& [field, reference] : unwired) {
                table.UnwiredReferences.push_back(std::move(reference));
            }
        }
    }

    // The names a table's form puts into the project's one scope: its unit, its form variable
    // and its form class. Those the template does not make from the table's identifier are
    // left out, since no suffix on the identifier could tell them apart (the check names that
    // template).
    std::vector<std::string> FormProjectNames(const std::string& identifier) const {
        std::vector<std::string> names{"frm" + identifier};
        for (const std::string* root :
             {&FTemplates.TableForm.RootName, &FTemplates.TableForm.RootClass}) {
            if (root->find("TableName") != std::string::npos) {
                names.push_back(WithTableIdentifier(*root, identifier));
            }
        }
        return names;
    }

    // The identifier each table's form is made from. Units, class names and global variables
    // of a program share one scope without regard to letter case: the form class "TLog_Frm" of
    // the table "Log" is the form variable of the table "TLog". A table whose form names meet
    // names taken before gets the first free "_2", "_3", ... on its identifier, so that its
    // unit, form, class and every reference to them change together; tables whose names are
    // free keep them, even when a later table is renamed around them.
    std::vector<std::string> FormIdentifiers(const std::vector<std::string>& identifiers) const {
        TNameRegistry project;
        for (const std::string& unit : FTemplates.UnitNames) {
            project.Reserve(unit);
        }
        for (const TTemplateFile* form :
             {&FTemplates.ClientForm, &FTemplates.MainForm, &FTemplates.GridsForm}) {
            for (const std::string* root : {&form->RootName, &form->RootClass}) {
                // The grids form's root may be made from a table's identifier; its own
                // names are the template's business.
                if (!root->empty() && root->find("TableName") == std::string::npos) {
                    project.Reserve(*root);
                }
            }
        }
        const auto claimIfFree = [&project](const std::vector<std::string>& names) {
            TNameRegistry own;
            for (const std::string& name : names) {
                if (project.IsTaken(name) || own.IsTaken(name)) {
                    return false;
                }
                own.Reserve(name);
            }
            for (const std::string& name : names) {
                project.Reserve(name);
            }
            return true;
        };

        std::vector<std::string> formIdentifiers(identifiers.begin(), identifiers.end());
        std::vector<std::size_t> toRename;
        for (std::size_t index = 0; index < formIdentifiers.size(); ++index) {
            if (!claimIfFree(FormProjectNames(formIdentifiers[index]))) {
                toRename.push_back(index);
            }
        }
        for (const std::size_t index : toRename) {
            const std::string stem = formIdentifiers[index];
            std::string candidate;
            for (int number = 2;
                 !claimIfFree(FormProjectNames(candidate = stem + "_" + std::to_string(number)));
                 ++number) {
            }
            formIdentifiers[index] = std::move(candidate);
        }
        return formIdentifiers;
    }

    void PlanForms(const std::vector<std::string>& identifiers, bool sameAsClient) {
        const TClientUIParam& options = FOptions.ClientUIOptions;
        TNameRegistry grids = RegistryOf({&FTemplates.GridsForm, &FTemplates.GridsUnit});
        TNameRegistry main = RegistryOf({&FTemplates.MainForm, &FTemplates.MainUnit});
        const std::string& tableFormRoot = FTemplates.TableForm.RootName;
        const std::string& tableFormClass = FTemplates.TableForm.RootClass;
        FPlan.GridsPageControl = grids.Claim("PC");
        const std::vector<std::string> formIdentifiers = FormIdentifiers(identifiers);
        for (TPlannedTable& table : FPlan.Tables) {
            // What the forms name in the client data module keeps the table's own identifier;
            // everything of the form itself is made from the form's.
            const std::string& clientIdentifier = identifiers[table.Index];
            const std::string& identifier = formIdentifiers[table.Index];
            table.FormIdentifier = identifier;
            table.FormUnit = "frm" + identifier;
            table.FormName = WithTableIdentifier(tableFormRoot, identifier);
            table.FormClass = WithTableIdentifier(tableFormClass, identifier);
            const std::string dataSource =
                sameAsClient ? table.ClientDataSource
                             : Named(&TFormatStrings::DataSourceName, clientIdentifier);
            table.DataSourceReference = options.DMName + "." + dataSource;
            table.GridsTabSheet = grids.Claim(identifier + "_TS");
            table.GridsNavigator = grids.Claim(Named(&TFormatStrings::DBNavigatorName, identifier));
            table.GridsGrid = grids.Claim(Named(&TFormatStrings::DBGridName, identifier));
            table.Button = main.Claim(identifier + "_Btn");
            table.ButtonHandler = main.Claim(table.Button + "Click");
            table.HandlerDataSet =
                options.DMName + "." +
                (sameAsClient ? table.ClientDataSet
                              : Named(&TFormatStrings::ClientDataSetName, clientIdentifier));
            table.HandlerForm = Named(&TFormatStrings::TableFormName, identifier);

            TNameRegistry form =
                RegistryOf({&FTemplates.TableForm, &FTemplates.TableUnit}, identifier);
            table.Navigator = form.Claim(Named(&TFormatStrings::DBNavigatorName, identifier));
            table.Grid = form.Claim(Named(&TFormatStrings::DBGridName, identifier));
            const std::vector<std::string> fields = FPlan.FieldIdentifiers(table);
            for (std::size_t field = 0; field < fields.size(); ++field) {
                const TFieldControls controls = FPlan.FieldControls(table, field);
                ClaimField(form, table, field, fields[field], TFieldRole::Label);
                ClaimField(form, table, field, fields[field],
                           controls.CheckBox ? TFieldRole::CheckBox : TFieldRole::Edit);
                if (controls.Memo) {
                    ClaimField(form, table, field, fields[field], TFieldRole::Memo);
                }
                if (controls.Lookup) {
                    ClaimField(form, table, field, fields[field], TFieldRole::Lookup);
                }
            }
        }
    }
};

TProjectPlan TProjectPlan::Make(const TSchemaSnapshot& snapshot, const TProjectParam& options,
                                const TFormatStrings& formats, const TTemplateSet& templates) {
    TProjectPlan plan;
    plan.Options = &options;
    plan.NameFormats = &formats;
    plan.Templates = &templates;
    TProjectPlanner(plan, snapshot).Run();
    return plan;
}

// ---------------------------------------------------------------------------------------------
// The cross-reference check.

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

class TReferenceChecker {
public:
    explicit TReferenceChecker(const TProjectPlan& plan) : FPlan(plan), FOptions(*plan.Options) {}

    std::vector<std::string> Run() {
        CheckTemplates();
        CheckConnection();
        CheckDataSetClass();
        CheckFieldClassUnits();
        const bool moduleNamed =
            SameTextAscii(FOptions.ClientUIOptions.DMName, FPlan.ClientModuleName);
        for (const TPlannedTable& table : FPlan.Tables) {
            CheckProvider(table);
            const std::string formFile =
                ProjectLayout().OutputPath(TTemplateRole::TableForm, table.FormUnit);
            CheckDataSourceReference(table, formFile, moduleNamed);
            CheckLookups(table, formFile, moduleNamed);
        }
        for (const TPlannedTable& table : FPlan.Tables) {
            CheckDataSourceReference(table, std::string(GridsFormFile), moduleNamed);
        }
        for (const TPlannedTable& table : FPlan.Tables) {
            CheckMainFormHandler(table, moduleNamed);
        }
        return std::move(FWarnings);
    }

private:
    const TProjectPlan& FPlan;
    const TProjectParam& FOptions;
    std::vector<std::string> FWarnings;

    void Warn(std::string_view file, const std::string& text) {
        FWarnings.push_back(std::string(file) + ": " + text);
    }

    // The option to change, as the window labels it and the batch tool spells it.
    std::string ModuleHint() const {
        return "the client data module is " + Quoted(FPlan.ClientModuleName) +
               ", the forms name it " + Quoted(FOptions.ClientUIOptions.DMName) +
               ": \"Data Module Name in Template\", --dm-name";
    }

    static std::string TrimHint() {
        return "set \"Trim Table Name Prefix Before _\" alike for the client data module and the "
               "client forms: --client-trim-prefix, --ui-trim-prefix";
    }

    void CheckTemplates() {
        const TTemplateSet& templates = *FPlan.Templates;
        for (const std::string& file : templates.MissingProjectFiles) {
            Warn(ProjectFile,
                 "the project names " + Quoted(file) + ", which the template does not hold");
        }
        const TTemplateFile& form = templates.TableForm;
        if (form.RootName.find("TableName") == std::string::npos ||
            form.RootClass.find("TableName") == std::string::npos) {
            Warn(form.RelativePath, "the form " + Quoted(form.RootName + ": " + form.RootClass) +
                                        " holds no \"TableName\", so every table's form would "
                                        "get the same name and class; name it "
                                        "\"TableName_Frm: TTableName_Frm\"");
        }
    }

    static std::string ConnectionHint() {
        return " (\"DBConnection Name in Template\", --connection-name)";
    }

    // Every dataset names the connection by the option's name: the server module must declare
    // a component of that name, or no dataset reaches its database.
    void CheckConnection() {
        const std::string& name = FOptions.ServerOptions.ConnectionName;
        if (FPlan.Tables.empty() || !FPlan.Templates->ServerForm.ClassOfObject(name).empty()) {
            return;
        }
        Warn(ServerModuleFile, "the datasets are connected to " + Quoted(name) +
                                   ", which the server module does not declare; name its "
                                   "connection component" +
                                   ConnectionHint());
    }

    // Whether the dataset class the user chose fits the template's server: the generated
    // "Connection = DBConnection" (or "SQLConnection = ...") must be the class's own property and
    // name a connection of the class it needs, and the server unit must use the class's unit.
    void CheckDataSetClass() {
        const std::string& kind = FOptions.ServerOptions.DataSetKind;
        const TDataSetClass* known = KnownDataSetClass(kind);
        if (known == nullptr || FPlan.Tables.empty()) {
            return;
        }
        const TTemplateSet& templates = *FPlan.Templates;
        const std::string& connection = FOptions.ServerOptions.ConnectionName;
        const std::string property =
            UpperCaseAscii(kind).find("SQL") != std::string::npos ? "SQLConnection" : "Connection";
        const std::string connectionClass = templates.ServerForm.ClassOfObject(connection);
        const std::string option = " (\"DataSet Component Type\", --dataset-type)";
        if (property != known->ConnectionProperty) {
            Warn(ServerModuleFile, "the datasets are written with \"" + property + " = " +
                                       connection + "\", but " + kind + " has no " + property +
                                       " property: it reaches its database through " +
                                       std::string(known->ConnectionProperty) + option);
        } else if (!known->ConnectionClass.empty() && !connectionClass.empty() &&
                   !SameTextAscii(connectionClass, known->ConnectionClass)) {
            // A connection the module does not declare at all is CheckConnection's to name.
            Warn(ServerModuleFile,
                 "the " + kind + " datasets need a " + std::string(known->ConnectionClass) +
                     " as their " + property + ", but the template's " + connection + " is a " +
                     connectionClass + "; use a template whose " + connection + " is a " +
                     std::string(known->ConnectionClass) +
                     (known->ConnectionClass == "TSQLConnection"
                          ? std::string(" (such as templates/MidasProject-dbExpress)")
                          : std::string()) +
                     ", or another dataset type" + option);
        }
        if (!templates.ServerUnit.UsesUnit(std::string(known->Unit))) {
            Warn(templates.ServerUnit.RelativePath,
                 kind + " is declared in the unit " + std::string(known->Unit) +
                     ", which the unit's uses clause does not name; add it there, or choose "
                     "another dataset type" +
                     option);
        }
    }

    // Whether the units that declare the persistent field classes are used where the fields are
    // declared: the server's and the client's data module. Each class is named once, with the
    // first table that needs it.
    void CheckFieldClassUnits() {
        const TDataSetFamily family = DataSetFamilyOf(FOptions.ServerOptions.DataSetKind);
        std::set<std::string_view> named;
        for (const TPlannedTable& table : FPlan.Tables) {
            for (const TFieldDescriptor& field : table.Source->Fields) {
                const TFieldClass fieldClass = FieldClassOf(family, field);
                // DB, which declares most of them, every data module uses already.
                if (fieldClass.Unit == "DB" || !named.insert(fieldClass.ClassName).second) {
                    continue;
                }
                for (const TTemplateFile* unit :
                     {&FPlan.Templates->ServerUnit, &FPlan.Templates->ClientUnit}) {
                    if (!unit->UsesUnit(std::string(fieldClass.Unit))) {
                        Warn(unit->RelativePath,
                             "the field " + Quoted(field.FieldName) + " of the table " +
                                 Quoted(table.Source->Name) + " is declared a " +
                                 std::string(fieldClass.ClassName) + ", which the unit " +
                                 std::string(fieldClass.Unit) +
                                 " declares; add that unit to the uses clause");
                    }
                }
            }
        }
    }

    void CheckProvider(const TPlannedTable& table) {
        if (!FOptions.ServerOptions.IsRDM) {
            Warn(ClientModuleFile,
                 table.ClientDataSet + " asks for the provider " +
                     Quoted(table.ClientProviderName) +
                     ", but the server exports no providers (\"Is Remote Data Module\" is off: "
                     "--no-rdm)");
        } else if (table.ClientProviderName != table.ServerCompanion) {
            Warn(ClientModuleFile,
                 table.ClientDataSet + " asks for the provider " +
                     Quoted(table.ClientProviderName) + ", but " + std::string(ServerModuleFile) +
                     " exports " + Quoted(table.ServerCompanion) + " for the table " +
                     Quoted(table.Source->Name) +
                     " (set \"Trim Table Name Prefix Before _\" alike for the server and the "
                     "client data module: --server-trim-prefix, --client-trim-prefix)");
        }
    }

    void CheckDataSourceReference(const TPlannedTable& table, const std::string& file,
                                  bool moduleNamed) {
        const std::string expected = FOptions.ClientUIOptions.DMName + "." + table.ClientDataSource;
        if (!moduleNamed) {
            Warn(file, "\"DataSource = " + table.DataSourceReference +
                           "\" names no data module of the project (" + ModuleHint() + ")");
        } else if (!SameTextAscii(table.DataSourceReference, expected)) {
            Warn(file, "\"DataSource = " + table.DataSourceReference +
                           "\" names a data source the client data module does not declare for "
                           "the table " +
                           Quoted(table.Source->Name) + "; it declares " +
                           Quoted(table.ClientDataSource) + " (" + TrimHint() + ")");
        }
    }

    // A lookup's list must be a data source of the client data module, as the form's own is;
    // and each foreign key left with a plain edit is named, since the user asked for lookups.
    void CheckLookups(const TPlannedTable& table, const std::string& file, bool moduleNamed) {
        const std::vector<TFieldDescriptor>& fields = table.Source->Fields;
        for (const TFieldLookup& lookup : table.Lookups) {
            const TPlannedTable& referenced = FPlan.Tables[lookup.ReferencedTable];
            const std::string listSource = "\"ListSource = " + lookup.ListSource +
                                           "\" of the field " +
                                           Quoted(fields[lookup.Field].FieldName);
            if (!moduleNamed) {
                Warn(file,
                     listSource + " names no data module of the project (" + ModuleHint() + ")");
            } else if (!SameTextAscii(lookup.ListSource, FOptions.ClientUIOptions.DMName + "." +
                                                             referenced.ClientDataSource)) {
                Warn(file, listSource +
                               " names a data source the client data module does not declare "
                               "for the table " +
                               Quoted(referenced.Source->Name) + "; it declares " +
                               Quoted(referenced.ClientDataSource) + " (" + TrimHint() + ")");
            }
        }
        for (const TUnwiredReference& reference : table.UnwiredReferences) {
            const std::string field = "the field " + Quoted(fields[reference.Field].FieldName);
            switch (reference.Reason) {
            case TUnwiredReason::NotInRun:
                Warn(file, field + " refers to " + Quoted(reference.Referenced) +
                               ", which the run does not generate; it gets a plain edit "
                               "(--fk-lookups)");
                break;
            case TUnwiredReason::OwnTable:
                Warn(file, field + " refers to its own table " + Quoted(reference.Referenced) +
                               ": a lookup on the form's own data source is a circular data "
                               "link, which Delphi refuses; it gets a plain edit (--fk-lookups)");
                break;
            case TUnwiredReason::NoColumn:
                Warn(file, field + " refers to the column " + Quoted(reference.ReferencedColumn) +
                               " of " + Quoted(reference.Referenced) +
                               ", which is not a field of that table; it gets a plain edit "
                               "(--fk-lookups)");
                break;
            }
        }
    }

    void CheckMainFormHandler(const TPlannedTable& table, bool moduleNamed) {
        const std::string handler = table.ButtonHandler + ": ";
        if (!moduleNamed) {
            Warn(MainFormFile, handler + "opens " + table.HandlerDataSet +
                                   ", a data module the project does not have (" + ModuleHint() +
                                   ")");
        } else if (!SameTextAscii(table.HandlerDataSet,
                                  FOptions.ClientUIOptions.DMName + "." + table.ClientDataSet)) {
            Warn(MainFormFile, handler + "opens " + table.HandlerDataSet +
                                   ", which the client data module does not declare for the "
                                   "table " +
                                   Quoted(table.Source->Name) + "; it declares " +
                                   Quoted(table.ClientDataSet) + " (" + TrimHint() + ")");
        }
        if (!SameTextAscii(table.HandlerForm, table.FormName)) {
            Warn(MainFormFile, handler + "shows " + Quoted(table.HandlerForm) +
                                   ", but the form of " + table.FormUnit + " is " +
                                   Quoted(table.FormName) +
                                   " (the TableFormName format of NameFormat.ini must give the "
                                   "form's name)");
        }
    }
};

} // namespace

std::vector<std::string> CheckReferences(const TProjectPlan& plan) {
    return TReferenceChecker(plan).Run();
}

} // namespace quorvane
