#pragma once
// Text files on the real file system through the standard library, for programs without
// the Qt shell (kestrel-tool). Same rules as every TextFiles: text_codec.hpp for the bytes,
// and a write goes to a temporary file in the target's folder, flushed to the disk, then
// renamed over the old file, so that a crash or a full disk never leaves half a file.

#include "platform/platform.hpp"

#include <string>

namespace kestrel {

class FileTextFiles final : public TextFiles
{
public:
    std::optional<std::vector<std::string>> readLines(std::string_view path) const override;
    bool writeLines(std::string_view path, const std::vector<std::string> &lines) override;
    bool exists(std::string_view path) const override;
    bool isDirectory(std::string_view path) const override;
    bool makeDirectory(std::string_view path) override;
    bool setCurrentDirectory(std::string_view path) override;
    std::string lastError() const override { return m_lastError; }

private:
    mutable std::string m_lastError;
};

} // namespace kestrel
