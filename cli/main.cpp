// quorvane-gen: runs one generation from the command line.

#include "CommandLine.h"
#include "QuorvaneVersion.h"
#include "generate/dmCodeGenerator.h"
#include "io/StopSignals.h"
#include "schema/SnapshotText.h"
#include "text/EngineErrors.h"
#include "text/ShownText.h"

#include <iostream>

namespace {

// Prints what a run sees of the database, as text or as JSON, and on standard error what the
// database source left out.
void DescribeDatabase(quorvane::TDM& dm, const std::string& database, bool json) {
    using namespace quorvane;
    dm.ConnectDatabase(database, "", false);
    const TSchemaSnapshot& snapshot = dm.ADOConnection.Snapshot();
    for (const std::string& warning : snapshot.Warnings) {
        std::cerr << "warning: " << ShownText(warning) << "\n";
    }
    std::cout << (json ? SnapshotJson(snapshot) : SnapshotText(snapshot));
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
            DescribeDatabase(dm, commandLine.Options.Database.UDLFile, commandLine.DescribeJson);
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
        dm.Generate(commandLine.Options);
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
