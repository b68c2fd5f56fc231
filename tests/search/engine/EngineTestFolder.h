#pragma once
// A fresh folder per test for the files that the search reads and writes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class EngineTestFolder : public ::testing::Test {
protected:
    void SetUp() override { m_folder = MakeFolder(std::filesystem::temp_directory_path()); }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    // Moves the test's folder to another parent.
    void MoveFolderTo(const std::filesystem::path& parent)
    {
        std::filesystem::remove_all(m_folder);
        m_folder = MakeFolder(parent);
    }
    static std::string MakeFolder(const std::filesystem::path& parent)
    {
        std::string folder = (parent / "TrawlboxEngine.XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr)
            throw std::runtime_error("no test folder in " + parent.string());
        return folder;
    }

    [[nodiscard]] std::string PathOf(const std::string& name) const { return m_folder + "/" + name; }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // A file of size bytes, all zero but the given bytes at the given offsets; sparse where the
    // file system allows, so that a large one costs no disk.
    std::string WriteSparse(const std::string& name, uintmax_t size,
                            const std::vector<std::pair<uintmax_t, std::string>>& pieces) const
    {
        const std::string path = Write(name, "");
        std::filesystem::resize_file(path, size);
        std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
        for (const auto& [offset, bytes] : pieces) {
            file.seekp(static_cast<std::streamoff>(offset));
            file << bytes;
        }
        return path;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string m_folder;
};
