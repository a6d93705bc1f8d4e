// quorvane-gen: runs one generation from the command line.

#include "CommandLine.h"
#include "EngineErrors.h"
#include "dmCodeGenerator.h"

#include <iostream>

namespace {

// Prints what a run sees of the database: the tables in catalogue order and their descriptors.
void DescribeDatabase(quorvane::TDM& dm, const std::string& database) {
    using namespace quorvane;
    dm.ConnectDatabase(database, "", false);
    dm.ListTableNames(dm.TableNames);
    for (const std::string& tableName : dm.TableNames) {
        dm.OpenTableReader("[" + tableName + "]");
        std::cout << tableName << "\n";
        for (const TFieldDescriptor& field : dm.ADOTable.Fields()) {
            std::cout << '\t' << field.FieldName << '\t' << FieldTypeName(field.DataType)
                      << "\tSize=" << field.Size
                      << "\tFixedChar=" << (field.FixedChar ? "True" : "False")
                      << "\tAutoIncrement="
                      << (field.DataType == TFieldType::ftAutoInc ? "True" : "False") << "\n";
        }
    }
    std::cout.flush();
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvane;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    cli::TCommandLine commandLine;
    try {
        commandLine = cli::ParseCommandLine(arguments);
    } catch (const cli::TUsageError& error) {
        std::cerr << "quorvane-gen: " << error.what() << "\n"
                  << "Try 'quorvane-gen --help' for more information.\n";
        return 2;
    }
    if (commandLine.Help) {
        std::cout << cli::UsageText();
        return 0;
    }
    if (commandLine.Version) {
        std::cout << "quorvane-gen 0.9\n";
        return 0;
    }

    try {
        TDM dm;
        if (commandLine.Describe) {
            DescribeDatabase(dm, commandLine.Options.Database.UDLFile);
            return 0;
        }
        dm.OnStatus = [](TDM&, const std::string& text) { std::cout << text << std::endl; };
        if (commandLine.Force) {
            dm.OnConfirmReplace = [](const std::string&) { return true; };
        }
        dm.Generate(commandLine.Options);
        if (commandLine.Statistics) {
            const auto& statistics = dm.ADOConnection.Statistics();
            std::cerr << "Catalogue reads: " << statistics.CatalogueReads
                      << "\nTable descriptions: " << statistics.TableDescriptions << "\n";
        }
    } catch (const EExistingCopyError& error) {
        std::cerr << "quorvane-gen: " << error.what() << " Use --force to replace it.\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quorvane-gen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
