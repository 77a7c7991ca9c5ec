#include "dialogs/folderdialog.h"

#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/icons.h"
#include "dialogs/plainlabel.h"
#include "dialogs/twips.h"

#include <QDir>
#include <QShowEvent>

namespace plandex {

FolderDialog::FolderDialog(const Layout &layout, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(layout.name);
    setWindowTitle(layout.caption);
    setWindowIcon(appIcon());
    setFixedSize(layout.client);

    m_Drive1 = placed(new DriveList(this), "Drive1", layout.Drive1);
    m_Dir1 = placed(new DirList(this), "Dir1", layout.Dir1);
    m_File1 = placed(new FileList(this), "File1", layout.File1);
    m_direkt = placed(plainLabel(this), "direkt", layout.direkt);

    connect(m_Drive1, &DriveList::driveChanged, this, &FolderDialog::Drive1_Change);
    connect(m_Dir1, &DirList::pathChanged, this, &FolderDialog::Dir1_Change);
    connect(m_File1, &FileList::fileClicked, this, &FolderDialog::File1_Click);
}

void FolderDialog::showEvent(QShowEvent *event)
{
    // A dialog object shown again starts over, as a freshly made one does.
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

void FolderDialog::load()
{
    const QString cwd = QDir::currentPath();
    m_Drive1->setDrive(DriveList::driveOf(cwd, m_Drive1->roots()));
    m_Dir1->setPath(cwd);
    m_File1->setPath(cwd);
    m_direkt->clear();
}

void FolderDialog::Drive1_Change(const QString &root)
{
    // An unreadable drive leaves the lists where they were, silently.
    m_Dir1->setPath(DriveList::folderForDrive(root, QDir::currentPath(), m_Drive1->roots()));
}

void FolderDialog::Dir1_Change()
{
    m_File1->setPath(m_Dir1->path());
}

} // namespace plandex
