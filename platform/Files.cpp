#include "Files.h"

#include "Runtime.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

[[noreturn]] void ThrowOsError(int error, const std::string& path)
{
    throw EInOutError(error, std::strerror(error), path);
}

bool HasReadOnlyAttribute(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0222) == 0;
}

int OpenOrThrow(const std::string& path, int flags)
{
    if ((flags & O_ACCMODE) != O_RDONLY && HasReadOnlyAttribute(path))
        ThrowOsError(EACCES, path);
    int descriptor = -1;
    do
        descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        ThrowOsError(errno, path);
    return descriptor;
}

} // namespace

bool FileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

TBinaryFile::TBinaryFile(int descriptor, std::string path) : m_descriptor(descriptor), m_path(std::move(path)) {}

TBinaryFile TBinaryFile::OpenExisting(const std::string& path)
{
    return TBinaryFile(OpenOrThrow(path, O_RDWR), path);
}

TBinaryFile TBinaryFile::OpenReadOnly(const std::string& path)
{
    return TBinaryFile(OpenOrThrow(path, O_RDONLY), path);
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

TTextReader::TTextReader(const std::string& path) : m_text(ReadWholeFile(path)) {}

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
