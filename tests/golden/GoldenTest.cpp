// Golden output trees: every case under tests/golden/cases/<name> is generated and each file the
// run writes is compared with the checked-in one under expected/, printing a unified diff on a
// mismatch. Every generated form file is also read by a real form-file parser.
//
// A case folder holds:
//   args        command-line options, one per line (optional); "@SAMPLE_TEMPLATE",
//               "@DBEXPRESS_TEMPLATE", "@SAMPLE_DATABASE", "@SAMPLE_MAP" and "@CASE" stand for
//               the sample inputs and the case folder;
//   schema.txt  the database as text (see SchemaText.h), unless args name --database;
//   expected/   the files the run writes, relative to the copy of the template;
//   dry-run/    optional: earlier/ holds files laid over a copy of the output (a user's edits),
//               expected.txt what a dry run with diffs lists over that copy;
//   warnings    the references the case's options break, one per line, as the run reports
//               them (absent: the case breaks none); a foreign key --fk-lookups leaves with a
//               plain edit is reported too, but breaks nothing;
//   fielddefs.txt  the database's columns as the data access layer of the case's datasets
//               reports them to Delphi (format in tests/tools/delphi/README.md), written by hand
//               from the database, not from the generator's mapping: the compile-and-load check
//               opens every generated dataset against them.
//
// To take changed output as the new expected files, run the tests with QUORVANE_UPDATE_GOLDEN=1
// and read the resulting git diff line by line before committing it.

#include "CommandLine.h"
#include "SchemaText.h"
#include "TempDir.h"
#include "generate/dmCodeGenerator.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

const fs::path CasesDir = fs::path(QUORVANE_SOURCE_DIR) / "tests/golden/cases";
const fs::path GoldenTemplate =
    fs::path(QUORVANE_SOURCE_DIR) / "tests/golden/template/MidasProject";

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(CasesDir)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Expand(std::string argument, const fs::path& caseDir) {
    const std::vector<std::pair<std::string, std::string>> tokens = {
        {"@SAMPLE_TEMPLATE", std::string(QUORVANE_SOURCE_DIR) + "/templates/MidasProject"},
        {"@DBEXPRESS_TEMPLATE",
         std::string(QUORVANE_SOURCE_DIR) + "/templates/MidasProject-dbExpress"},
        {"@SAMPLE_DATABASE", std::string(QUORVANE_EXAMPLES_DIR) + "/orders.udl"},
        {"@SAMPLE_MAP", std::string(QUORVANE_EXAMPLES_DIR) + "/orders-map.txt"},
        {"@CASE", caseDir.string()},
    };
    for (const auto& [token, value] : tokens) {
        if (argument.rfind(token, 0) == 0) {
            argument.replace(0, token.size(), value);
        }
    }
    return argument;
}

// The output of a command, or "" when it cannot run.
std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            output.append(buffer, count);
        }
        ::pclose(pipe);
    }
    return output;
}

std::string Quoted(const fs::path& path) {
    return Concat({"'", path.string(), "'"});
}

// A foreign key that --fk-lookups leaves without a lookup is named in a warning, but its field
// keeps the plain edit it always had: nothing in the projects refers to anything missing.
bool LeavesAPlainEdit(const std::string& warning) {
    return warning.ends_with("it gets a plain edit (--fk-lookups)");
}

// Every file under `root` with its bytes and modification time.
std::map<std::string, std::pair<std::string, fs::file_time_type>>
TreeSnapshot(const fs::path& root) {
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = {ReadFile(entry.path().string()),
                                                                entry.last_write_time()};
        }
    }
    return files;
}

// A case with a dry-run/ folder: its earlier/ files, laid over a copy of the run's output, stand
// for a user's edits; a dry run with diffs over that copy must list exactly expected.txt and
// leave the copy as it was.
void CheckDryRun(TDM& dm, TProjectParam options, const fs::path& caseDir,
                 const fs::path& outputBase, const fs::path& scratch, bool update) {
    const fs::path dryRunDir = caseDir / "dry-run";
    const fs::path earlierOutput = scratch / "earlier";
    const fs::path earlierCopy = earlierOutput / outputBase.filename();
    fs::create_directories(earlierOutput);
    fs::copy(outputBase, earlierCopy, fs::copy_options::recursive);
    fs::copy(dryRunDir / "earlier", earlierCopy,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const auto before = TreeSnapshot(earlierOutput);

    options.Directories.OutputDir = earlierOutput.string();
    const std::string listing = PreviewListing(dm.Preview(options, true));
    const fs::path expectedFile = dryRunDir / "expected.txt";
    if (update) {
        WriteFile(expectedFile.string(), listing);
    }
    EXPECT_EQ(listing, ReadFile(expectedFile.string()))
        << "the dry run lists other files or changes than the expected ones";
    EXPECT_TRUE(TreeSnapshot(earlierOutput) == before) << "the dry run changed the output";
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, GeneratedFilesMatchTheExpectedOnes) {
    const fs::path caseDir = CasesDir / GetParam();
    const fs::path fieldDefs = caseDir / "fielddefs.txt";
    EXPECT_TRUE(fs::exists(fieldDefs))
        << "the case has no fielddefs.txt: its datasets cannot be opened";
    TTempDir folder;

    std::vector<std::string> arguments = {"--template", GoldenTemplate.string(), "--output",
                                          folder.File("out")};
    if (fs::exists(caseDir / "schema.txt")) {
        arguments.insert(arguments.end(), {"--database", (caseDir / "schema.txt").string()});
    }
    if (fs::exists(caseDir / "args")) {
        std::istringstream lines(ReadFile((caseDir / "args").string()));
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty()) {
                arguments.push_back(Expand(line, caseDir));
            }
        }
    }
    const cli::TCommandLine commandLine = cli::ParseCommandLine(arguments);
    const TProjectParam& options = commandLine.Options;

    TDM dm;
    if (fs::exists(caseDir / "schema.txt")) {
        auto database = std::make_shared<testing::TMemoryDatabase>();
        testing::ReadSchemaText(ReadFile((caseDir / "schema.txt").string()), *database);
        dm.ADOConnection.SetOpener(testing::MemoryOpener(database));
    }
    dm.Generate(options);

    const fs::path templateDir = options.Directories.TemplateDir;
    const fs::path outputBase = fs::path(folder.File("out")) / templateDir.filename();
    const fs::path expectedDir = caseDir / "expected";
    const bool update = std::getenv("QUORVANE_UPDATE_GOLDEN") != nullptr;

    // The files the run wrote: everything but unchanged template copies and the database copy.
    std::set<fs::path> written;
    for (const auto& entry : fs::recursive_directory_iterator(outputBase)) {
        const fs::path relative = fs::relative(entry.path(), outputBase);
        if (!entry.is_regular_file() || relative.parent_path() == "Midas_AppServer/EXE") {
            continue;
        }
        const fs::path original = templateDir / relative;
        if (fs::exists(original) &&
            ReadFile(original.string()) == ReadFile(entry.path().string())) {
            continue;
        }
        written.insert(relative);
    }

    if (update) {
        fs::remove_all(expectedDir);
        for (const fs::path& relative : written) {
            fs::create_directories((expectedDir / relative).parent_path());
            fs::copy_file(outputBase / relative, expectedDir / relative);
        }
    }

    std::set<fs::path> expected;
    if (fs::exists(expectedDir)) {
        for (const auto& entry : fs::recursive_directory_iterator(expectedDir)) {
            if (entry.is_regular_file()) {
                expected.insert(fs::relative(entry.path(), expectedDir));
            }
        }
    }
    std::string warnings;
    bool breaksReferences = false; // what the database leaves out breaks nothing generated
    for (const std::string& warning : dm.Warnings()) {
        warnings += warning + "\n";
        breaksReferences =
            breaksReferences || (warning.starts_with("Midas_") && !LeavesAPlainEdit(warning));
    }
    const fs::path warningsFile = caseDir / "warnings";
    if (update) {
        fs::remove(warningsFile);
        if (!warnings.empty()) {
            WriteFile(warningsFile.string(), warnings);
        }
    }
    EXPECT_EQ(warnings, fs::exists(warningsFile) ? ReadFile(warningsFile.string()) : "")
        << "the run reported other broken references than the expected ones";

    EXPECT_EQ(written, expected) << "the run wrote other files than the expected ones";
    for (const fs::path& relative : expected) {
        if (!written.count(relative)) {
            continue;
        }
        const fs::path actual = outputBase / relative;
        if (ReadFile(actual.string()) != ReadFile((expectedDir / relative).string())) {
            ADD_FAILURE() << relative << " differs from the expected file:\n"
                          << CommandOutput("diff -u " + Quoted(expectedDir / relative) + " " +
                                           Quoted(actual) + " 2>&1")
                          << "If the change is intended, rerun with QUORVANE_UPDATE_GOLDEN=1 "
                             "and review the diff.";
        }
    }

    if (fs::exists(caseDir / "dry-run")) {
        CheckDryRun(dm, options, caseDir, outputBase, folder.Path(), update);
    }

    std::string formFiles;
    for (const auto& entry : fs::recursive_directory_iterator(outputBase)) {
        if (entry.path().extension() == ".dfm") {
            formFiles += " " + Quoted(entry.path());
        }
    }
    const std::string checker = QUORVANE_DFMCHECK;
    if (checker.empty()) {
        if (std::getenv("CI") != nullptr) {
            FAIL() << "the form-file checker was not built (Free Pascal missing)";
        }
        GTEST_SKIP() << "Free Pascal (fp-compiler) is not installed: form files not parsed";
    }
    const std::string rejected = CommandOutput(Quoted(checker) + formFiles + " 2>&1");
    EXPECT_EQ(rejected, "") << "form files the parser rejects";

    // The projects compile, and every form file loads into its class, against stand-ins of the
    // component library that publish what the real one publishes; every dataset with persistent
    // fields then opens against the columns of its table, each field bound as Delphi binds it.
    // A case whose options break references on purpose must not pass: its warnings stand for
    // real faults.
    const std::string work = (fs::path(QUORVANE_DELPHI_WORK) / GetParam()).string();
    std::string openStep;
    if (fs::exists(fieldDefs)) {
        openStep = " --field-defs " + Quoted(fieldDefs) + " --require-field-defs";
    }
    const std::string faults =
        CommandOutput(Quoted(QUORVANE_CHECK_PROJECTS) + " --fpc " + Quoted(QUORVANE_FPC_PATH) +
                      openStep + " --work " + Quoted(work) + " " + Quoted(outputBase) + " 2>&1");
    if (!breaksReferences) {
        EXPECT_EQ(faults, "") << "the generated projects do not compile and load (check-projects)";
    } else {
        EXPECT_NE(faults, "") << "the case's warnings stand for no fault the projects show";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& caseInfo) {
                             std::string name = caseInfo.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace quorvane
