#include "child_process.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace fault_tests {

namespace {

constexpr unsigned kChildSecondsAtMost = 120;

void ChildSide(ChildOutput output, int outWrite, int errWrite, const std::function<int()>& body) {
    std::signal(SIGPIPE, SIG_DFL);
    alarm(kChildSecondsAtMost);
    dup2(errWrite, STDERR_FILENO);
    switch (output) {
    case ChildOutput::Captured:
        dup2(outWrite, STDOUT_FILENO);
        break;
    case ChildOutput::Closed:
        close(STDOUT_FILENO);
        break;
    case ChildOutput::ReaderGone: {
        int lost[2];
        if (pipe(lost) != 0) _exit(kChildUncaught);
        close(lost[0]);
        dup2(lost[1], STDOUT_FILENO);
        close(lost[1]);
        break;
    }
    }
    close(outWrite);
    close(errWrite);

    int status = kChildUncaught;
    try {
        status = body();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "uncaught exception: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "uncaught exception\n");
    }
    std::fflush(nullptr);
    _exit(status);
}

// Reads both pipes to their ends together, so neither can fill up and stall the child.
void ReadBoth(int outRead, int errRead, std::string& out, std::string& err) {
    pollfd fds[2] = {{outRead, POLLIN, 0}, {errRead, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, std::size_t(got));
            } else if (got == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

ChildEnd RunInChild(ChildOutput output, const std::function<int()>& body) {
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0) throw std::runtime_error("pipe failed");
    if (pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
    // Whatever the parent has buffered must not be written a second time by the child.
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        ChildSide(output, outPipe[1], errPipe[1], body);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    ChildEnd end;
    ReadBoth(outPipe[0], errPipe[0], end.out, end.err);
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0)
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    end.exited = WIFEXITED(wstatus);
    end.status = end.exited ? WEXITSTATUS(wstatus) : -1;
    end.signal = WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0;
    return end;
}

std::string Describe(const ChildEnd& end) {
    std::string text = end.exited ? "exited with status " + std::to_string(end.status)
                                  : "killed by signal " + std::to_string(end.signal) + " (" +
                                        strsignal(end.signal) + ")";
    if (!end.err.empty()) text += "; standard error: " + end.err;
    return text;
}

}  // namespace fault_tests
