#include "platform/platform.hpp"

namespace kestrel {

bool SettingsStore::writeValues(std::string_view key, const Values &values)
{
    const bool keyExisted = hasKey(key);
    Values before;
    for (const auto &[name, value] : values) {
        before.emplace_back(name, keyExisted ? readValue(key, name) : std::string());
        if (!writeValue(key, name, value)) {
            before.pop_back();
            for (const auto &[oldName, oldValue] : before)
                writeValue(key, oldName, oldValue);
            return false;
        }
    }
    return true;
}

std::string joinPath(std::string_view directory, std::string_view name)
{
    std::string out(directory);
    if (!out.empty() && out.back() != '/' && out.back() != '\\')
        out.push_back('/');
    out.append(name);
    return out;
}

std::optional<std::string> findHelpPage(const std::vector<std::string> &folders,
                                        std::string_view page,
                                        const std::function<bool(const std::string &)> &exists)
{
    for (const std::string &folder : folders)
        if (std::string path = joinPath(folder, page); exists(path))
            return path;
    return std::nullopt;
}

} // namespace kestrel
