#include "MainFormFixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using SaveOntoPipe = MainFormTest;

// The commands that write a file the user names in a save dialog.
struct SaveCommand {
    const char* name;
    TMenuItem* TMainForm::*item;
};

TEST_F(SaveOntoPipe, EachSaveCommandRefusesAPipeWithTheErrorBoxNamingIt)
{
    const SaveCommand commands[] = {
        {"Save As", &TMainForm::mSaveAs},
        {"text report", &TMainForm::mSaveTextFile},
        {"style group", &TMainForm::mStyleGroupSave},
    };
    Load(0, Pattern(40));
    const std::string pipe = folder.filePath(QStringLiteral("pipe")).toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    // A reader, so that a write would go through into the pipe rather than wait.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    for (const SaveCommand& command : commands) {
        SCOPED_TRACE(command.name);
        recorder.Errors.clear();
        seam.FileAnswers = {pipe};
        (form.get()->*command.item)->trigger();
        ASSERT_EQ(recorder.Errors.size(), 1u);
        EXPECT_TRUE(recorder.Errors[0].ends_with(": " + pipe)) << recorder.Errors[0];
        char received[4096];
        EXPECT_LE(::read(reader, received, sizeof received), 0) << "nothing was written into the pipe";
    }
    ::close(reader);
    EXPECT_EQ(form->windowTitle().toStdString(), "Byteloom - data.bin") << "the caption follows only a save";
}

} // namespace
