#pragma once

// A small project template holding every file a run reads, with the placeholders where a project
// template has them, and the select texts a run wrote into its server module.

#include "TempDir.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace quorvane::testing {

inline void WriteMiniTemplate(const std::filesystem::path& root) {
    const std::string server = (root / "Midas_AppServer").string();
    const std::string client = (root / "Midas_Client").string();
    WriteFile(server + "/rdmMain.pas", "uses DB, ADODB, Provider;\r\ntype\r\n  TRDM = class\r\n"
                                       "    DBConnection: TADOConnection;\r\n"
                                       "{#DataComponentList}\r\n  end;\r\n");
    WriteFile(server + "/rdmMain.dfm",
              "object RDM: TRDM\r\n  object DBConnection: TADOConnection\r\n  end\r\nend\r\n");
    WriteFile(server + "/EXE/Database.udl", "placeholder");
    WriteFile(client + "/dmClient.pas", "{#DataComponentList}\r\n");
    WriteFile(client + "/dmClient.dfm", "object DM: TDM\r\nend\r\n");
    WriteFile(client + "/frmTableName.pas",
              "unit frmTableName;\r\n  TTableName_Frm = class\r\n{#DataComponentList}\r\n");
    WriteFile(client + "/frmTableName.dfm", "object TableName_Frm: TTableName_Frm\r\nend\r\n");
    WriteFile(client + "/frmTableGrids.pas", "unit frmTableGrids; // last: TableName\r\n");
    WriteFile(client + "/frmTableGrids.dfm", "object TableGrids_Frm: TTableGrids_Frm\r\nend\r\n");
    WriteFile(client + "/frmMain.pas", "uses dmClient{#FormUnitList};\r\n{#ButtonList}\r\n");
    WriteFile(client + "/frmMain.dfm", "object Main_Frm: TMain_Frm\r\nend\r\n");
    WriteFile(client + "/Midas_Client.dpr", "{#FormUnitFileList}\r\n{#FormCreateCodeList}\r\n");
    WriteFile(client + "/Readme.txt", "copied unchanged");
}

/// The text a form-file string value stands for: 'quoted' parts with doubled apostrophes and
/// #code characters, joined; a code point above 127 comes back as UTF-8.
inline std::string DfmStringValue(const std::string& value) {
    std::string text;
    for (std::size_t at = 0; at < value.size();) {
        if (value[at] == '\'') {
            for (++at; at < value.size(); ++at) {
                if (value[at] == '\'') {
                    if (at + 1 < value.size() && value[at + 1] == '\'') {
                        text += '\'';
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                text += value[at];
            }
        } else if (value[at] == '#') {
            std::size_t end = at + 1;
            while (end < value.size() && value[end] >= '0' && value[end] <= '9') {
                ++end;
            }
            const unsigned long code = std::stoul(value.substr(at + 1, end - at - 1));
            if (code < 0x80) {
                text += static_cast<char>(code);
            } else if (code < 0x800) {
                text += static_cast<char>(0xC0 | (code >> 6));
                text += static_cast<char>(0x80 | (code & 0x3F));
            } else if (code < 0x10000) {
                text += static_cast<char>(0xE0 | (code >> 12));
                text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                text += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                text += static_cast<char>(0xF0 | (code >> 18));
                text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
                text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                text += static_cast<char>(0x80 | (code & 0x3F));
            }
            at = end;
        } else {
            ++at; // the blanks and "+" between the parts of a long value
        }
    }
    return text;
}

/// The select texts of a server module's form file, in file order.
inline std::vector<std::string> SelectTextsOf(const std::string& formFile) {
    std::vector<std::string> selects;
    std::istringstream lines(ReadFile(formFile));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        for (const std::string key : {"    SQL.Strings = (", "    CommandText = "}) {
            if (line.rfind(key, 0) == 0) {
                std::string value = line.substr(key.size());
                if (key.back() == '(' && !value.empty() && value.back() == ')') {
                    value.pop_back();
                }
                selects.push_back(DfmStringValue(value));
            }
        }
    }
    return selects;
}

} // namespace quorvane::testing
