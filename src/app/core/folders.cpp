#include "app/core/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>

namespace quiltara::app {
namespace {

std::string g_programFolder;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeFolder()
{
    return environment("HOME");
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The entry of folder whose name equals name apart from letter case; the
// exact name wins when it exists.
std::string matchEntry(const std::string& folder, std::string_view name)
{
    const std::string exact = joinPath(folder, name);
    struct stat info {};
    if (::stat(exact.c_str(), &info) == 0)
        return std::string(name);
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return std::string(name);
    std::string found(name);
    while (const dirent* entry = ::readdir(dir)) {
        if (equalsIgnoringCase(entry->d_name, name)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

// Reads XDG_<KEY>_DIR from the user-dirs.dirs file, as the desktop writes it:
// XDG_DOCUMENTS_DIR="$HOME/Documents".
std::string xdgUserDir(std::string_view key)
{
    const std::string home = homeFolder();
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() && !home.empty())
        config = home + "/.config";
    std::ifstream in(config + "/user-dirs.dirs");
    const std::string wanted = "XDG_" + std::string(key) + "_DIR";
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos || line.substr(0, eq) != wanted)
            continue;
        std::string value = line.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        if (!value.empty() && value != home && value != home + "/")
            return value;
        return {};
    }
    return {};
}

std::string userFolder(std::string_view key, std::string_view fallbackName)
{
    const std::string home = homeFolder();
    if (home.empty())
        return {};
    std::string folder = xdgUserDir(key);
    if (folder.empty())
        folder = joinPath(home, fallbackName);
    return folder;
}

} // namespace

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string fileNamePart(std::string_view path)
{
    const auto cut = path.find_last_of("/\\:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

const std::string& ProgramFolder()
{
    return g_programFolder;
}

void setProgramFolder(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    g_programFolder = std::move(folder);
}

std::string executableFolder()
{
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0)
        return ".";
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

std::string programPath(std::string_view relative)
{
    std::string path = g_programFolder;
    std::size_t start = 0;
    while (start <= relative.size()) {
        auto end = relative.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = relative.size();
        const std::string_view part = relative.substr(start, end - start);
        if (!part.empty())
            path = joinPath(path, matchEntry(path, part));
        start = end + 1;
    }
    return path;
}

std::string DocumentsFolder()
{
    return userFolder("DOCUMENTS", "Documents");
}

std::string PicturesFolder()
{
    return userFolder("PICTURES", "Pictures");
}

std::string WorkspaceRoot()
{
    return joinPath(DocumentsFolder(), "Quiltara Projects");
}

std::string CollagesFolder()
{
    return joinPath(WorkspaceRoot(), "Collages");
}

std::string DataFolder()
{
    return joinPath(WorkspaceRoot(), "data");
}

std::string TempDataFolder()
{
    return joinPath(DataFolder(), "temp");
}

void CreateWorkspaceFolders()
{
    const std::string documents = DocumentsFolder();
    if (!documents.empty())
        ::mkdir(documents.c_str(), 0755); // the documents folder itself may not exist yet
    for (const std::string& folder : {WorkspaceRoot(), CollagesFolder(), DataFolder(), TempDataFolder(),
                                      joinPath(TempDataFolder(), "Textures")})
        ::mkdir(folder.c_str(), 0755);
}

bool FileExistsQuiet(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderExistsQuiet(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::uint64_t AvailablePhysicalMemory()
{
    std::ifstream in("/proc/meminfo");
    std::string key;
    std::uint64_t value = 0;
    std::string unit;
    while (in >> key >> value) {
        std::getline(in, unit);
        if (key == "MemAvailable:")
            return value * 1024;
    }
    return 0;
}

std::string helpPagePath(std::string_view page)
{
    return joinPath(programPath("help"), std::string(page) + ".htm");
}

} // namespace quiltara::app
