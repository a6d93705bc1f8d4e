#pragma once

#include "generate/Options.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane::cli {

/// A command line that cannot be understood; the batch tool exits with status 2.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TCommandLine {
    TProjectParam Options;     ///< the main window's defaults where an option is not given
    std::string SaveSettings;  ///< write Options to this settings file instead of running
    bool Force = false;        ///< replace an earlier copy of the template in the output directory
    bool DryRun = false;       ///< compare with the earlier output instead of writing
    bool Diff = false;         ///< with DryRun: a unified diff of each changed file
    bool Describe = false;     ///< print the tables and field descriptors instead of generating
    bool DescribeJson = false; ///< with Describe: the whole snapshot as JSON instead of text
    bool Statistics = false;   ///< report what the run asked of the database, for benchmarks
    bool Help = false;
    bool Version = false;
};

/// Parses the arguments after the program name. "--name value" and "--name=value" both work;
/// yes/no options are bare flags. The settings file of --settings is read first, wherever it
/// stands, so that the other options override it. Throws TUsageError, also for a settings file
/// that cannot be read.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

/// The --help text.
std::string UsageText();

} // namespace quorvane::cli
