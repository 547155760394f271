#include "document/project_check.h"

#include "app/core/action_log.h"
#include "app/core/folders.h"
#include "document/record_limits.h"
#include "document/records.h"
#include "document/text_field.h"
#include "document/texts.h"

#include <cstring>
#include <exception>

namespace quiltara::document {
namespace {

using app::FileExistsQuiet;
using app::fileNamePart;
using app::joinPath;
using app::LogAction;

template <typename Record>
std::span<std::uint8_t> bytesOf(Record& record)
{
    return {reinterpret_cast<std::uint8_t*>(&record), sizeof record};
}

// A stored path the check looks at: longer than one character and no file of
// that name.
template <std::size_t N>
bool namesMissingFile(const char (&field)[N])
{
    const std::string path = textOf(field);
    return path.size() > 1 && !FileExistsQuiet(path);
}

class Checker {
public:
    Checker(RecordFile& file, bool repair, CheckResult& result)
        : m_file(file), m_repair(repair), m_result(result)
    {}

    void run()
    {
        if (!checkHeader())
            return;
        std::uint64_t position = sizeof(CollageHeader);
        for (int i = 0; i < m_header.NumSlots; ++i, position += sizeof(SCREENOBJECT))
            if (!checkRecord(i, position))
                return;
        checkStamps(position);
    }

private:
    void problem(std::string_view logName, const std::string& text)
    {
        LogAction(logName, text);
        m_result.problems.push_back(text);
    }

    bool refuse(const char* message, const std::string& why)
    {
        m_result.problems.push_back(why);
        m_result.opens = false;
        m_result.refusal = message;
        return false;
    }

    bool writeBack(std::uint64_t offset, std::span<const std::uint8_t> bytes)
    {
        if (!m_repair || m_file.writeAt(offset, bytes))
            return true;
        return refuse("", "the repair could not be written into the file");
    }

    bool checkHeader()
    {
        if (m_file.readAt(0, bytesOf(m_header)) < sizeof m_header)
            return refuse(texts::kHeaderCorrupt, "the header is cut short (" + std::to_string(m_file.size()) +
                                                     " bytes, a header has " +
                                                     std::to_string(sizeof(CollageHeader)) + ")");
        if (m_header.NumSlots < 0 || m_header.NumSlots > kMaxObjects)
            return refuse(texts::kRecordShortCheck,
                          "NumSlots " + std::to_string(m_header.NumSlots) + " is outside 0 ... 200");
        if (!canvasSideInRange(m_header.CanvasWidth) || !canvasSideInRange(m_header.CanvasHeight))
            return refuse(texts::kHeaderCorrupt, "the canvas size " + std::to_string(m_header.CanvasWidth) +
                                                     " x " + std::to_string(m_header.CanvasHeight) +
                                                     " is outside 1 ... 50000");
        m_name = textOf(m_header.CollageName);
        if (!isPlainFolderName(m_name))
            return refuse(texts::kHeaderCorrupt,
                          "CollageName \"" + m_name + "\" is not one plain folder name");

        LogAction("ValidateCollage", m_name);
        m_projectFolder = joinPath(app::DataFolder(), m_name);
        if (!app::FolderExistsQuiet(m_projectFolder))
            return refuse(texts::kProjectFolderMissing,
                          "the project folder " + m_projectFolder + " does not exist");

        bool dirty = false;
        if (soundZoom(m_header.Zoom) != m_header.Zoom) {
            problem("validateCollageFile", "Zoom " + std::to_string(m_header.Zoom) + " is read as 1.0");
            m_header.Zoom = 1.0f;
            dirty = true;
        }
        dirty |= checkTexture();
        return !dirty || writeBack(0, bytesOf(m_header));
    }

    // A texture from another installation: the file of the same name in the
    // program's TEXTURES folder, else in TEXTURES/Themes, else the TEXTURES
    // path all the same. A path that does not fit the field is not stored:
    // the texture counts as missing.
    bool checkTexture()
    {
        if (!namesMissingFile(m_header.BgTextureFile))
            return false;
        const std::string old = textOf(m_header.BgTextureFile);
        const std::string name = fileNamePart(old);
        const std::string inTextures = joinPath(app::programPath("TEXTURES"), name);
        const std::string inThemes = joinPath(app::programPath("TEXTURES/Themes"), name);
        const std::string replacement =
            FileExistsQuiet(inTextures) ? inTextures : (FileExistsQuiet(inThemes) ? inThemes : inTextures);
        if (replacement == old)
            return false;
        if (name.empty() || !storeTerminatedText(m_header.BgTextureFile, replacement)) {
            std::memset(m_header.BgTextureFile, 0, sizeof m_header.BgTextureFile);
            problem("validateCollageFile", "Background Texture is Missing! " + old);
        } else {
            problem("validateCollageFile", "Background Texture " + old + " is now " + replacement);
        }
        return true;
    }

    bool checkRecord(int slot, std::uint64_t position)
    {
        SCREENOBJECT record;
        if (m_file.readAt(position, bytesOf(record)) < sizeof record)
            return refuse(texts::kRecordShortCheck,
                          "the record of slot " + std::to_string(slot) + " is cut short");

        bool dirty = false;
        if (namesMissingFile(record.FileName)) {
            const std::string fileName = textOf(record.FileName);
            LogAction("validateCollageFile", "NOT FOUND .. will try data directory : " + fileName);
            const std::string copy = joinPath(m_projectFolder, fileNamePart(fileName));
            if (!FileExistsQuiet(copy)) {
                problem("validateCollageFile", "Collage Photo is Missing! " + copy);
                std::memset(record.FileName, 0, sizeof record.FileName);
                std::memset(record.MaskFileName, 0, sizeof record.MaskFileName);
                record.InUse = 0;
                record.Missing = 1;
                dirty = true;
            }
        }
        if (namesMissingFile(record.MaskFileName)) {
            const std::string inMasks =
                joinPath(app::programPath("MASKS"), fileNamePart(textOf(record.MaskFileName)));
            if (!FileExistsQuiet(inMasks)) {
                problem("validateCollageFile", "Collage Mask is Missing! " + inMasks);
                std::memset(record.MaskFileName, 0, sizeof record.MaskFileName);
                dirty = true;
            }
        }
        if (record.InUse && !isSoundLiveObject(record)) {
            problem("validateCollageFile", "the object in slot " + std::to_string(slot) + " (" +
                                               std::to_string(record.Width) + " x " +
                                               std::to_string(record.Height) + ") can not be shown");
            record.InUse = 0;
            record.Missing = 1;
            dirty = true;
        }
        const int points = clampedMaskPointCount(record.CustomMaskPointCount);
        if (points != record.CustomMaskPointCount) {
            problem("validateCollageFile",
                    "CustomMaskPointCount " + std::to_string(record.CustomMaskPointCount) + " in slot " +
                        std::to_string(slot) + " is read as " + std::to_string(points));
            record.CustomMaskPointCount = points;
            dirty = true;
        }
        return !dirty || writeBack(position, bytesOf(record));
    }

    void checkStamps(std::uint64_t position)
    {
        const std::uint64_t size = m_file.size();
        std::size_t count = 0;
        for (; position + sizeof(StampRecord) <= size && count < kMaxStamps;
             position += sizeof(StampRecord), ++count) {
            StampRecord stamp;
            if (m_file.readAt(position, bytesOf(stamp)) < sizeof stamp)
                return;
            if (!namesMissingFile(stamp.StampFile))
                continue;
            const std::string inStamps =
                joinPath(app::programPath("STAMPS"), fileNamePart(textOf(stamp.StampFile)));
            if (FileExistsQuiet(inStamps))
                continue;
            problem("validateCollageFile", "Rubber Stamp is Missing!" + inStamps);
            std::memset(stamp.StampFile, 0, sizeof stamp.StampFile);
            if (!writeBack(position, bytesOf(stamp)))
                return;
        }
        if (position + sizeof(StampRecord) <= size)
            m_result.problems.push_back("the stamp records beyond " + std::to_string(kMaxStamps) +
                                        " are ignored");
        else if (position < size)
            m_result.problems.push_back("the last " + std::to_string(size - position) +
                                        " bytes are not a whole stamp record and are ignored");
    }

    RecordFile& m_file;
    bool m_repair;
    CheckResult& m_result;
    CollageHeader m_header{};
    std::string m_name;
    std::string m_projectFolder;
};

} // namespace

CheckResult checkCollageFile(RecordFile& file, bool repair)
{
    CheckResult result;
    result.checked = true;
    try {
        Checker(file, repair, result).run();
    }
    catch (const std::exception& e) {
        app::LogError(e, texts::kValidateError);
        result.opens = true;
        result.refusal.clear();
    }
    return result;
}

CheckResult validateCollageFile(const std::string& path, bool repair)
{
    LogAction("validateCollageFile", path);
    using Access = DiskRecordFile::Access;
    DiskRecordFile file(path, repair ? Access::ReadWrite : Access::ReadOnly);
    if (file.isOpen())
        return checkCollageFile(file, repair);

    CheckResult result;
    if (!DiskRecordFile(path, Access::ReadOnly).isOpen()) {
        result.opens = false;
        result.refusal = texts::kFileUnreadable;
        result.problems.push_back(path + " is not a readable file");
    } else {
        result.problems.push_back("the file can not be written: it is opened without a check");
    }
    return result;
}

} // namespace quiltara::document
