#pragma once
// Makes the reads of one file break off, as a disk error part-way through it does: its first
// bytes arrive, then every read of it fails with EIO. The program's own reads go through
// __wrap_read (the test program is linked with --wrap=read); every other file reads as usual.
// One at a time, for the life of the object.

#include <cstddef>
#include <string>

class BrokenReads {
public:
    BrokenReads(const std::string& path, size_t readableBytes);
    ~BrokenReads();
    BrokenReads(const BrokenReads&) = delete;
    BrokenReads& operator=(const BrokenReads&) = delete;
};
