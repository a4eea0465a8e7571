// drelmiks-check [dir]: checks DRELMIKS.WN1 and DRELMIKS.WN2 in dir (default: the working
// directory) and prints one line per finding. Exit status 0 when clean, 1 with findings, 2
// when a file is missing or cannot be read.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "data_check.h"

namespace {

// Reads the whole file, opened read-only; false with a message on standard error otherwise.
bool ReadDataFile(const std::filesystem::path& path, std::string& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    struct stat st {};
    if (error == 0 && fstat(fd, &st) != 0) error = errno;
    if (error == 0 && !S_ISREG(st.st_mode)) error = EISDIR;
    char chunk[65536];
    while (error == 0) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) error = errno;
        if (got <= 0) break;
        bytes.append(chunk, std::size_t(got));
    }
    if (fd >= 0) close(fd);
    if (error == 0) return true;
    std::fprintf(stderr, "drelmiks-check: %s: %s\n", path.c_str(),
                 error == EISDIR ? "not a regular file" : std::strerror(error));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: drelmiks-check [dir]\n");
        return 2;
    }
    const std::filesystem::path dir = argc == 2 ? argv[1] : ".";
    std::string daily, profiles;
    if (!ReadDataFile(dir / "DRELMIKS.WN1", daily) || !ReadDataFile(dir / "DRELMIKS.WN2", profiles)) return 2;
    const std::vector<Finding> findings = CheckDataSet(daily, profiles);
    for (const Finding& f : findings) std::printf("%s\n", FormatFinding(f).c_str());
    return findings.empty() ? 0 : 1;
}
