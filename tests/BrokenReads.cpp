#include "BrokenReads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

extern "C" ssize_t __real_read(int descriptor, void* buffer, size_t count);

namespace {

struct BrokenFile {
    bool armed = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t readable = 0;
};

BrokenFile& Broken()
{
    static BrokenFile file;
    return file;
}

bool IsTheBrokenFile(int descriptor)
{
    struct stat info {};
    return Broken().armed && ::fstat(descriptor, &info) == 0 && info.st_dev == Broken().device &&
           info.st_ino == Broken().inode;
}

} // namespace

extern "C" ssize_t __wrap_read(int descriptor, void* buffer, size_t count)
{
    if (!IsTheBrokenFile(descriptor))
        return __real_read(descriptor, buffer, count);
    const off_t position = ::lseek(descriptor, 0, SEEK_CUR);
    if (position < 0 || position >= Broken().readable) {
        errno = EIO;
        return -1;
    }
    return __real_read(descriptor, buffer, std::min(count, static_cast<size_t>(Broken().readable - position)));
}

BrokenReads::BrokenReads(const std::string& path, size_t readableBytes)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    Broken() = {true, info.st_dev, info.st_ino, static_cast<off_t>(readableBytes)};
}

BrokenReads::~BrokenReads()
{
    Broken() = {};
}
