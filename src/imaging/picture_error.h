#pragma once

#include "imaging/imaging_error.h"

#include <string>

namespace quiltara::imaging {

// What went wrong with a picture file, for callers that choose a message by
// the kind of failure rather than by its text.
enum class PictureFault {
    CannotRead,    // the file could not be opened or read
    Truncated,     // the data ends before the picture does
    NoImageData,   // headers without any picture data
    WrongFormat,   // not a file of the format its decoder expects
    TooLarge,      // dimensions or memory beyond the program's limits
    OutOfMemory,   // the memory could not be had
    WriteFailed,   // writing an encoded picture failed
    Corrupt,       // invalid data inside the picture
    UnknownFormat, // a format no decoder of the program reads
};

// A failure of a picture decoder or encoder. The text is the decoder's
// message: JPEG failures read "JPEG error #" and a code ("#67" and "#60" for
// data that ends early, "#36" for a failed write, "#52" for a file that is
// not a JPEG, "#53" for too little memory); the others name the format.
class PictureError : public ImagingError {
public:
    PictureError(PictureFault fault, const std::string& message) : ImagingError(message), m_fault(fault) {}

    PictureFault fault() const { return m_fault; }

private:
    PictureFault m_fault;
};

} // namespace quiltara::imaging
