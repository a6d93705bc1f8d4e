// The client's forms: the per-table forms, the grids form, and the text pieces of the main form
// and the project file.

#include "DfmText.h"
#include "StringUtils.h"
#include "dmCodeGenerator.h"

#include <numeric>
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
constexpr std::int64_t MemoFromStringSize = 50;
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

} // namespace

const std::unordered_map<std::string, std::vector<std::size_t>>&
TDM::TablesByIdentifier(bool trimPrefix) {
    if (FIdentifierIndex.Generation != FTableNamesGeneration ||
        FIdentifierIndex.TrimPrefix != trimPrefix || FIdentifierIndex.Generation == 0) {
        FIdentifierIndex.Tables.clear();
        for (std::size_t position = 0; position < TableNames.size(); ++position) {
            FIdentifierIndex.Tables[TableIdentifierOf(TableNames[position], trimPrefix)].push_back(
                position);
        }
        FIdentifierIndex.Generation = FTableNamesGeneration;
        FIdentifierIndex.TrimPrefix = trimPrefix;
    }
    return FIdentifierIndex.Tables;
}

std::string TDM::DisplayTextOrCaption(const std::string& fieldName) const {
    std::string displayText = DisplayTextOf(fieldName);
    return displayText.empty() ? NameToCaption(fieldName) : displayText;
}

void TDM::BuildTableForm(const TClientUIParam& options, TStringList& unitLines,
                         TStringList& formLines) {
    const bool gridsForm = options.OnlyTable.empty();
    unitLines.clear();
    formLines.clear();
    RefillTableNames();
    // The grids form shows every table; a table form those of its identifier, found through an
    // index so that a run over many tables does not walk the whole list for each form.
    std::vector<std::size_t> selected;
    if (gridsForm) {
        selected.resize(TableNames.size());
        std::iota(selected.begin(), selected.end(), std::size_t{0});
    } else {
        const auto& index = TablesByIdentifier(options.TrimTableName);
        if (const auto found = index.find(options.OnlyTable); found != index.end()) {
            selected = found->second;
        }
    }
    if (gridsForm) {
        unitLines.push_back("    PC: TPageControl;");
        AppendLines(formLines, "  object PC: TPageControl", "    Left = 24", "    Top = 24",
                    "    Width = 800", "    Height = 600", "    TabOrder = 0");
    }

    for (const std::size_t tableIndex : selected) {
        ProcessMessages();
        const std::string tableName = TableNames[tableIndex];
        const std::string identifier = TableIdentifierOf(tableName, options.TrimTableName);
        OpenTableReader("[" + tableName + "]");
        if (gridsForm) {
            unitLines.push_back("    " + identifier + "_TS : TTabSheet;");
            formLines.push_back("  Object " + identifier + "_TS : TTabSheet");
            formLines.push_back("    Caption = " + QuoteDfmString(identifier));
        }
        const std::string dataSourceReference =
            options.DMName + "." + FormatName(NameFormats.DataSourceName, identifier);

        const std::string navigator = Declaration(
            FormatName(NameFormats.DBNavigatorName, identifier), options.DBNavigatorType);
        AppendUnitLine(unitLines, navigator);
        AppendLines(formLines, "    object " + navigator, "      Left = 16", "      Top = 24",
                    "      Width = 240", "      Height = 25",
                    "      DataSource = " + dataSourceReference, "      TabOrder = 0", "    end");

        const std::string grid =
            Declaration(FormatName(NameFormats.DBGridName, identifier), options.DBGridType);
        AppendUnitLine(unitLines, grid);
        AppendLines(formLines, "    object " + grid, "      Left = 16", "      Top = 60");
        formLines.push_back(gridsForm ? "      Width = 600" : "      Width = 240");
        formLines.push_back(gridsForm ? "      Height = 300" : "      Height = 160");
        formLines.push_back("      DataSource = " + dataSourceReference);
        formLines.push_back("      TabOrder = 0");
        formLines.push_back("       Columns = <");
        for (const TFieldDescriptor& field : ADOTable.Fields()) {
            const std::string displayText = DisplayTextOrCaption(field.FieldName);
            AppendLines(formLines, "        item", "          Expanded = False",
                        "          FieldName = " + QuoteDfmString(field.FieldName),
                        "          Title.Caption = " + QuoteDfmString(displayText),
                        "          Title.Alignment = taCenter", "          Visible = True",
                        "        end");
        }
        formLines.push_back("      >");
        formLines.push_back("    end");

        if (!gridsForm) {
            const std::vector<std::string> fieldIdentifiers = FieldIdentifiersOf(ADOTable);
            for (std::size_t position = 0; position < ADOTable.FieldCount(); ++position) {
                ProcessMessages();
                const TFieldDescriptor& field = ADOTable.Field(position);
                const std::string& fieldIdentifier = fieldIdentifiers[position];
                const std::string displayText = DisplayTextOrCaption(field.FieldName);
                const std::string caption = displayText + (options.WithColon ? ":" : "");
                const std::int64_t rowTop =
                    RowHeight * static_cast<std::int64_t>(position) + FirstRowTop;
                const std::int64_t labelWidth = LabelWidthOf(caption);
                const std::int64_t labelLeft = options.LeftJustify
                                                   ? LeftJustifiedLabelLeft
                                                   : ControlColumn - options.Space - labelWidth;
                const bool hasMemo =
                    (field.DataType == TFieldType::ftString && field.Size >= MemoFromStringSize) ||
                    field.DataType == TFieldType::ftMemo;
                const std::string upperName = UpperCaseAscii(field.FieldName);
                const bool hasLookup =
                    position >= 1 && (upperName.find("ID") != std::string::npos ||
                                      upperName.find("CODE") != std::string::npos);

                const std::string label =
                    Declaration(FormatName(NameFormats.LabelName, fieldIdentifier), "TLabel");
                AppendUnitLine(unitLines, label);
                AppendLines(formLines, "    object " + label,
                            "      Left = " + std::to_string(labelLeft),
                            "      Top = " + std::to_string(rowTop + LabelTopOffset),
                            "      Width = " + std::to_string(labelWidth + LabelExtraWidth),
                            "      Height = 16", "      Caption = " + QuoteDfmString(caption),
                            options.LeftJustify ? "      Alignment = taLeftJustify"
                                                : "      Alignment = taRightJustify",
                            options.AutoSize ? "      AutoSize = True" : "      AutoSize = False",
                            "    end");

                if (field.DataType == TFieldType::ftBoolean) {
                    AppendDataControl({FormatName(NameFormats.DBCheckBoxName, fieldIdentifier),
                                       "TDBCheckBox", EditLeft, CheckBoxWidth},
                                      rowTop, field.FieldName, dataSourceReference, unitLines,
                                      formLines);
                } else {
                    AppendDataControl({FormatName(NameFormats.DBEditName, fieldIdentifier),
                                       "TDBEdit", EditLeft, ControlWidth},
                                      rowTop, field.FieldName, dataSourceReference, unitLines,
                                      formLines);
                }
                if (hasMemo) {
                    AppendDataControl({FormatName(NameFormats.DBMemoName, fieldIdentifier),
                                       "TDBMemo", MemoLeft, ControlWidth, true},
                                      rowTop, field.FieldName, dataSourceReference, unitLines,
                                      formLines);
                }
                if (hasLookup) {
                    AppendDataControl(
                        {FormatName(NameFormats.DBLookupComboBoxName, fieldIdentifier),
                         "TDBLookupComboBox", hasMemo ? LookupLeftAfterMemo : MemoLeft,
                         ControlWidth},
                        rowTop, field.FieldName, dataSourceReference, unitLines, formLines);
                }
            }
        }
        if (gridsForm) {
            formLines.push_back("  end");
        }
    }
    if (gridsForm) {
        formLines.push_back("  end");
    }
}

TDM::TMainFormLists TDM::BuildMainFormLists(const TStringList& tableNames, bool trimPrefix) {
    TMainFormLists lists;
    for (std::size_t index = 0; index < tableNames.size(); ++index) {
        const std::string identifier = TableIdentifierOf(tableNames[index], trimPrefix);
        const std::string clientDataSetName = FormatName(NameFormats.ClientDataSetName, identifier);
        const std::string tableFormName = FormatName(NameFormats.TableFormName, identifier);
        const std::string buttonTop =
            std::to_string(static_cast<int>(index) * ButtonSpacing + FirstButtonTop);

        lists.FormUnitList += ",frm" + identifier;
        lists.ButtonList += "    " + identifier + "_Btn: TButton;\r\n";
        lists.ButtonEventList += "    procedure " + identifier + "_BtnClick(Sender: TObject);\r\n";
        lists.ButtonEventCodeList += "procedure TMain_Frm." + identifier +
                                     "_BtnClick(Sender: TObject);\r\nbegin\r\n  DM." +
                                     clientDataSetName + ".Active := True;\r\n  " + tableFormName +
                                     ".Show;\r\nend;\r\n\r\n" + "\r\n";
        lists.FormUnitFileList +=
            "  frm" + identifier + " in 'frm" + identifier + ".pas' {" + identifier + "_Frm},\r\n";
        lists.FormCreateCodeList +=
            "  Application.CreateForm(T" + identifier + "_Frm, " + identifier + "_Frm);\r\n";
        lists.ButtonObjectList += "  object " + identifier + "_Btn: TButton\r\n    Left = 64\r\n" +
                                  "    Top = " + buttonTop +
                                  "\r\n    Width = 249\r\n    Height = 33\r\n    Caption = " +
                                  QuoteDfmString(identifier) + "\r\n    TabOrder = 0\r\n" +
                                  "    OnClick = " + identifier + "_BtnClick\r\n  end\r\n" + "\r\n";
    }
    return lists;
}

} // namespace quorvane
