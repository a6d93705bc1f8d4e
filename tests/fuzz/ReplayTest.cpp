// Replays the fuzz corpus and every input that once crashed or hung a fuzz target through the
// same functions the fuzzers call, in the normal build and without sanitizers: a broken
// invariant aborts the test process, an unexpected exception fails the test. Also opens damaged
// copies of the sample Access database, kept as recipes, through the Access back-end.

#include "AccessDamage.h"
#include "FuzzTargets.h"
#include "TempDir.h"
#include "datalink/DataLink.h"
#include "schema/access/AccessSchemaSource.h"
#include "text/EngineErrors.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace quorvane::fuzz {
namespace {

namespace fs = std::filesystem;

struct TTarget {
    const char* Name; // the folder of its inputs under corpus/ and regressions/
    void (*Run)(const std::uint8_t*, std::size_t);
};

const TTarget Targets[] = {
    {"datalink", FuzzDataLink},
    {"mapfile", FuzzMapFile},
    {"profilefile", FuzzProfileFile},
    {"nameformat", FuzzNameFormat},
    {"templatewriters", FuzzTemplateWriters},
};

// The files of a folder in name order; hidden files (".gitkeep") are no inputs.
std::vector<fs::path> InputsIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file() && it->path().filename().string().front() != '.') {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void Replay(const TTarget& target, const fs::path& file) {
    SCOPED_TRACE(file.string());
    const std::string bytes = ReadFile(file.string());
    target.Run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// --- The corpus: every seed, one test per target ---

// Test names say which input a test replays; gtest would print the bytes of the parameter.
void PrintTo(const TTarget& target, std::ostream* out) {
    *out << target.Name;
}

class CorpusTest : public testing::TestWithParam<TTarget> {};

TEST_P(CorpusTest, EverySeedRunsClean) {
    const std::vector<fs::path> files =
        InputsIn(fs::path(QUORVANE_FUZZ_DIR) / "corpus" / GetParam().Name);
    ASSERT_FALSE(files.empty()) << "no seeds for " << GetParam().Name;
    for (const fs::path& file : files) {
        Replay(GetParam(), file);
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusTest, testing::ValuesIn(Targets),
                         [](const testing::TestParamInfo<TTarget>& param) {
                             return std::string(param.param.Name);
                         });

// --- The regressions: every input that once failed, one test each ---

struct TRegression {
    TTarget Target;
    fs::path File;
};

std::vector<TRegression> Regressions() {
    std::vector<TRegression> all;
    for (const TTarget& target : Targets) {
        for (const fs::path& file :
             InputsIn(fs::path(QUORVANE_FUZZ_DIR) / "regressions" / target.Name)) {
            all.push_back({target, file});
        }
    }
    return all;
}

void PrintTo(const TRegression& regression, std::ostream* out) {
    *out << regression.File.filename().string();
}

class RegressionTest : public testing::TestWithParam<TRegression> {};

TEST_P(RegressionTest, RunsClean) {
    Replay(GetParam().Target, GetParam().File);
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RegressionTest);
INSTANTIATE_TEST_SUITE_P(Fuzz, RegressionTest, testing::ValuesIn(Regressions()),
                         [](const testing::TestParamInfo<TRegression>& param) {
                             std::string name = param.param.File.filename().string();
                             for (char& c : name) {
                                 const bool keep = (c >= 'a' && c <= 'z') ||
                                                   (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
                                 c = keep ? c : '_';
                             }
                             return name;
                         });

// --- What the regressions above found, in readable form ---

// A ";" after a control byte once stayed at the front of a key; written back, it was read as a
// separator and the key lost it.
TEST(FoundByFuzzingTest, AKeyNeverStartsWithASeparator) {
    const TConnectionProperties parsed = TConnectionProperties::Parse("A=1;\x01;B=2;\x02;;C=3");
    ASSERT_EQ(parsed.Items().size(), 3U);
    EXPECT_EQ(parsed.Items()[1].first, "B");
    EXPECT_EQ(parsed.Items()[2].first, "C");
    EXPECT_EQ(TConnectionProperties::Parse(FormatConnectionProperties(parsed)).Items(),
              parsed.Items());
}

// A first key that starts with "[" was written as a line the reader took for a section.
TEST(FoundByFuzzingTest, AWrittenLineStartingWithABracketReadsBack) {
    const TTempDir folder;
    const std::string path = folder.File("odd.udl");
    TConnectionProperties properties;
    properties.Set("[Odd", "1");
    properties.Set("Provider", "SQLite");
    WriteDataLinkFile(path, properties);
    EXPECT_EQ(ReadDataLinkFileAsWritten(path).Items(), properties.Items());
}

// Surrogate halves, overlong forms and code points beyond U+10FFFF passed for UTF-8, and came
// back from a written data-link file as U+FFFD; they are 8-bit text now, as other bytes that
// are no UTF-8.
TEST(FoundByFuzzingTest, OnlyStrictUtf8IsTakenAsUtf8) {
    EXPECT_EQ(DecodeConfigurationText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");
    EXPECT_EQ(DecodeConfigurationText("\xE0\x80\xAF"), "\xC3\xA0\xC2\x80\xC2\xAF");
    EXPECT_EQ(DecodeConfigurationText("\xF0\x80\x80\xAF"), "\xC3\xB0\xC2\x80\xC2\x80\xC2\xAF");
    EXPECT_EQ(DecodeConfigurationText("\xF4\x90\x80\x80"), "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80");
    // The edges of what is UTF-8 stay as they are.
    for (const std::string valid :
         {"\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_EQ(DecodeConfigurationText(valid), valid);
    }
}

// --- Damaged Access files ---

struct TDamagedAccess {
    const char* Name;
    TAccessDamage Damage;
};

// Recipes picked from runs of quorvane_access_damage over the sample database (3,300 copies, no
// crash or hang, and 1,500 more since the sample holds queries): one for each kind of outcome and
// message it showed, as noted.
const TDamagedAccess DamagedAccessFiles[] = {
    {"Empty", {0, {}}},                                            // "The file is empty."
    {"CutInsideTheHeader", {100, {}}},                             // "The file is truncated."
    {"CutAfterTheFirstPage", {4096, {}}},                          // "The file is truncated."
    {"CutInsideTheCatalogue", {3 * 4096 + 17, {}}},                // "The file is truncated."
    {"CutByOneByte", {81919, {}}},                                 // "The file is truncated."
    {"HeaderBitsFlipped", {SIZE_MAX, {36016, 83, 128445, 14914}}}, // "not an Access database"
    {"CatalogueBitsFlipped", {SIZE_MAX, {64079, 521}}}, // "Its table catalogue cannot be read"
    // The reader process itself crashed on this one: "reading it stopped before its end".
    {"ReaderCrashes",
     {SIZE_MAX,
      {81654, 125600, 117601, 53471, 92995, 70013, 84842, 81720, 8903, 99034, 90987, 114517, 115772,
       14018, 127286, 65986}}},
    {"DataPageBitFlipped", {SIZE_MAX, {71176}}}, // opens, damage unnoticed
};

void PrintTo(const TDamagedAccess& damaged, std::ostream* out) {
    *out << damaged.Name << " " << DescribeDamage(damaged.Damage);
}

class DamagedAccessTest : public testing::TestWithParam<TDamagedAccess> {};

// What opening the file gives: its tables and columns and its warnings, or the message of its
// EDatabaseError. Any other exception escapes and fails the test.
std::string OpenDamaged(const std::string& path) {
    try {
        auto source = OpenAccessSchemaSource(path);
        std::string tables = "opened:";
        for (const auto& row : source->ReadCatalogue()) {
            tables += " " + row.TableName + "(" +
                      std::to_string(source->DescribeTable(row.TableName).Columns.size()) + ")";
        }
        for (const std::string& warning : source->Warnings()) {
            tables += " warning: " + warning;
        }
        return tables;
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        return error.what();
    }
}

// A damaged file either gives its tables or an EDatabaseError naming it, nothing else escapes,
// and opening it again gives the same: another message would come from memory the reader should
// not have read.
TEST_P(DamagedAccessTest, GivesTablesOrAnErrorNamingTheFile) {
    const std::string original = ReadFile(QUORVANE_EXAMPLES_DIR "/orders.mdb");
    const TTempDir folder;
    const std::string path = folder.File("damaged.mdb");
    WriteFile(path, ApplyDamage(original, GetParam().Damage));
    const std::string first = OpenDamaged(path);
    EXPECT_EQ(OpenDamaged(path), first);
}

// The whole sample opens, its queries with it: the damaged copies above fail because of their
// damage, not because the reader is missing. So it does with libmdb's debugging switches set in
// the environment: what they print on standard error is no damage.
TEST(DamagedAccessTest, TheUndamagedSampleOpens) {
    for (const char* switches : {"", "debug_all"}) {
        SCOPED_TRACE(switches);
        ::setenv("MDBOPTS", switches, 1);
        auto source = OpenAccessSchemaSource(QUORVANE_EXAMPLES_DIR "/orders.mdb");
        ::unsetenv("MDBOPTS");
        const std::vector<TCatalogRow> rows = source->ReadCatalogue();
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                                [](const TCatalogRow& row) { return row.TableType == "VIEW"; }),
                  3);
        EXPECT_TRUE(source->Warnings().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, DamagedAccessTest, testing::ValuesIn(DamagedAccessFiles),
                         [](const testing::TestParamInfo<TDamagedAccess>& param) {
                             return std::string(param.param.Name);
                         });

// Copies the reader once got wrong: one made it quote freed memory (it closed the database
// before naming the table whose definition it could not read), so the message must be the same
// on every opening; one opened as a file without tables.
const TDamagedAccess ReaderFindings[] = {
    {"TableDefinitionUnreadable",
     {SIZE_MAX, {148026, 617007, 197876, 505475, 197088, 186731, 284520}}},
    // A catalogue that lost every row, MSysObjects' own among them, is damaged ("Its table
    // catalogue cannot be read"), not the catalogue of a file without tables.
    {"CatalogueRowsLost",
     {SIZE_MAX, {98290, 99221, 100325, 64448, 63013, 50908, 50460, 85383, 115803}}},
};

INSTANTIATE_TEST_SUITE_P(Reader, DamagedAccessTest, testing::ValuesIn(ReaderFindings),
                         [](const testing::TestParamInfo<TDamagedAccess>& param) {
                             return std::string(param.param.Name);
                         });

// One byte of the catalogue (MSysObjects) changed, each of which libmdb once read as a shorter
// list of tables, without an error: the copy is damaged, never a file with a table less. Found
// by quorvane_access_damage --every-byte over the sample; each byte XORed with 0xff.
const TDamagedAccess DamagedCatalogues[] = {
    // libmdb warned "Invalid page buffer detected in mdb_crack_row" and left out Products.
    {"ProductsRowUnreadable",
     {SIZE_MAX, {611712, 611713, 611714, 611715, 611716, 611717, 611718, 611719}}},
    // The same for Orders, a row of its own.
    {"OrdersRowUnreadable",
     {SIZE_MAX, {611000, 611001, 611002, 611003, 611004, 611005, 611006, 611007}}},
    // A row offset whose flags now say "deleted": Sales_Region gone, and no word from libmdb.
    {"RowLooksDeleted",
     {SIZE_MAX, {590056, 590057, 590058, 590059, 590060, 590061, 590062, 590063}}},
    // The type of Settings no object has: libmdb's catalogue passed it over.
    {"TypeOfNoObject",
     {SIZE_MAX, {607424, 607425, 607426, 607427, 607428, 607429, 607430, 607431}}},
    // One bit of the system flag on Products: listed among the system tables.
    {"HalfASystemFlag",
     {SIZE_MAX, {611856, 611857, 611858, 611859, 611860, 611861, 611862, 611863}}},
};

class DamagedCatalogueTest : public testing::TestWithParam<TDamagedAccess> {};

TEST_P(DamagedCatalogueTest, IsDamagedNeverAShorterList) {
    const std::string original = ReadFile(QUORVANE_EXAMPLES_DIR "/orders.mdb");
    const TTempDir folder;
    const std::string path = folder.File("damaged.mdb");
    WriteFile(path, ApplyDamage(original, GetParam().Damage));
    EXPECT_EQ(OpenDamaged(path),
              "Cannot open Access database \"" + path +
                  "\". Its table catalogue cannot be read; the file is damaged.");
}

INSTANTIATE_TEST_SUITE_P(Fuzz, DamagedCatalogueTest, testing::ValuesIn(DamagedCatalogues),
                         [](const testing::TestParamInfo<TDamagedAccess>& param) {
                             return std::string(param.param.Name);
                         });

// Copies whose damage lies in the query definitions alone: every table is listed, the queries
// are left out, and one warning names the file.
const TDamagedAccess DamagedQueries[] = {
    // "its query definitions cannot be read": the definition of MSysQueries is damaged.
    {"QueryTableUnreadable",
     {SIZE_MAX, {577651, 356533, 133423, 164550, 186625, 269118, 437429, 506494}}},
    // "the definition of the query "OrderTotals" is incomplete": rows of it lost.
    {"QueryRowsLost", {SIZE_MAX, {335010, 655192}}},
    // All three definitions incomplete, named in one line.
    {"EveryQueryIncomplete", {SIZE_MAX, {620163, 623019, 65531, 113853, 132959}}},
};

class DamagedQueriesTest : public testing::TestWithParam<TDamagedAccess> {};

TEST_P(DamagedQueriesTest, KeepTheTablesAndWarnOnce) {
    const std::string original = ReadFile(QUORVANE_EXAMPLES_DIR "/orders.mdb");
    const TTempDir folder;
    const std::string path = folder.File("damaged.mdb");
    WriteFile(path, ApplyDamage(original, GetParam().Damage));
    auto source = OpenAccessSchemaSource(path);
    std::size_t tables = 0;
    for (const TCatalogRow& row : source->ReadCatalogue()) {
        if (row.TableType == "TABLE") {
            ++tables;
            EXPECT_FALSE(source->DescribeTable(row.TableName).Columns.empty()) << row.TableName;
        }
    }
    EXPECT_EQ(tables, 12u);
    const std::vector<std::string> warnings = source->Warnings();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings.front().rfind(path + ": ", 0), 0u) << warnings.front();
    EXPECT_EQ(OpenDamaged(path), OpenDamaged(path));
}

INSTANTIATE_TEST_SUITE_P(Fuzz, DamagedQueriesTest, testing::ValuesIn(DamagedQueries),
                         [](const testing::TestParamInfo<TDamagedAccess>& param) {
                             return std::string(param.param.Name);
                         });

} // namespace
} // namespace quorvane::fuzz
