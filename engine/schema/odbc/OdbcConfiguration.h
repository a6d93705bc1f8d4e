#pragma once

#include <mutex>
#include <string>

namespace quorvane {

/// Keeps unixODBC and its drivers from leaving files of their own outside the output:
/// - unixODBC creates the user's DSN file (~/.odbc.ini, or the file ODBCINI names) whenever it
///   looks a DSN up and the file is missing;
/// - Debian's entries for the PostgreSQL driver turn its communication log on for the whole
///   driver, and the driver then writes a /tmp/psqlodbc_*.log for every connection, whatever
///   the connection's own setting says when it closes.
/// While a guard lives, unixODBC reads the system's driver and DSN entries from copies of this
/// process's own, with every driver log turned off, and a missing user DSN file is replaced by
/// an empty file of ours. A user DSN file that exists stays in use as it is. The copies are made
/// once per process, before its first connection (unixODBC keeps the system folder it was first
/// given), and removed when the process ends. The environment is the process's: one guard at a
/// time.
class TOdbcConfigurationGuard {
public:
    TOdbcConfigurationGuard();
    TOdbcConfigurationGuard(const TOdbcConfigurationGuard&) = delete;
    TOdbcConfigurationGuard& operator=(const TOdbcConfigurationGuard&) = delete;

private:
    std::lock_guard<std::mutex> FLock;
};

/// The text of an ODBC ini file with every driver log setting ("CommLog", "Debug") turned off;
/// every other line as it stands.
std::string WithDriverLogsOff(const std::string& iniText);

} // namespace quorvane
