#include "platform/platform.hpp"

namespace kestrel {

std::string joinPath(std::string_view directory, std::string_view name)
{
    std::string out(directory);
    if (!out.empty() && out.back() != '/' && out.back() != '\\')
        out.push_back('/');
    out.append(name);
    return out;
}

} // namespace kestrel
