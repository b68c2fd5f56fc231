#include "PlatformSeam.h"

#include "ActiveWindowReturn.h"
#include "FontChoiceDialog.h"
#include "Messages.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include <utility>

namespace {

TPlatformSeam& RealSeam()
{
    static TPlatformSeam seam;
    return seam;
}

TPlatformSeam*& CurrentSeam()
{
    static TPlatformSeam* seam = &RealSeam();
    return seam;
}

// Message texts break lines with LF CR; a label wants LF alone.
QString BoxText(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return result;
}

QStringList NameFilters(const QString& filter)
{
    if (filter.isEmpty())
        return {};
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        // An entry without patterns that names an extension (".txt") lists the files of that
        // extension, as its text promises; any other lists every file.
        QString patterns = QStringLiteral("*");
        if (i + 1 < parts.size())
            patterns = parts[i + 1];
        else if (parts[i].startsWith(QLatin1Char('.')))
            patterns = QLatin1Char('*') + parts[i];
        result << QStringLiteral("%1 (%2)").arg(parts[i],
                                                QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return result;
}

bool ExecuteFileDialog(const TFileDialogSpec& spec, std::string& fileName, QFileDialog::AcceptMode mode)
{
    const TActiveWindowReturn activeWindowReturn;
    QFileDialog dialog(nullptr, spec.Title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(NameFilters(spec.Filter));
    QString suffix = spec.DefaultExt;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!spec.PlacesBar) {
        // Only Qt's own dialog lets its sidebar of places go.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto* sidebar = dialog.findChild<QWidget*>(QStringLiteral("sidebar")))
            sidebar->hide();
    }
    if (!fileName.empty()) {
        const QFileInfo proposed(QString::fromStdString(fileName));
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

// A box belongs to the window the user is in, so that it shows above a dialog that stays on top
// of the others.
void ShowBox(QMessageBox::Icon icon, const std::string& text)
{
    const TActiveWindowReturn activeWindowReturn;
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    QMessageBox box(icon, ApplicationTitle(), BoxText(text), QMessageBox::Ok, owner);
    // A close box only: the desktop's other buttons would crowd a short caption out of the title
    // bar of a small box.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (owner != nullptr && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        flags |= Qt::WindowStaysOnTopHint;
    box.setWindowFlags(flags);
    box.exec();
}

} // namespace

void TPlatformSeam::MessageBox(const std::string& text)
{
    ShowBox(QMessageBox::NoIcon, text);
}

void TPlatformSeam::ErrorBox(const std::string& text)
{
    ShowBox(QMessageBox::Critical, text);
}

bool TPlatformSeam::ExecuteOpenDialog(const TFileDialogSpec& spec, std::string& fileName)
{
    return ExecuteFileDialog(spec, fileName, QFileDialog::AcceptOpen);
}

bool TPlatformSeam::ExecuteSaveDialog(const TFileDialogSpec& spec, std::string& fileName)
{
    return ExecuteFileDialog(spec, fileName, QFileDialog::AcceptSave);
}

bool TPlatformSeam::ExecuteColorDialog(QColor& color)
{
    const TActiveWindowReturn activeWindowReturn;
    const QColor chosen = QColorDialog::getColor(color);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

bool TPlatformSeam::ExecuteFontDialog(QFont& font, QColor& textColor)
{
    const TActiveWindowReturn activeWindowReturn;
    TFontChoiceDialog dialog(font, textColor);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.ChosenFont();
    textColor = dialog.ChosenColor();
    return true;
}

bool TPlatformSeam::OpenDocument(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool TPlatformSeam::StartProgram(const std::string& path)
{
    return QProcess::startDetached(QString::fromStdString(path), {});
}

TPlatformSeam& Platform()
{
    return *CurrentSeam();
}

TPlatformSeam* SetPlatformSeam(TPlatformSeam* seam)
{
    return std::exchange(CurrentSeam(), seam ? seam : &RealSeam());
}

void SetApplicationTitle(const QString& title)
{
    QCoreApplication::setApplicationName(title);
}

QString ApplicationTitle()
{
    return QCoreApplication::applicationName();
}

void InstallMessageBoxes()
{
    SetShowMessageHook([](const std::string& text) { Platform().MessageBox(text); });
    SetErrorBoxHook([](const std::string& text) { Platform().ErrorBox(text); });
}
