// Settings files of a run: every option written and read back as it was, paths relative to the
// file's folder, and each line the reader cannot take named with its number.

#include "generate/RunSettings.h"
#include "OptionsComparison.h"
#include "TempDir.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

// Every option away from its default, with texts that test the file's quoting: blanks at the
// ends, quotes at both ends, UTF-8, a semicolon and an equals sign.
TProjectParam EveryOptionChanged() {
    TProjectParam o;
    o.Database.UDLFile = "/srv/quorvane/Datenbank Ü/orders.udl";
    o.Database.MapFile = "/srv/quorvane/map=list;1.txt";
    o.Database.NameCodeOrder = true;
    o.Directories.TemplateDir = "/srv/quorvane/templates/MidasProject";
    o.Directories.OutputDir = "/var/tmp/out put";
    o.ServerOptions.DataSetType = "TSQLQuery";
    o.ServerOptions.DataSetKind = "TSQLQuery";
    o.ServerOptions.ProviderOptions = " poAllowCommandText , poFetchBlobsOnDemand ";
    o.ServerOptions.IsRDM = false;
    o.ServerOptions.TrimPrefix = true;
    o.ServerOptions.ConnectionName = "ServerConnection";
    o.ServerOptions.ProjectGuids = TProjectGuids::New;
    o.ClientDMOptions.ClientDataSetType = "TMyClientDataSet";
    o.ClientDMOptions.ConnectionBrokerName = "Broker2";
    o.ClientDMOptions.TrimTableName = true;
    o.ClientDMOptions.DisplayFormat.FloatFormat = "#,##0.00;(#,##0.00)";
    o.ClientDMOptions.DisplayFormat.CurrencyFormat = " € #.00 ";
    o.ClientDMOptions.DisplayFormat.DateFormat = "\"DD.MM.YYYY\"";
    o.ClientUIOptions.DMName = "Data";
    o.ClientUIOptions.DBNavigatorType = "TNav";
    o.ClientUIOptions.DBGridType = "TGrid";
    o.ClientUIOptions.Space = -1000000;
    o.ClientUIOptions.OnlyTable = "Orders, Order Details";
    o.ClientUIOptions.ExcludeTables = "'Sales_*'";
    o.ClientUIOptions.WithColon = true;
    o.ClientUIOptions.LeftJustify = true;
    o.ClientUIOptions.AutoSize = true;
    o.ClientUIOptions.TrimTableName = true;
    o.SchemaOptions.SchemaKeys = true;
    o.SchemaOptions.RequiredFields = true;
    o.SchemaOptions.FkLookups = true;
    o.SchemaOptions.CommentLabels = true;
    return o;
}

TEST(RunSettingsTest, EveryOptionSurvivesWritingAndReading) {
    // The comparison knows every field of the option structs, and the changed options differ
    // from the defaults in each of them: a key the file forgets shows as a difference below.
    for (const auto& [name, counted, known] : OptionStructFields()) {
        EXPECT_EQ(counted, known) << name << " has a field the settings file may not know";
    }
    const TProjectParam changed = EveryOptionChanged();
    EXPECT_EQ(DifferingOptions(changed, TProjectParam{}).size(), ComparedOptionCount);

    TTempDir folder;
    const std::string path = folder.File("run.ini");
    WriteRunSettings(path, changed);
    TProjectParam read;
    ReadRunSettings(path, read);
    EXPECT_EQ(DifferingOptions(changed, read), std::vector<std::string>{}) << ReadFile(path);

    // Reading a whole file replaces every option, whatever was there before.
    TProjectParam over = changed;
    WriteRunSettings(path, TProjectParam{});
    ReadRunSettings(path, over);
    EXPECT_EQ(DifferingOptions(over, TProjectParam{}), std::vector<std::string>{});

    // What the file says reads as a person wrote it.
    WriteRunSettings(path, changed);
    const std::string text = ReadFile(path);
    for (const char* line :
         {"\n[Database]\nFile=/srv/quorvane/Datenbank Ü/orders.udl\n", "\nNameCodeOrder=true\n",
          "\n[Server]\nDataSetType=TSQLQuery\n",
          "\nProviderOptions=\" poAllowCommandText , poFetchBlobsOnDemand \"\n",
          "\nRemoteDataModule=false\n", "\nConnectionName=ServerConnection\nProjectGuids=new\n",
          "\nCurrencyFormat=\" € #.00 \"\n", "\nDateFormat=\"\"DD.MM.YYYY\"\"\n",
          "\nFloatFormat=#,##0.00;(#,##0.00)\n", "\n[ClientForms]\nDataModuleName=Data\n",
          "\nSpace=-1000000\n", "\nExcludeTables=\"'Sales_*'\"\n",
          "\n[Schema]\nSchemaKeys=true\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
    }
}

// Works in `folder` while it lives, and goes back to the folder it came from even when the test
// fails on the way.
class TWorkingIn {
public:
    explicit TWorkingIn(const fs::path& folder) : FBack(fs::current_path()) {
        fs::current_path(folder);
    }
    ~TWorkingIn() {
        std::error_code ignored;
        fs::current_path(FBack, ignored);
    }
    TWorkingIn(const TWorkingIn&) = delete;
    TWorkingIn& operator=(const TWorkingIn&) = delete;

private:
    fs::path FBack;
};

TEST(RunSettingsTest, PathsAreTakenFromTheFilesFolder) {
    TTempDir folder;
    const fs::path base = folder.Path();
    TProjectParam options;
    options.Directories.TemplateDir = (base / "templates/MidasProject").string();
    options.Directories.OutputDir = (base / "out").string();
    options.Database.UDLFile = "/elsewhere/orders.udl";
    const std::string path = folder.File("run.ini");
    WriteRunSettings(path, options);
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("\nTemplate=templates/MidasProject\nOutput=out\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\nFile=/elsewhere/orders.udl\nMapFile=\n"), std::string::npos) << text;

    // The file moves with its folder: its relative paths follow it, absolute ones stay.
    fs::create_directories(base / "moved");
    fs::rename(path, base / "moved/run.ini");
    TProjectParam read;
    ReadRunSettings(folder.File("moved/run.ini"), read);
    EXPECT_EQ(read.Directories.TemplateDir, (base / "moved/templates/MidasProject").string());
    EXPECT_EQ(read.Directories.OutputDir, (base / "moved/out").string());
    EXPECT_EQ(read.Database.UDLFile, "/elsewhere/orders.udl");
    EXPECT_EQ(read.Database.MapFile, "");

    // Written by hand, from another current folder, through a relative file name.
    WriteFile(folder.File("conf/run.ini"),
              "[Database]\nFile = ../db/orders.udl\nMapFile = maps/./map.txt\n"
              "[Directories]\nOutput = ../out\n");
    TProjectParam relative;
    {
        const TWorkingIn working(base);
        ReadRunSettings("conf/run.ini", relative);
    }
    EXPECT_EQ(relative.Database.UDLFile, (base / "db/orders.udl").string());
    EXPECT_EQ(relative.Database.MapFile, (base / "conf/maps/map.txt").string());
    EXPECT_EQ(relative.Directories.OutputDir, (base / "out").string());

    // A path relative to the current folder is written so that it still means the same file.
    options.Directories.OutputDir = "out2";
    options.Database.MapFile = "../map.txt";
    {
        const TWorkingIn working(base / "moved");
        WriteRunSettings(folder.File("run.ini"), options);
    }
    TProjectParam fromCurrent;
    ReadRunSettings(folder.File("run.ini"), fromCurrent);
    EXPECT_EQ(fromCurrent.Directories.OutputDir, (base / "moved/out2").string());
    EXPECT_EQ(fromCurrent.Database.MapFile, (base / "map.txt").string());
}

TEST(RunSettingsTest, TheReaderTakesWhatPeopleWrite) {
    TTempDir folder;
    const std::string path = folder.File("run.ini");
    // A byte-order mark, CR LF, comments, any letter case, blanks around names and values; a
    // file with only some keys leaves the others as they were.
    WriteFile(path, "\xEF\xBB\xBF; kept for the nightly build\r\n"
                    "# another comment\r\n\r\n"
                    "  [ clientforms ]  \r\n"
                    "  space =  12  \r\n"
                    "WITHCOLON=True\r\n"
                    "OnlyTable=\r\n"
                    "[Server]\r\n"
                    "DataSetType\t=\tTADODataSet\r\n"
                    "projectguids = New\r\n");
    TProjectParam options;
    options.ClientUIOptions.OnlyTable = "Orders";
    options.ClientDMOptions.ConnectionBrokerName = "Kept";
    ReadRunSettings(path, options);
    EXPECT_EQ(options.ClientUIOptions.Space, 12);
    EXPECT_TRUE(options.ClientUIOptions.WithColon);
    EXPECT_EQ(options.ClientUIOptions.OnlyTable, "");
    EXPECT_EQ(options.ServerOptions.DataSetType, "TADODataSet");
    EXPECT_EQ(options.ServerOptions.DataSetKind, "TADODataSet");
    EXPECT_EQ(options.ClientDMOptions.ConnectionBrokerName, "Kept");
    EXPECT_EQ(options.ServerOptions.ProjectGuids, TProjectGuids::New);

    // Notepad's UTF-16 is read too; UTF-16BE is not.
    WriteFile(path, EncodeUtf16LeWithBom("[ClientDataModule]\r\nDateFormat=TT.MM.JJJJ für\r\n"));
    ReadRunSettings(path, options);
    EXPECT_EQ(options.ClientDMOptions.DisplayFormat.DateFormat, "TT.MM.JJJJ für");
    WriteFile(path, std::string("\xFE\xFF\0[", 4));
    try {
        ReadRunSettings(path, options);
        ADD_FAILURE() << "UTF-16BE was read";
    } catch (const EOptionsError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The settings file \"" + path +
                      "\" is in an encoding Quorvane does not read (UTF-16BE); save it as UTF-8.");
    }
    const std::string none = folder.File("none.ini");
    try {
        ReadRunSettings(none, options);
        ADD_FAILURE() << "a missing file was read";
    } catch (const EFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open settings file \"" + none + "\". No such file or directory");
    }
}

TEST(RunSettingsTest, EachLineTheReaderCannotTakeIsNamedWithItsNumber) {
    TTempDir folder;
    const std::string path = folder.File("run.ini");
    const std::string at = "Settings file \"" + path + "\", line ";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"[Server]\nDataSetType=TADOQuery\n[Colours]\nRed=1\n",
         at + "3: unknown section [Colours]."},
        {"[Server]\n\n; the grid\nGridType=TGrid\n",
         at + "4: unknown key \"GridType\" in section [Server]."},
        {"Space=4\n[ClientForms]\n", at + "1: key \"Space\" comes before any section."},
        {"[ClientForms]\nSpace 4\n",
         at + "2: \"Space 4\" is not a [section], key = value or ; comment line."},
        {"[ClientForms]\n=4\n",
         at + "2: \"=4\" is not a [section], key = value or ; comment line."},
        {"[Schema\n", at + "1: \"[Schema\" is not a [section], key = value or ; comment line."},
        {"[ClientForms]\nSpace=4\nspace=5\n", at + "3: key \"Space\" was already given on line 2."},
        {"[Schema]\n[Server]\n[schema]\n", at + "3: section [Schema] was already given on line 1."},
        // Values, each with its key and the check the batch tool applies to its option.
        {"[Schema]\nFkLookups=yes\n", at + "2, key \"FkLookups\": 'yes' is not true or false."},
        {"[ClientForms]\r\nSpace=4x\r\n",
         at + "2, key \"Space\": '4x' is not a valid integer value."},
        {"[ClientForms]\nSpace=1000001\n",
         at + "2, key \"Space\": '1000001' is not a valid integer value."},
        {"[Server]\nDataSetType=a b\n",
         at + "2, key \"DataSetType\": 'a b' is not a valid class name for \"DataSet Component "
              "Type\" (--dataset-type)."},
        {"[Server]\nProviderOptions=poA]\n",
         at + "2, key \"ProviderOptions\": 'poA]' is not a valid option list for \"DataSet "
              "Provider Options\" (--provider-options)."},
        {"[Server]\nProjectGuids=fresh\n",
         at + "2, key \"ProjectGuids\": 'fresh' is not template or new."},
        {"[Server]\nConnectionName=DB Connection\n",
         at + "2, key \"ConnectionName\": 'DB Connection' is not a valid component name for "
              "\"DBConnection Name in Template\" (--connection-name)."},
        {"[ClientDataModule]\nConnectionBrokerName=\n",
         at + "2, key \"ConnectionBrokerName\": '' is not a valid component name for "
              "\"ConnectionBroker Component Name\" (--broker-name)."},
        {"[ClientForms]\nNavigatorType=\"TNav\n",
         at + "2, key \"NavigatorType\": '\"TNav' is not a valid class name for \"DBNavigator "
              "Type\" (--navigator-type)."},
    };
    for (const auto& [text, message] : cases) {
        WriteFile(path, text);
        TProjectParam options;
        try {
            ReadRunSettings(path, options);
            ADD_FAILURE() << "read: " << text;
        } catch (const ESettingsError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
    // Nothing of a file that fails is taken, not even the lines before the fault.
    WriteFile(path, "[ClientForms]\nSpace=9\nWithColon=true\nColour=red\n");
    TProjectParam options;
    EXPECT_THROW(ReadRunSettings(path, options), ESettingsError);
    EXPECT_EQ(DifferingOptions(options, TProjectParam{}), std::vector<std::string>{});
}

TEST(RunSettingsTest, TheWriterRefusesWhatCouldNotBeReadBack) {
    TTempDir folder;
    const std::string path = folder.File("run.ini");
    TProjectParam options;
    options.ClientDMOptions.DisplayFormat.DateFormat = "DD\nMM";
    EXPECT_THROW(
        {
            try {
                WriteRunSettings(path, options);
            } catch (const ESettingsError& error) {
                EXPECT_STREQ(error.what(), "The value of \"DateFormat\" in section "
                                           "[ClientDataModule] holds a line break, which a "
                                           "settings file cannot keep.");
                throw;
            }
        },
        ESettingsError);
    options = TProjectParam{};
    options.ClientUIOptions.DBGridType = "T Grid";
    EXPECT_THROW(WriteRunSettings(path, options), EConvertError);
    options = TProjectParam{};
    options.ClientUIOptions.Space = 1000001;
    EXPECT_THROW(WriteRunSettings(path, options), EConvertError);
    EXPECT_FALSE(fs::exists(path));

    // An earlier file stays whole when the new one cannot be written.
    WriteRunSettings(path, TProjectParam{});
    const std::string before = ReadFile(path);
    EXPECT_THROW(WriteRunSettings(path, options), EConvertError);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_THROW(WriteRunSettings(folder.File("no/such/folder/run.ini"), TProjectParam{}),
                 EFileError);
}

} // namespace
} // namespace quorvane
