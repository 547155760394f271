#include "imaging/plain_stretch.h"

#include <cstring>
#include <vector>

namespace quiltara::imaging {
namespace {

// Source column of each target column, computed once per call.
std::vector<int> sourceColumns(int sourceWidth, int targetWidth)
{
    std::vector<int> columns(static_cast<std::size_t>(targetWidth));
    for (int x = 0; x < targetWidth; ++x)
        columns[x] = static_cast<int>(static_cast<long long>(x) * sourceWidth / targetWidth);
    return columns;
}

template <int SourceBpp, int TargetBpp>
void stretchRow(const std::uint8_t* source, std::uint8_t* target, const std::vector<int>& columns)
{
    for (const int column : columns) {
        const std::uint8_t* p = source + static_cast<std::ptrdiff_t>(column) * SourceBpp;
        target[0] = p[0];
        target[1] = p[1];
        target[2] = p[2];
        if constexpr (TargetBpp == 4)
            target[3] = SourceBpp == 4 ? p[3] : 0;
        target += TargetBpp;
    }
}

} // namespace

void plainStretch(const PixelView& source, const PixelView& target)
{
    if (source.empty() || target.empty())
        return;
    const std::vector<int> columns = sourceColumns(source.width, target.width);
    const auto row = source.bytesPerPixel == 3
                         ? (target.bytesPerPixel == 3 ? &stretchRow<3, 3> : &stretchRow<3, 4>)
                         : (target.bytesPerPixel == 3 ? &stretchRow<4, 3> : &stretchRow<4, 4>);
    int previous = -1;
    for (int y = 0; y < target.height; ++y) {
        const int sourceRow = static_cast<int>(static_cast<long long>(y) * source.height / target.height);
        // Rows that repeat the one before are copied whole.
        if (sourceRow == previous) {
            std::memcpy(target.rowData(y), target.rowData(y - 1),
                        static_cast<std::size_t>(target.width) * target.bytesPerPixel);
            continue;
        }
        row(source.rowData(sourceRow), target.rowData(y), columns);
        previous = sourceRow;
    }
}

} // namespace quiltara::imaging
