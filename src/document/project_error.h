#pragma once

#include "document/document_error.h"

#include <string>

namespace quiltara::document {

// A project file that cannot be used; the message is the one the user sees
// ("File seems to be corrupt", ...).
class ProjectFileError : public DocumentError {
public:
    using DocumentError::DocumentError;
};

// A save that did not happen. The message names the file and the cause
// ("No space left on device", "Permission denied"); the file that was there
// before is unchanged.
class SaveError : public DocumentError {
public:
    SaveError(const std::string& path, const std::string& cause);

    const std::string& path() const { return m_path; }
    const std::string& cause() const { return m_cause; }

private:
    std::string m_path;
    std::string m_cause;
};

} // namespace quiltara::document
