#pragma once
// Byte-exact file access. Every failure raises EInOutError; a transfer that moves fewer bytes
// than asked is an error too, never a silent success.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// True for an existing file that is not a folder.
[[nodiscard]] bool FileExists(const std::string& path);

// A file opened for block transfers; closed by Close() or at destruction.
class TBinaryFile {
public:
    // An existing file for reading and writing, not truncated, positioned at its start. A file
    // whose write permission bits are all clear counts as read-only and is refused, for root too;
    // so is, at once, whatever is no regular file (a pipe, a device): no open for writing waits.
    [[nodiscard]] static TBinaryFile OpenExisting(const std::string& path);
    // An existing plain file for reading only, positioned at its start; read-only files too.
    // A pipe or a device is refused rather than waited on. The size the file has at the open
    // goes to sizeAtOpen where one is given.
    [[nodiscard]] static TBinaryFile OpenReadOnly(const std::string& path, int64_t* sizeAtOpen = nullptr);
    // As OpenReadOnly where FileExists finds a file; where it finds none (nothing at the path, or
    // a folder), nothing and no error. The open itself answers, so that a file which is there
    // costs no test of its own.
    [[nodiscard]] static std::optional<TBinaryFile> OpenReadOnlyIfExists(const std::string& path,
                                                                         int64_t* sizeAtOpen = nullptr);
    // Creates the file, or truncates an existing one; refuses a read-only file, or one that is
    // no regular file, likewise.
    [[nodiscard]] static TBinaryFile Create(const std::string& path);
    // An existing file for writing at its end; refuses a read-only file likewise.
    [[nodiscard]] static TBinaryFile OpenForAppend(const std::string& path);

    TBinaryFile(TBinaryFile&& other) noexcept;
    TBinaryFile& operator=(TBinaryFile&& other) noexcept;
    TBinaryFile(const TBinaryFile&) = delete;
    TBinaryFile& operator=(const TBinaryFile&) = delete;
    ~TBinaryFile();

    [[nodiscard]] int64_t Size() const;
    // Reads up to count bytes and returns how many arrived (fewer only at the end of the file).
    [[nodiscard]] size_t Read(void* buffer, size_t count);
    // Reads exactly count bytes or raises EInOutError.
    void ReadExact(void* buffer, size_t count);
    // Writes exactly count bytes or raises EInOutError.
    void WriteExact(const void* buffer, size_t count);
    void Close();

private:
    TBinaryFile(int descriptor, std::string path);
    int m_descriptor = -1;
    std::string m_path;
};

// Reads a whole file; raises EInOutError when it cannot be opened or read.
[[nodiscard]] std::string ReadWholeFile(const std::string& path);

// A text file read line by line; CR LF and LF both end a line. Reading past the end gives empty
// lines.
class TTextReader {
public:
    explicit TTextReader(const std::string& path);
    [[nodiscard]] std::string ReadLine();
    [[nodiscard]] bool Eof() const { return m_position >= m_text.size(); }

private:
    std::string m_text;
    size_t m_position = 0;
};

// A text file written line by line with CR LF ends; the file is created or truncated at once
// (or, appending, opened at its end) and written in full by Close().
class TTextWriter {
public:
    enum class TMode { Create, Append };
    explicit TTextWriter(const std::string& path, TMode mode = TMode::Create);
    void WriteLine(std::string_view line);
    void Close();

private:
    TBinaryFile m_file;
    std::string m_text;
};

// The running executable's full path, or the path stood in for it.
[[nodiscard]] std::string ExecutablePath();
// Stands another path in for the executable's, so that a test places the program, and the files
// that live beside it, in a folder of its own; an empty path gives back the real one.
void SetExecutablePath(std::string path);
// What the platform puts behind the name of a program file.
#ifdef _WIN32
inline constexpr char ExecutableSuffix[] = ".exe";
#else
inline constexpr char ExecutableSuffix[] = "";
#endif
// The path without its folder.
[[nodiscard]] std::string ExtractFileName(const std::string& path);
// The folder of the path, with its trailing separator.
[[nodiscard]] std::string ExtractFilePath(const std::string& path);
// The path with the extension of its name replaced by ext (".ini"), or ext appended.
[[nodiscard]] std::string ChangeFileExt(const std::string& path, const std::string& ext);

// One entry of a folder: its name, whether it is a folder, and its last-write time in local
// time, packed in the MS-DOS date and time format.
struct TFolderEntry {
    std::string Name;
    bool IsFolder = false;
    int32_t Time = 0;
};

// The entries of the folder (a path ending in '/', or empty for the current folder) in name
// order, without "." and "..". A symbolic link stands for what it leads to, except that a link
// to a folder is left out, so that a walk through the tree never loops; whatever is neither a
// folder nor a regular file (devices, pipes, sockets, broken links) is left out too, as nothing
// there can be read whole. A folder that cannot be read has no entries.
[[nodiscard]] std::vector<TFolderEntry> ReadFolderEntries(const std::string& folder);

// The time as local time packed in the MS-DOS format: the date in the upper 16 bits (year
// - 1980, month, day), the time in the lower (hours, minutes, seconds / 2). Times before 1980
// or after 2107, which the format cannot hold, give its first or last moment.
[[nodiscard]] int32_t PackDosDateTime(int64_t unixTime);
