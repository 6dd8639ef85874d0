// Language tables are text: any bytes load, and a lookup never fails.
#include "app/language_table.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    kestrel::LanguageTable table;
    table.loadText(text);
    (void)table.lookup(text.substr(0, text.find('=')));
    (void)table.lookup("msg_restart");
    return 0;
}
