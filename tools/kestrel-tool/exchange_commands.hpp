#pragma once
// kestrel-tool import / copy: the puzzle exchange of the Import and copy windows, on files.

namespace kestrel::tool {

/// "import [FILE]": one import text in, "<format> <snapshot>" or "invalid" out.
int runImport(int argc, char **argv);

/// "copy --layout L [--blank C] [FILE]": one snapshot line in, the layout's lines out.
int runCopy(int argc, char **argv);

} // namespace kestrel::tool
