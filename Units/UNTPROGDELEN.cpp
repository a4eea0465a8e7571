#include "UNTPROGDELEN.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

#include "platform/WinCrt.h"

namespace UNTPROGDELEN {

char KR;

void LEESKEY(char& CH) {
    char TTS;
    while (KeyPressed()) TTS = ReadKey();
    (void)TTS;
    do {
        CH = ReadKey();
    } while (CH == 0);
}

void FLUITEN() {
    // A pipe whose reader has gone would raise SIGPIPE: keep it blocked during the write and
    // take it away again, so the signal is lost and never ends the program. SIGTTOU is blocked
    // too, so a run in the background of a terminal set to `tostop` writes instead of stopping.
    sigset_t pipeOnly, blocked, previous;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    blocked = pipeOnly;
    sigaddset(&blocked, SIGTTOU);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);

    // Written past the stdio buffer, so a failed write leaves nothing behind for the next one;
    // it just gives no signal.
    std::fflush(stdout);
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, "\a", 1);

    const timespec noWait{0, 0};
    while (sigtimedwait(&pipeOnly, nullptr, &noWait) == SIGPIPE) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

}  // namespace UNTPROGDELEN
