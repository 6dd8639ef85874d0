#include "platform/file_text_files.hpp"

#include "platform/text_codec.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace kestrel {

namespace {

namespace fs = std::filesystem;

fs::path toPath(std::string_view path)
{
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string systemReason()
{
    return std::strerror(errno);
}

// Writes all of `bytes` to a new file at `path` and forces them to the disk; false (with
// the reason) when any step fails. The caller removes the file on failure.
bool writeWhole(const fs::path &path, const std::string &bytes, std::string &reason)
{
    std::FILE *file = std::fopen(path.string().c_str(), "wbx");
    if (file == nullptr) {
        reason = systemReason();
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size()
        && std::fflush(file) == 0;
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    if (!ok)
        reason = systemReason();
    if (std::fclose(file) != 0 && ok) {
        reason = systemReason();
        ok = false;
    }
    return ok;
}

} // namespace

std::optional<std::vector<std::string>> FileTextFiles::readLines(std::string_view path) const
{
    const fs::path file = toPath(path);
    std::error_code error;
    if (fs::is_directory(file, error)) {
        m_lastError = std::make_error_code(std::errc::is_a_directory).message();
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        m_lastError = systemReason();
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        m_lastError = systemReason();
        return std::nullopt;
    }
    return decodeLines(bytes);
}

bool FileTextFiles::writeLines(std::string_view path, const std::vector<std::string> &lines)
{
    const fs::path target = toPath(path);
    std::error_code error;
    if (fs::is_directory(target, error)) {
        m_lastError = std::make_error_code(std::errc::is_a_directory).message();
        return false;
    }
    // The temporary file stands beside the target so that the rename never crosses file
    // systems; a random suffix keeps two writers apart.
    std::random_device seed;
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(seed() % 1000000);
    if (!writeWhole(temporary, encodeLines(lines), m_lastError)) {
        fs::remove(temporary, error);
        return false;
    }
    fs::rename(temporary, target, error);
    if (error) {
        m_lastError = error.message();
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

bool FileTextFiles::exists(std::string_view path) const
{
    std::error_code error;
    return fs::exists(toPath(path), error);
}

bool FileTextFiles::isDirectory(std::string_view path) const
{
    std::error_code error;
    return fs::is_directory(toPath(path), error);
}

bool FileTextFiles::makeDirectory(std::string_view path)
{
    std::error_code error;
    fs::create_directories(toPath(path), error);
    if (error)
        m_lastError = error.message();
    return fs::is_directory(toPath(path), error);
}

bool FileTextFiles::setCurrentDirectory(std::string_view path)
{
    std::error_code error;
    fs::current_path(toPath(path), error);
    if (error)
        m_lastError = error.message();
    return !error;
}

} // namespace kestrel
