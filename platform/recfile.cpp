#include "recfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstring>

#include "runerror.h"

namespace {

// The error numbers the run-time error display speaks of: 2 for a missing file and 5 for
// access denied; every other failure keeps the operating system's own number.
int ErrorNumber(int error) {
    if (error == EACCES || error == EPERM) return 5;
    return error;
}

[[noreturn]] void Fail(int error) { RunError(ErrorNumber(error)); }

constexpr int64_t kAheadBytes = 8192;

}  // namespace

RecordFile::~RecordFile() {
    if (fd_ >= 0) ::close(fd_);
}

void RecordFile::open(const std::string& path, int32_t recordSize) {
    assert(recordSize > 0 && "a record file needs a positive record size");
    close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail(errno);
    // A directory opens for reading on this system but holds no records: it fails here, with
    // the number the system gives for using a directory as a file.
    struct stat st {};
    int error = 0;
    if (fstat(fd, &st) != 0)
        error = errno;
    else if (S_ISDIR(st.st_mode))
        error = EISDIR;
    if (error != 0) {
        ::close(fd);
        Fail(error);
    }
    fd_ = fd;
    recordSize_ = recordSize;
    position_ = 0;
    knownCount_ = int64_t(st.st_size) / recordSize_;
    aheadCount_ = 0;
}

void RecordFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    recordSize_ = 0;
    position_ = 0;
    knownCount_ = 0;
    aheadCount_ = 0;
}

int64_t RecordFile::size() const {
    assert(isOpen() && "record file used before it was opened");
    struct stat st {};
    if (fstat(fd_, &st) != 0) Fail(errno);
    knownCount_ = int64_t(st.st_size) / recordSize_;
    return knownCount_;
}

void RecordFile::seek(int64_t n) {
    assert(isOpen() && "record file used before it was opened");
    // A record before the first has no byte position: the number the system gives for a
    // seek to a negative offset.
    if (n < 0) Fail(EINVAL);
    position_ = n;
    aheadCount_ = 0;  // every positioning reads the file afresh
}

void RecordFile::read(void* buffer) {
    if (position_ < aheadFirst_ || position_ >= aheadFirst_ + aheadCount_) readAhead();
    std::memcpy(buffer, ahead_.data() + (position_ - aheadFirst_) * recordSize_, size_t(recordSize_));
    ++position_;
}

void RecordFile::readAhead() {
    // The size is looked at on every read ahead, so the file may change while it is open; a
    // position at or past the whole records also keeps the byte offset below from overflowing.
    const int64_t count = size();
    if (position_ >= count) RunError(kErrorReadPastEnd);
    const int64_t records = std::min(count - position_, std::max<int64_t>(1, kAheadBytes / recordSize_));
    const int64_t bytes = records * recordSize_;
    ahead_.resize(size_t(bytes));
    const off_t offset = off_t(position_) * recordSize_;
    int64_t done = 0;
    while (done < bytes) {
        const ssize_t got = pread(fd_, ahead_.data() + done, size_t(bytes - done), offset + done);
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        if (got == 0) break;  // the file shrank under us
        done += got;
    }
    aheadFirst_ = position_;
    aheadCount_ = done / recordSize_;
    if (aheadCount_ == 0) RunError(kErrorReadPastEnd);
}

bool RecordFile::eof() const { return position_ >= knownCount_ && position_ >= size(); }
