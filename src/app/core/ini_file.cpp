#include "app/core/ini_file.h"

// Only narrow strings are used: no wide-character converter is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION // Debian's header keeps the template bodies behind this
#include <SimpleIni.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

namespace quiltara::app {

struct IniFile::Data {
    CSimpleIniA ini{false, false, false}; // case-insensitive, single keys, single lines
};

namespace {

std::string zeroTerminated(std::string_view view)
{
    return std::string(view);
}

// The file's bytes, or nothing when it is missing, not a regular file,
// unreadable or too large.
std::optional<std::string> readWholeFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > IniFile::kMaxFileSize)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[8192];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > IniFile::kMaxFileSize)
            return std::nullopt; // grew while being read
    }
    return bytes;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::optional<int> parseIniInteger(std::string_view value)
{
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (!value.empty() && value.front() == '$') {
        base = 16;
        value.remove_prefix(1);
    } else if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        base = 16;
        value.remove_prefix(2);
    }
    if (value.empty())
        return std::nullopt;
    // Digits only: from_chars would accept a second sign.
    for (const char c : value)
        if (!(c >= '0' && c <= '9') && !(base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))))
            return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), magnitude, base);
    if (error != std::errc() || end != value.data() + value.size() || magnitude > 0xFFFFFFFFull)
        return std::nullopt;
    if (base == 16) {
        // "$FFFFFFFF" is -1, as the INI routines read it.
        const auto bits =
            static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude)));
        const std::int64_t signedBits = negative ? -bits : bits;
        if (signedBits > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(signedBits);
    }
    const std::int64_t signedValue =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(signedValue);
}

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string temporary = path + ".XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    temporary = name.data();
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    // mkstemp makes the file private; a settings file is as readable as
    // any other file the user writes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

IniFile::IniFile(std::string path) : m_path(std::move(path)), m_data(std::make_unique<Data>())
{
    m_data->ini.SetSpaces(false); // "key=value", as the platform's INI routines write it
    if (const auto bytes = readWholeFile(m_path))
        if (m_data->ini.LoadData(bytes->data(), bytes->size()) < 0)
            m_data->ini.Reset();
}

IniFile::IniFile(std::string path, std::string_view text)
    : m_path(std::move(path)), m_data(std::make_unique<Data>())
{
    m_data->ini.SetSpaces(false);
    if (text.size() <= kMaxFileSize && m_data->ini.LoadData(text.data(), text.size()) < 0)
        m_data->ini.Reset();
}

IniFile::~IniFile() = default;

bool IniFile::hasKey(std::string_view section, std::string_view key) const
{
    return m_data->ini.GetValue(zeroTerminated(section).c_str(), zeroTerminated(key).c_str(), nullptr) !=
           nullptr;
}

std::size_t IniFile::keyCount(std::string_view section) const
{
    const int count = m_data->ini.GetSectionSize(zeroTerminated(section).c_str());
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const
{
    const char* value =
        m_data->ini.GetValue(zeroTerminated(section).c_str(), zeroTerminated(key).c_str(), nullptr);
    return value ? std::string(value) : std::string(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const
{
    const char* value =
        m_data->ini.GetValue(zeroTerminated(section).c_str(), zeroTerminated(key).c_str(), nullptr);
    if (!value)
        return fallback;
    return parseIniInteger(value).value_or(fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    // One line per key: what follows a line break would turn into a bogus
    // key of its own, and a reader only ever got the first line back.
    const std::string line(value.substr(0, value.find_first_of("\r\n")));
    m_data->ini.SetValue(zeroTerminated(section).c_str(), zeroTerminated(key).c_str(), line.c_str());
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

std::string IniFile::text() const
{
    std::string bytes;
    if (m_data->ini.Save(bytes) < 0)
        bytes.clear();
    return bytes;
}

bool IniFile::save() const
{
    std::string bytes;
    if (m_data->ini.Save(bytes) < 0)
        return false;
    return writeFileAtomically(m_path, bytes);
}

} // namespace quiltara::app
