#include "Files.h"

#include "Runtime.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

[[noreturn]] void ThrowOsError(int error, const std::string& path)
{
    throw EInOutError(error, std::strerror(error), path);
}

// A target that exists but is no regular file (a pipe, a device, a socket) is refused for
// writing rather than waited on: a pipe without a reader holds the open, and with one each
// write once its buffer is full, for ever. A file whose write permission bits are all clear
// counts as read-only.
void RefuseAsWriteTarget(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return;
    if (!S_ISREG(info.st_mode))
        ThrowOsError(S_ISDIR(info.st_mode) ? EISDIR : EINVAL, path);
    if ((info.st_mode & 0222) == 0)
        ThrowOsError(EACCES, path);
}

// The descriptor, or -1 with errno set; an open cut short by a signal is made again.
int OpenRetrying(const std::string& path, int flags)
{
    int descriptor = -1;
    do
        descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

int OpenOrThrow(const std::string& path, int flags)
{
    const bool writing = (flags & O_ACCMODE) != O_RDONLY;
    if (writing)
        RefuseAsWriteTarget(path);
    // Opened without waiting, in case a pipe took the name since the check: the open then
    // fails or yields a descriptor that the check below refuses.
    const int waitFlag = writing ? O_NONBLOCK : 0;
    const int descriptor = OpenRetrying(path, flags | waitFlag);
    if (descriptor < 0)
        ThrowOsError(errno, path);
    if (!writing)
        return descriptor;
    struct stat info {};
    const bool regular = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    if (!regular || ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0) {
        const int error = regular ? errno : EINVAL;
        ::close(descriptor);
        ThrowOsError(error, path);
    }
    return descriptor;
}

} // namespace

bool FileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

TBinaryFile::TBinaryFile(int descriptor, std::string path) : m_descriptor(descriptor), m_path(std::move(path))
{
}

TBinaryFile TBinaryFile::OpenExisting(const std::string& path)
{
    return TBinaryFile(OpenOrThrow(path, O_RDWR), path);
}

namespace {

// Without a writer a pipe would hold the open, and later each read, for ever.
constexpr int ReadOnlyFlags = O_RDONLY | O_NONBLOCK;

// What a file opened for reading is.
struct stat StatusOrThrow(int descriptor, const std::string& path)
{
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        ThrowOsError(errno, path);
    return info;
}

// Only a plain file is read; its size at the open goes to sizeAtOpen where one is given.
void RefuseAllButAPlainFile(const struct stat& info, const std::string& path, int64_t* sizeAtOpen)
{
    if (!S_ISREG(info.st_mode))
        ThrowOsError(EINVAL, path);
    if (sizeAtOpen != nullptr)
        *sizeAtOpen = info.st_size;
}

} // namespace

TBinaryFile TBinaryFile::OpenReadOnly(const std::string& path, int64_t* sizeAtOpen)
{
    TBinaryFile file(OpenOrThrow(path, ReadOnlyFlags), path);
    RefuseAllButAPlainFile(StatusOrThrow(file.m_descriptor, path), path, sizeAtOpen);
    return file;
}

std::optional<TBinaryFile> TBinaryFile::OpenReadOnlyIfExists(const std::string& path, int64_t* sizeAtOpen)
{
    const int descriptor = OpenRetrying(path, ReadOnlyFlags);
    if (descriptor < 0) {
        // Only a failed open asks whether a file is there at all: one that is gone is passed
        // over, one that is there but cannot be opened is an error.
        const int error = errno;
        if (!FileExists(path))
            return std::nullopt;
        ThrowOsError(error, path);
    }
    TBinaryFile file(descriptor, path);
    const struct stat info = StatusOrThrow(descriptor, path);
    if (S_ISDIR(info.st_mode))
        return std::nullopt;
    RefuseAllButAPlainFile(info, path, sizeAtOpen);
    return std::optional<TBinaryFile>(std::move(file));
}

TBinaryFile TBinaryFile::Create(const std::string& path)
{
    return TBinaryFile(OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC), path);
}

TBinaryFile TBinaryFile::OpenForAppend(const std::string& path)
{
    return TBinaryFile(OpenOrThrow(path, O_WRONLY | O_APPEND), path);
}

TBinaryFile::TBinaryFile(TBinaryFile&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1)), m_path(std::move(other.m_path))
{
}

TBinaryFile& TBinaryFile::operator=(TBinaryFile&& other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

TBinaryFile::~TBinaryFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

int64_t TBinaryFile::Size() const
{
    struct stat info {};
    if (::fstat(m_descriptor, &info) != 0)
        ThrowOsError(errno, m_path);
    return info.st_size;
}

size_t TBinaryFile::Read(void* buffer, size_t count)
{
    auto* bytes = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(m_descriptor, bytes + done, count - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowOsError(errno, m_path);
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    return done;
}

void TBinaryFile::ReadExact(void* buffer, size_t count)
{
    if (Read(buffer, count) != count)
        throw EInOutError(ShortReadError, "Disk read error", m_path);
}

void TBinaryFile::WriteExact(const void* buffer, size_t count)
{
    const auto* bytes = static_cast<const char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(m_descriptor, bytes + done, count - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            ThrowOsError(errno, m_path);
        if (put == 0)
            throw EInOutError(ShortWriteError, "Disk write error", m_path);
        done += static_cast<size_t>(put);
    }
}

void TBinaryFile::Close()
{
    if (m_descriptor < 0)
        return;
    const int result = ::close(std::exchange(m_descriptor, -1));
    if (result != 0 && errno != EINTR)
        ThrowOsError(errno, m_path);
}

std::string ReadWholeFile(const std::string& path)
{
    int descriptor = -1;
    do
        descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        ThrowOsError(errno, path);
    std::string text;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(descriptor);
            ThrowOsError(error, path);
        }
        if (got == 0)
            break;
        text.append(chunk, static_cast<size_t>(got));
    }
    ::close(descriptor);
    return text;
}

TTextReader::TTextReader(const std::string& path) : m_text(ReadWholeFile(path))
{
}

std::string TTextReader::ReadLine()
{
    if (Eof())
        return {};
    size_t end = m_text.find('\n', m_position);
    if (end == std::string::npos)
        end = m_text.size();
    std::string line = m_text.substr(m_position, end - m_position);
    m_position = end + 1;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

TTextWriter::TTextWriter(const std::string& path, TMode mode)
    : m_file(mode == TMode::Append ? TBinaryFile::OpenForAppend(path) : TBinaryFile::Create(path))
{
}

void TTextWriter::WriteLine(std::string_view line)
{
    m_text.append(line);
    m_text.append("\r\n");
}

void TTextWriter::Close()
{
    m_file.WriteExact(m_text.data(), m_text.size());
    m_file.Close();
}

namespace {

std::string& StoodInExecutablePath()
{
    static std::string path;
    return path;
}

} // namespace

void SetExecutablePath(std::string path)
{
    StoodInExecutablePath() = std::move(path);
}

std::string ExecutablePath()
{
    if (!StoodInExecutablePath().empty())
        return StoodInExecutablePath();
    // readlink cuts a long path silently to the buffer: only a result shorter than the buffer
    // is known to be whole.
    std::string path(4096, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0)
            ThrowOsError(errno, "/proc/self/exe");
        if (static_cast<size_t>(length) < path.size()) {
            path.resize(static_cast<size_t>(length));
            // A program file replaced while it runs (a rebuild) is reported with this mark; the
            // option file and the document belong beside the name it was started by.
            static constexpr std::string_view DeletedMark = " (deleted)";
            if (path.ends_with(DeletedMark) && !FileExists(path))
                path.resize(path.size() - DeletedMark.size());
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ExtractFileName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFilePath(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::vector<TFolderEntry> ReadFolderEntries(const std::string& folder)
{
    std::vector<TFolderEntry> entries;
    DIR* directory = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!directory)
        return entries;
    const int descriptor = ::dirfd(directory);
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info {};
        if (::fstatat(descriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const bool link = S_ISLNK(info.st_mode);
        if (link && ::fstatat(descriptor, entry->d_name, &info, 0) != 0)
            continue;
        const bool isFolder = S_ISDIR(info.st_mode);
        if ((isFolder && link) || (!isFolder && !S_ISREG(info.st_mode)))
            continue;
        entries.push_back({std::string(name), isFolder, PackDosDateTime(info.st_mtim.tv_sec)});
    }
    ::closedir(directory);
    std::sort(entries.begin(), entries.end(),
              [](const TFolderEntry& a, const TFolderEntry& b) { return a.Name < b.Name; });
    return entries;
}

int32_t PackDosDateTime(int64_t unixTime)
{
    constexpr int FirstYear = 1980;
    constexpr int LastYear = FirstYear + 127;
    const auto seconds = static_cast<time_t>(unixTime);
    std::tm local{};
    if (!::localtime_r(&seconds, &local))
        return 0;
    const int year = local.tm_year + 1900;
    uint32_t date = 0;
    uint32_t time = 0;
    if (year < FirstYear) {
        date = (1 << 5) | 1;
    } else if (year > LastYear) {
        date = (127 << 9) | (12 << 5) | 31;
        time = (23 << 11) | (59 << 5) | 29;
    } else {
        date = static_cast<uint32_t>(((year - FirstYear) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
        time = static_cast<uint32_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    }
    return static_cast<int32_t>((date << 16) | time);
}
