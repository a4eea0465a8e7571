#pragma once
// Menu keys and the audible signal.

namespace UNTPROGDELEN {

// The key variable the command bar reads into.
extern char KR;

// Discards the keys typed ahead, then waits for the next key; of a two-character key only its
// code character is returned (arrows: "H" up, "K" left, "M" right, "P" down).
void LEESKEY(char& CH);
// Writes BEL to standard output and flushes it; never fails, never ends the program.
void FLUITEN();

}  // namespace UNTPROGDELEN
