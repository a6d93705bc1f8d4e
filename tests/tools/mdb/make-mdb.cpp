// make-mdb SCHEMA.txt OUTPUT.mdb
//
// Writes an empty Access 2000 (Jet 4) database holding the tables and stored queries that a
// schema text describes (its format: MdbSchemaText.h).

#include "MdbSchemaText.h"

#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make-mdb SCHEMA.txt OUTPUT.mdb\n";
        return 2;
    }
    try {
        std::ifstream schema(argv[1]);
        if (!schema) {
            throw std::runtime_error(std::string("cannot read ") + argv[1]);
        }
        const quorvane::testing::TAccessSchema parsed =
            quorvane::testing::ParseAccessSchema(schema, argv[1]);
        quorvane::testing::WriteJet4Database(argv[2], parsed.Tables, parsed.Queries);
    } catch (const std::exception& error) {
        std::cerr << "make-mdb: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
