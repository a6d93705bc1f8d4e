// Firebird's employee sample, built at test time from Debian's employee.sql (firebird3.0-examples)
// by isql-fb through the embedded engine, read by the batch tool: `--describe` lists it as an
// OLE DB provider for Firebird does, and full runs over the ADO and the dbExpress templates give
// projects whose every form file loads and which compile (tests/tools/delphi/check-projects).
// Also: with no FIREBIRD_LOCK, the embedded engine keeps its locks in a folder of the user's own,
// and in a private one when someone else has put another in its place.

#include "FirebirdTestDatabase.h"
#include "MiniTemplate.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

const std::string EmployeeScript = "/usr/share/doc/firebird3.0-common-doc/examples/employee.sql.gz";
const fs::path ExpectedDescription =
    fs::path(QUORVANE_SOURCE_DIR) / "tests/cli/firebird-employee-describe.txt";

std::string Quoted(const std::string& text) {
    return testing::ShellWord(text);
}

// Builds employee.fdb in `folder` from Debian's script, whose CREATE DATABASE names a file
// relative to the folder isql-fb runs in.
std::string BuildEmployeeDatabase(const TTempDir& folder) {
    const testing::TCommandResult built = testing::RunCommand(
        "cd " + Quoted(folder.Path().string()) + " && zcat " + Quoted(EmployeeScript) + " | " +
        Quoted(testing::IsqlProgram()) + " -q -b");
    const std::string database = folder.File("employee.fdb");
    if (built.Status != 0 || !fs::exists(database)) {
        throw std::runtime_error("isql-fb could not build the employee sample:\n" + built.Output);
    }
    return database;
}

#define QUORVANE_REQUIRE_EMPLOYEE_SAMPLE()                                                         \
    QUORVANE_REQUIRE_ISQL();                                                                       \
    if (!fs::exists(EmployeeScript)) {                                                             \
        if (std::getenv("CI") != nullptr) {                                                        \
            FAIL() << "CI is set but " << EmployeeScript << " is missing (firebird3.0-examples)";  \
        }                                                                                          \
        GTEST_SKIP() << EmployeeScript << " is missing (install firebird3.0-examples)";            \
    }

std::string Tool(const std::vector<std::string>& arguments) {
    std::string command = Quoted(QUORVANE_GEN);
    for (const std::string& argument : arguments) {
        command += ' ';
        command += Quoted(argument);
    }
    return command;
}

// What every run over the sample says it leaves out: its two array columns.
constexpr const char* LeftOutArrayColumns =
    "warning: table \"JOB\": the column \"LANGUAGE_REQ\" is left out: its type (adEmpty) is not "
    "one the data-access layer makes a field of\n"
    "warning: table \"PROJ_DEPT_BUDGET\": the column \"QUART_HEAD_CNT\" is left out: its type "
    "(adEmpty) is not one the data-access layer makes a field of\n";

TEST(FirebirdEmployeeTest, DescribeListsTheSampleAsAnOleDbProviderDoes) {
    QUORVANE_REQUIRE_EMPLOYEE_SAMPLE();
    TTempDir folder;
    const std::string database = BuildEmployeeDatabase(folder);
    const std::string errors = folder.File("errors");
    // In a subshell, so that its error output goes to the file and not along with the rest.
    const testing::TCommandResult described = testing::RunCommand(
        "(" + Tool({"--describe", "--database", database}) + " 2>" + Quoted(errors) + ")");
    EXPECT_EQ(described.Status, 0) << ReadFile(errors);
    // The two array columns have no field: each is named, not silently dropped.
    EXPECT_EQ(ReadFile(errors), std::string(LeftOutArrayColumns));
    if (std::getenv("QUORVANE_UPDATE_GOLDEN") != nullptr) {
        WriteFile(ExpectedDescription.string(), described.Output);
    }
    // Ten tables, then the view PHONE_LIST; domains resolved (FIRSTNAME is a VARCHAR(15)),
    // computed columns by their type (FULL_NAME, AGED).
    EXPECT_EQ(described.Output, ReadFile(ExpectedDescription.string()))
        << "If the change is intended, rerun with QUORVANE_UPDATE_GOLDEN=1 and review the diff.";
}

// Generates the projects over `database` from `templateDir` with `options`, then streams every
// form file into its class and compiles the projects.  The run warns of `expectedWarnings` and
// nothing else; the server module has a select text for each of the `datasets` tables and views.
void ExpectProjectsThatCompileAndLoad(const TTempDir& folder, const std::string& database,
                                      const std::string& templateName,
                                      const std::vector<std::string>& options,
                                      const std::string& expectedWarnings, std::size_t datasets) {
    SCOPED_TRACE(templateName);
    const std::string output = folder.File("out-" + templateName);
    std::vector<std::string> arguments = {
        "--template", std::string(QUORVANE_SOURCE_DIR) + "/templates/" + templateName,
        "--output",   output,
        "--database", database};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const testing::TCommandResult run = testing::RunCommand(Tool(arguments));
    ASSERT_EQ(run.Status, 0) << run.Output;
    EXPECT_NE(run.Output.find("Finished."), std::string::npos) << run.Output;
    std::string warnings;
    for (std::size_t at = run.Output.find("warning:"); at != std::string::npos;
         at = run.Output.find("warning:", at + 1)) {
        warnings += run.Output.substr(at, run.Output.find('\n', at) + 1 - at);
    }
    EXPECT_EQ(warnings, expectedWarnings) << run.Output;
    const std::string projects = output + "/" + templateName;
    // The database file is copied beside the server, under the name the template gives it.
    EXPECT_TRUE(fs::exists(projects + "/Midas_AppServer/EXE/Database.fdb"));

    // Every select text of the server module runs on the sample.
    const std::vector<std::string> selects =
        testing::SelectTextsOf(projects + "/Midas_AppServer/rdmMain.dfm");
    EXPECT_EQ(selects.size(), datasets);
    std::string script;
    for (const std::string& select : selects) {
        script += select + ";\n";
    }
    const std::string ran = testing::RunIsql(script, {database}, false);
    EXPECT_EQ(ran.find("Statement failed"), std::string::npos) << ran;

    const std::string fpc = QUORVANE_FPC_PATH;
    if (fpc.empty() || std::string(QUORVANE_DFMCHECK).empty()) {
        if (std::getenv("CI") != nullptr) {
            FAIL() << "Free Pascal (fp-compiler) is missing: the projects cannot be checked";
        }
        GTEST_SKIP() << "Free Pascal (fp-compiler) is not installed: projects not compiled";
    }
    std::string formFiles;
    for (const auto& entry : fs::recursive_directory_iterator(projects)) {
        if (entry.path().extension() == ".dfm") {
            formFiles += " " + Quoted(entry.path().string());
        }
    }
    const testing::TCommandResult parsed =
        testing::RunCommand(Quoted(QUORVANE_DFMCHECK) + formFiles);
    EXPECT_EQ(parsed.Output, "") << "form files the parser rejects";
    const testing::TCommandResult checked = testing::RunCommand(
        Quoted(QUORVANE_CHECK_PROJECTS) + " --fpc " + Quoted(fpc) + " --work " +
        Quoted((fs::path(QUORVANE_DELPHI_WORK) /
                ("firebird-" + fs::path(database).stem().string() + "-" + templateName))
                   .string()) +
        " " + Quoted(projects));
    EXPECT_EQ(checked.Output, "") << "the generated projects do not compile and load";
    EXPECT_EQ(checked.Status, 0);
}

TEST(FirebirdEmployeeTest, FullRunsGiveProjectsThatCompileAndLoad) {
    QUORVANE_REQUIRE_EMPLOYEE_SAMPLE();
    TTempDir folder;
    const std::string database = BuildEmployeeDatabase(folder);
    // No warning but the array columns the sample's tables lose; ten tables and a view.
    ExpectProjectsThatCompileAndLoad(folder, database, "MidasProject", {}, LeftOutArrayColumns, 11);
    ExpectProjectsThatCompileAndLoad(folder, database, "MidasProject-dbExpress",
                                     {"--dataset-type", "TSQLQuery"}, LeftOutArrayColumns, 11);
}

// The component block `name` of a form file: from its "object name:" line (fields are written
// "Object name:") to the "end" at the same indentation; empty when there is none.
std::string FormBlock(const std::string& form, const std::string& name) {
    for (const std::string keyword : {"object ", "Object "}) {
        const std::size_t at = form.find(keyword + name + ":");
        if (at == std::string::npos) {
            continue;
        }
        const std::size_t lineStart = form.rfind('\n', at) + 1;
        const std::string indent(at - lineStart, ' ');
        const std::size_t end = form.find("\n" + indent + "end", at);
        return end == std::string::npos ? std::string() : form.substr(lineStart, end - lineStart);
    }
    return {};
}

// The value of `property` in a component block, up to the line end ("" when not set).
std::string PropertyOf(const std::string& block, const std::string& property) {
    const std::string prefix = " " + property + " = ";
    const std::size_t at = block.find(prefix);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t start = at + prefix.size();
    return block.substr(start, block.find_first_of("\r\n", start) - start);
}

// The sample Firebird database of the examples, whose script declares keys, NOT NULL columns,
// foreign keys and column comments, through every option that reads them: the projects compile
// and load, and the data module and the forms show what the schema says.
TEST(FirebirdOrdersTest, SchemaOptionsGiveKeysLabelsAndLookupsThatCompile) {
    QUORVANE_REQUIRE_ISQL();
    TTempDir folder;
    // A copy, so that no two processes open the build's file through the embedded engine.
    const std::string database = folder.File("orders.fdb");
    fs::copy_file(QUORVANE_EXAMPLES_DIR "/orders.fdb", database);
    // Every column has a field; seven tables and the view OrderTotals.
    ExpectProjectsThatCompileAndLoad(
        folder, database, "MidasProject",
        {"--schema-keys", "--required-fields", "--fk-lookups", "--comment-labels"}, "", 8);
    if (HasFatalFailure()) {
        return;
    }
    const std::string client = folder.File("out-MidasProject") + "/MidasProject/Midas_Client/";
    const std::string module = ReadFile(client + "dmClient.dfm");

    // "Order Details" has the two-column key (OrderID, ProductID): both are key fields, and
    // no other of its columns is.
    const std::string details = FormBlock(module, "OrderDetails_CDS");
    ASSERT_FALSE(details.empty()) << module;
    for (const std::string column : {"ORDERID", "PRODUCTID"}) {
        const std::string field = FormBlock(details, "OrderDetails_CDS" + column);
        EXPECT_NE(PropertyOf(field, "ProviderFlags").find("pfInKey"), std::string::npos)
            << column << ":\n"
            << field;
    }
    for (const std::string column : {"UNITPRICE", "QUANTITY", "DISCOUNT"}) {
        const std::string field = FormBlock(details, "OrderDetails_CDS" + column);
        ASSERT_FALSE(field.empty()) << column;
        EXPECT_EQ(PropertyOf(field, "ProviderFlags").find("pfInKey"), std::string::npos)
            << column << ":\n"
            << field;
    }

    // The comments are the labels, as form-file strings: quoted, an apostrophe doubled, a
    // letter outside ASCII as '#' and its code point outside the quotes (u with diaeresis is
    // U+00FC, e acute U+00E9, sharp s U+00DF).
    const struct {
        const char* DataSet;
        const char* Column;
        const char* Label;
    } labels[] = {
        {"SALES_REGION_CDS", "REGIONNAME", "'R'#233'gion'"},
        {"SALES_CLIENT_CDS", "CLIENTNAME", "'Client''s name'"},
        {"SALES_CLIENT_CDS", "CITY", "'Ville / Stra'#223'e'"},
        {"PRODUCTS_CDS", "UNITPRICE", "'Prix unitaire'"},
        {"ORDERS_CDS", "ORDERDATE", "'Date de la commande'"},
        {"OrderDetails_CDS", "UNITPRICE", "'Prix unitaire'"},
        {"OrderDetails_CDS", "QUANTITY", "'St'#252'ckzahl'"},
        {"OrderDetails_CDS", "DISCOUNT", "'Remise accord'#233'e'"},
        // A column without a comment keeps its name.
        {"OrderDetails_CDS", "ORDERID", "'ORDERID'"},
    };
    for (const auto& expected : labels) {
        const std::string field = FormBlock(FormBlock(module, expected.DataSet),
                                            std::string(expected.DataSet) + expected.Column);
        EXPECT_EQ(PropertyOf(field, "DisplayLabel"), expected.Label)
            << expected.DataSet << "." << expected.Column << ":\n"
            << field;
    }

    // Each foreign key of the script is a lookup combo box on its table's form, bound to the
    // column and listing the referenced table by its key and one of its fields.
    const struct {
        const char* Form;
        const char* Table;
        const char* Column;
        const char* Referenced;
        const char* ReferencedKey;
    } lookups[] = {
        {"frmSALES_CLIENT.dfm", "SALES_CLIENT", "REGIONID", "SALES_REGION", "REGIONID"},
        {"frmORDERS.dfm", "ORDERS", "CLIENTID", "SALES_CLIENT", "CLIENTID"},
        {"frmORDERS.dfm", "ORDERS", "EMPLOYEEID", "EMPLOYEES", "EMPLOYEEID"},
        {"frmOrderDetails.dfm", "OrderDetails", "ORDERID", "ORDERS", "ORDERID"},
        {"frmOrderDetails.dfm", "OrderDetails", "PRODUCTID", "PRODUCTS", "PRODUCTID"},
        {"frmINVOICES.dfm", "INVOICES", "ORDERID", "ORDERS", "ORDERID"},
    };
    for (const auto& expected : lookups) {
        SCOPED_TRACE(std::string(expected.Form) + " " + expected.Column);
        const std::string form = ReadFile(client + expected.Form);
        const std::string combo = FormBlock(form, std::string(expected.Column) + "_DBLkpCbo");
        ASSERT_FALSE(combo.empty()) << form;
        EXPECT_NE(combo.find(": TDBLookupComboBox"), std::string::npos) << combo;
        EXPECT_EQ(PropertyOf(combo, "DataField"), "'" + std::string(expected.Column) + "'");
        EXPECT_EQ(PropertyOf(combo, "DataSource"), "DM." + std::string(expected.Table) + "_DS");
        EXPECT_EQ(PropertyOf(combo, "ListSource"),
                  "DM." + std::string(expected.Referenced) + "_DS");
        EXPECT_EQ(PropertyOf(combo, "KeyField"), "'" + std::string(expected.ReferencedKey) + "'");
        // The list field is a field of the referenced data set.
        const std::string listField = PropertyOf(combo, "ListField");
        ASSERT_FALSE(listField.empty()) << combo;
        EXPECT_NE(FormBlock(module, std::string(expected.Referenced) + "_CDS")
                      .find("FieldName = " + listField),
                  std::string::npos)
            << listField << " is no field of " << expected.Referenced;
    }
}

TEST(FirebirdEmployeeTest, WithoutALockFolderTheEngineUsesOneOfTheUsersOwn) {
    QUORVANE_REQUIRE_EMPLOYEE_SAMPLE();
    TTempDir folder;
    const std::string database = BuildEmployeeDatabase(folder);
    const std::string runtime = folder.File("runtime");
    fs::create_directories(runtime);
    const testing::TCommandResult described =
        testing::RunCommand("env -u FIREBIRD_LOCK XDG_RUNTIME_DIR=" + Quoted(runtime) + " " +
                            Tool({"--describe", "--database", database}));
    EXPECT_EQ(described.Status, 0) << described.Output;
    const std::string locks = runtime + "/quorvane-firebird";
    struct stat status {};
    ASSERT_EQ(::lstat(locks.c_str(), &status), 0) << "no lock folder " << locks;
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0700u) << "the lock folder is open to other users";
    EXPECT_FALSE(fs::is_empty(locks)) << "the engine kept its locks elsewhere";

    // A link in its place is not followed (it could lead into another user's folder): the
    // temporary folder has one of the user's own instead.
    const std::string elsewhere = folder.File("elsewhere");
    fs::create_directories(elsewhere);
    fs::remove_all(locks);
    fs::create_directory_symlink(elsewhere, locks);
    const std::string temporary = folder.File("tmp");
    fs::create_directories(temporary);
    const testing::TCommandResult linked = testing::RunCommand(
        "env -u FIREBIRD_LOCK XDG_RUNTIME_DIR=" + Quoted(runtime) + " TMPDIR=" + Quoted(temporary) +
        " " + Tool({"--describe", "--database", database}));
    EXPECT_EQ(linked.Status, 0) << linked.Output;
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "the engine followed the link";
    const std::string fallback = temporary + "/quorvane-firebird-" + std::to_string(::getuid());
    EXPECT_TRUE(fs::is_directory(fallback) && !fs::is_empty(fallback))
        << "no lock folder " << fallback;

    // Another user could have made that one first, open to all: it is refused too, and the run
    // makes a private folder instead, never falling back to the shared /tmp/firebird.
    fs::remove_all(fallback);
    fs::create_directory(fallback);
    fs::permissions(fallback, fs::perms::all);
    const testing::TCommandResult open = testing::RunCommand(
        "env -u FIREBIRD_LOCK XDG_RUNTIME_DIR=" + Quoted(runtime) + " TMPDIR=" + Quoted(temporary) +
        " " + Tool({"--describe", "--database", database}));
    EXPECT_EQ(open.Status, 0) << open.Output;
    EXPECT_TRUE(fs::is_empty(fallback)) << "the engine used a folder others may write to";
    std::vector<std::string> made;
    for (const fs::directory_entry& entry : fs::directory_iterator(temporary)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("quorvane-firebird-lock-", 0) == 0) {
            made.push_back(entry.path().string());
            struct stat lockStatus {};
            ASSERT_EQ(::lstat(entry.path().c_str(), &lockStatus), 0);
            EXPECT_EQ(lockStatus.st_mode & 0777, 0700u) << name;
            EXPECT_FALSE(fs::is_empty(entry.path())) << "the engine kept its locks elsewhere";
        }
    }
    EXPECT_EQ(made.size(), 1u) << "no private lock folder in " << temporary;
}

} // namespace
} // namespace quorvane
