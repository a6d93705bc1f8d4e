#pragma once

// Firebird databases for the tests, made by Debian's isql-fb (firebird3.0-utils) through the
// embedded engine or on a server, and the lock folder the embedded engine needs, kept in a
// temporary folder of the test process so that a test run leaves nothing behind.

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace quorvane::testing {

/// isql-fb, or "" when it is not installed.
inline std::string IsqlProgram() {
    for (const char* candidate : {"/usr/bin/isql-fb", "/usr/local/bin/isql-fb"}) {
        if (std::filesystem::exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

/// Skips the test when isql-fb is missing, or fails it on CI.
#define QUORVANE_REQUIRE_ISQL()                                                                    \
    if (::quorvane::testing::IsqlProgram().empty()) {                                              \
        if (std::getenv("CI") != nullptr) {                                                        \
            FAIL() << "CI is set but isql-fb is missing (install firebird3.0-utils)";              \
        }                                                                                          \
        GTEST_SKIP() << "isql-fb is not installed (firebird3.0-utils): no Firebird database";      \
    }

inline std::string ShellWord(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct TCommandResult {
    int Status = -1;
    std::string Output; ///< standard output and error together
};

inline TCommandResult RunCommand(const std::string& command) {
    TCommandResult result;
    if (FILE* pipe = ::popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.Output.append(buffer, count);
        }
        const int status = ::pclose(pipe);
        result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return result;
}

/// Runs `script` through isql-fb, echoing each statement (-e); `arguments` come before the
/// script (a database to connect to, -user, -password). With `stopAtError` isql-fb stops at the
/// first failed statement and this throws with its output.
inline std::string RunIsql(const std::string& script,
                           const std::vector<std::string>& arguments = {},
                           bool stopAtError = true) {
    const TTempDir folder;
    const std::string scriptFile = folder.File("script.sql");
    WriteFile(scriptFile, script);
    std::string command = ShellWord(IsqlProgram()) + " -q -e" + (stopAtError ? " -b" : "");
    for (const std::string& argument : arguments) {
        command += ' ';
        command += ShellWord(argument);
    }
    command += " -i ";
    command += ShellWord(scriptFile);
    const TCommandResult result = RunCommand(command);
    if (stopAtError && result.Status != 0) {
        throw std::runtime_error("isql-fb failed:\n" + result.Output);
    }
    return result.Output;
}

/// Makes the Firebird database file `path` through the embedded engine, with the default
/// character set `characterSet`, and runs `script` in it.
inline void CreateEmbeddedDatabase(const std::string& path, const std::string& script,
                                   const std::string& characterSet = "NONE") {
    RunIsql("SET SQL DIALECT 3;\nCREATE DATABASE '" + path + "' DEFAULT CHARACTER SET " +
            characterSet + ";\n" + script + "\nCOMMIT;\n");
}

/// The embedded engine's lock folder: a temporary one for the whole test process (FIREBIRD_LOCK
/// is read once, when the engine starts), so that no test leaves lock files in /tmp/firebird or
/// in the user's own folder. isql-fb and quorvane-gen started by the tests inherit it.
class TFirebirdLockFolder : public ::testing::Environment {
public:
    void SetUp() override {
        FFolder = std::make_unique<TTempDir>();
        ::setenv("FIREBIRD_LOCK", FFolder->File("lock").c_str(), 1);
        std::filesystem::create_directories(FFolder->File("lock"));
    }
    void TearDown() override { FFolder.reset(); }

private:
    std::unique_ptr<TTempDir> FFolder;
};

} // namespace quorvane::testing
