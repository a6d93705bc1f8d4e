#include "schema/odbc/OdbcConfiguration.h"

#include "io/AtomicFileWriter.h"
#include "io/InstallPaths.h"
#include "io/PrivateFolder.h"
#include "text/EngineErrors.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

namespace quorvane {

namespace {

std::mutex& ConfigurationMutex() {
    static std::mutex mutex;
    return mutex;
}

bool Exists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

// The file's text; empty when there is none (unixODBC reads a missing file as an empty one).
std::string ReadTextFile(const std::string& path) {
    std::string bytes;
    std::string reason;
    return TryReadWholeFile(path, bytes, reason) ? bytes : std::string();
}

bool WriteNewFile(const std::string& path, const std::string& text, mode_t mode) {
    try {
        TAtomicFileWriter file(TOutputPath{{}, path}, mode);
        file.Write(text);
        file.Commit();
        return true;
    } catch (const EFileError&) {
        return false;
    }
}

// This process's copies of the system's ODBC entries, and the empty stand-in for a missing user
// DSN file, in a private folder "quorvane-odbc-<process>-XXXXXX": removed when the process ends,
// or is stopped by a signal; one a killed process left goes with the next.
class TPrivateConfiguration {
public:
    TPrivateConfiguration() {
        try {
            FFolder.emplace("quorvane-odbc");
        } catch (const EFileError&) {
            return; // unixODBC then does as it always did
        }
        const std::string& folder = FFolder->Path();
        // Where unixODBC would look: the folder ODBCSYSINI names (else /etc), holding odbc.ini
        // and the driver file ODBCINSTINI names (else odbcinst.ini).
        const std::string systemFolder =
            EnvironmentValue("ODBCSYSINI").empty() ? "/etc" : EnvironmentValue("ODBCSYSINI");
        const std::string driverFile = EnvironmentValue("ODBCINSTINI").empty()
                                           ? "odbcinst.ini"
                                           : EnvironmentValue("ODBCINSTINI");
        const bool made =
            WriteNewFile(folder + "/odbcinst.ini",
                         WithDriverLogsOff(ReadTextFile(systemFolder + "/" + driverFile)), 0600) &&
            WriteNewFile(folder + "/odbc.ini",
                         WithDriverLogsOff(ReadTextFile(systemFolder + "/odbc.ini")), 0600) &&
            WriteNewFile(folder + "/user-odbc.ini", "", 0400) &&
            ::setenv("ODBCSYSINI", folder.c_str(), 1) == 0 && ::unsetenv("ODBCINSTINI") == 0;
        if (!made) {
            FFolder.reset();
            return;
        }
        FStandIn = FFolder->File("user-odbc.ini");
    }

    /// The empty user DSN file; empty when the copies could not be made.
    const std::string& StandIn() const { return FStandIn; }

private:
    std::optional<TPrivateFolder> FFolder;
    std::string FStandIn;
};

} // namespace

std::string WithDriverLogsOff(const std::string& iniText) {
    std::string result;
    result.reserve(iniText.size());
    std::size_t start = 0;
    while (start < iniText.size()) {
        std::size_t end = iniText.find('\n', start);
        end = end == std::string::npos ? iniText.size() : end + 1;
        const std::string_view line(iniText.data() + start, end - start);
        const std::size_t equals = line.find('=');
        const std::string_view key = equals == std::string_view::npos
                                         ? std::string_view()
                                         : TrimView(line.substr(0, equals));
        if (SameTextAscii(key, "CommLog") || SameTextAscii(key, "Debug")) {
            result.append(line.substr(0, equals + 1));
            result += '0';
            result += line.back() == '\n'
                          ? (line.size() > 1 && line[line.size() - 2] == '\r' ? "\r\n" : "\n")
                          : "";
        } else {
            result.append(line);
        }
        start = end;
    }
    return result;
}

TOdbcConfigurationGuard::TOdbcConfigurationGuard() : FLock(ConfigurationMutex()) {
    static const TPrivateConfiguration configuration;
    const std::string& standIn = configuration.StandIn();
    if (standIn.empty()) {
        return;
    }
    // The user's own choice of DSN file: ODBCINI as the process was given it, or as it was set
    // since by anyone but us; else the file in the user's home, as unixODBC takes it.
    static std::optional<std::string> userChoice;
    if (const char* named = std::getenv("ODBCINI"); named == nullptr) {
        userChoice.reset();
    } else if (named != standIn) {
        userChoice = named;
    }
    std::string userFile;
    if (userChoice) {
        userFile = *userChoice;
    } else if (const passwd* account = ::getpwuid(::getuid());
               account != nullptr && account->pw_dir != nullptr) {
        userFile = std::string(account->pw_dir) + "/.odbc.ini";
    }
    if (!userFile.empty() && Exists(userFile)) {
        if (userChoice) {
            ::setenv("ODBCINI", userChoice->c_str(), 1);
        } else {
            ::unsetenv("ODBCINI");
        }
    } else {
        ::setenv("ODBCINI", standIn.c_str(), 1);
    }
}

} // namespace quorvane
