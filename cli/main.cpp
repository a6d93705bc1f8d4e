// quorvane-gen: runs one generation from the command line.

#include "CommandLine.h"
#include "EngineErrors.h"
#include "dmCodeGenerator.h"

#include <iostream>

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
        dm.OnStatus = [](TDM&, const std::string& text) { std::cout << text << std::endl; };
        if (commandLine.Force) {
            dm.OnConfirmReplace = [](const std::string&) { return true; };
        }
        dm.Generate(commandLine.Options);
    } catch (const EExistingCopyError& error) {
        std::cerr << "quorvane-gen: " << error.what() << " Use --force to replace it.\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quorvane-gen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
