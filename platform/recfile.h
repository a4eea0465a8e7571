#pragma once
// Files of fixed-size records, opened read-only: record n lies at byte n * record size; a
// trailing partial record is no record. Every failure is a run-time error: the operating
// system's error number for a failed open, seek or read, 100 for a read at or past the end.
#include <cstdint>
#include <string>
#include <vector>

class RecordFile {
public:
    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens an existing file for reading; error 2 when it is missing, 5 when access is denied.
    void open(const std::string& path, int32_t recordSize);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    int32_t recordSize() const { return recordSize_; }

    // Number of whole records, as the file is now.
    int64_t size() const;
    // Sets the position to record n (it may lie past the end; a read there is error 100).
    void seek(int64_t n);
    int64_t position() const { return position_; }
    // Reads the record at the position into `buffer` (recordSize bytes) and moves on by one.
    void read(void* buffer);
    // True when the position is at or past the number of whole records. The file is looked
    // at again only when the position has reached the count last seen.
    bool eof() const;

private:
    void readAhead();

    int fd_ = -1;
    int32_t recordSize_ = 0;
    int64_t position_ = 0;
    mutable int64_t knownCount_ = 0;  // whole records when the file was last looked at
    // Consecutive records from aheadFirst_ on, read by one system call and kept until the
    // next seek, so a run of sequential reads costs one call instead of one per record.
    std::vector<char> ahead_;
    int64_t aheadFirst_ = 0;
    int64_t aheadCount_ = 0;
};
