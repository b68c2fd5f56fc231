#pragma once
// Everything that asks the user or the desktop for something: the message boxes, the common
// dialogs and the shell. The windows reach it only through Platform(), so that a test installs a
// fake that answers the dialogs and records the messages and shell requests.

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

struct TFileDialogSpec {
    QString Title; // empty: the platform's title
    // Pairs of description and patterns, separated by '|': "form style|*.fms".
    QString Filter;
    QString DefaultExt; // ".fms"; empty for none
    // The bar of the desktop's places beside the folder view.
    bool PlacesBar = true;
};

class TPlatformSeam {
public:
    virtual ~TPlatformSeam() = default;

    // Modal boxes with an OK button; texts are UTF-8.
    virtual void MessageBox(const std::string& text);
    virtual void ErrorBox(const std::string& text);

    // fileName is the proposed name on entry and the chosen one after OK. The open dialog
    // accepts a name that does not exist; the save dialog replaces a file without a question.
    virtual bool ExecuteOpenDialog(const TFileDialogSpec& spec, std::string& fileName);
    virtual bool ExecuteSaveDialog(const TFileDialogSpec& spec, std::string& fileName);
    virtual bool ExecuteColorDialog(QColor& color);
    // The face, size, style and the colour of the text.
    virtual bool ExecuteFontDialog(QFont& font, QColor& textColor);

    // Opens the file with the desktop's program for it.
    virtual bool OpenDocument(const std::string& path);
    // Starts the program file without arguments.
    virtual bool StartProgram(const std::string& path);
};

[[nodiscard]] TPlatformSeam& Platform();
// Installs a seam (nullptr: the real one) and returns the one it replaces.
TPlatformSeam* SetPlatformSeam(TPlatformSeam* seam);

// The title of the application's message boxes.
void SetApplicationTitle(const QString& title);
[[nodiscard]] QString ApplicationTitle();

// Sends ShowMessage and the error box to the platform's modal boxes.
void InstallMessageBoxes();
