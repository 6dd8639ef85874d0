#include "app/picture_export.hpp"

#include <algorithm>
#include <cctype>

namespace kestrel {

namespace {

// The file name's extension without the dot; empty when the name has none.
std::string extensionOf(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool hasExtension(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name.find('.') != std::string_view::npos;
}

} // namespace

std::string withPictureExtension(std::string_view path)
{
    std::string result(path);
    if (!hasExtension(path))
        result += "." + std::string(kPictureDefaultExtension);
    return result;
}

PictureFormat pictureFormatFor(std::string_view path)
{
    // Decided by the whole extension in any case: a player who names the file "board.JPG"
    // or "board.jpeg" gets a JPEG file, not a bitmap under a JPEG name.
    const std::string extension = extensionOf(path);
    return extension == "jpg" || extension == "jpeg" ? PictureFormat::Jpeg : PictureFormat::Bmp;
}

} // namespace kestrel
