#pragma once

#include <stdexcept>
#include <string>

namespace quiltara::imaging {

// Every failure below the user-interface layer of the imaging code is one of
// these; the command that started the work reports it.
class ImagingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace quiltara::imaging
