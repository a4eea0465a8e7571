// The viewer in its real window.
#include "../platform/sdl_window.h"
#include "program.h"

int main() {
    SdlBackend window;
    return RunDrelmiks(window);
}
