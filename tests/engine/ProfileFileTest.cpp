// NameFormat.ini as the generator reads it: the platform's profile-file lookup rules, the
// defaults for everything the file does not say, and a file that is there but cannot be read.

#include "TempDir.h"
#include "generate/NameFormats.h"
#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
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

TEST(ReadNameFormatsTest, AFileThatIsThereButCannotBeReadIsAnErrorNamingIt) {
    TTempDir folder;
    // The defaults in its place would give other names than the file asks for, silently.
    const std::string large = folder.File("large/NameFormat.ini");
    WriteFile(large, "[NameFormatStrings]\r\n");
    std::filesystem::resize_file(large, (std::uint64_t{64} << 20) + 1); // sparse: costs nothing
    const std::string bigEndian = folder.File("big-endian/NameFormat.ini");
    WriteFile(bigEndian, std::string("\xFE\xFF\x00[\x00N", 6));
    const std::string folderNamed = folder.File("folder/NameFormat.ini");
    std::filesystem::create_directories(folderNamed);
    const std::pair<std::string, std::string> cases[] = {
        {large, "It is larger than 64 MiB."},
        {bigEndian, "It is in an encoding Quorvane does not read (UTF-16BE); save it as UTF-16LE "
                    "with byte-order mark, or as UTF-8."},
        {folderNamed, "Is a directory"},
    };
    for (const auto& [path, reason] : cases) {
        try {
            ReadNameFormats(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const EFileError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Cannot read the name formats from \"" + path + "\". " + reason);
        }
    }
    // A file that is read is named by the formats, for the errors about them.
    const std::string good = folder.File("NameFormat.ini");
    WriteFile(good, "[NameFormatStrings]\r\nDataSetName=%s_X\r\n");
    EXPECT_EQ(ReadNameFormats(good).Source, good);
    EXPECT_EQ(ReadNameFormats(folder.File("missing.ini")).Source, "built-in");
}

} // namespace
} // namespace quorvane
