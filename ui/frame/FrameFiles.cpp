// The frame's file commands: a new game, opening and saving a game through
// the file dialogs, and telling the user what went wrong.

#include "MainFrame.h"

#include "DivuzView.h"

#include "DivuzDoc.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace
{

const char *const FileFilter = QT_TRANSLATE_NOOP("CMainFrame", "Darudo Files (*.orb)");

} // namespace

void CMainFrame::OnFileNew()
{
    myDocument->OnNewDocument();
    myPathName = Untitled;
    myView->update();
}

void CMainFrame::OnOpenGame()
{
    // The open command always asks for a file, even for the game open now,
    // and the window shows no file name afterwards.
    myPathName = Untitled;
    OpenFile();
    myPathName = Untitled;
}

void CMainFrame::OpenFile()
{
    const QString path =
        myPrompt
            ? myPrompt(false)
            : QFileDialog::getOpenFileName(this, tr("Otevřít"), FileDialogFolder(), tr(FileFilter));
    if (path.isEmpty())
        return;
    RememberFileFolder(path);
    QString error;
    QString caption;
    if (!myDocument->OpenGame(path, &error, &caption)) {
        ShowFileProblem(caption, error, path);
        return;
    }
    myPathName = path;
    myView->update();
    UpdateCommandUI();
}

void CMainFrame::SaveFile(bool askForName)
{
    QString path = myPathName;
    if (askForName) {
        path = myPrompt ? myPrompt(true)
                        : QFileDialog::getSaveFileName(this, tr("Uložit"), SaveDialogProposal(),
                                                       tr(FileFilter));
        if (path.isEmpty())
            return;
        RememberFileFolder(path);
        if (!path.endsWith(".orb", Qt::CaseInsensitive))
            path += ".orb";
    }
    QString error;
    if (!myDocument->SaveGame(path, &error)) {
        ShowFileProblem("Divuz", error, path);
        return;
    }
    myPathName = path;
}

void CMainFrame::ShowFileProblem(const QString &caption, const QString &text, const QString &path)
{
    // The text stays as it is; which file it speaks of goes below it.
    QMessageBox box(QMessageBox::Warning, caption.isEmpty() ? QString("Divuz") : caption, text,
                    QMessageBox::Ok, this);
    box.setInformativeText(QDir::toNativeSeparators(path));
    box.exec();
}

QString CMainFrame::FileDialogFolder() const
{
    const QString folder = LoadLastFileFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    // A documents folder that does not exist would be taken for a file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString CMainFrame::SaveDialogProposal() const
{
    const QString name =
        myPathName == Untitled ? Untitled + ".orb" : QFileInfo(myPathName).fileName();
    return QDir(FileDialogFolder()).filePath(name);
}

void CMainFrame::RememberFileFolder(const QString &path)
{
    SaveLastFileFolder(QFileInfo(path).absolutePath());
}
