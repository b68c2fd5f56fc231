#pragma once
// A file that belongs to this fuzzing process alone, so that processes started side by side
// (-jobs, -fork) never share one. It lies in memory-backed storage where the system has it: a
// file on disk costs more than a whole run of the code under test. Its name stays the same for
// the whole run and it is removed at exit.

#include "Files.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

class TScratchFile {
public:
    explicit TScratchFile(const std::string& name)
        : m_path((Folder() / ("byteloom_" + std::to_string(::getpid()) + "_" + name)).string())
    {
    }
    ~TScratchFile() { std::remove(m_path.c_str()); }
    TScratchFile(const TScratchFile&) = delete;
    TScratchFile& operator=(const TScratchFile&) = delete;

    [[nodiscard]] const std::string& Path() const { return m_path; }

    void Store(const uint8_t* data, size_t size) const
    {
        TBinaryFile file = TBinaryFile::Create(m_path);
        file.WriteExact(data, size);
        file.Close();
    }

private:
    static std::filesystem::path Folder()
    {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        if (std::filesystem::is_directory(memory, error))
            return memory;
        return std::filesystem::temp_directory_path();
    }

    std::string m_path;
};
