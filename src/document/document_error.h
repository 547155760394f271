#pragma once

#include <stdexcept>

namespace quiltara::document {

// A failure of a document operation; its message is fit to be shown.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace quiltara::document
