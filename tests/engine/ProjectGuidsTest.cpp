// Fresh GUIDs for a generated server: their layout, how the template's are found in its files
// and replaced in every spelling, and what a template's server gets from a renewal.

#include "generate/ProjectGuids.h"
#include "TempDir.h"
#include "text/StringUtils.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

const std::regex RandomGuid("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");

TEST(ProjectGuidsTest, FreshGuidsAreRandomVersionFourGuids) {
    std::set<std::string> seen;
    for (int count = 0; count < 200; ++count) {
        const std::string guid = NewGuid();
        EXPECT_TRUE(std::regex_match(guid, RandomGuid)) << guid;
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 200u);
    // Every hexadecimal digit outside the fixed ones turns up somewhere: the bytes are not
    // stuck, as they would be from a source that gave the same few values.
    std::set<char> digits;
    for (const std::string& guid : seen) {
        digits.insert(guid.begin(), guid.end());
    }
    EXPECT_EQ(digits.size(), 17u); // 0-9, A-F and the hyphen
}

TEST(ProjectGuidsTest, GuidsAreFoundWhereTheyStandOnTheirOwn) {
    const std::string text =
        "uuid(4be9c1fb-289e-4d24-b2c8-a10e5ee4396a),\n"
        "  IID: TGUID = '{8C3FF414-1F76-4DF4-AC1E-632171A43419}';\n"
        "<ProjectGuid>{4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A}</ProjectGuid>\n"
        // Not GUIDs: within a word, a digit too many or too few, a group of other length.
        "x4BE9C1FB-289E-4D24-B2C8-A10E5EE43960 4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A0\n"
        "4BE9C1F-289E-4D24-B2C8-A10E5EE4396A 4BE9C1FB-289E4-D24-B2C8-A10E5EE4396A\n"
        "DC9CB16B-EBD9-4EF5-BAD3-534930DF5EB1";
    EXPECT_EQ(GuidsIn(text), (std::vector<std::string>{"4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A",
                                                       "8C3FF414-1F76-4DF4-AC1E-632171A43419",
                                                       "DC9CB16B-EBD9-4EF5-BAD3-534930DF5EB1"}));
    EXPECT_TRUE(GuidsIn("").empty());
    EXPECT_TRUE(GuidsIn("no GUID here").empty());
}

TEST(ProjectGuidsTest, ARenewalReplacesEachGuidByItsOwnInEverySpelling) {
    TGuidRenewal renewal;
    EXPECT_TRUE(renewal.Empty());
    renewal.Renew("4be9c1fb-289e-4d24-b2c8-a10e5ee4396a");
    renewal.Renew("4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A"); // the same one: keeps its value
    renewal.Renew("8C3FF414-1F76-4DF4-AC1E-632171A43419");
    const std::string library = renewal.NewValueOf("4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A");
    const std::string iface = renewal.NewValueOf("8c3ff414-1f76-4df4-ac1e-632171a43419");
    ASSERT_TRUE(std::regex_match(library, RandomGuid)) << library;
    ASSERT_TRUE(std::regex_match(iface, RandomGuid)) << iface;
    EXPECT_NE(library, iface);
    EXPECT_EQ(renewal.NewValueOf("DC9CB16B-EBD9-4EF5-BAD3-534930DF5EB1"), "");

    const std::string text = "uuid(4be9c1fb-289e-4d24-b2c8-a10e5ee4396a),\r\n"
                             "  LIBID: TGUID = '{4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A}';\r\n"
                             "    ['{8C3FF414-1F76-4DF4-AC1E-632171A43419}']\r\n"
                             "  CLASS: TGUID = '{DC9CB16B-EBD9-4EF5-BAD3-534930DF5EB1}';\r\n"
                             "x4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A";
    EXPECT_EQ(renewal.Apply(text), "uuid(" + LowerCaseAscii(library) +
                                       "),\r\n"
                                       "  LIBID: TGUID = '{" +
                                       library +
                                       "}';\r\n"
                                       "    ['{" +
                                       iface +
                                       "}']\r\n"
                                       "  CLASS: TGUID = '{DC9CB16B-EBD9-4EF5-BAD3-534930DF5EB1}';"
                                       "\r\n"
                                       "x4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A");
    EXPECT_EQ(TGuidRenewal{}.Apply(text), text);

    // A compiled type library keeps the first three groups as little-endian numbers.
    const std::string binary("\x00\x01\xFB\xC1\xE9\x4B\x9E\x28\x24\x4D\xB2\xC8\xA1\x0E\x5E\xE4"
                             "\x39\x6A\x02",
                             19);
    EXPECT_TRUE(renewal.HeldInBinary(binary));
    EXPECT_FALSE(renewal.HeldInBinary(std::string(binary).replace(2, 1, "\xFC")));
}

// The relative paths and bytes of the regular files below `root`.
std::map<std::string, std::string> FilesBelow(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).generic_string()] =
                ReadFile(entry.path().string());
        }
    }
    return files;
}

TEST(ProjectGuidsTest, TheTemplatesServerGetsFreshGuidsWhereverItSpellsThem) {
    for (const char* name : {"MidasProject", "MidasProject-dbExpress"}) {
        const fs::path templateDir = fs::path(QUORVANE_SOURCE_DIR) / "templates" / name;
        const TGuidRewrite rewrite = RenewTemplateGuids(templateDir);
        EXPECT_TRUE(rewrite.Warnings.empty());
        std::map<std::string, std::string> rewritten(rewrite.Files.begin(), rewrite.Files.end());
        // The type library's source, its Pascal view and the project file: the library, the
        // interface, the class and the project.
        std::set<std::string> paths;
        for (const auto& [path, bytes] : rewritten) {
            paths.insert(path);
        }
        EXPECT_EQ(paths, (std::set<std::string>{"Midas_AppServer/Midas_AppServer.dproj",
                                                "Midas_AppServer/Midas_AppServer.ridl",
                                                "Midas_AppServer/Midas_AppServer_TLB.pas"}))
            << name;

        const std::map<std::string, std::string> original = FilesBelow(templateDir);
        std::set<std::string> templateGuids;
        for (const auto& [path, bytes] : original) {
            for (const std::string& guid : GuidsIn(bytes)) {
                templateGuids.insert(guid);
            }
        }
        ASSERT_EQ(templateGuids.size(), 4u) << name;
        for (const auto& [path, bytes] : rewritten) {
            const std::string& before = original.at(path);
            // Each old GUID gives way to its own fresh one, and nothing else changes.
            std::string restored = bytes;
            for (const std::string& guid : templateGuids) {
                const std::string fresh = rewrite.Guids.NewValueOf(guid);
                ASSERT_TRUE(std::regex_match(fresh, RandomGuid));
                EXPECT_EQ(bytes.find(guid), std::string::npos) << path;
                restored = ReplaceAll(restored, fresh, guid);
            }
            EXPECT_EQ(restored, before) << path;
        }
        // The .ridl and the _TLB.pas agree on each GUID, as the type library editor needs.
        const auto ridl = GuidsIn(rewritten.at("Midas_AppServer/Midas_AppServer.ridl"));
        const auto pascal = GuidsIn(rewritten.at("Midas_AppServer/Midas_AppServer_TLB.pas"));
        EXPECT_EQ(ridl.size(), 3u);
        EXPECT_EQ(std::set<std::string>(ridl.begin(), ridl.end()),
                  std::set<std::string>(pascal.begin(), pascal.end()));
    }
}

TEST(ProjectGuidsTest, AClientThatNamesItsServersClassFollowsIt) {
    TTempDir folder;
    const fs::path templateDir = folder.Path() / "MidasProject";
    const std::string clsid = "DC9CB16B-EBD9-4EF5-BAD3-534930DF5EB1";
    WriteFile((templateDir / "Midas_AppServer/Server_TLB.pas").string(),
              "CLASS_Server: TGUID = '{" + clsid + "}';\r\n");
    WriteFile((templateDir / "Midas_Client/EXE/Config.ini").string(),
              "ServerGUID={" + LowerCaseAscii(clsid) + "}\r\n");
    // The client's own project GUID is no server's: it stays.
    WriteFile((templateDir / "Midas_Client/Client.dproj").string(),
              "<ProjectGuid>{11111111-2222-4333-8444-555555555555}</ProjectGuid>\r\n");
    // The server module the run writes itself is not among the files; its text is renewed.
    WriteFile((templateDir / "Midas_AppServer/rdmMain.pas").string(), "// " + clsid + "\r\n");
    // A compiled type library cannot be rewritten: it is named.
    std::string library("MSFT\0\0", 6);
    library += "\x6B\xB1\x9C\xDC\xD9\xEB\xF5\x4E\xBA\xD3\x53\x49\x30\xDF\x5E\xB1";
    WriteFile((templateDir / "Midas_AppServer/Server.tlb").string(), library);

    const TGuidRewrite rewrite = RenewTemplateGuids(templateDir);
    const std::string fresh = rewrite.Guids.NewValueOf(clsid);
    ASSERT_FALSE(fresh.empty());
    EXPECT_EQ(
        rewrite.Files,
        (std::vector<std::pair<std::string, std::string>>{
            {"Midas_AppServer/Server_TLB.pas", "CLASS_Server: TGUID = '{" + fresh + "}';\r\n"},
            {"Midas_Client/EXE/Config.ini", "ServerGUID={" + LowerCaseAscii(fresh) + "}\r\n"},
        }));
    EXPECT_EQ(rewrite.Warnings,
              std::vector<std::string>{
                  "Midas_AppServer/Server.tlb: holds the template's GUIDs in binary form, which "
                  "the run leaves as they are; compile it anew from its source, or keep the "
                  "template's GUIDs (--project-guids template)"});

    TTemplateSet templates;
    templates.ServerUnit.Text = "// " + clsid + "\r\n";
    templates.ClientForm.FormHead = "ServerGUID = '{" + clsid + "}'\r\n";
    ApplyGuidRenewal(rewrite.Guids, templates);
    EXPECT_EQ(templates.ServerUnit.Text, "// " + fresh + "\r\n");
    EXPECT_EQ(templates.ClientForm.FormHead, "ServerGUID = '{" + fresh + "}'\r\n");

    // A template whose server spells no GUID has nothing to renew.
    fs::remove_all(templateDir / "Midas_AppServer");
    fs::create_directories(templateDir / "Midas_AppServer");
    const TGuidRewrite none = RenewTemplateGuids(templateDir);
    EXPECT_TRUE(none.Guids.Empty());
    EXPECT_TRUE(none.Files.empty());
}

} // namespace
} // namespace quorvane
