#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace quiltara::document {

// Text fields of the records hold single-byte strings in fixed arrays. They
// are NUL-terminated unless the text fills the array, so readers stop at the
// first NUL or at the end of the array, whichever comes first.
template <std::size_t N>
std::string textOf(const char (&field)[N])
{
    const char* end = std::find(field, field + N, '\0');
    return std::string(field, end);
}

// Stores text when it fits the field, the terminating NUL included where
// there is room for it (a text of exactly N bytes fills the field without
// one). Returns false and leaves the field unchanged when the text is longer.
template <std::size_t N>
bool storeText(char (&field)[N], std::string_view text)
{
    if (text.size() > N)
        return false;
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size());
    return true;
}

// Stores at most N bytes of text, cutting what does not fit.
template <std::size_t N>
void storeTextCut(char (&field)[N], std::string_view text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N));
}

// Fields that must keep a terminating NUL (paths used as C strings) take at
// most N - 1 bytes.
template <std::size_t N>
bool storeTerminatedText(char (&field)[N], std::string_view text)
{
    if (text.size() >= N)
        return false;
    return storeText(field, text);
}

} // namespace quiltara::document
