// NameFormat.ini as the generator reads it: the platform's profile-file lookup rules, and the
// defaults for everything the file does not say.

#include "TempDir.h"
#include "generate/NameFormats.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

// The thirteen entries in key order, so that a whole record compares in one assertion.
std::vector<std::string> AllOf(const TFormatStrings& f) {
    return {f.DataSetName,         f.ProviderName,   f.DataSourceName,  f.ClientDataSetName,
            f.TableUnitName,       f.TableFormName,  f.DBGridName,      f.DBEditName,
            f.LabelName,           f.DBCheckBoxName, f.DBNavigatorName, f.DBMemoName,
            f.DBLookupComboBoxName};
}

const std::vector<std::string> Defaults = {
    "%s_D",     "%s_P",   "%s_DS",    "%s_CDS",   "frm%s",     "%s_frm",      "%s_DBGrid",
    "%s_DBEdt", "%s_Lab", "%s_DBChk", "%s_DBNvg", "%s_DBMemo", "%s_DBLkpCbo",
};

TEST(ReadNameFormatsTest, MissingFileSectionOrKeysGiveTheDefaults) {
    TTempDir folder;
    EXPECT_EQ(AllOf(ReadNameFormats(folder.File("NameFormat.ini"))), Defaults);

    // Keys outside the section do not count, and a section without keys changes nothing.
    WriteFile(folder.File("other.ini"), "[Other]\r\nDataSetName=%s_X\r\n[NameFormatStrings]\r\n"
                                        "[Later]\r\nProviderName=%s_Y\r\n");
    EXPECT_EQ(AllOf(ReadNameFormats(folder.File("other.ini"))), Defaults);
}

TEST(ReadNameFormatsTest, FollowsTheProfileLookupRules) {
    TTempDir folder;
    const std::string path = folder.File("NameFormat.ini");
    WriteFile(path, "; house style\r\n"
                    "[nameformatstrings]\r\n"
                    "datasetname=\r\n"               // present but empty: no default
                    "ProviderName = \"%s_Prov\"\r\n" // quotes go, blanks around go
                    "DataSourceName='%s_Src'\r\n"
                    "ClientDataSetName=\" %s_C \"\r\n" // blanks inside the quotes stay
                    "TableUnitName=\"unit%s'\r\n"      // quotes that do not match stay
                    "TableFormName=%s_Form1\r\n"
                    "TableFormName=%s_Form2\r\n"       // the first line of a key counts
                    "  DBGRIDNAME  =   %s_Grid   \t\n" // LF only, blanks and a tab
                    "DBEditName=" +
                        std::string(3000, 'e') +
                        "%s\r\n"
                        "LabelName=%s=Lab\r\n"); // only the first "=" ends the key
    const TFormatStrings formats = ReadNameFormats(path);
    EXPECT_EQ(formats.DataSetName, "");
    EXPECT_EQ(formats.ProviderName, "%s_Prov");
    EXPECT_EQ(formats.DataSourceName, "%s_Src");
    EXPECT_EQ(formats.ClientDataSetName, " %s_C ");
    EXPECT_EQ(formats.TableUnitName, "\"unit%s'");
    EXPECT_EQ(formats.TableFormName, "%s_Form1");
    EXPECT_EQ(formats.DBGridName, "%s_Grid");
    EXPECT_EQ(formats.DBEditName, std::string(2047, 'e'));
    EXPECT_EQ(formats.LabelName, "%s=Lab");
    EXPECT_EQ(formats.DBCheckBoxName, "%s_DBChk");
    EXPECT_EQ(formats.DBLookupComboBoxName, "%s_DBLkpCbo");
}

TEST(ReadNameFormatsTest, ReadsAFileSavedAsUtf16WithByteOrderMark) {
    TTempDir folder;
    const std::string path = folder.File("NameFormat.ini");
    WriteFile(path, EncodeUtf16LeWithBom("[NameFormatStrings]\r\nDataSetName=%s_Tabelle\r\n"
                                         "DBMemoName=%s_Notiz\xC3\xA9\r\n"));
    const TFormatStrings formats = ReadNameFormats(path);
    EXPECT_EQ(formats.DataSetName, "%s_Tabelle");
    EXPECT_EQ(formats.DBMemoName, "%s_Notiz\xC3\xA9");
    EXPECT_EQ(formats.ProviderName, "%s_P");
}

} // namespace
} // namespace quorvane
