#include "app/cursors.h"

#include "app/core/folders.h"

#include <QPixmap>
#include <QString>

#include <map>

namespace quiltara::app {
namespace {

struct CursorPicture {
    int number;
    const char* file;
    int hotX;
    int hotY;
    Qt::CursorShape fallback;
};

// Hot spots match the pictures drawn by scripts/make_resources.py.
constexpr CursorPicture kCursorPictures[] = {
    {RESIZE_CURSOR, "resize.png", 15, 15, Qt::SizeAllCursor},
    {ZOOM_CURSOR, "zoom.png", 12, 12, Qt::CrossCursor},
    {CROP_CURSOR, "crop.png", 15, 15, Qt::CrossCursor},
    {RENDER_CURSOR, "render.png", 15, 15, Qt::BusyCursor},
    {STAMP_CURSOR, "stamp.png", 15, 30, Qt::PointingHandCursor},
};

std::map<int, QCursor>& cursorTable()
{
    static std::map<int, QCursor> table;
    return table;
}

} // namespace

void RegisterCursors()
{
    auto& table = cursorTable();
    table.clear();
    for (const CursorPicture& picture : kCursorPictures) {
        const std::string path = programPath(std::string("resources/cursors/") + picture.file);
        const QPixmap pixmap(QString::fromStdString(path));
        table[picture.number] =
            pixmap.isNull() ? QCursor(picture.fallback) : QCursor(pixmap, picture.hotX, picture.hotY);
    }
}

QCursor programCursor(int number)
{
    const auto& table = cursorTable();
    const auto found = table.find(number);
    return found == table.end() ? QCursor(Qt::ArrowCursor) : found->second;
}

} // namespace quiltara::app
