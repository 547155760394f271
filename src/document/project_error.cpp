#include "document/project_error.h"

#include "document/texts.h"

namespace quiltara::document {

SaveError::SaveError(const std::string& path, const std::string& cause)
    : DocumentError(texts::kSaveFailedStart + path + "\r\n" + cause + texts::kSaveFailedEnd), m_path(path),
      m_cause(cause)
{}

} // namespace quiltara::document
