#include "imaging/jpeg_codec.h"

#include "imaging/exif_orientation.h"
#include "imaging/picture_error.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include <jerror.h>
#include <jpeglib.h>
// The decompressor's state numbers (DSTATE_...).
#include <jpegint.h>

// libjpeg reports a fatal error by calling error_exit, which must not return.
// Here it jumps back with longjmp to the function that started the work; the
// frames in between are the library's own C frames, so no destructor is
// skipped. That function then destroys the codec object and throws.

namespace quiltara::imaging {
namespace {

// Progressive files can hold any number of scans, each a pass over the whole
// picture; hostile ones use that to take minutes. Real photos have about ten.
constexpr int kMaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int code = 0;
    bool tooManyScans = false;
    bool allRowsRead = false; // data missing after the last row (the end marker) is no loss
    char text[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void onError(j_common_ptr codec)
{
    auto* errors = reinterpret_cast<ErrorManager*>(codec->err);
    errors->code = errors->base.msg_code;
    errors->base.format_message(codec, errors->text);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr codec, int level)
{
    // Warnings (level -1) about corrupt data are passed over, as libjpeg
    // recovers from them; data that ends early is an incomplete JPEG.
    auto* errors = reinterpret_cast<ErrorManager*>(codec->err);
    if (level >= 0 || errors->base.msg_code != JWRN_JPEG_EOF || errors->allRowsRead)
        return;
    // The entropy decoder reads ahead while it decodes the last row of
    // blocks of a single-scan file: when the data ends there, only the end
    // marker is missing and every row is whole (or for all anyone can tell,
    // the last row of blocks is short).
    if (codec->is_decompressor) {
        auto* d = reinterpret_cast<j_decompress_ptr>(codec);
        const bool singleScan = !d->progressive_mode && d->comps_in_scan == d->num_components;
        if (d->global_state >= DSTATE_SCANNING && singleScan && d->input_iMCU_row + 1 >= d->total_iMCU_rows)
            return;
    }
    onError(codec);
}

void onProgress(j_common_ptr codec)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(codec);
    if (decompress->input_scan_number > kMaxScans) {
        auto* errors = reinterpret_cast<ErrorManager*>(codec->err);
        errors->tooManyScans = true;
        std::snprintf(errors->text, sizeof errors->text, "more than %d scans", kMaxScans);
        std::longjmp(errors->jump, 1);
    }
}

void installErrors(jpeg_common_struct& codec, ErrorManager& errors)
{
    codec.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.base.output_message = [](j_common_ptr) {};
}

// The described message codes: the meaning of a failure decides its number.
PictureError jpegFailure(const ErrorManager& errors)
{
    const auto error = [](PictureFault fault, int number) {
        return PictureError(fault, "JPEG error #" + std::to_string(number));
    };
    if (errors.tooManyScans)
        return PictureError(PictureFault::Corrupt, std::string("JPEG error: ") + errors.text);
    switch (errors.code) {
    case JWRN_JPEG_EOF:
    case JERR_INPUT_EOF:
    case JERR_FILE_READ:
        return error(PictureFault::Truncated, 67);
    case JERR_NO_IMAGE:
    case JERR_SOF_NO_SOS:
    case JERR_EMPTY_IMAGE:
        return error(PictureFault::NoImageData, 60);
    case JERR_FILE_WRITE:
    case JERR_TFILE_WRITE:
        return error(PictureFault::WriteFailed, 36);
    case JERR_NO_SOI:
    case JERR_INPUT_EMPTY:
        return error(PictureFault::WrongFormat, 52);
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
        return error(PictureFault::OutOfMemory, 53);
    default:
        return PictureError(PictureFault::Corrupt, std::string("JPEG error: ") + errors.text);
    }
}

// The EXIF orientation from the saved APP1 markers.
int orientationOf(const jpeg_decompress_struct& codec)
{
    for (jpeg_saved_marker_ptr marker = codec.marker_list; marker; marker = marker->next)
        if (marker->marker == JPEG_APP0 + 1 && marker->data_length >= 6 &&
            std::memcmp(marker->data, "Exif\0\0", 6) == 0)
            return exifOrientation({marker->data, marker->data_length});
    return 1;
}

void startReading(jpeg_decompress_struct& codec, std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    jpeg_mem_src(&codec, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_save_markers(&codec, JPEG_APP0 + 1, 0xFFFF);
    // A cap on the library's own working memory (progressive files keep all
    // coefficients); beyond it the decode fails as out of memory.
    codec.mem->max_memory_to_use =
        static_cast<long>(std::min<std::uint64_t>(maxPixels * 8 + (64u << 20), kMaxBitmapBytes));
    jpeg_read_header(&codec, TRUE);
}

StoredPicture storedOf(const jpeg_decompress_struct& codec)
{
    return {PictureFormat::Jpeg,
            {static_cast<int>(codec.image_width), static_cast<int>(codec.image_height)},
            orientationOf(codec),
            false};
}

// The sizes are checked here, outside the library's error handling, so the
// failure reads like any other JPEG error.
bool withinLimits(const jpeg_decompress_struct& codec, std::uint64_t maxPixels)
{
    const auto pixels = static_cast<std::uint64_t>(codec.image_width) * codec.image_height;
    return codec.image_width > 0 && codec.image_height > 0 && pixels <= maxPixels &&
           bitmapBytes(static_cast<int>(codec.image_width), static_cast<int>(codec.image_height), 4) != 0;
}

// Chooses the smallest DCT scale whose output is not below the requested
// stored size.
void chooseScale(jpeg_decompress_struct& codec, Size wanted)
{
    for (unsigned int m = 1; m <= 8; ++m) {
        codec.scale_num = m;
        codec.scale_denom = 8;
        jpeg_calc_output_dimensions(&codec);
        if (static_cast<int>(codec.output_width) >= wanted.width &&
            static_cast<int>(codec.output_height) >= wanted.height)
            return;
    }
}

// CMYK as Adobe writes it (inverted) or plainly, to blue, green, red.
void cmykToBgra(std::uint8_t* row, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, row += 4) {
        int c = row[0], m = row[1], y = row[2], k = row[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        row[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
        row[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        row[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
        row[3] = 255;
    }
}

void readRows(jpeg_decompress_struct& codec, const PixelView& out)
{
    JSAMPROW rows[16];
    while (codec.output_scanline < codec.output_height) {
        const int first = static_cast<int>(codec.output_scanline);
        const int count = std::min<int>(16, static_cast<int>(codec.output_height) - first);
        for (int i = 0; i < count; ++i)
            rows[i] = out.rowData(first + i);
        jpeg_read_scanlines(&codec, rows, static_cast<JDIMENSION>(count));
    }
}

struct DestinationBuffer {
    jpeg_destination_mgr base;
    std::vector<std::uint8_t>* out;
};

constexpr std::size_t kOutputStep = 1 << 16;

void destinationInit(j_compress_ptr codec)
{
    auto* d = reinterpret_cast<DestinationBuffer*>(codec->dest);
    try {
        d->out->resize(std::max(d->out->capacity(), kOutputStep));
    }
    catch (const std::bad_alloc&) {
        codec->err->msg_code = JERR_OUT_OF_MEMORY;
        codec->err->error_exit(reinterpret_cast<j_common_ptr>(codec));
    }
    d->base.next_output_byte = d->out->data();
    d->base.free_in_buffer = d->out->size();
}

boolean destinationGrow(j_compress_ptr codec)
{
    auto* d = reinterpret_cast<DestinationBuffer*>(codec->dest);
    const std::size_t used = d->out->size();
    try {
        d->out->resize(used * 2);
    }
    catch (const std::bad_alloc&) {
        // No exception may pass through the library's frames.
        codec->err->msg_code = JERR_OUT_OF_MEMORY;
        codec->err->error_exit(reinterpret_cast<j_common_ptr>(codec));
    }
    d->base.next_output_byte = d->out->data() + used;
    d->base.free_in_buffer = d->out->size() - used;
    return TRUE;
}

void destinationTerm(j_compress_ptr codec)
{
    auto* d = reinterpret_cast<DestinationBuffer*>(codec->dest);
    d->out->resize(d->out->size() - d->base.free_in_buffer);
}

// Decodes the picture data once the headers are read and the size checked.
// libjpeg errors jump back to decodeJpeg; other failures are exceptions.
void decodeScanlines(jpeg_decompress_struct& codec, const StoredPicture& picture,
                     const DecodeRequest& request, Bitmap& target)
{
    auto* errors = reinterpret_cast<ErrorManager*>(codec.err);
    const int orientation = infoOf(picture).orientation;
    if (request.size)
        chooseScale(codec, uprightSize(*request.size, orientation));
    const bool cmyk = codec.jpeg_color_space == JCS_CMYK || codec.jpeg_color_space == JCS_YCCK;
    jpeg_calc_output_dimensions(&codec);
    const Size decoded{static_cast<int>(codec.output_width), static_cast<int>(codec.output_height)};
    const bool direct = orientation == 1 && !cmyk && (!request.size || *request.size == decoded);
    if (direct) {
        // Straight into the caller's bitmap, in its pixel format.
        codec.out_color_space = request.bytesPerPixel == 3 ? JCS_EXT_BGR : JCS_EXT_BGRX;
        jpeg_start_decompress(&codec);
        target.resize(decoded.width, decoded.height, request.bytesPerPixel);
        readRows(codec, target.view());
        if (request.bytesPerPixel == 4) {
            const std::uint8_t fourth = request.keepAlpha ? 255 : 0;
            for (int y = 0; y < decoded.height; ++y) {
                std::uint8_t* row = target.view().rowData(y);
                for (int x = 0; x < decoded.width; ++x)
                    row[4 * x + 3] = fourth;
            }
        }
    } else {
        codec.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
        jpeg_start_decompress(&codec);
        Bitmap& raw = rawPictureBitmap();
        raw.resize(decoded.width, decoded.height, 4);
        readRows(codec, raw.view());
        if (cmyk)
            for (int y = 0; y < decoded.height; ++y)
                cmykToBgra(raw.view().rowData(y), decoded.width, codec.saw_Adobe_marker);
        finishPicture(raw.view(), false, orientation, request, target);
    }
    errors->allRowsRead = true;
    jpeg_finish_decompress(&codec);
}

} // namespace

StoredPicture readJpegHeader(std::span<const std::uint8_t> file, std::uint64_t maxPixels)
{
    jpeg_decompress_struct codec;
    ErrorManager errors;
    installErrors(*reinterpret_cast<jpeg_common_struct*>(&codec), errors);
    jpeg_create_decompress(&codec);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&codec);
        throw jpegFailure(errors);
    }
    startReading(codec, file, maxPixels);
    const StoredPicture picture = storedOf(codec);
    const bool fits = withinLimits(codec, maxPixels);
    jpeg_destroy_decompress(&codec);
    if (!fits)
        throw PictureError(PictureFault::TooLarge, "JPEG error #53");
    return picture;
}

StoredPicture decodeJpeg(std::span<const std::uint8_t> file, const DecodeRequest& request, Bitmap& target)
{
    jpeg_decompress_struct codec;
    ErrorManager errors;
    jpeg_progress_mgr progress{};
    installErrors(*reinterpret_cast<jpeg_common_struct*>(&codec), errors);
    jpeg_create_decompress(&codec);
    progress.progress_monitor = onProgress;
    codec.progress = &progress;
    StoredPicture picture;
    bool fits = false;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&codec);
        throw jpegFailure(errors);
    }
    startReading(codec, file, request.maxPixels);
    picture = storedOf(codec);
    fits = withinLimits(codec, request.maxPixels);
    try {
        if (fits)
            decodeScanlines(codec, picture, request, target);
    }
    catch (...) {
        jpeg_destroy_decompress(&codec);
        throw;
    }
    jpeg_destroy_decompress(&codec);
    if (!fits)
        throw PictureError(PictureFault::TooLarge, "JPEG error #53");
    return picture;
}

void encodeJpeg(const PixelView& pixels, int quality, std::vector<std::uint8_t>& out)
{
    if (pixels.empty() || !pixels.data)
        throw PictureError(PictureFault::Corrupt, "JPEG error: the picture to write is empty");
    jpeg_compress_struct codec;
    ErrorManager errors;
    DestinationBuffer destination{};
    installErrors(*reinterpret_cast<jpeg_common_struct*>(&codec), errors);
    jpeg_create_compress(&codec);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&codec);
        throw jpegFailure(errors);
    }
    out.clear();
    destination.out = &out;
    destination.base.init_destination = destinationInit;
    destination.base.empty_output_buffer = destinationGrow;
    destination.base.term_destination = destinationTerm;
    codec.dest = &destination.base;
    codec.image_width = static_cast<JDIMENSION>(pixels.width);
    codec.image_height = static_cast<JDIMENSION>(pixels.height);
    codec.input_components = pixels.bytesPerPixel;
    codec.in_color_space = pixels.bytesPerPixel == 3 ? JCS_EXT_BGR : JCS_EXT_BGRX;
    jpeg_set_defaults(&codec);
    jpeg_set_quality(&codec, std::clamp(quality, 0, 100), TRUE);
    jpeg_start_compress(&codec, TRUE);
    JSAMPROW rows[16];
    while (codec.next_scanline < codec.image_height) {
        const int first = static_cast<int>(codec.next_scanline);
        const int count = std::min<int>(16, pixels.height - first);
        for (int i = 0; i < count; ++i)
            rows[i] = pixels.rowData(first + i);
        jpeg_write_scanlines(&codec, rows, static_cast<JDIMENSION>(count));
    }
    jpeg_finish_compress(&codec);
    jpeg_destroy_compress(&codec);
}

} // namespace quiltara::imaging
