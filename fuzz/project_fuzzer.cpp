#include "app/core/folders.h"
#include "document/project_check.h"
#include "document/project_reader.h"
#include "document/project_writer.h"
#include "document/record_limits.h"
#include "document/reload_images.h"
#include "document/text_field.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

// Feeds arbitrary bytes to the project file check (with its repairs) and to
// the reader, both as the editor runs them: the checked and repaired bytes,
// and the raw bytes (a read-only file is read without the check). Whatever
// the reader accepts must satisfy the table invariants, survive ReloadImages
// and be written back as bytes that read the same.
namespace {

using namespace quiltara::document;

// A workspace with the project folder "fuzz" that the corpus names, so
// inputs get past the check's folder test.
void prepareWorkspace()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("quiltara-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home / "Documents" / "Quiltara Projects" / "data" / "fuzz");
    std::filesystem::create_directories(home / "program");
    ::setenv("HOME", home.c_str(), 1);
    quiltara::app::setProgramFolder((home / "program").string());
}

// Loads nothing: the photo decoders have fuzz targets of their own.
class NoPhotos final : public PhotoReloader {
public:
    bool reloadPhoto(Collage&, int, const std::string&, int, int) override { return true; }
    void rotatePhoto(Collage&, int) override {}
};

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void expectSound(const Collage& collage)
{
    check(objectTableInvariantsHold(collage));
    check(canvasSideInRange(collage.CanvasWidth) && canvasSideInRange(collage.CanvasHeight));
    check(collage.Zoom > 0.0f && collage.Zoom <= 1.0f);
    for (int i = 0; i < collage.NumSlots; ++i)
        if (collage.isLive(i))
            check(isSoundLiveObject(collage.object(i)));
}

void readAndReload(std::span<const std::uint8_t> bytes)
{
    Collage collage;
    readCollage(bytes, collage);
    expectSound(collage);

    // A damaged header leaves a collage without a name, which is saved only
    // after New Collage has named it.
    if (isPlainFolderName(textOf(collage.CollageName))) {
        const std::vector<std::uint8_t> written = encodeCollage(collage);
        Collage again;
        check(readCollage(written, again).empty());
        check(encodeCollage(again) == written);
    }

    ProjectWindow window;
    NoPhotos photos;
    ReloadImages(collage, window, photos, "fuzz.CLG", {.memoryBudget = 64u << 20});
    expectSound(collage);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    prepareWorkspace();
    const std::span<const std::uint8_t> bytes(data, size);
    readAndReload(bytes);

    MemoryRecordFile file({data, data + size});
    const CheckResult result = checkCollageFile(file, true);
    if (result.opens)
        readAndReload(file.bytes());
    return 0;
}
