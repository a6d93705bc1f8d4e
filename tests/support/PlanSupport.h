#pragma once

// What the builders' tests need to make a plan without template files: the names the plan reads
// from a template, as the golden template set has them.

#include "generate/TemplateSet.h"
#include "generate/dmCodeGenerator.h"

namespace quorvane::testing {

inline TTemplateFile TemplateForm(std::string path, std::string rootName, std::string rootClass,
                                  std::vector<std::string> declared = {}) {
    TTemplateFile file;
    file.RelativePath = std::move(path);
    file.Text = "object " + rootName + ": " + rootClass + "\r\nend\r\n";
    file.FormHead = "object " + rootName + ": " + rootClass + "\r\n";
    file.RootName = std::move(rootName);
    file.RootClass = std::move(rootClass);
    file.DeclaredNames = std::move(declared);
    return file;
}

inline TTemplateSet TemplateSetForTests() {
    TTemplateSet templates;
    templates.ServerForm =
        TemplateForm("Midas_AppServer/rdmMain.dfm", "RDM", "TRDM", {"DBConnection"});
    templates.ServerForm.ObjectClasses = {{"DBConnection", "TADOConnection"}};
    templates.ServerUnit.RelativePath = "Midas_AppServer/rdmMain.pas";
    templates.ServerUnit.UsedUnits = {"Classes", "DB", "ADODB", "Provider"};
    templates.ClientForm =
        TemplateForm("Midas_Client/dmClient.dfm", "DM", "TDM", {"DBConnectionBroker"});
    templates.ClientUnit.RelativePath = "Midas_Client/dmClient.pas";
    templates.ClientUnit.UsedUnits = {"Classes", "DB", "DBClient", "MConnect"};
    templates.TableForm =
        TemplateForm("Midas_Client/frmTableName.dfm", "TableName_Frm", "TTableName_Frm");
    templates.GridsForm =
        TemplateForm("Midas_Client/frmTableGrids.dfm", "TableGrids_Frm", "TTableGrids_Frm");
    templates.MainForm = TemplateForm("Midas_Client/frmMain.dfm", "Main_Frm", "TMain_Frm");
    templates.UnitNames = {"dmClient", "frmMain", "frmTableGrids", "frmTableName"};
    return templates;
}

/// The fields of a table of the connected database's snapshot; none when it has no such table.
inline std::vector<TFieldDescriptor> FieldsOf(TDM& dm, const std::string& tableName) {
    for (const TSnapshotTable& table : dm.ADOConnection.Snapshot().Tables) {
        if (table.Name == tableName) {
            return table.Fields;
        }
    }
    return {};
}

} // namespace quorvane::testing
