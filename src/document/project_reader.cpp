#include "document/project_reader.h"

#include "app/core/action_log.h"
#include "document/record_limits.h"
#include "document/text_field.h"
#include "document/texts.h"
#include "document/view_geometry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>

namespace quiltara::document {
namespace {

template <typename Record>
void copyRecord(std::span<const std::uint8_t> bytes, Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    std::memcpy(&record, bytes.data(), sizeof record);
}

bool headerIsSound(const CollageHeader& h)
{
    return canvasSideInRange(h.CanvasWidth) && canvasSideInRange(h.CanvasHeight) && h.NumSlots >= 0 &&
           h.NumSlots <= kMaxObjects && isPlainFolderName(textOf(h.CollageName));
}

// What a damaged header leaves: an empty collage of the start-up size.
void resetToEmptyHeader(Collage& collage)
{
    const Collage fresh;
    collage.header() = fresh.header();
    collage.CanvasWidth = collage.ZoomedWidth = kEmptyCanvasWidth;
    collage.CanvasHeight = collage.ZoomedHeight = kEmptyCanvasHeight;
}

void makeHeaderSafe(Collage& collage)
{
    clearReferences(collage.header());
    collage.Zoom = soundZoom(collage.Zoom);
    collage.ZoomedWidth = zoomTrunc(collage.CanvasWidth, collage.Zoom);
    collage.ZoomedHeight = zoomTrunc(collage.CanvasHeight, collage.Zoom);
    collage.SelRect = soundViewRect(collage.SelRect);
    collage.LastRubberRect = soundViewRect(collage.LastRubberRect);
    collage.DragStartRect = soundViewRect(collage.DragStartRect);
}

void makeRecordSafe(ScreenObject& o, int slot)
{
    clearReferences(o.record());
    o.CustomMaskPointCount = clampedMaskPointCount(o.CustomMaskPointCount);
    if (!o.InUse)
        return;
    if (!isSoundLiveObject(o)) {
        app::LogAction("NewCollage", "object of unusable size taken out, SelIndex " + std::to_string(slot));
        o.InUse = 0;
        o.Missing = 1;
        return;
    }
    o.Bounds = {o.Left, o.Top, o.Left + o.Width, o.Top + o.Height};
}

} // namespace

std::vector<std::string> readCollage(std::span<const std::uint8_t> bytes, Collage& collage)
{
    std::vector<std::string> messages;
    bytes = bytes.first(std::min(bytes.size(), kMaxCollageFileBytes));

    bool headerUsable = bytes.size() >= sizeof(CollageHeader);
    if (headerUsable) {
        copyRecord(bytes, collage.header());
        headerUsable = headerIsSound(collage);
    }
    if (!headerUsable) {
        resetToEmptyHeader(collage);
        messages.emplace_back(texts::kHeaderCorrupt);
    }
    makeHeaderSafe(collage);
    InitCollage(collage);
    if (!headerUsable) {
        normaliseObjectTable(collage);
        return messages;
    }

    std::size_t position = sizeof(CollageHeader);
    const int slots = collage.NumSlots;
    for (int i = 0; i < slots; ++i) {
        auto& entry = collage.Objects[static_cast<std::size_t>(i)];
        entry = std::make_unique<ScreenObject>();
        const bool whole = bytes.size() - position >= sizeof(SCREENOBJECT);
        if (whole)
            copyRecord(bytes.subspan(position), entry->record());
        InitCollagePhoto(collage, i);
        if (!whole) {
            messages.emplace_back(texts::kRecordShortRead);
            DestroyAndInitScreenObject(collage, *entry);
            collage.NumSlots = i + 1;
            position = bytes.size();
            break;
        }
        position += sizeof(SCREENOBJECT);
        makeRecordSafe(*entry, i);
    }

    collage.Stamps.clear();
    while (bytes.size() - position >= sizeof(StampRecord) && collage.Stamps.size() < kMaxStamps) {
        StampRecord stamp;
        copyRecord(bytes.subspan(position), stamp);
        collage.Stamps.push_back(stamp);
        position += sizeof(StampRecord);
    }
    collage.NumStamps = static_cast<std::int32_t>(collage.Stamps.size());

    normaliseObjectTable(collage);
    return messages;
}

bool readCollageBytes(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    // Non-blocking, so that a named pipe given as a collage cannot hang the
    // program; anything but a regular file is refused before reading.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        bytes.resize(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), kMaxCollageFileBytes));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                ok = false;
                break;
            }
            if (n == 0)
                break; // the file became shorter meanwhile
            done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
    }
    ::close(fd);
    if (!ok)
        bytes.clear();
    return ok;
}

void normaliseObjectTable(Collage& collage)
{
    std::vector<int> live;
    for (int i = 0; i < collage.NumSlots; ++i)
        if (collage.isLive(i))
            live.push_back(i);
    collage.NumObjects = static_cast<std::int32_t>(live.size());

    // Front to back as they stand; on equal ZOrder the lower slot first.
    std::stable_sort(live.begin(), live.end(),
                     [&](int a, int b) { return collage.object(a).ZOrder < collage.object(b).ZOrder; });
    for (std::size_t rank = 0; rank < live.size(); ++rank)
        collage.object(live[rank]).ZOrder = static_cast<std::int32_t>(rank);

    if (collage.SelIndex < 0 || collage.SelIndex >= std::max(collage.NumSlots, 1))
        collage.SelIndex = 0;
}

bool objectTableInvariantsHold(const Collage& collage)
{
    if (collage.NumSlots < 0 || collage.NumSlots > kMaxObjects || collage.NumObjects < 0 ||
        collage.NumObjects > collage.NumSlots)
        return false;
    std::vector<int> orders;
    for (int i = 0; i < collage.NumSlots; ++i) {
        if (!collage.Objects[static_cast<std::size_t>(i)])
            return false;
        if (collage.isLive(i))
            orders.push_back(collage.object(i).ZOrder);
    }
    if (static_cast<int>(orders.size()) != collage.NumObjects)
        return false;
    std::sort(orders.begin(), orders.end());
    for (std::size_t i = 0; i < orders.size(); ++i)
        if (orders[i] != static_cast<int>(i))
            return false;
    return collage.SelIndex >= 0 && (collage.SelIndex < collage.NumSlots || collage.SelIndex == 0) &&
           collage.Stamps.size() <= kMaxStamps;
}

} // namespace quiltara::document
