#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quiltara::app {

// The program folder: the folder of the running executable, fixed once at
// start-up. Every file beside the program (settings, log, resource folders)
// is named relative to it. Tests may set it.
const std::string& ProgramFolder();
void setProgramFolder(std::string folder);
// The folder that holds the running executable, from /proc/self/exe.
std::string executableFolder();

// A path below the program folder. Folder names are matched without regard
// to letter case ("TEXTURES", "Textures" and "textures" find the same folder);
// when nothing matches, the name is returned as given.
std::string programPath(std::string_view relative);

// The user's documents and pictures folders (the XDG user folders, with the
// usual fall-backs below the home folder); empty when the home folder is
// unknown.
std::string DocumentsFolder();
std::string PicturesFolder();

// The workspace: "Quiltara Projects" in the documents folder, built afresh
// on every call.
std::string WorkspaceRoot();
std::string CollagesFolder(); // WorkspaceRoot/Collages
std::string DataFolder();     // WorkspaceRoot/data
std::string TempDataFolder(); // WorkspaceRoot/data/temp

// Creates the workspace tree one level at a time: the root, Collages, data,
// data/temp and data/temp/Textures. Existing folders and failures are
// ignored; later steps report what they cannot find.
void CreateWorkspaceFolders();

// Existence tests that never throw and never prompt.
bool FileExistsQuiet(const std::string& path);
bool FolderExistsQuiet(const std::string& path);

// Available physical memory in bytes (MemAvailable); 0 when unknown.
std::uint64_t AvailablePhysicalMemory();

// The help page file for a page name: program folder + "/help/" + page + ".htm".
std::string helpPagePath(std::string_view page);

// Joins a folder and a name with one '/'.
std::string joinPath(std::string_view folder, std::string_view name);

// The file-name part of a stored path: what follows the last '/', '\\' or
// ':'. Paths written on other platforms use '\\'.
std::string fileNamePart(std::string_view path);

} // namespace quiltara::app
