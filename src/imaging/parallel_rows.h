#pragma once

#include <functional>

namespace quiltara::imaging {

// The most bands parallelRows() splits rows into (one per core).
int maxRowBands();

// Runs body(band, first, last) over the rows 0 ... rows - 1, split into one
// band per core when there are at least minRowsPerBand rows for each band;
// otherwise on the calling thread alone as band 0. The bands never overlap,
// so a kernel that writes only its own rows needs no locking and gives the
// same result however the rows are split; band (below maxRowBands()) picks
// the caller's per-band scratch memory.
void parallelRows(int rows, int minRowsPerBand,
                  const std::function<void(int band, int first, int last)>& body);

} // namespace quiltara::imaging
