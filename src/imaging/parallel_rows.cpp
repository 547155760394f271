#include "imaging/parallel_rows.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace quiltara::imaging {
namespace {} // namespace

int maxRowBands()
{
    static const int cores = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
    return cores;
}

void parallelRows(int rows, int minRowsPerBand,
                  const std::function<void(int band, int first, int last)>& body)
{
    if (rows <= 0)
        return;
    const int bands = std::clamp(rows / std::max(minRowsPerBand, 1), 1, maxRowBands());
    if (bands == 1) {
        body(0, 0, rows);
        return;
    }
    // The calling thread takes the first band itself; a failure in any band
    // is passed on after every band has finished.
    std::vector<std::exception_ptr> failures(bands);
    std::vector<std::thread> helpers;
    helpers.reserve(bands - 1);
    const auto run = [&](int band) {
        try {
            body(band, rows * band / bands, rows * (band + 1) / bands);
        }
        catch (...) {
            failures[band] = std::current_exception();
        }
    };
    for (int band = 1; band < bands; ++band)
        helpers.emplace_back(run, band);
    run(0);
    for (auto& helper : helpers)
        helper.join();
    for (const auto& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
}

} // namespace quiltara::imaging
