#pragma once
// kestrel-tool print: the printable page of one board snapshot.

namespace kestrel::tool {

/// Runs "print --style normal|candidates --size a4|a3|a2 [FILE]" (argv[1] is "print"); the
/// exit status: 0 when the page was written, 2 for bad arguments or a malformed snapshot.
int runPrint(int argc, char **argv);

} // namespace kestrel::tool
