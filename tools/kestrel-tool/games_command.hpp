#pragma once
// kestrel-tool games list|save|load|delete|rename.

#include <string_view>

namespace kestrel {

/// Usage text of the games commands.
inline constexpr std::string_view kGamesUsage
    = "  games list FILE\n"
      "                 one line per saved game in the list's order: the level digit ('?'\n"
      "                 when unreadable), a tab, the name exactly as stored; status 1 when\n"
      "                 the file holds no saved game\n"
      "  games save FILE NAME LEVEL [--solution S81] [--overwrite]\n"
      "                 read one board snapshot line (as the step log writes it) from\n"
      "                 standard input and save it as the Save window's OK does, under NAME\n"
      "                 at LEVEL 0..5; a taken name is kept (status 1) unless --overwrite\n"
      "                 replaces it (the record then goes to the end); no file: it is made\n"
      "  games load FILE NAME\n"
      "                 print the level digit, a space and the stored solution (nothing\n"
      "                 after the space without one), then the board snapshot loading the\n"
      "                 game puts on the board; what could not be read goes to standard\n"
      "                 error (status 1)\n"
      "  games delete FILE NAME\n"
      "  games rename FILE OLD NEW\n"
      "                 as the game list's buttons; a taken NEW is refused (status 1)\n"
      "                 Games commands: status 3 when no game has that name, 2 when FILE\n"
      "                 could not be read or written (it is then left as it was)\n";

/// Runs `kestrel-tool games …` (argv[1] is "games"); returns the exit status.
int runGamesCommand(int argc, char **argv);

} // namespace kestrel
