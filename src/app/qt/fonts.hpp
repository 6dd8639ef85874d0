#pragma once
// Font faces named by the program's designs ("宋体", "MS Sans Serif", "Arial") mapped onto
// faces that a Linux desktop has.

namespace kestrel {

/// Registers substitutions for the designed font faces; call once after QApplication exists.
void installFontSubstitutions();

} // namespace kestrel
