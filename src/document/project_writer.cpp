#include "document/project_writer.h"

#include "app/core/action_log.h"
#include "document/atomic_file.h"
#include "document/record_limits.h"
#include "document/texts.h"

#include <algorithm>
#include <cstring>

namespace quiltara::document {
namespace {

template <typename Record>
void append(std::vector<std::uint8_t>& bytes, const Record& record)
{
    const auto* first = reinterpret_cast<const std::uint8_t*>(&record);
    bytes.insert(bytes.end(), first, first + sizeof record);
}

} // namespace

std::vector<std::uint8_t> encodeCollage(const Collage& collage)
{
    const int slots = std::clamp(collage.NumSlots, 0, kMaxObjects);
    const std::size_t stamps = std::min<std::size_t>(collage.Stamps.size(), kMaxStamps);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(sizeof(CollageHeader) + slots * sizeof(SCREENOBJECT) + stamps * sizeof(StampRecord));

    CollageHeader header = collage.header();
    clearReferences(header);
    header.NumStamps = static_cast<std::int32_t>(stamps);
    append(bytes, header);
    for (int i = 0; i < slots; ++i) {
        SCREENOBJECT record{};
        if (collage.Objects[static_cast<std::size_t>(i)])
            record = collage.object(i).record();
        clearReferences(record);
        append(bytes, record);
    }
    for (std::size_t i = 0; i < stamps; ++i)
        append(bytes, collage.Stamps[i]);
    return bytes;
}

void SaveCollage(Collage& collage, const std::string& path)
{
    app::LogAction("SaveCollage", path);
    std::memcpy(collage.VersionText, texts::kVersionText, sizeof collage.VersionText);
    collage.NumStamps = static_cast<std::int32_t>(std::min<std::size_t>(collage.Stamps.size(), kMaxStamps));
    replaceFileContents(path, encodeCollage(collage));
}

} // namespace quiltara::document
