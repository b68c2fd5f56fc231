#pragma once
// A platform seam for tests: answers the file dialogs from a script, records the dialogs asked
// for and the shell requests. Installed for the life of the object. The messages are recorded
// before they reach a seam (MessageRecorder.h); one that reaches it is a failure.

#include "PlatformSeam.h"

#include <gtest/gtest.h>

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

    struct FontChoice {
        QFont font;
        QColor color;
    };

    // The next file dialogs' answers: a name for OK, nullopt for Cancel.
    std::deque<std::optional<std::string>> FileAnswers;
    std::vector<FileRequest> FileRequests;
    // The next colour and font dialogs' answers, likewise, and what each dialog opened with.
    std::deque<std::optional<QColor>> ColorAnswers;
    std::vector<QColor> ColorRequests;
    std::deque<std::optional<FontChoice>> FontAnswers;
    std::vector<FontChoice> FontRequests;
    std::vector<std::string> OpenedDocuments;
    std::vector<std::string> StartedPrograms;

    void MessageBox(const std::string& text) override { ADD_FAILURE() << "a message box reached the seam: " << text; }
    void ErrorBox(const std::string& text) override { ADD_FAILURE() << "an error box reached the seam: " << text; }
    bool ExecuteOpenDialog(const TFileDialogSpec& spec, std::string& fileName) override
    {
        return Answer(false, spec, fileName);
    }
    bool ExecuteSaveDialog(const TFileDialogSpec& spec, std::string& fileName) override
    {
        return Answer(true, spec, fileName);
    }
    bool ExecuteColorDialog(QColor& color) override
    {
        ColorRequests.push_back(color);
        const std::optional<QColor> answer = Next(ColorAnswers);
        if (answer)
            color = *answer;
        return answer.has_value();
    }
    bool ExecuteFontDialog(QFont& font, QColor& textColor) override
    {
        FontRequests.push_back({font, textColor});
        const std::optional<FontChoice> answer = Next(FontAnswers);
        if (answer) {
            font = answer->font;
            textColor = answer->color;
        }
        return answer.has_value();
    }
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
    // The first scripted answer, taken off the script; Cancel once the script is done.
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool Answer(bool save, const TFileDialogSpec& spec, std::string& fileName)
    {
        FileRequests.push_back({save, spec, fileName});
        const std::optional<std::string> answer = Next(FileAnswers);
        if (answer)
            fileName = *answer;
        return answer.has_value();
    }

    TPlatformSeam* m_previous;
};
