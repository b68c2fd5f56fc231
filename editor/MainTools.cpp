// The Tools menu: the start of Trawlbox, the document and the About message.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Files.h"
#include "Messages.h"
#include "PlatformSeam.h"

void TMainForm::mTrawlboxClick(TMenuItem*)
{
    const std::string program = ExtractFilePath(ExecutablePath()) + "Trawlbox" + ExecutableSuffix;
    if (!FileExists(program))
        return;
    // Trawlbox takes its colours and font from the option file as it starts.
    WriteOptionFile();
    Platform().StartProgram(program);
}

void TMainForm::mDocumentClick(TMenuItem*)
{
    const std::string document = ChangeFileExt(ExecutablePath(), ".txt");
    if (FileExists(document))
        Platform().OpenDocument(document);
}

void TMainForm::mAboutClick(TMenuItem*)
{
    ShowMessage("Byteloom Version 5.10.12");
}
