#pragma once

#include "generate/TemplateLayout.h"
#include "text/TemplateText.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvane {

/// One template file a run reads: its text with every line ended by CR LF, and what the plan
/// needs to know of its names.
struct TTemplateFile {
    std::string RelativePath; ///< as the template layout names it
    std::string Text;
    /// Form files: the text up to (without) the last "end" line, where the generated objects go.
    std::string FormHead;
    /// Form files: the first object's name and class ("TableName_Frm", "TTableName_Frm").
    std::string RootName;
    std::string RootClass;
    /// Form files: the names of every object inside the root, and of every event handler the
    /// form names. Units: the methods and fields the unit declares.
    std::vector<std::string> DeclaredNames;
    /// Form files: the class of each object inside the root, by its name.
    std::vector<std::pair<std::string, std::string>> ObjectClasses;
    /// Units: the units its uses clauses name, as written ("DB", "Data.DB").
    std::vector<std::string> UsedUnits;

    /// The class of the object `name` inside the form's root (any letter case), or "".
    std::string ClassOfObject(const std::string& name) const;
    /// Whether a uses clause of the unit names `unit`, also as the last part of a dotted name.
    bool UsesUnit(const std::string& unit) const;
};

/// The template files of a run, one per role of the template layout, read once from the template
/// directory before anything is copied or written, so that a missing one ends the run while the
/// output is untouched.
struct TTemplateSet {
    TTemplateFile ServerUnit;
    TTemplateFile ServerForm;
    TTemplateFile ClientUnit;
    TTemplateFile ClientForm;
    TTemplateFile TableUnit;
    TTemplateFile TableForm;
    TTemplateFile GridsUnit;
    TTemplateFile GridsForm;
    TTemplateFile MainUnit;
    TTemplateFile MainForm;
    TTemplateFile ClientProject;
    /// The units of the template's client project (the names of its .pas files, without the
    /// extension): a table's form unit must not take one of these names.
    std::vector<std::string> UnitNames;
    /// The files the client project file names in its uses clause ("frmMain.pas"), that the
    /// client folder of the template does not hold.
    std::vector<std::string> MissingProjectFiles;

    /// The file of `role`.
    TTemplateFile& File(TTemplateRole role);
    const TTemplateFile& File(TTemplateRole role) const;

    /// Reads every template file under `templateDir` (the directory the run copies). Throws
    /// EFileError "Cannot open file "%s". %s" for one that cannot be read.
    static TTemplateSet Load(const std::string& templateDir);
};

/// A template file of `lines`, read as the file at `relativePath` is: a form file (".dfm") or a
/// unit (".pas") tells its names.
TTemplateFile TemplateFileOfLines(std::string relativePath, TStringList lines);

/// The text of a template with every "TableName" made `tableIdentifier` (an empty identifier
/// leaves it unchanged), its lines made whole again should the identifier hold a line break.
std::string WithTableIdentifier(std::string text, const std::string& tableIdentifier);

} // namespace quorvane
