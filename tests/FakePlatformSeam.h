#pragma once
// A platform seam for tests: answers the file dialogs from a script, records the message boxes,
// the dialogs asked for and the shell requests. Installed for the life of the object.

#include "PlatformSeam.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class FakePlatformSeam : public TPlatformSeam {
public:
    FakePlatformSeam() : m_previous(SetPlatformSeam(this)) {}
    ~FakePlatformSeam() override { SetPlatformSeam(m_previous); }
    FakePlatformSeam(const FakePlatformSeam&) = delete;
    FakePlatformSeam& operator=(const FakePlatformSeam&) = delete;

    struct FileRequest {
        bool save;
        TFileDialogSpec spec;
        std::string proposed;
    };

    // The next file dialogs' answers: a name for OK, nullopt for Cancel.
    std::deque<std::optional<std::string>> FileAnswers;
    std::vector<FileRequest> FileRequests;
    std::vector<std::string> Messages;
    std::vector<std::string> Errors;
    std::vector<std::string> OpenedDocuments;
    std::vector<std::string> StartedPrograms;

    void MessageBox(const std::string& text) override { Messages.push_back(text); }
    void ErrorBox(const std::string& text) override { Errors.push_back(text); }
    bool ExecuteOpenDialog(const TFileDialogSpec& spec, std::string& fileName) override
    {
        return Answer(false, spec, fileName);
    }
    bool ExecuteSaveDialog(const TFileDialogSpec& spec, std::string& fileName) override
    {
        return Answer(true, spec, fileName);
    }
    bool ExecuteColorDialog(QColor&) override { return false; }
    bool ExecuteFontDialog(QFont&, QColor&) override { return false; }
    bool OpenDocument(const std::string& path) override
    {
        OpenedDocuments.push_back(path);
        return true;
    }
    bool StartProgram(const std::string& path) override
    {
        StartedPrograms.push_back(path);
        return true;
    }

private:
    bool Answer(bool save, const TFileDialogSpec& spec, std::string& fileName)
    {
        FileRequests.push_back({save, spec, fileName});
        if (FileAnswers.empty())
            return false;
        std::optional<std::string> answer = FileAnswers.front();
        FileAnswers.pop_front();
        if (!answer)
            return false;
        fileName = *answer;
        return true;
    }

    TPlatformSeam* m_previous;
};
