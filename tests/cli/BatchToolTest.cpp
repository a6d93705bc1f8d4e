// The batch tool end to end on the sample template and database, its error paths and exit
// statuses, and how its options fill the run's options.

#include "CommandLine.h"
#include "OptionsComparison.h"
#include "SqliteTestFile.h"
#include "TempDir.h"
#include "generate/RunSettings.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cctype>
#include <map>
#include <regex>
#include <set>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

struct TToolRun {
    int ExitStatus = -1;
    std::vector<std::string> Lines; ///< standard output, one entry per line
    std::string Errors;             ///< standard error
};

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

TToolRun RunTool(const TTempDir& folder, const std::vector<std::string>& arguments) {
    std::string command = ShellQuote(QUORVANE_GEN);
    for (const std::string& argument : arguments) {
        command += ' ';
        command += ShellQuote(argument);
    }
    const std::string out = folder.File("tool.out");
    const std::string err = folder.File("tool.err");
    command += " >" + ShellQuote(out) + " 2>" + ShellQuote(err) + " </dev/null";
    const int status = std::system(command.c_str());
    TToolRun run;
    run.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream lines(ReadFile(out));
    for (std::string line; std::getline(lines, line);) {
        run.Lines.push_back(line);
    }
    run.Errors = ReadFile(err);
    return run;
}

const std::string TemplateDir = std::string(QUORVANE_SOURCE_DIR) + "/templates/MidasProject";
const std::string SampleUdl = std::string(QUORVANE_EXAMPLES_DIR) + "/orders.udl";
const std::string SampleMap = std::string(QUORVANE_EXAMPLES_DIR) + "/orders-map.txt";

// The sample's tables in catalogue order (tables, then views, each by name), as identifiers.
const std::vector<std::string> SampleIdentifiers = {
    "Categories", "Employees", "Invoices",     "OrderDetails", "Orders",
    "Payments",   "Products",  "Sales_Client", "Sales_Region", "Settings",
    "Shipments",  "Suppliers", "ClientOrders", "OrderTotals",
};

std::vector<std::string> SampleRunStatuses(const std::string& outputBase) {
    std::vector<std::string> statuses = {
        "Copy Template Files...",
        "Generate Direct DM Code...",
        outputBase + "Midas_AppServer/rdmMain.pas",
        outputBase + "Midas_AppServer/rdmMain.dfm",
        "Generate Client DM Code...",
        outputBase + "Midas_Client/dmClient.pas",
        outputBase + "Midas_Client/dmClient.dfm",
        "Generate Client Forms...",
    };
    for (const std::string& identifier : SampleIdentifiers) {
        statuses.push_back(outputBase + "Midas_Client/frm" + identifier + ".pas");
        statuses.push_back(outputBase + "Midas_Client/frm" + identifier + ".dfm");
    }
    for (const char* line : {"Midas_Client/frmTableGrids.pas", "Midas_Client/frmTableGrids.dfm"}) {
        statuses.push_back(outputBase + line);
    }
    statuses.push_back("Generate MainForm Code...");
    statuses.push_back(outputBase + "Midas_Client/frmMain.pas");
    statuses.push_back(outputBase + "Midas_Client/frmMain.dfm");
    statuses.push_back("Generate DPR...");
    statuses.push_back(outputBase + "Midas_Client/Midas_Client.dpr");
    statuses.push_back(outputBase + "Midas_Client/Midas_Client.dpr");
    statuses.push_back("Finished.");
    return statuses;
}

TEST(BatchToolTest, SampleRunWritesBothProjects) {
    TTempDir folder;
    const TToolRun run = RunTool(folder, {"--template", TemplateDir, "--output", folder.File("out"),
                                          "--database", SampleUdl, "--map-file", SampleMap});
    ASSERT_EQ(run.ExitStatus, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");
    const std::string outputBase = folder.File("out/MidasProject/");
    EXPECT_EQ(run.Lines, SampleRunStatuses(outputBase));

    // Every template file is there, the rewritten ones with CR LF line ends throughout.
    for (const auto& entry : fs::recursive_directory_iterator(TemplateDir)) {
        const fs::path copy = outputBase / fs::relative(entry.path(), TemplateDir);
        EXPECT_TRUE(fs::exists(copy)) << copy;
    }
    for (const std::string& identifier : SampleIdentifiers) {
        const std::string unit = ReadFile(outputBase + "Midas_Client/frm" + identifier + ".pas");
        EXPECT_NE(unit.find("unit frm" + identifier + ";\r\n"), std::string::npos) << identifier;
        EXPECT_EQ(unit.find("TableName"), std::string::npos) << identifier;
        const std::string form = ReadFile(outputBase + "Midas_Client/frm" + identifier + ".dfm");
        EXPECT_EQ(form.rfind("object " + identifier + "_Frm: T" + identifier + "_Frm\r\n", 0), 0u);
        EXPECT_TRUE(form.ends_with("\r\nend\r\n")) << identifier;
    }
    for (const char* rewritten : {"Midas_AppServer/rdmMain.pas", "Midas_Client/frmMain.pas",
                                  "Midas_Client/Midas_Client.dpr", "Midas_Client/dmClient.dfm"}) {
        const std::string text = ReadFile(outputBase + rewritten);
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1)) {
            ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << rewritten << " at " << at;
        }
    }
    EXPECT_EQ(ReadFile(outputBase + "Midas_AppServer/EXE/Database.udl"), ReadFile(SampleUdl));
}

TEST(BatchToolTest, ReferencesTheOptionsBreakAreWarnedOfAfterTheRun) {
    // A data-module name the template does not have: the run goes through and says, after its
    // status texts, which references of the generated files miss.
    TTempDir folder;
    const TToolRun run = RunTool(folder, {"--template", TemplateDir, "--output", folder.File("out"),
                                          "--database", SampleUdl, "--dm-name", "Data"});
    ASSERT_EQ(run.ExitStatus, 0) << run.Errors;
    EXPECT_EQ(run.Lines.back(), "Finished.");
    std::istringstream errors(run.Errors);
    std::size_t warnings = 0;
    for (std::string line; std::getline(errors, line); ++warnings) {
        EXPECT_EQ(line.rfind("warning: Midas_Client/", 0), 0u) << line;
        EXPECT_NE(line.find("name it \"Data\""), std::string::npos) << line;
    }
    // Each table's form, its tab on the grids form and its main-form handler.
    EXPECT_EQ(warnings, 3 * SampleIdentifiers.size());
}

TEST(BatchToolTest, AnEarlierCopyNeedsForce) {
    TTempDir folder;
    const std::vector<std::string> arguments = {"--template",       TemplateDir,  "--output",
                                                folder.File("out"), "--database", SampleUdl};
    ASSERT_EQ(RunTool(folder, arguments).ExitStatus, 0);
    const std::string notes = folder.File("out/MidasProject/Midas_Client/frmMain.pas");
    WriteFile(notes, "edited by the user");

    const TToolRun refused = RunTool(folder, arguments);
    EXPECT_EQ(refused.ExitStatus, 1);
    EXPECT_EQ(refused.Errors, "quorvane-gen: The output directory already holds \"" +
                                  folder.File("out/MidasProject") +
                                  "\" from an earlier run. Use --force to replace it.\n");
    EXPECT_EQ(refused.Lines, std::vector<std::string>{"Copy Template Files..."});
    EXPECT_EQ(ReadFile(notes), "edited by the user");

    std::vector<std::string> forced = arguments;
    forced.push_back("--force");
    const TToolRun replaced = RunTool(folder, forced);
    EXPECT_EQ(replaced.ExitStatus, 0) << replaced.Errors;
    EXPECT_NE(ReadFile(notes), "edited by the user");
}

// Every file under `root` with its bytes and modification time.
std::map<std::string, std::pair<std::string, fs::file_time_type>>
TreeSnapshot(const fs::path& root) {
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        files[fs::relative(entry.path(), root).string()] = {
            entry.is_regular_file() ? ReadFile(entry.path().string()) : "(folder)",
            entry.last_write_time()};
    }
    return files;
}

TEST(BatchToolTest, ADryRunListsWhatARunWouldUndoAndWritesNothing) {
    TTempDir folder;
    const std::string out = folder.File("out");
    const std::vector<std::string> arguments = {"--template", TemplateDir, "--output", out,
                                                "--database", SampleUdl,   "--dry-run"};
    // Over nothing: every file is new, the statuses are a run's, and no folder is made.
    const TToolRun first = RunTool(folder, arguments);
    EXPECT_EQ(first.ExitStatus, 0) << first.Errors;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(std::count(first.Lines.begin(), first.Lines.end(), "Finished."), 1);
    EXPECT_EQ(first.Lines.back().rfind("Dry run: ", 0), 0u);
    EXPECT_NE(std::find(first.Lines.begin(), first.Lines.end(),
                        "new " + out + "/MidasProject/Midas_Client/frmOrders.dfm"),
              first.Lines.end());
    EXPECT_EQ(std::find_if(first.Lines.begin(), first.Lines.end(),
                           [](const std::string& line) { return line.starts_with("changed "); }),
              first.Lines.end());

    // Over an earlier output with two edits: exactly those two are changed, with their diffs.
    std::vector<std::string> real(arguments.begin(), arguments.end() - 1);
    ASSERT_EQ(RunTool(folder, real).ExitStatus, 0);
    const std::string form = out + "/MidasProject/Midas_Client/frmOrders.dfm";
    std::string edited = ReadFile(form);
    edited.replace(edited.find("Caption = 'Orders'"), 18, "Caption = 'My orders'");
    WriteFile(form, edited);
    WriteFile(out + "/MidasProject/Midas_Client/notes.txt", "mine\n");
    const std::string main = out + "/MidasProject/Midas_Client/frmMain.pas";
    WriteFile(main, ReadFile(main) + "// mine\r\n");
    const auto before = TreeSnapshot(out);

    std::vector<std::string> withDiffs = arguments;
    withDiffs.push_back("--diff");
    const TToolRun preview = RunTool(folder, withDiffs);
    EXPECT_EQ(preview.ExitStatus, 0) << preview.Errors;
    std::vector<std::string> changed;
    std::vector<std::string> removedOrAdded;
    for (const std::string& line : preview.Lines) {
        if (line.starts_with("changed ")) {
            changed.push_back(line.substr(8));
        } else if ((line.starts_with("-") || line.starts_with("+")) && !line.starts_with("---") &&
                   !line.starts_with("+++")) {
            removedOrAdded.push_back(line);
        }
    }
    EXPECT_EQ(changed, (std::vector<std::string>{main, form}));
    EXPECT_EQ(removedOrAdded, (std::vector<std::string>{"-// mine", "-  Caption = 'My orders'",
                                                        "+  Caption = 'Orders'"}));
    EXPECT_EQ(preview.Lines.back(),
              "Dry run: 0 new, 2 changed, 47 unchanged; nothing was written.");
    EXPECT_TRUE(TreeSnapshot(out) == before) << "the dry run changed the output";
}

TEST(BatchToolTest, RunErrorsGoToStandardErrorWithStatusOne) {
    TTempDir folder;
    WriteFile(folder.File("odd.udl"),
              "[oledb]\r\nProvider=Acme.OLEDB.1;Password=Secret123;Data Source=x\r\n");
    const std::string brokenTemplate = folder.File("broken/MidasProject");
    fs::create_directories(brokenTemplate);
    fs::copy(TemplateDir, brokenTemplate, fs::copy_options::recursive);
    fs::remove(brokenTemplate + "/Midas_AppServer/rdmMain.pas");

    struct TCase {
        std::vector<std::string> Arguments;
        std::string Message;
    };
    const std::string out = folder.File("out");
    const std::vector<TCase> cases = {
        {{"--template", TemplateDir, "--output", out, "--database", folder.File("none.udl")},
         "Cannot open data-link file \"" + folder.File("none.udl") +
             "\". No such file or directory"},
        {{"--template", TemplateDir, "--output", out, "--database", folder.File("odd.udl")},
         "The provider \"Acme.OLEDB.1\" of data-link file \"" + folder.File("odd.udl") +
             "\" is not known to Quorvane."},
        {{"--template", TemplateDir, "--database", SampleUdl}, "No output directory was given."},
        {{"--output", out, "--database", SampleUdl}, "No project template directory was given."},
        {{"--template", brokenTemplate, "--output", out, "--database", SampleUdl},
         "Cannot open file \"" + brokenTemplate +
             "/Midas_AppServer/rdmMain.pas\". No such file or directory"},
    };
    for (const TCase& testCase : cases) {
        fs::remove_all(out);
        const TToolRun run = RunTool(folder, testCase.Arguments);
        EXPECT_EQ(run.ExitStatus, 1) << testCase.Message;
        EXPECT_EQ(run.Errors, "quorvane-gen: " + testCase.Message + "\n");
        EXPECT_EQ(run.Errors.find("Secret123"), std::string::npos);
        ASSERT_FALSE(run.Lines.empty());
        EXPECT_EQ(run.Lines.front(), "Copy Template Files...");
        EXPECT_NE(run.Lines.back(), "Finished.");
        // Each of these is known before anything is copied.
        EXPECT_FALSE(fs::exists(out)) << testCase.Message;
    }
}

TEST(BatchToolTest, UsageErrorsExitWithStatusTwo) {
    TTempDir folder;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        // A value an option refuses is told with the option, once.
        {{"--space", "abc"}, "option '--space': 'abc' is not a valid integer value."},
        {{"--space=4x"}, "option '--space': '4x' is not a valid integer value."},
        {{"--project-guids", "fresh"}, "option '--project-guids': 'fresh' is not template or new."},
        {{"--connection-name", "DB Connection"},
         "'DB Connection' is not a valid component name for \"DBConnection Name in Template\" "
         "(--connection-name)."},
        {{"--dataset-type", "a b"},
         "'a b' is not a valid class name for \"DataSet Component Type\" (--dataset-type)."},
        {{"--grid-type=2Grid"},
         "'2Grid' is not a valid class name for \"DBGrid Type\" (--grid-type)."},
        {{"--broker-name", "Broker'"},
         "'Broker'' is not a valid component name for \"ConnectionBroker Component Name\" "
         "(--broker-name)."},
        // An unknown option is named with the one it most likely means, where one is close: a
        // letter or two away, or the start of only one option.
        {{"--colour"}, "unknown option '--colour'"},
        {{"--outpt", "out"}, "unknown option '--outpt'. Did you mean '--output'?"},
        {{"--tempalte=t"}, "unknown option '--tempalte'. Did you mean '--template'?"},
        {{"--dm-nmae", "DM"}, "unknown option '--dm-nmae'. Did you mean '--dm-name'?"},
        {{"--templ", "t"}, "unknown option '--templ'. Did you mean '--template'?"},
        {{"--d"}, "unknown option '--d'"},
        {{"--data"}, "unknown option '--data'"}, // --database and --dataset-type
        {{"--verbose"}, "unknown option '--verbose'"},
        {{"-v"}, "unknown option '-v'"},
        {{"-hV"}, "unknown option '-hV'"},
        {{"--output"}, "option '--output' needs a value (DIR)"},
        {{"--force=yes"}, "option '--force' takes no value"},
        {{"stray"}, "unexpected argument 'stray'"},
    };
    for (const auto& [arguments, message] : cases) {
        const TToolRun run = RunTool(folder, arguments);
        EXPECT_EQ(run.ExitStatus, 2) << message;
        EXPECT_EQ(run.Errors.rfind("quorvane-gen: " + message + "\n", 0), 0u) << run.Errors;
        EXPECT_TRUE(run.Lines.empty());
    }
    // The help and the version, in their long and short forms, on standard output.
    const TToolRun help = RunTool(folder, {"--help"});
    EXPECT_EQ(help.ExitStatus, 0);
    ASSERT_FALSE(help.Lines.empty());
    EXPECT_EQ(help.Lines.front(),
              "Usage: quorvane-gen --template DIR --output DIR --database FILE [options]");
    const TToolRun shortHelp = RunTool(folder, {"-h"});
    EXPECT_EQ(shortHelp.ExitStatus, 0);
    EXPECT_EQ(shortHelp.Lines, help.Lines);
    EXPECT_EQ(shortHelp.Errors, "");
    // The version is the project's, as CMake has it.
    for (const char* option : {"--version", "-V"}) {
        const TToolRun version = RunTool(folder, {option});
        EXPECT_EQ(version.ExitStatus, 0);
        EXPECT_EQ(version.Lines,
                  std::vector<std::string>{"quorvane-gen " QUORVANE_PROJECT_VERSION});
    }

    // Nothing at all to run on: the usage, on standard error, and status 2.
    const TToolRun bare = RunTool(folder, {});
    EXPECT_EQ(bare.ExitStatus, 2);
    EXPECT_TRUE(bare.Lines.empty());
    std::string usage;
    for (const std::string& line : help.Lines) {
        usage += line + "\n";
    }
    EXPECT_EQ(bare.Errors, usage);

    // Every input the tool reads is named where it lists them, Firebird files included.
    const auto database =
        std::find_if(help.Lines.begin(), help.Lines.end(),
                     [](const std::string& line) { return line.starts_with("  --database FILE"); });
    ASSERT_NE(database, help.Lines.end());
    for (const char* kind : {".udl", ".mdb", ".accdb", "SQLite", "Firebird (.fdb)"}) {
        EXPECT_NE(database->find(kind), std::string::npos) << kind;
    }
    EXPECT_NE(std::find(help.Lines.begin(), help.Lines.end(),
                        "  -h, --help                show this help and exit"),
              help.Lines.end());
}

TEST(BatchToolTest, ALineBreakInTheProviderOptionsEndsTheRunBeforeWriting) {
    TTempDir folder;
    const std::string out = folder.File("out");
    const std::string options = "poAllowCommandText]\nend\nobject Extra: TButton";
    const TToolRun run = RunTool(folder, {"--template", TemplateDir, "--output", out, "--database",
                                          SampleUdl, "--provider-options", options});
    EXPECT_EQ(run.ExitStatus, 2);
    // The line breaks are shown, not obeyed, on the terminal too.
    EXPECT_EQ(run.Errors.rfind("quorvane-gen: 'poAllowCommandText]\\nend\\nobject Extra: TButton"
                               "' is not a valid option list for \"DataSet Provider "
                               "Options\" (--provider-options).\n",
                               0),
              0u)
        << run.Errors;
    EXPECT_TRUE(run.Lines.empty());
    EXPECT_FALSE(fs::exists(out));
}

// A copy of the batch tool in `folder`, with `nameFormats` as the NameFormat.ini beside it: the
// first place the tool looks for one.
std::string ToolWithNameFormats(const TTempDir& folder, const std::string& nameFormats) {
    const std::string tool = folder.File("bin/quorvane-gen");
    fs::create_directories(folder.File("bin"));
    fs::copy_file(QUORVANE_GEN, tool);
    WriteFile(folder.File("bin/NameFormat.ini"), nameFormats);
    return tool;
}

TToolRun RunCopiedTool(const TTempDir& folder, const std::string& tool,
                       const std::vector<std::string>& arguments) {
    std::string command = ShellQuote(tool);
    for (const std::string& argument : arguments) {
        command += ' ' + ShellQuote(argument);
    }
    command += " >" + ShellQuote(folder.File("tool.out")) + " 2>" +
               ShellQuote(folder.File("tool.err")) + " </dev/null";
    const int status = std::system(command.c_str());
    TToolRun run;
    run.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Errors = ReadFile(folder.File("tool.err"));
    return run;
}

TEST(BatchToolTest, NameFormatErrorsNameTheFileTheKeyAndTheValue) {
    const std::string rule =
        "is no Pascal identifier (an ASCII letter or \"_\", then ASCII letters, digits or \"_\").";
    const struct {
        std::string Line, Message;
    } cases[] = {
        {"DataSetName=%s D",
         "DataSetName=%s D: \"Categories D\", made from \"Categories\", " + rule},
        // Saved in a Windows code page: read as such, shown as UTF-8.
        {"DBEditName=%s_\xC4", "DBEditName=%s_\xC3\x84: \"CategoryID_\xC3\x84\", made from "
                               "\"CategoryID\", " +
                                   rule},
        {"ClientDataSetName=%s%s", "ClientDataSetName=%s%s: No argument for format '%s'"},
        {"DBGridName=%d", "DBGridName=%d: Format '%d' invalid or incompatible with argument"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        TTempDir folder;
        const std::string tool =
            ToolWithNameFormats(folder, "[NameFormatStrings]\r\n" + c.Line + "\r\n");
        const TToolRun run = RunCopiedTool(
            folder, tool,
            {"--template", TemplateDir, "--output", folder.File("out"), "--database", SampleUdl});
        EXPECT_EQ(run.ExitStatus, 1);
        EXPECT_EQ(run.Errors, "quorvane-gen: " + folder.File("bin/NameFormat.ini") +
                                  ": [NameFormatStrings] " + c.Message + "\n");
        EXPECT_FALSE(fs::exists(folder.File("out")));
    }

    // A file too large to be a NameFormat.ini is named, not passed over for the defaults.
    TTempDir folder;
    const std::string tool = ToolWithNameFormats(folder, "[NameFormatStrings]\r\n");
    fs::resize_file(folder.File("bin/NameFormat.ini"), (std::uintmax_t{64} << 20) + 1);
    const TToolRun run = RunCopiedTool(
        folder, tool,
        {"--template", TemplateDir, "--output", folder.File("out"), "--database", SampleUdl});
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(run.Errors, "quorvane-gen: Cannot read the name formats from \"" +
                              folder.File("bin/NameFormat.ini") +
                              "\". It is larger than 64 MiB.\n");
    EXPECT_FALSE(fs::exists(folder.File("out")));
}

TEST(BatchToolTest, ADatabaseInsideTheCopyItWouldReplaceIsRefusedEvenWithForce) {
    TTempDir folder;
    const std::string out = folder.File("out");
    ASSERT_EQ(RunTool(folder, {"--template", TemplateDir, "--output", out, "--database", SampleUdl})
                  .ExitStatus,
              0);
    // The earlier run's database copy and its data link, beside each other in the copy.
    const std::string database = out + "/MidasProject/Midas_AppServer/EXE/Database.udl";
    fs::copy_file(std::string(QUORVANE_EXAMPLES_DIR) + "/orders.sqlite",
                  out + "/MidasProject/Midas_AppServer/EXE/orders.sqlite");
    const std::string before = ReadFile(database);
    const TToolRun run = RunTool(
        folder, {"--template", TemplateDir, "--output", out, "--database", database, "--force"});
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(run.Errors, "quorvane-gen: The database \"" + database + "\" lies inside \"" + out +
                              "/MidasProject\", the copy this run replaces; move it elsewhere or "
                              "choose another output directory.\n");
    EXPECT_EQ(ReadFile(database), before);
}

// The manual page is written by hand; every option --help lists must be in it.
TEST(BatchToolTest, TheManualPageDescribesEveryOptionOfTheHelp) {
    TTempDir folder;
    const TToolRun help = RunTool(folder, {"--help"});
    const std::string manual =
        ReadFile(std::string(QUORVANE_SOURCE_DIR) + "/docs/man/quorvane-gen.1.in");
    std::size_t options = 0;
    for (const std::string& line : help.Lines) {
        for (std::size_t at = line.find("--"); at != std::string::npos;
             at = line.find("--", at + 2)) {
            std::size_t end = at + 2;
            while (end < line.size() &&
                   (std::islower(static_cast<unsigned char>(line[end])) || line[end] == '-')) {
                ++end;
            }
            if (end == at + 2) {
                continue;
            }
            ++options;
            const std::string option = line.substr(at + 2, end - at - 2);
            EXPECT_NE(manual.find("\\-\\-" + ReplaceAll(option, "-", "\\-")), std::string::npos)
                << "--" << option;
        }
    }
    EXPECT_GT(options, 20u);
    // The short forms, and every kind of database file, in both manual pages.
    for (const char* shortForm : {".BR \\-h \", \" \\-\\-help", ".BR \\-V \", \" \\-\\-version"}) {
        EXPECT_NE(manual.find(shortForm), std::string::npos) << shortForm;
    }
    const std::string window =
        ReadFile(std::string(QUORVANE_SOURCE_DIR) + "/docs/man/quorvane.1.in");
    for (const std::string* page : {&manual, &window}) {
        for (const char* kind : {".udl", "Access", "SQLite", ".fdb"}) {
            EXPECT_NE(page->find(kind), std::string::npos) << kind;
        }
    }
}

TEST(BatchToolTest, EveryOptionFillsItsField) {
    using cli::ParseCommandLine;
    const cli::TCommandLine defaults = ParseCommandLine({});
    EXPECT_TRUE(defaults.Options.ServerOptions.IsRDM);
    EXPECT_EQ(defaults.Options.ServerOptions.ConnectionName, "DBConnection");
    EXPECT_EQ(defaults.Options.ServerOptions.ProjectGuids, TProjectGuids::Template);
    EXPECT_EQ(ParseCommandLine({"--project-guids=TEMPLATE"}).Options.ServerOptions.ProjectGuids,
              TProjectGuids::Template);
    EXPECT_EQ(defaults.Options.ServerOptions.DataSetKind, "TADOQuery");
    EXPECT_EQ(defaults.Options.ClientUIOptions.Space, 4);
    EXPECT_EQ(defaults.Options.ClientDMOptions.DisplayFormat.CurrencyFormat, "$#.00,");

    const cli::TCommandLine c = ParseCommandLine({"--template",
                                                  "/t/MidasProject",
                                                  "--output=/o",
                                                  "--database",
                                                  "d.udl",
                                                  "--map-file",
                                                  "m.txt",
                                                  "--name-code-order",
                                                  "--dataset-type",
                                                  "TSQLQuery",
                                                  "--provider-options",
                                                  "poAllowCommandText",
                                                  "--no-rdm",
                                                  "--server-trim-prefix",
                                                  "--connection-name",
                                                  "OrdersDb",
                                                  "--project-guids",
                                                  "new",
                                                  "--client-dataset-type",
                                                  "TCDS",
                                                  "--broker-name",
                                                  "Broker",
                                                  "--client-trim-prefix",
                                                  "--float-format",
                                                  "0.0",
                                                  "--currency-format",
                                                  "0.00",
                                                  "--date-format",
                                                  "YYYY",
                                                  "--dm-name",
                                                  "Data",
                                                  "--navigator-type",
                                                  "TNav",
                                                  "--grid-type",
                                                  "TGrid",
                                                  "--space",
                                                  "-12",
                                                  "--only-table",
                                                  "X",
                                                  "--with-colon",
                                                  "--left-justify",
                                                  "--auto-size",
                                                  "--ui-trim-prefix",
                                                  "--force"});
    const TProjectParam& o = c.Options;
    EXPECT_EQ(o.Directories.TemplateDir, "/t/MidasProject");
    EXPECT_EQ(o.Directories.OutputDir, "/o");
    EXPECT_EQ(o.Database.UDLFile, "d.udl");
    EXPECT_EQ(o.Database.MapFile, "m.txt");
    EXPECT_TRUE(o.Database.NameCodeOrder);
    EXPECT_EQ(o.ServerOptions.DataSetType, "TSQLQuery");
    EXPECT_EQ(o.ServerOptions.DataSetKind, "TSQLQuery");
    EXPECT_EQ(o.ServerOptions.ProviderOptions, "poAllowCommandText");
    EXPECT_FALSE(o.ServerOptions.IsRDM);
    EXPECT_TRUE(o.ServerOptions.TrimPrefix);
    EXPECT_EQ(o.ServerOptions.ConnectionName, "OrdersDb");
    EXPECT_EQ(o.ServerOptions.ProjectGuids, TProjectGuids::New);
    EXPECT_EQ(o.ClientDMOptions.ClientDataSetType, "TCDS");
    EXPECT_EQ(o.ClientDMOptions.ConnectionBrokerName, "Broker");
    EXPECT_TRUE(o.ClientDMOptions.TrimTableName);
    EXPECT_EQ(o.ClientDMOptions.DisplayFormat.FloatFormat, "0.0");
    EXPECT_EQ(o.ClientDMOptions.DisplayFormat.CurrencyFormat, "0.00");
    EXPECT_EQ(o.ClientDMOptions.DisplayFormat.DateFormat, "YYYY");
    EXPECT_EQ(o.ClientUIOptions.DMName, "Data");
    EXPECT_EQ(o.ClientUIOptions.DBNavigatorType, "TNav");
    EXPECT_EQ(o.ClientUIOptions.DBGridType, "TGrid");
    EXPECT_EQ(o.ClientUIOptions.Space, -12);
    EXPECT_EQ(o.ClientUIOptions.OnlyTable, "X");
    EXPECT_TRUE(o.ClientUIOptions.WithColon);
    EXPECT_TRUE(o.ClientUIOptions.LeftJustify);
    EXPECT_TRUE(o.ClientUIOptions.AutoSize);
    EXPECT_TRUE(o.ClientUIOptions.TrimTableName);
    EXPECT_TRUE(c.Force);
    // Relative directories become absolute, so a bare template name still has a folder name.
    EXPECT_EQ(ParseCommandLine({"--template", "MidasProject"}).Options.Directories.TemplateDir,
              (fs::current_path() / "MidasProject").string());
}

// The regular files below `root`, by relative path, with their bytes.
std::map<std::string, std::string> FilesBelow(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = ReadFile(entry.path().string());
        }
    }
    return files;
}

TEST(BatchToolTest, ASettingsFileRunsWithTheCommandLineOverridingIt) {
    TTempDir folder;
    const std::string settings = folder.File("conf/run.ini");
    WriteFile(settings,
              "[Directories]\nTemplate=" + TemplateDir +
                  "\nOutput=../out\n"
                  "[Database]\nFile=" +
                  SampleUdl + "\nMapFile=" + SampleMap +
                  "\n"
                  "[Server]\nDataSetType=TADODataSet\nProviderOptions=poAllowCommandText\n"
                  "[ClientForms]\nSpace=9\nWithColon=true\n"
                  "[Schema]\nSchemaKeys=true\n");

    // The options given win over the file on either side of --settings.
    const cli::TCommandLine parsed = cli::ParseCommandLine(
        {"--space", "11", "--settings", settings, "--dataset-type", "TADOQuery", "--auto-size"});
    const TProjectParam& o = parsed.Options;
    EXPECT_EQ(o.ClientUIOptions.Space, 11);
    EXPECT_EQ(o.ServerOptions.DataSetKind, "TADOQuery");
    EXPECT_TRUE(o.ClientUIOptions.AutoSize);
    EXPECT_TRUE(o.ClientUIOptions.WithColon);
    EXPECT_TRUE(o.SchemaOptions.SchemaKeys);
    EXPECT_EQ(o.ServerOptions.ProviderOptions, "poAllowCommandText");
    EXPECT_EQ(o.Directories.OutputDir, folder.File("out"));

    // --save-settings writes the file's options with those given, and runs nothing.
    const std::string saved = folder.File("saved.ini");
    const TToolRun save = RunTool(
        folder, {"--settings", settings, "--space", "11", "--auto-size", "--save-settings", saved});
    ASSERT_EQ(save.ExitStatus, 0) << save.Errors;
    EXPECT_TRUE(save.Lines.empty());
    EXPECT_EQ(save.Errors, "");
    EXPECT_FALSE(fs::exists(folder.File("out")));
    TProjectParam read;
    ReadRunSettings(saved, read);
    const TProjectParam expected =
        cli::ParseCommandLine({"--settings", settings, "--space", "11", "--auto-size"}).Options;
    EXPECT_EQ(DifferingOptions(read, expected), std::vector<std::string>{});
    // The output folder lies beside the saved file: it is kept relative.
    EXPECT_NE(ReadFile(saved).find("\nOutput=out\n"), std::string::npos) << ReadFile(saved);

    // The saved file runs what the same options on the command line run.
    const TToolRun run = RunTool(folder, {"--settings", saved});
    ASSERT_EQ(run.ExitStatus, 0) << run.Errors;
    EXPECT_EQ(run.Lines.back(), "Finished.");
    const TToolRun reference =
        RunTool(folder, {"--template", TemplateDir, "--output", folder.File("reference"),
                         "--database", SampleUdl, "--map-file", SampleMap, "--dataset-type",
                         "TADODataSet", "--provider-options", "poAllowCommandText", "--space", "11",
                         "--with-colon", "--auto-size", "--schema-keys"});
    ASSERT_EQ(reference.ExitStatus, 0) << reference.Errors;
    const auto files = FilesBelow(folder.Path() / "out");
    EXPECT_GT(files.size(), 40u);
    EXPECT_TRUE(files == FilesBelow(folder.Path() / "reference"));
    EXPECT_NE(files.at("MidasProject/Midas_Client/frmOrders.dfm").find("Caption = 'Ordered:'"),
              std::string::npos);

    // A settings file that cannot be read is a command-line error naming its line; one that
    // cannot be written ends the tool with status 1.
    const std::string bad = folder.File("bad.ini");
    const std::string none = folder.File("none.ini");
    const std::string unwritten = folder.File("no/such/folder/run.ini");
    WriteFile(bad, "[Server]\nTrimPrefix=1\n");
    const std::vector<std::pair<std::vector<std::string>, std::string>> wrong = {
        {{"--settings", bad},
         "Settings file \"" + bad + "\", line 2, key \"TrimPrefix\": '1' is not true or false."},
        {{"--settings", settings, "--settings=" + saved},
         "option '--settings' can be given only once"},
        {{"--settings", none},
         "Cannot open settings file \"" + none + "\". No such file or directory"},
    };
    for (const auto& [arguments, message] : wrong) {
        const TToolRun refused = RunTool(folder, arguments);
        EXPECT_EQ(refused.ExitStatus, 2) << message;
        EXPECT_EQ(refused.Errors.rfind("quorvane-gen: " + message + "\n", 0), 0u) << refused.Errors;
    }
    const TToolRun unwritable = RunTool(folder, {"--save-settings", unwritten});
    EXPECT_EQ(unwritable.ExitStatus, 1);
    EXPECT_EQ(
        unwritable.Errors.rfind("quorvane-gen: Cannot create file \"" + unwritten + "\". ", 0), 0u)
        << unwritable.Errors;
}

// The table lists: --only-table is --tables by its old name, and a list option given again adds
// to its list.
TEST(BatchToolTest, TableListsAddUp) {
    using cli::ParseCommandLine;
    const TClientUIParam o =
        ParseCommandLine({"--tables", "Orders, Sales_*", "--only-table=x", "--exclude-tables",
                          "Sales_Region", "--exclude-tables=a\\,b", "--tables", ""})
            .Options.ClientUIOptions;
    EXPECT_EQ(o.OnlyTable, "Orders, Sales_*,x");
    EXPECT_EQ(o.ExcludeTables, "Sales_Region,a\\,b");
    EXPECT_THROW(ParseCommandLine({"--tables"}), cli::TUsageError);
}

// Only the chosen tables get forms, and the main form, the grids form, the project and both
// data modules name those alone; a name that matches nothing stops the run before anything is
// written.
TEST(BatchToolTest, ChosenTablesAloneAreGenerated) {
    TTempDir folder;
    const std::string outputBase = folder.File("out/MidasProject/");
    const TToolRun run = RunTool(folder, {"--template", TemplateDir, "--output", folder.File("out"),
                                          "--database", SampleUdl, "--only-table", "categories"});
    ASSERT_EQ(run.ExitStatus, 0) << run.Errors;
    std::vector<std::string> forms;
    for (const auto& entry : fs::directory_iterator(outputBase + "Midas_Client")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("frm") && name.ends_with(".pas")) {
            forms.push_back(name);
        }
    }
    std::sort(forms.begin(), forms.end());
    EXPECT_EQ(forms, (std::vector<std::string>{"frmCategories.pas", "frmMain.pas",
                                               "frmTableGrids.pas", "frmTableName.pas"}));
    for (const char* file :
         {"Midas_AppServer/rdmMain.pas", "Midas_Client/dmClient.pas", "Midas_Client/frmMain.pas",
          "Midas_Client/frmTableGrids.pas", "Midas_Client/Midas_Client.dpr"}) {
        const std::string text = ReadFile(outputBase + file);
        EXPECT_NE(text.find("Categories"), std::string::npos) << file;
        EXPECT_EQ(text.find("Orders"), std::string::npos) << file;
    }

    const TToolRun missing = RunTool(
        folder, {"--template", TemplateDir, "--output", folder.File("missing"), "--database",
                 SampleUdl, "--tables", "Orders, Ordrs", "--exclude-tables", "Sales_[xyz]*"});
    EXPECT_EQ(missing.ExitStatus, 1);
    EXPECT_EQ(missing.Errors, "quorvane-gen: No table or view of the database matches \"Ordrs\" "
                              "or \"Sales_[xyz]*\".\n");
    EXPECT_FALSE(fs::exists(folder.File("missing")));

    // --describe shows the chosen tables only.
    const TToolRun described = RunTool(folder, {"--describe", "--database", SampleUdl, "--tables",
                                                "Sales_*", "--exclude-tables", "*Region"});
    ASSERT_EQ(described.ExitStatus, 0) << described.Errors;
    std::vector<std::string> tables;
    for (const std::string& line : described.Lines) {
        if (!line.starts_with("\t")) {
            tables.push_back(line);
        }
    }
    EXPECT_EQ(tables, std::vector<std::string>{"Sales_Client"});
}

// The GUIDs a file spells, as the Pascal constants and IDL attributes write them.
std::set<std::string> GuidsOf(const std::string& text) {
    static const std::regex Guid("[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-"
                                 "[0-9A-Fa-f]{12}");
    std::set<std::string> guids;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), Guid);
         match != std::sregex_iterator(); ++match) {
        guids.insert(UpperCaseAscii(match->str()));
    }
    return guids;
}

TEST(BatchToolTest, NewProjectGuidsGiveEachRunsServerItsOwnComIdentity) {
    TTempDir folder;
    const auto run = [&](const std::string& output, std::vector<std::string> extra) {
        std::vector<std::string> arguments = {"--template",        TemplateDir,  "--output",
                                              folder.File(output), "--database", SampleUdl,
                                              "--map-file",        SampleMap};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const TToolRun result = RunTool(folder, arguments);
        EXPECT_EQ(result.ExitStatus, 0) << result.Errors;
        EXPECT_EQ(result.Errors, "");
        return FilesBelow(folder.Path() / output / "MidasProject");
    };
    const auto original = FilesBelow(TemplateDir);
    const std::string ridl = "Midas_AppServer/Midas_AppServer.ridl";
    const std::string library = "Midas_AppServer/Midas_AppServer_TLB.pas";
    const std::string project = "Midas_AppServer/Midas_AppServer.dproj";
    const std::set<std::string> templateGuids = GuidsOf(original.at(ridl));
    ASSERT_EQ(templateGuids.size(), 3u);

    // By default the server keeps the template's identity, byte for byte.
    const auto kept = run("kept", {});
    const auto explicitlyKept = run("template", {"--project-guids", "template"});
    for (const std::string& file : {ridl, library, project}) {
        EXPECT_EQ(kept.at(file), original.at(file)) << file;
        EXPECT_EQ(explicitlyKept.at(file), original.at(file)) << file;
    }

    const auto first = run("first", {"--project-guids", "new"});
    const auto second = run("second", {"--project-guids=new"});
    std::set<std::string> firstGuids;
    for (const auto* files : {&first, &second}) {
        // The type library's source and its Pascal unit agree on three fresh GUIDs, none of them
        // the template's; the project file has a fresh one of its own.
        const std::set<std::string> declared = GuidsOf(files->at(ridl));
        EXPECT_EQ(declared.size(), 3u);
        EXPECT_EQ(GuidsOf(files->at(library)), declared);
        const std::set<std::string> projectGuids = GuidsOf(files->at(project));
        ASSERT_EQ(projectGuids.size(), 1u);
        EXPECT_EQ(declared.count(*projectGuids.begin()), 0u);
        std::set<std::string> all = declared;
        all.insert(projectGuids.begin(), projectGuids.end());
        for (const std::string& guid : all) {
            EXPECT_EQ(templateGuids.count(guid), 0u) << guid;
            EXPECT_EQ(GuidsOf(original.at(project)).count(guid), 0u) << guid;
        }
        // Nothing else of the server or the client changes.
        for (const auto& [path, bytes] : kept) {
            if (path != ridl && path != library && path != project) {
                EXPECT_EQ(files->at(path), bytes) << path;
            }
        }
        if (firstGuids.empty()) {
            firstGuids = all;
        } else {
            // Each run's server is a server of its own.
            for (const std::string& guid : all) {
                EXPECT_EQ(firstGuids.count(guid), 0u) << guid;
            }
        }
    }

    // A dry run over the first output lists the three files it would give fresh GUIDs again.
    const TToolRun preview = RunTool(
        folder, {"--template", TemplateDir, "--output", folder.File("first"), "--database",
                 SampleUdl, "--map-file", SampleMap, "--project-guids", "new", "--dry-run"});
    EXPECT_EQ(preview.ExitStatus, 0) << preview.Errors;
    std::vector<std::string> changed;
    for (const std::string& line : preview.Lines) {
        if (line.starts_with("changed ")) {
            changed.push_back(line.substr(line.find("MidasProject/") + 13));
        }
    }
    EXPECT_EQ(changed, (std::vector<std::string>{project, ridl, library}));

    // The server with its fresh identity still compiles and loads, as Delphi would build it.
    const std::string fpc = QUORVANE_FPC_PATH;
    if (fpc.empty()) {
        if (std::getenv("CI") != nullptr) {
            FAIL() << "Free Pascal (fp-compiler) is missing: the projects cannot be checked";
        }
        GTEST_SKIP() << "Free Pascal (fp-compiler) is not installed: projects not compiled";
    }
    const std::string check =
        ShellQuote(QUORVANE_CHECK_PROJECTS) + " --fpc " + ShellQuote(fpc) + " --field-defs " +
        ShellQuote(std::string(QUORVANE_SOURCE_DIR) + "/tests/golden/cases/sample/fielddefs.txt") +
        " --require-field-defs --work " +
        ShellQuote(std::string(QUORVANE_DELPHI_WORK) + "/new-guids") + " " +
        ShellQuote(folder.File("first/MidasProject")) + " >" +
        ShellQuote(folder.File("check.out")) + " 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0) << ReadFile(folder.File("check.out"));
    EXPECT_EQ(ReadFile(folder.File("check.out")), "");
}

// A database of `tables` tables in SQLite, for runs long enough to be cut short.
void WriteManyTables(const std::string& path, int tables, const std::string& extraTable = {}) {
    std::string sql;
    for (int table = 1; table <= tables; ++table) {
        sql += "CREATE TABLE t" + std::to_string(table) +
               " (id INTEGER PRIMARY KEY, name VARCHAR(40), note TEXT, amount DECIMAL(10,2));";
    }
    if (!extraTable.empty()) {
        sql += "CREATE TABLE \"" + extraTable + "\" (id INTEGER);";
    }
    CreateSqliteFile(path, sql);
}

TEST(BatchToolTest, AKilledRunLeavesOnlyWholeFilesAndTheNextOneTidiesUp) {
    TTempDir folder;
    const std::string database = folder.File("many.sqlite");
    WriteManyTables(database, 400);
    const std::vector<std::string> arguments = {"--template",       TemplateDir,  "--output",
                                                folder.File("out"), "--database", database};
    std::vector<std::string> reference = arguments;
    reference[3] = folder.File("reference");
    ASSERT_EQ(RunTool(folder, reference).ExitStatus, 0);

    // Killed with SIGKILL while it writes the table forms: no chance to clean up.
    int output[2];
    ASSERT_EQ(::pipe(output), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::close(output[0]);
        std::vector<char*> argv = {const_cast<char*>(QUORVANE_GEN)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(QUORVANE_GEN, argv.data());
        ::_exit(127);
    }
    ::close(output[1]);
    std::string seen;
    char buffer[256];
    std::size_t forms = 0;
    for (ssize_t count; forms < 40 && (count = ::read(output[0], buffer, sizeof buffer)) > 0;) {
        seen.append(buffer, static_cast<std::size_t>(count));
        forms = 0;
        for (std::size_t at = seen.find(".dfm\n"); at != std::string::npos;
             at = seen.find(".dfm\n", at + 1)) {
            ++forms;
        }
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(output[0]);

    const fs::path copy = folder.Path() / "out" / "MidasProject";
    const fs::path whole = folder.Path() / "reference" / "MidasProject";
    std::size_t leftovers = 0;
    for (const auto& entry : fs::recursive_directory_iterator(copy)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const fs::path relative = fs::relative(entry.path(), copy);
        if (relative.filename().string().rfind(".quorvane-", 0) == 0) {
            ++leftovers;
            continue;
        }
        const std::string bytes = ReadFile(entry.path().string());
        const fs::path original = fs::path(TemplateDir) / relative;
        const bool asTemplate = fs::exists(original) && ReadFile(original.string()) == bytes;
        const bool asGenerated =
            fs::exists(whole / relative) && ReadFile((whole / relative).string()) == bytes;
        EXPECT_TRUE(asTemplate || asGenerated) << relative << " is cut or mixed";
    }

    // The next run, with --force, finishes the same tree and leaves nothing of the killed one.
    std::vector<std::string> again = arguments;
    again.push_back("--force");
    ASSERT_EQ(RunTool(folder, again).ExitStatus, 0);
    for (const auto& entry : fs::recursive_directory_iterator(copy)) {
        EXPECT_NE(entry.path().filename().string().rfind(".quorvane-", 0), 0u) << entry.path();
    }
    (void)leftovers; // a kill between two files leaves none, one inside a write one
}

// A tool process started with `arguments`, its standard output into `output` (-1: /dev/null) and
// its standard error into `errors`.
pid_t StartTool(const std::string& program, const std::vector<std::string>& arguments, int output,
                const std::string& errors) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        const int errorFile = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(null, STDIN_FILENO);
        ::dup2(output >= 0 ? output : null, STDOUT_FILENO);
        ::dup2(errorFile, STDERR_FILENO);
        std::vector<char*> argv = {const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

// The wait status of `pid`, which must end within `seconds`; a process still running then is
// killed, and the test fails.
int WaitForEnd(pid_t pid, int seconds = 20) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "process " << pid << " did not end";
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return status;
}

// Waits until `ready` says yes (at most 20 s).
bool WaitUntil(const std::function<bool()>& ready) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The files a run of ours left in `folder`: its lock and temporary files.
std::vector<std::string> RunLeftovers(const fs::path& folder) {
    std::vector<std::string> left;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().filename().string().rfind(".quorvane-", 0) == 0) {
            left.push_back(it->path().string());
        }
    }
    return left;
}

// Orphaned grandchildren (a reader whose tool ended) come to this process, which can then see
// how they ended, for as long as it lives.
class TReaperOfOrphans {
public:
    TReaperOfOrphans() { ::prctl(PR_SET_CHILD_SUBREAPER, 1); }
    ~TReaperOfOrphans() { ::prctl(PR_SET_CHILD_SUBREAPER, 0); }
    TReaperOfOrphans(const TReaperOfOrphans&) = delete;
    TReaperOfOrphans& operator=(const TReaperOfOrphans&) = delete;
};

// SIGINT while the run is blocked writing a status text (standard output is a full pipe no one
// reads), the output lock held and files half written: the run ends by that signal, says so,
// and leaves no lock and no temporary file; the files it finished stay whole.
TEST(BatchToolTest, AnInterruptedRunLeavesNoLockAndNoTemporaryFile) {
    TTempDir folder;
    const std::string database = folder.File("many.sqlite");
    WriteManyTables(database, 100);
    int output[2];
    ASSERT_EQ(::pipe2(output, O_CLOEXEC), 0);
    // A pipe of one page fills long before the run ends.
    ASSERT_GT(::fcntl(output[1], F_SETPIPE_SZ, 4096), 0);
    const fs::path copy = folder.Path() / "out" / "MidasProject";
    const pid_t tool = StartTool(
        QUORVANE_GEN,
        {"--template", TemplateDir, "--output", folder.File("out"), "--database", database},
        output[1], folder.File("tool.err"));
    ::close(output[1]);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(copy / ".quorvane-lock"); }));
    // Blocked: what waits in the pipe no longer grows.
    int waiting = -1;
    int unchanged = 0;
    ASSERT_TRUE(WaitUntil([&] {
        int now = 0;
        ::ioctl(output[0], FIONREAD, &now);
        unchanged = now == waiting ? unchanged + 1 : 0;
        waiting = now;
        return unchanged >= 20;
    }));
    ASSERT_EQ(::kill(tool, SIGINT), 0);
    const int status = WaitForEnd(tool, 5);
    ::close(output[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGINT);
    EXPECT_EQ(ReadFile(folder.File("tool.err")),
              "quorvane-gen: Stopped by SIGINT; the run did not finish.\n");
    EXPECT_EQ(RunLeftovers(folder.Path() / "out"), std::vector<std::string>{});
    const std::string written = ReadFile((copy / "Midas_AppServer" / "rdmMain.pas").string());
    EXPECT_TRUE(written.ends_with("end.\r\n")) << "rdmMain.pas is cut";
}

// SIGTERM while the run waits on the Access reader: the reader is killed with the run, which
// ends by SIGTERM and says so. A run killed outright (SIGKILL, no handler) takes its reader with
// it too: the reader asked to die with its parent. The reader here is a stand-in that never
// answers, beside a copy of the tool, where the tool looks for its reader.
TEST(BatchToolTest, AStoppedOrKilledRunTakesItsAccessReaderWithIt) {
    TTempDir folder;
    const fs::path bin = folder.Path() / "bin";
    fs::create_directories(bin);
    const std::string tool = (bin / "quorvane-gen").string();
    fs::copy_file(QUORVANE_GEN, tool);
    fs::copy_file(fs::path(QUORVANE_GEN).parent_path() / "NameFormat.ini", bin / "NameFormat.ini");
    const std::string readerPid = folder.File("reader.pid");
    // The pid file appears whole, by a rename.
    std::string script = "#!/bin/sh\necho $$ > ";
    script += ShellQuote(readerPid + ".new");
    script += "\nmv ";
    script += ShellQuote(readerPid + ".new");
    script += " ";
    script += ShellQuote(readerPid);
    script += "\nexec sleep 300\n";
    WriteFile((bin / "quorvane-mdb-reader").string(), script);
    fs::permissions(bin / "quorvane-mdb-reader", fs::perms::owner_all);
    const std::string database = folder.File("orders.mdb");
    fs::copy_file(std::string(QUORVANE_EXAMPLES_DIR) + "/orders.mdb", database);

    const TReaperOfOrphans reaper;
    for (const int stop : {SIGTERM, SIGKILL}) {
        SCOPED_TRACE(stop);
        fs::remove(readerPid);
        const pid_t run = StartTool(
            tool,
            {"--template", TemplateDir, "--output", folder.File("out"), "--database", database}, -1,
            folder.File("tool.err"));
        ASSERT_TRUE(WaitUntil([&] { return fs::exists(readerPid); }));
        const pid_t reader = std::stoi(ReadFile(readerPid));
        ASSERT_EQ(::kill(run, stop), 0);
        const int status = WaitForEnd(run, 5);
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), stop);
        // The reader, an orphan now, comes here when it ends: killed, not left reading.
        const int readerStatus = WaitForEnd(reader, 5);
        EXPECT_TRUE(WIFSIGNALED(readerStatus) && WTERMSIG(readerStatus) == SIGKILL) << readerStatus;
        if (stop == SIGTERM) {
            EXPECT_EQ(ReadFile(folder.File("tool.err")),
                      "quorvane-gen: Stopped by SIGTERM; the run did not finish.\n");
        }
        EXPECT_EQ(RunLeftovers(folder.Path() / "out"), std::vector<std::string>{});
    }
}

TEST(BatchToolTest, ControlCharactersOfNamesReachTheTerminalEscaped) {
    TTempDir folder;
    const std::string database = folder.File("odd.sqlite");
    // A name of nothing but control characters gives no identifier: the error quotes it.
    WriteManyTables(database, 1, "\x1B[\x07\r");
    const TToolRun run = RunTool(folder, {"--template", TemplateDir, "--output", folder.File("out"),
                                          "--database", database});
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(run.Errors.find_first_of("\x1B\x07\r"), std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find("\"\\x1B[\\x07\\r\""), std::string::npos) << run.Errors;

    // A space that would push the labels beyond 32 bits is refused as the runtime refuses it.
    const TToolRun wide =
        RunTool(folder, {"--template", TemplateDir, "--output", folder.File("out"), "--database",
                         SampleUdl, "--space", "2147483647"});
    EXPECT_EQ(wide.ExitStatus, 2);
    EXPECT_NE(wide.Errors.find("'2147483647' is not a valid integer value."), std::string::npos);
}

// The id of a process that has ended, as a run killed earlier leaves it in a folder's name; -1
// when no process could be started.
pid_t EndedProcessId() {
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    if (ended > 0) {
        ::waitpid(ended, nullptr, 0);
    }
    return ended;
}

// Each ODBC connection reads the driver manager's configuration from a folder of the process's
// own under TMPDIR: it goes when the run ends, and one that a killed run left goes with the next.
TEST(BatchToolTest, TheDriverManagersConfigurationFolderLastsOnlyAsLongAsTheRun) {
    const TTempDir folder;
    const fs::path temporary = folder.Path() / "tmp";
    fs::create_directories(temporary);
    // A process that has ended, and one that still runs (this one).
    const pid_t ended = EndedProcessId();
    ASSERT_GT(ended, 0);
    const fs::path left = temporary / ("quorvane-odbc-" + std::to_string(ended) + "-Ab12Cd");
    const fs::path running =
        temporary / ("quorvane-odbc-" + std::to_string(::getpid()) + "-Ef34Gh");
    for (const fs::path& path : {left, running}) {
        fs::create_directories(path);
        WriteFile((path / "odbcinst.ini").string(), "[PostgreSQL Unicode]\nCommLog=0\n");
    }
    const std::string udl = folder.File("dsn.udl");
    WriteFile(udl, "[oledb]\r\nProvider=MSDASQL.1;Data Source=QuorvaneNoSuchDsn\r\n");

    const std::string command = "TMPDIR=" + ShellQuote(temporary.string()) + " " +
                                ShellQuote(QUORVANE_GEN) + " --describe --database " +
                                ShellQuote(udl) + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "a DSN that does not exist was found";

    std::vector<std::string> remaining;
    for (const fs::directory_entry& entry : fs::directory_iterator(temporary)) {
        remaining.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(remaining, std::vector<std::string>{running.filename().string()});
}

// A database is known by what its file holds, not by its name: a SQLite or Firebird file without
// an extension, or with a data-link file's, is read as what it is. The readers' private folders
// under TMPDIR go when the run ends, and one that a killed run left goes with the next.
TEST(BatchToolTest, ADatabaseFileIsKnownByWhatItHoldsNotByItsName) {
    const TTempDir folder;
    const fs::path temporary = folder.Path() / "tmp";
    fs::create_directories(temporary);
    const pid_t ended = EndedProcessId();
    ASSERT_GT(ended, 0);
    const fs::path left = temporary / ("quorvane-sqlite-" + std::to_string(ended) + "-Ab12Cd");
    fs::create_directories(left);
    WriteFile((left / "Database.sqlite").string(), "a copy a killed run left");

    const std::string sampleSqlite = std::string(QUORVANE_EXAMPLES_DIR) + "/orders.sqlite";
    const std::string sampleFirebird = std::string(QUORVANE_EXAMPLES_DIR) + "/orders.fdb";
    const auto run = [&](const std::string& arguments) {
        const std::string out = folder.File("run.out");
        const std::string command =
            "env -u FIREBIRD_LOCK -u XDG_RUNTIME_DIR TMPDIR=" + ShellQuote(temporary.string()) +
            " " + ShellQuote(QUORVANE_GEN) + " " + arguments + " >" + ShellQuote(out) +
            " 2>&1 </dev/null";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadFile(out);
        return ReadFile(out);
    };

    for (const std::string name : {"orders", "orders.udl"}) {
        SCOPED_TRACE(name);
        const std::string database = folder.File(name);
        fs::copy_file(sampleSqlite, database, fs::copy_options::overwrite_existing);
        const std::string described = run("--describe --database " + ShellQuote(database));
        EXPECT_EQ(described.find("encoding"), std::string::npos) << described;
        EXPECT_NE(described.find("\nOrder Details\n"), std::string::npos) << described;

        // The copy beside the server is named as a SQLite file, and the server's link names it.
        const std::string output = folder.File("out-" + name);
        run("--template " + ShellQuote(TemplateDir) + " --output " + ShellQuote(output) +
            " --database " + ShellQuote(database));
        const std::string server = output + "/MidasProject/Midas_AppServer/EXE/";
        ASSERT_TRUE(fs::is_regular_file(server + "Database.sqlite"));
        EXPECT_EQ(SqliteContentOf(server + "Database.sqlite", true), SqliteContentOf(database));
        EXPECT_NE(DecodeConfigurationText(ReadFile(server + "Database.udl"))
                      .find("Database=Database.sqlite\""),
                  std::string::npos);
    }

    const std::string firebird = folder.File("orders-firebird");
    fs::copy_file(sampleFirebird, firebird);
    const std::string described = run("--describe --database " + ShellQuote(firebird));
    EXPECT_EQ(described.rfind("EMPLOYEES\n", 0), 0u) << described;

    // Nothing of the readers stays: no private copy, only the engine's lock folder.
    std::vector<std::string> remaining;
    for (const fs::directory_entry& entry : fs::directory_iterator(temporary)) {
        remaining.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(remaining,
              std::vector<std::string>{"quorvane-firebird-" + std::to_string(::getuid())});
}

} // namespace
} // namespace quorvane
