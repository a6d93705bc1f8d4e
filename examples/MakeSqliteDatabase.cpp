// Builds a SQLite database file from a SQL script: make-sqlite-database SCRIPT.sql OUT.sqlite.
// The sample database is kept as a script so that it reads (and diffs) as text.

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make-sqlite-database SCRIPT.sql OUTPUT.sqlite\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "make-sqlite-database: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string script((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    const std::string output = argv[2];
    const std::string temporary = output + ".part";
    std::remove(temporary.c_str());

    sqlite3* raw = nullptr;
    const int opened = sqlite3_open(temporary.c_str(), &raw);
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> database(raw, &sqlite3_close);
    if (opened != SQLITE_OK) {
        std::cerr << "make-sqlite-database: " << sqlite3_errmsg(raw) << "\n";
        return 1;
    }
    char* message = nullptr;
    if (sqlite3_exec(database.get(), script.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::cerr << "make-sqlite-database: " << argv[1] << ": " << (message ? message : "error")
                  << "\n";
        sqlite3_free(message);
        return 1;
    }
    database.reset();
    if (std::rename(temporary.c_str(), output.c_str()) != 0) {
        std::cerr << "make-sqlite-database: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
