#include "imaging/exif_orientation.h"

#include <cstring>
#include <libexif/exif-data.h>
#include <memory>
#include <vector>

namespace quiltara::imaging {
namespace {

constexpr std::uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};

struct ExifDataFree {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

} // namespace

int exifOrientation(std::span<const std::uint8_t> block)
{
    if (block.size() < 8)
        return 1;
    // libexif wants the "Exif" header in front of the TIFF structure.
    std::vector<std::uint8_t> withHeader;
    if (std::memcmp(block.data(), kExifHeader, sizeof kExifHeader) != 0) {
        withHeader.reserve(block.size() + sizeof kExifHeader);
        withHeader.insert(withHeader.end(), std::begin(kExifHeader), std::end(kExifHeader));
        withHeader.insert(withHeader.end(), block.begin(), block.end());
        block = withHeader;
    }
    if (block.size() > 0xFFFFFFFFu)
        return 1;

    const std::unique_ptr<ExifData, ExifDataFree> data(exif_data_new());
    if (!data)
        return 1;
    // Read only: no tags added or repaired, maker notes left alone.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_option(data.get(), EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
    exif_data_load_data(data.get(), block.data(), static_cast<unsigned int>(block.size()));

    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2 ||
        !entry->data)
        return 1;
    const int value = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
    return value >= 1 && value <= 8 ? value : 1;
}

} // namespace quiltara::imaging
