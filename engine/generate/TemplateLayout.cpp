#include "generate/TemplateLayout.h"

#include <stdexcept>

namespace quorvane {

namespace {

constexpr TTemplateLayout Layout{
    "Midas_AppServer",
    "Midas_AppServer/EXE",
    "Midas_Client",
    {{
        {TTemplateRole::ServerUnit, "Midas_AppServer/rdmMain.pas", false},
        {TTemplateRole::ServerForm, "Midas_AppServer/rdmMain.dfm", false},
        {TTemplateRole::ClientUnit, "Midas_Client/dmClient.pas", false},
        {TTemplateRole::ClientForm, "Midas_Client/dmClient.dfm", false},
        {TTemplateRole::TableUnit, "Midas_Client/frmTableName.pas", true},
        {TTemplateRole::TableForm, "Midas_Client/frmTableName.dfm", true},
        {TTemplateRole::GridsUnit, "Midas_Client/frmTableGrids.pas", false},
        {TTemplateRole::GridsForm, "Midas_Client/frmTableGrids.dfm", false},
        {TTemplateRole::MainUnit, "Midas_Client/frmMain.pas", false},
        {TTemplateRole::MainForm, "Midas_Client/frmMain.dfm", false},
        {TTemplateRole::ClientProject, "Midas_Client/Midas_Client.dpr", false},
    }},
};

} // namespace

const TTemplateLayout& ProjectLayout() {
    return Layout;
}

const TLayoutFile& TTemplateLayout::File(TTemplateRole role) const {
    for (const TLayoutFile& file : Files) {
        if (file.Role == role) {
            return file;
        }
    }
    throw std::logic_error("The template layout has no file of this role.");
}

std::string TTemplateLayout::OutputPath(TTemplateRole role, std::string_view formUnit) const {
    const TLayoutFile& file = File(role);
    if (!file.PerTable) {
        return std::string(file.Path);
    }
    const std::size_t slash = file.Path.rfind('/');
    const std::size_t dot = file.Path.rfind('.');
    std::string path(file.Path.substr(0, slash + 1));
    path.append(formUnit).append(file.Path.substr(dot));
    return path;
}

std::string TTemplateLayout::ClientPath(std::string_view name) const {
    std::string path(ClientFolder);
    path.append("/").append(name);
    return path;
}

} // namespace quorvane
