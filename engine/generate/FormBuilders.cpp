// The client's forms: the per-table forms, the grids form, and the text pieces of the main form
// and the project file.

#include "generate/Builders.h"
#include "text/DfmText.h"
#include "text/StringUtils.h"

#include <utility>

namespace quorvane {

namespace {

// Field rows hang on the control column: data controls start 8 to its right, a right-justified
// label's measured width ends `Space` to its left.
constexpr std::int64_t ControlColumn = 500;
constexpr std::int64_t LeftJustifiedLabelLeft = 272;
constexpr std::int64_t RowHeight = 30;
constexpr std::int64_t FirstRowTop = 40;
constexpr std::int64_t LabelTopOffset = 4;
constexpr std::int64_t LabelExtraWidth = 5;
constexpr std::int64_t CapitalLetterWidth = 12;
constexpr std::int64_t LetterWidth = 8;
constexpr std::int64_t EditLeft = ControlColumn + 8;
constexpr std::int64_t MemoLeft = ControlColumn + 184;
constexpr std::int64_t LookupLeftAfterMemo = ControlColumn + 312;
constexpr std::int64_t CheckBoxWidth = 60;
constexpr std::int64_t ControlWidth = 120;
constexpr int FirstButtonTop = 32;
constexpr int ButtonSpacing = 40;

// Every component but the page control and the tab sheets is declared as "name: class".
std::string Declaration(const std::string& name, const std::string& className) {
    return name + ": " + className;
}

void AppendUnitLine(TStringList& unitLines, const std::string& declaration) {
    unitLines.push_back("    " + declaration + ";");
}

// Appends the lines of one object, each built in place or moved: a list in braces would copy
// every line once more, which over thousands of tables is felt.
template <typename... TLines> void AppendLines(TStringList& lines, TLines&&... added) {
    (lines.emplace_back(std::forward<TLines>(added)), ...);
}

struct TDataControl {
    std::string Name;
    std::string ClassName;
    std::int64_t Left = 0;
    std::int64_t Width = 0;
    bool VerticalScrollBar = false;
    const TFieldLookup* Lookup = nullptr; ///< a lookup combo box's list, where it is wired
};

void AppendDataControl(const TDataControl& control, std::int64_t rowTop,
                       const std::string& fieldName, const std::string& dataSourceReference,
                       TStringList& unitLines, TStringList& formLines) {
    const std::string declaration = Declaration(control.Name, control.ClassName);
    AppendUnitLine(unitLines, declaration);
    formLines.push_back("    object " + declaration);
    formLines.push_back("      Left = " + std::to_string(control.Left));
    formLines.push_back("      Top = " + std::to_string(rowTop));
    formLines.push_back("      Width = " + std::to_string(control.Width));
    formLines.push_back("      Height = 23");
    formLines.push_back("      DataField = " + QuoteDfmString(fieldName));
    formLines.push_back("      DataSource = " + dataSourceReference);
    if (control.Lookup != nullptr) {
        // In the order Delphi writes them: TDBLookupComboBox publishes them after DataSource.
        formLines.push_back("      KeyField = " + QuoteDfmString(control.Lookup->KeyField));
        formLines.push_back("      ListField = " + QuoteDfmString(control.Lookup->ListField));
        formLines.push_back("      ListSource = " + control.Lookup->ListSource);
    }
    if (control.VerticalScrollBar) {
        formLines.push_back("      ScrollBars = ssVertical");
    }
    formLines.push_back("      TabOrder = 0");
    formLines.push_back("    end");
}

bool IsUpperAscii(char c) {
    return c >= 'A' && c <= 'Z';
}

// The width a label's caption is given: capitals are counted wider, per byte of 8-bit text.
std::int64_t LabelWidthOf(const std::string& caption) {
    if (caption.empty()) {
        return 0;
    }
    const std::int64_t perCharacter =
        IsUpperAscii(caption.front()) ? CapitalLetterWidth : LetterWidth;
    return perCharacter * static_cast<std::int64_t>(caption.size());
}

// A caption as a control whose "&" marks its accelerator key shows it: the label of
// "Size&Bytes" would underline the B and show "SizeBytes", so each "&" is doubled. Display
// labels and grid column titles take their texts as they stand.
std::string AcceleratorFreeCaption(const std::string& text) {
    std::string caption;
    caption.reserve(text.size());
    for (const char c : text) {
        caption += c;
        if (c == '&') {
            caption += '&';
        }
    }
    return caption;
}

// The display text of a field for labels and column titles: from the map, else (with comment
// labels) the column's comment, else its name in words.
std::string DisplayTextOrCaption(const TDisplayTextMap& map, const TFieldDescriptor& field,
                                 bool commentLabels) {
    std::string displayText = DisplayTextOrComment(map, field, commentLabels);
    return displayText.empty() ? NameToCaption(field.FieldName) : displayText;
}

// The navigator and the grid of a table, on its own form or on its tab of the grids form.
void AppendNavigatorAndGrid(const TPlannedTable& table, const std::string& navigatorName,
                            const std::string& gridName, bool gridsForm,
                            const TClientUIParam& options, const TDisplayTextMap& map,
                            bool commentLabels, TStringList& unitLines, TStringList& formLines) {
    const std::string& dataSourceReference = table.DataSourceReference;
    const std::string navigator = Declaration(navigatorName, options.DBNavigatorType);
    AppendUnitLine(unitLines, navigator);
    AppendLines(formLines, "    object " + navigator, "      Left = 16", "      Top = 24",
                "      Width = 240", "      Height = 25",
                "      DataSource = " + dataSourceReference, "      TabOrder = 0", "    end");

    const std::string grid = Declaration(gridName, options.DBGridType);
    AppendUnitLine(unitLines, grid);
    AppendLines(formLines, "    object " + grid, "      Left = 16", "      Top = 60");
    formLines.push_back(gridsForm ? "      Width = 600" : "      Width = 240");
    formLines.push_back(gridsForm ? "      Height = 300" : "      Height = 160");
    formLines.push_back("      DataSource = " + dataSourceReference);
    formLines.push_back("      TabOrder = 0");
    formLines.push_back("       Columns = <");
    for (const TFieldDescriptor& field : table.Source->Fields) {
        AppendLines(formLines, "        item", "          Expanded = False",
                    "          FieldName = " + QuoteDfmString(field.FieldName),
                    "          Title.Caption = " +
                        QuoteDfmString(DisplayTextOrCaption(map, field, commentLabels)),
                    "          Title.Alignment = taCenter", "          Visible = True",
                    "        end");
    }
    formLines.push_back("      >");
    formLines.push_back("    end");
}

} // namespace

TBlocks BuildTableForm(const TProjectPlan& plan, const TDisplayTextMap& map,
                       const TPlannedTable& table) {
    const TClientUIParam& options = plan.Options->ClientUIOptions;
    TBlocks blocks;
    TStringList& unitLines = blocks.UnitLines;
    TStringList& formLines = blocks.FormLines;
    AppendNavigatorAndGrid(table, table.Navigator, table.Grid, false, options, map,
                           plan.Options->SchemaOptions.CommentLabels, unitLines, formLines);

    const std::string& dataSourceReference = table.DataSourceReference;
    const std::vector<TFieldDescriptor>& fields = table.Source->Fields;
    const std::vector<std::string> fieldIdentifiers = plan.FieldIdentifiers(table);
    for (std::size_t position = 0; position < fields.size(); ++position) {
            const TFieldDescriptor& field = fields[position];
        const std::string& fieldIdentifier = fieldIdentifiers[position];
        const auto componentName = [&](TFieldRole role) {
            return plan.FieldComponent(table, position, fieldIdentifier, role);
        };
        const std::string caption =
            DisplayTextOrCaption(map, field, plan.Options->SchemaOptions.CommentLabels) +
            (options.WithColon ? ":" : "");
        const std::int64_t rowTop = RowHeight * static_cast<std::int64_t>(position) + FirstRowTop;
        const std::int64_t labelWidth = LabelWidthOf(caption);
        const std::string writtenCaption = AcceleratorFreeCaption(caption);
        const std::int64_t labelLeft = options.LeftJustify
                                           ? LeftJustifiedLabelLeft
                                           : ControlColumn - options.Space - labelWidth;
        const TFieldControls controls = plan.FieldControls(table, position);

        const std::string label = Declaration(componentName(TFieldRole::Label), "TLabel");
        AppendUnitLine(unitLines, label);
        AppendLines(formLines, "    object " + label, "      Left = " + std::to_string(labelLeft),
                    "      Top = " + std::to_string(rowTop + LabelTopOffset),
                    "      Width = " + std::to_string(labelWidth + LabelExtraWidth),
                    "      Height = 16", "      Caption = " + QuoteDfmString(writtenCaption),
                    options.LeftJustify ? "      Alignment = taLeftJustify"
                                        : "      Alignment = taRightJustify",
                    options.AutoSize ? "      AutoSize = True" : "      AutoSize = False",
                    "    end");

        if (controls.CheckBox) {
            AppendDataControl(
                {componentName(TFieldRole::CheckBox), "TDBCheckBox", EditLeft, CheckBoxWidth},
                rowTop, field.FieldName, dataSourceReference, unitLines, formLines);
        } else {
            AppendDataControl({componentName(TFieldRole::Edit), "TDBEdit", EditLeft, ControlWidth},
                              rowTop, field.FieldName, dataSourceReference, unitLines, formLines);
        }
        if (controls.Memo) {
            AppendDataControl(
                {componentName(TFieldRole::Memo), "TDBMemo", MemoLeft, ControlWidth, true}, rowTop,
                field.FieldName, dataSourceReference, unitLines, formLines);
        }
        if (controls.Lookup) {
            AppendDataControl({componentName(TFieldRole::Lookup), "TDBLookupComboBox",
                               controls.Memo ? LookupLeftAfterMemo : MemoLeft, ControlWidth, false,
                               TProjectPlan::LookupOf(table, position)},
                              rowTop, field.FieldName, dataSourceReference, unitLines, formLines);
        }
    }
    return blocks;
}

TBlocks BuildGridsForm(const TProjectPlan& plan, const TDisplayTextMap& map) {
    const TClientUIParam& options = plan.Options->ClientUIOptions;
    TBlocks blocks;
    TStringList& unitLines = blocks.UnitLines;
    TStringList& formLines = blocks.FormLines;
    unitLines.push_back("    " + plan.GridsPageControl + ": TPageControl;");
    AppendLines(formLines, "  object " + plan.GridsPageControl + ": TPageControl", "    Left = 24",
                "    Top = 24", "    Width = 800", "    Height = 600", "    TabOrder = 0");
    for (const TPlannedTable& table : plan.Tables) {
            unitLines.push_back("    " + table.GridsTabSheet + " : TTabSheet;");
        formLines.push_back("  Object " + table.GridsTabSheet + " : TTabSheet");
        formLines.push_back("    Caption = " + QuoteDfmString(table.FormIdentifier));
        AppendNavigatorAndGrid(table, table.GridsNavigator, table.GridsGrid, true, options,
                               map, plan.Options->SchemaOptions.CommentLabels, unitLines,
                               formLines);
        formLines.push_back("  end");
    }
    formLines.push_back("  end");
    return blocks;
}

TMainFormLists BuildMainFormLists(const TProjectPlan& plan) {
    TMainFormLists lists;
    for (const TPlannedTable& table : plan.Tables) {
        const std::string& button = table.Button;
        const std::string& handler = table.ButtonHandler;
        const std::string buttonTop =
            std::to_string(static_cast<int>(table.Index) * ButtonSpacing + FirstButtonTop);

        lists.FormUnitList += "," + table.FormUnit;
        lists.ButtonList += "    " + button + ": TButton;\r\n";
        lists.ButtonEventList += "    procedure " + handler + "(Sender: TObject);\r\n";
        lists.ButtonEventCodeList += "procedure " + plan.MainFormClass + "." + handler +
                                     "(Sender: TObject);\r\nbegin\r\n  " + table.HandlerDataSet +
                                     ".Active := True;\r\n  " + table.HandlerForm +
                                     ".Show;\r\nend;\r\n\r\n" + "\r\n";
        lists.FormUnitFileList += "  " + table.FormUnit + " in '" + table.FormUnit + ".pas' {" +
                                  table.FormName + "},\r\n";
        lists.FormCreateCodeList +=
            "  Application.CreateForm(" + table.FormClass + ", " + table.FormName + ");\r\n";
        lists.ButtonObjectList +=
            "  object " + button + ": TButton\r\n    Left = 64\r\n" + "    Top = " + buttonTop +
            "\r\n    Width = 249\r\n    Height = 33\r\n    Caption = " +
            QuoteDfmString(table.FormIdentifier) + "\r\n    TabOrder = 0\r\n" +
            "    OnClick = " + handler + "\r\n  end\r\n" + "\r\n";
    }
    return lists;
}

} // namespace quorvane
