#include "dialogs/opendialog.h"

#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/folderlists.h"
#include "dialogs/icons.h"
#include "dialogs/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace plandex {

OpenDialog::OpenDialog(std::function<void(const QString &path)> open, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_open(std::move(open))
{
    setObjectName("dlgOpen");
    setWindowTitle("Открытие комнаты :)");
    setWindowIcon(appIcon());
    setFixedSize(twipsSize(5355, 4950));

    m_File1 = placed(new FileList(this), "File1", twipsRect(2880, 0, 2415, 3405));
    m_File1->setPattern("*.kom");

    m_Drive1 = placed(new DriveList(this), "Drive1", twipsRect(120, 4080, 2655, 315));

    m_Dir1 = placed(new DirList(this), "Dir1", twipsRect(120, 0, 2655, 3915));

    m_direkt = placed(new QLabel(this), "direkt", twipsRect(0, 4560, 5295, 375));

    m_op = placed(new QPushButton("Открыть", this), "op", twipsRect(3120, 3480, 1815, 375));
    m_op->setDefault(true);

    m_noop = placed(new QPushButton("Отмена", this), "noop", twipsRect(3120, 3960, 1815, 375));

    setTabOrder(m_File1, m_Drive1);
    setTabOrder(m_Drive1, m_Dir1);
    setTabOrder(m_Dir1, m_op);
    setTabOrder(m_op, m_noop);

    connect(m_Drive1, &DriveList::driveChanged, this, &OpenDialog::Drive1_Change);
    connect(m_Dir1, &DirList::pathChanged, this, &OpenDialog::Dir1_Change);
    connect(m_File1, &FileList::fileClicked, this, &OpenDialog::File1_Click);
    connect(m_File1, &FileList::fileDoubleClicked, this, &OpenDialog::File1_DblClick);
    connect(m_op, &QPushButton::clicked, this, &OpenDialog::op_Click);
    connect(m_noop, &QPushButton::clicked, this, &QDialog::reject);
}

void OpenDialog::showEvent(QShowEvent *event)
{
    // A dialog object shown again starts over, as a freshly made one does.
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

void OpenDialog::load()
{
    showWorkingFolder(*m_Drive1, *m_Dir1, *m_File1);
    m_direkt->clear();
}

void OpenDialog::Drive1_Change(const QString &root)
{
    // An unreadable drive leaves the lists where they were, silently.
    m_Dir1->setPath(DriveList::folderForDrive(root));
}

void OpenDialog::Dir1_Change()
{
    m_File1->setPath(m_Dir1->path());
}

void OpenDialog::File1_Click(const QString &name)
{
    // In the root folder this gives "//name", which the file system takes as "/name".
    m_direkt->setText(m_Dir1->path() + u'/' + name);
}

void OpenDialog::File1_DblClick(const QString &name)
{
    // The click before it normally set direkt already; a double click that
    // arrives alone must not open whatever was chosen earlier.
    File1_Click(name);
    op_Click();
}

void OpenDialog::op_Click()
{
    // The dialog stays up while the room loads, so any message sits over it.
    if (m_open)
        m_open(m_direkt->text());
    accept();
}

} // namespace plandex
