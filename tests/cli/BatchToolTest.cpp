// The batch tool end to end on the sample template and database, its error paths and exit
// statuses, and how its options fill the run's options.

#include "CommandLine.h"
#include "SqliteTestFile.h"
#include "TempDir.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <cctype>

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
        {{"--space", "abc"}, "'abc' is not a valid integer value."},
        {{"--space=4x"}, "'4x' is not a valid integer value."},
        {{"--dataset-type", "a b"},
         "'a b' is not a valid class name for \"DataSet Component Type\" (--dataset-type)."},
        {{"--grid-type=2Grid"},
         "'2Grid' is not a valid class name for \"DBGrid Type\" (--grid-type)."},
        {{"--broker-name", "Broker'"},
         "'Broker'' is not a valid component name for \"ConnectionBroker Component Name\" "
         "(--broker-name)."},
        {{"--colour"}, "unknown option '--colour'"},
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
    const TToolRun help = RunTool(folder, {"--help"});
    EXPECT_EQ(help.ExitStatus, 0);
    EXPECT_FALSE(help.Lines.empty());
    // The version is the project's, as CMake has it.
    const TToolRun version = RunTool(folder, {"--version"});
    EXPECT_EQ(version.ExitStatus, 0);
    EXPECT_EQ(version.Lines, std::vector<std::string>{"quorvane-gen " QUORVANE_PROJECT_VERSION});
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
}

TEST(BatchToolTest, EveryOptionFillsItsField) {
    using cli::ParseCommandLine;
    const cli::TCommandLine defaults = ParseCommandLine({});
    EXPECT_TRUE(defaults.Options.ServerOptions.IsRDM);
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

// Each ODBC connection reads the driver manager's configuration from a folder of the process's
// own under TMPDIR: it goes when the run ends, and one that a killed run left goes with the next.
TEST(BatchToolTest, TheDriverManagersConfigurationFolderLastsOnlyAsLongAsTheRun) {
    const TTempDir folder;
    const fs::path temporary = folder.Path() / "tmp";
    fs::create_directories(temporary);
    // A process that has ended, and one that still runs (this one).
    const pid_t ended = ::fork();
    if (ended == 0) {
        ::_exit(0);
    }
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
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

} // namespace
} // namespace quorvane
