#pragma once
// The rules of "Save as picture": the save dialog's filters and default extension, and the
// picture format a chosen file name is written in.

#include "platform/platform.hpp"

#include <string>
#include <string_view>

namespace kestrel {

/// The save dialog's filters, JPEG first.
inline constexpr std::string_view kPictureFilter = "JPEG Image File (*.jpg);;Bitmaps (*.bmp)";

/// The extension a file name typed without one gets.
inline constexpr std::string_view kPictureDefaultExtension = "jpg";

/// `path` with ".jpg" appended when its file name has no extension; otherwise unchanged.
std::string withPictureExtension(std::string_view path);

/// The format a picture named `path` is written in: JPEG for the extensions "jpg" and "jpeg"
/// in any letter case, a bitmap for every other name.
PictureFormat pictureFormatFor(std::string_view path);

} // namespace kestrel
