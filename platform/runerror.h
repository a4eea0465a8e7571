#pragma once
// Run-time errors: the one way the system ends on a failure it defines. RunError throws; the
// program's entry point catches the error, shows it and ends with its number as exit status.
#include <cstdint>
#include <string>
#include <vector>

struct RuntimeError {
    int code = 0;
    // Code addresses of the failing operation and its calling levels, innermost first.
    std::vector<uint32_t> frames;
};

// Error numbers the system itself raises (file errors carry the operating system's number).
inline constexpr int kErrorReadPastEnd = 100;
inline constexpr int kErrorRange = 201;
inline constexpr int kErrorOverflow = 215;

[[noreturn]] void RunError(int code);

// "Runtime error N at $XXXXXXXX", one "  $XXXXXXXX" line per level, an empty line; CRLF ends.
std::string RuntimeErrorText(const RuntimeError& error);

// Closes the window if open, writes the text to standard error, shows it in the backend's
// message box and returns the exit status (the error number).
int ReportRuntimeError(const RuntimeError& error);
