// quorvane-gen: runs one generation from the command line.

#include "CommandLine.h"
#include "QuorvaneVersion.h"
#include "generate/RunSettings.h"
#include "generate/dmCodeGenerator.h"
#include "io/StopSignals.h"
#include "schema/SnapshotText.h"
#include "text/EngineErrors.h"
#include "text/ShownText.h"

#include <iostream>

namespace {

// Prints what a run sees of the database (of the tables the options choose), as text or as
// JSON, and on standard error what the database source left out.
void DescribeDatabase(quorvane::TDM& dm, const quorvane::TProjectParam& options, bool json) {
    using namespace quorvane;
    dm.ConnectDatabase(options.Database.UDLFile, "", false);
    dm.ADOConnection.Selection =
        TTableSelection(options.ClientUIOptions.OnlyTable, options.ClientUIOptions.ExcludeTables);
    const TSchemaSnapshot& snapshot = dm.ADOConnection.Snapshot();
    for (const std::string& warning : snapshot.Warnings) {
        std::cerr << "warning: " << ShownText(warning) << "\n";
    }
    std::cout << (json ? SnapshotJson(snapshot) : SnapshotText(snapshot));
    std::cout.flush();
}

// Lists what a dry run found, each file with its state, a changed one with its diff when asked
// for, and a count at the end.
void PrintPreview(const std::vector<quorvane::TPreviewEntry>& entries) {
    using namespace quorvane;
    std::size_t counts[3] = {0, 0, 0};
    for (const TPreviewEntry& entry : entries) {
        ++counts[static_cast<int>(entry.State)];
        std::cout << PreviewStateName(entry.State) << " " << ShownText(entry.Full) << "\n";
        // A diff shows file contents, which may hold anything a template or database holds.
        std::cout << ShownLines(entry.Diff);
    }
    std::cout << "Dry run: " << counts[static_cast<int>(TPreviewState::New)] << " new, "
              << counts[static_cast<int>(TPreviewState::Changed)] << " changed, "
              << counts[static_cast<int>(TPreviewState::Unchanged)]
              << " unchanged; nothing was written.\n";
    std::cout.flush();
}

void PrintStatistics(const quorvane::TADOConnection& connection) {
    const auto& statistics = connection.Statistics();
    std::cerr << "Catalogue reads: " << statistics.CatalogueReads
              << "\nTable descriptions: " << statistics.TableDescriptions
              << "\nStatements sent: " << statistics.StatementsSent << "\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvane;
    // Ctrl+C, a kill or a closed terminal ends a run as a failed run ends: no temporary file, no
    // lock, no reader process left behind.
    InstallStopSignalHandlers("quorvane-gen");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Nothing to run on: the usage says what a run needs.
    if (arguments.empty()) {
        std::cerr << cli::UsageText();
        return 2;
    }
    cli::TCommandLine commandLine;
    try {
        commandLine = cli::ParseCommandLine(arguments);
    } catch (const cli::TUsageError& error) {
        // A value may hold line breaks or escape sequences: shown, not obeyed.
        std::cerr << "quorvane-gen: " << ShownText(error.what()) << "\n"
                  << "Try 'quorvane-gen --help' for more information.\n";
        return 2;
    }
    if (commandLine.Help) {
        std::cout << cli::UsageText();
        return 0;
    }
    if (commandLine.Version) {
        std::cout << "quorvane-gen " << quorvane::ProgramVersion << "\n";
        return 0;
    }

    if (!commandLine.SaveSettings.empty()) {
        // Only saved: writing the settings needs neither the database nor the output.
        try {
            WriteRunSettings(commandLine.SaveSettings, commandLine.Options);
        } catch (const std::exception& error) {
            std::cerr << "quorvane-gen: " << ShownText(error.what()) << "\n";
            return 1;
        }
        return 0;
    }

    TDM dm;
    // What the database left out and the references the user's options break do not stop the
    // run; they are told after it.
    const auto printWarnings = [&dm] {
        for (const std::string& warning : dm.Warnings()) {
            std::cerr << "warning: " << ShownText(warning) << "\n";
        }
    };
    try {
        if (commandLine.Describe) {
            DescribeDatabase(dm, commandLine.Options, commandLine.DescribeJson);
            if (commandLine.Statistics) {
                PrintStatistics(dm.ADOConnection);
            }
            return 0;
        }
        // Names from the database reach the terminal escaped: an ESC or CR in a table name must
        // not rewrite what the terminal shows.
        dm.OnStatus = [](TDM&, const std::string& text) {
            std::cout << ShownText(text) << std::endl;
        };
        if (commandLine.Force) {
            dm.OnConfirmReplace = [](const std::string&) { return true; };
        }
        if (commandLine.DryRun) {
            const std::vector<TPreviewEntry> entries =
                dm.Preview(commandLine.Options, commandLine.Diff);
            PrintPreview(entries);
        } else {
            dm.Generate(commandLine.Options);
        }
        printWarnings();
        if (commandLine.Statistics) {
            PrintStatistics(dm.ADOConnection);
        }
    } catch (const EExistingCopyError& error) {
        printWarnings();
        std::cerr << "quorvane-gen: " << ShownText(error.what()) << " Use --force to replace it.\n";
        return 1;
    } catch (const std::exception& error) {
        printWarnings();
        std::cerr << "quorvane-gen: " << ShownText(error.what()) << "\n";
        return 1;
    }
    return 0;
}
