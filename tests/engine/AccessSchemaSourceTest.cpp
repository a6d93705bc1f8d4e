// The Access back-end on files made by the Jet 4 writer: every Access type as the Jet provider
// reports it, the catalogue, odd names, many tables, and damaged files.

#include "schema/access/AccessSchemaSource.h"
#include "MdbWriter.h"
#include "PlanSupport.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace quorvane {
namespace {

using testing::TAccessColumn;
using testing::TAccessTable;
using testing::TAccessType;

struct TExpected {
    std::string Name;
    TFieldType Kind;
    std::int64_t Size;
};

class AccessSchemaSourceTest : public ::testing::Test {
protected:
    TTempDir Folder;

    std::string Write(const std::vector<TAccessTable>& tables, const std::string& name = "db.mdb") {
        const std::string path = Folder.File(name);
        testing::WriteJet4Database(path, tables);
        return path;
    }

    static std::string ErrorOf(const std::string& path) {
        try {
            OpenAccessSchemaSource(path);
        } catch (const EDatabaseError& error) {
            return error.what();
        }
        return "no error";
    }
};

TEST_F(AccessSchemaSourceTest, EveryAccessTypeReadsAsTheJetProviderReportsIt) {
    const std::string path = Write({{"Kinds",
                                     {{"ID", TAccessType::AutoNumber},
                                      {"Flag", TAccessType::YesNo},
                                      {"Small", TAccessType::Byte},
                                      {"Short", TAccessType::Integer},
                                      {"Long", TAccessType::LongInteger},
                                      {"Money", TAccessType::Currency},
                                      {"Single", TAccessType::Single},
                                      {"Double", TAccessType::Double},
                                      {"When", TAccessType::DateTime},
                                      {"Name", TAccessType::Text, 40},
                                      {"Long Name", TAccessType::Text, 255},
                                      {"Notes", TAccessType::Memo},
                                      {"Link", TAccessType::Hyperlink},
                                      {"Picture", TAccessType::OleObject},
                                      {"Raw", TAccessType::Binary, 16},
                                      {"Guid", TAccessType::ReplicationId},
                                      {"Amount", TAccessType::Decimal, 0, 12, 2},
                                      {"Whole", TAccessType::Decimal, 0, 9, 0}}}});
    const auto source = OpenAccessSchemaSource(path);
    const std::vector<TFieldDescriptor> fields = DescribeFields(source->DescribeTable("Kinds"));
    const std::vector<TExpected> expected = {
        {"ID", TFieldType::ftAutoInc, 0},
        {"Flag", TFieldType::ftBoolean, 0},
        {"Small", TFieldType::ftWord, 0},
        {"Short", TFieldType::ftSmallint, 0},
        {"Long", TFieldType::ftInteger, 0},
        {"Money", TFieldType::ftBCD, 4},
        {"Single", TFieldType::ftFloat, 0},
        {"Double", TFieldType::ftFloat, 0},
        {"When", TFieldType::ftDateTime, 0},
        {"Name", TFieldType::ftWideString, 40},
        {"Long Name", TFieldType::ftWideString, 255},
        {"Notes", TFieldType::ftMemo, 0},
        {"Link", TFieldType::ftMemo, 0},
        {"Picture", TFieldType::ftBlob, 0},
        {"Raw", TFieldType::ftVarBytes, 16},
        {"Guid", TFieldType::ftGuid, 38},
        {"Amount", TFieldType::ftBCD, 2},
        {"Whole", TFieldType::ftInteger, 0},
    };
    ASSERT_EQ(fields.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fields[i].FieldName, expected[i].Name);
        EXPECT_EQ(FieldTypeName(fields[i].DataType), FieldTypeName(expected[i].Kind))
            << expected[i].Name;
        EXPECT_EQ(fields[i].Size, expected[i].Size) << expected[i].Name;
        // Text is variable in length; only a GUID carries the fixed flag among these kinds.
        EXPECT_EQ(fields[i].FixedChar, expected[i].Kind == TFieldType::ftGuid) << expected[i].Name;
    }
}

TEST_F(AccessSchemaSourceTest, CatalogueListsUserTablesByNameWithoutRegardToCase) {
    const std::string path = Write({{"orders", {{"A", TAccessType::LongInteger}}},
                                    {"Buyer's Ref #2", {{"B", TAccessType::Text, 10}}},
                                    {"Clients", {{"C", TAccessType::LongInteger}}},
                                    {"Änderungen", {{"D", TAccessType::LongInteger}}},
                                    {"Order Details", {{"E", TAccessType::LongInteger}}}});
    // Through the engine, as a run lists them: system tables left out, names as written.
    TDM dm;
    dm.ConnectDatabase(path, "", false);
    dm.ListTableNames(dm.TableNames);
    EXPECT_EQ(dm.TableNames,
              (TStringList{"Buyer's Ref #2", "Clients", "Order Details", "orders", "Änderungen"}));
    const std::vector<TFieldDescriptor> fields = testing::FieldsOf(dm, "Buyer's Ref #2");
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].FieldName, "B");

    const auto rows = OpenAccessSchemaSource(path)->ReadCatalogue();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const TCatalogRow& row) {
        return row.TableName == "MSysObjects" && row.TableType == "SYSTEM TABLE";
    }));
    EXPECT_THROW(OpenAccessSchemaSource(path)->DescribeTable("Missing"), EDatabaseError);
}

TEST_F(AccessSchemaSourceTest, ADataLinkNamesTheAccessFileRelativeToItsFolder) {
    Write({{"Orders", {{"ID", TAccessType::AutoNumber}}}}, "shop.mdb");
    TConnectionProperties link;
    link.Set("Provider", "Microsoft.Jet.OLEDB.4.0");
    link.Set("Data Source", "shop.mdb");
    WriteDataLinkFile(Folder.File("shop.udl"), link);
    const auto source = OpenSchemaSource("FILE NAME=" + Folder.File("shop.udl"));
    const std::vector<TCatalogRow> rows = source->ReadCatalogue();
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const TCatalogRow& row) { return row.TableType == "TABLE"; }),
              1);
    EXPECT_EQ(DescribeFields(source->DescribeTable("orders")).at(0).DataType,
              TFieldType::ftAutoInc);
}

TEST_F(AccessSchemaSourceTest, AFewHundredTablesAreAllListed) {
    std::vector<TAccessTable> tables;
    for (int i = 0; i < 300; ++i) {
        tables.push_back({"Table" + std::to_string(1000 + i),
                          {{"ID", TAccessType::AutoNumber}, {"Name", TAccessType::Text, 50}}});
    }
    TDM dm;
    dm.ConnectDatabase(Write(tables), "", false);
    dm.ListTableNames(dm.TableNames);
    ASSERT_EQ(dm.TableNames.size(), 300u);
    EXPECT_EQ(dm.TableNames.front(), "Table1000");
    EXPECT_EQ(dm.TableNames.back(), "Table1299");
    EXPECT_EQ(testing::FieldsOf(dm, "Table1299").at(1).Size, 50);
}

TEST_F(AccessSchemaSourceTest, DamagedOrForeignFilesGiveAClearErrorNamingTheFile) {
    const std::string good = Write({{"Orders", {{"ID", TAccessType::AutoNumber}}}});
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::mt19937 random(7);
    std::string noise(8192, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() & 0xFF);
    }
    std::string wrongVersion = bytes;
    wrongVersion[0x14] = 0x7F;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"empty.mdb", ""},
        {"truncated.mdb", bytes.substr(0, bytes.size() - 1000)},
        {"half-a-page.mdb", bytes.substr(0, 100)},
        {"noise.mdb", noise},
        {"wrong-version.mdb", wrongVersion},
        {"text.mdb", "This is a text file, not a database.\r\n"},
    };
    for (const auto& [name, content] : cases) {
        WriteFile(Folder.File(name), content);
        const std::string message = ErrorOf(Folder.File(name));
        EXPECT_EQ(message.rfind("Cannot open Access database \"" + Folder.File(name) + "\". ", 0),
                  0u)
            << message;
    }
    EXPECT_NE(ErrorOf(Folder.File("missing.mdb")).find("No such file"), std::string::npos);
}

} // namespace
} // namespace quorvane
