#pragma once
// One whole run of the program on a given backend: the data module's start-up, the main
// sequence, the end of the run. Returns the exit status: 0, or the run-time error's number
// after its display.
class Backend;

int RunDrelmiks(Backend& backend);
