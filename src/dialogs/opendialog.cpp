#include "dialogs/opendialog.h"

#include "app/twips.h"
#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"

#include <QLabel>
#include <QPushButton>

namespace plandex {

OpenDialog::OpenDialog(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("dlgOpen");
    setWindowTitle("Открытие комнаты :)");
    setWindowIcon(QIcon(":/icons/plandex.svg"));
    setFixedSize(twipsSize(5355, 4950));

    m_File1 = new FileList(this);
    m_File1->setObjectName("File1");
    m_File1->setGeometry(twipsRect(2880, 0, 2415, 3405));
    m_File1->setPattern("*.kom");

    m_Drive1 = new DriveList(this);
    m_Drive1->setObjectName("Drive1");
    m_Drive1->setGeometry(twipsRect(120, 4080, 2655, 315));

    m_Dir1 = new DirList(this);
    m_Dir1->setObjectName("Dir1");
    m_Dir1->setGeometry(twipsRect(120, 0, 2655, 3915));

    m_direkt = new QLabel(this);
    m_direkt->setObjectName("direkt");
    m_direkt->setGeometry(twipsRect(0, 4560, 5295, 375));

    m_op = new QPushButton("Открыть", this);
    m_op->setObjectName("op");
    m_op->setGeometry(twipsRect(3120, 3480, 1815, 375));
    m_op->setDefault(true);

    m_noop = new QPushButton("Отмена", this);
    m_noop->setObjectName("noop");
    m_noop->setGeometry(twipsRect(3120, 3960, 1815, 375));
    connect(m_noop, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_File1, m_Drive1);
    setTabOrder(m_Drive1, m_Dir1);
    setTabOrder(m_Dir1, m_op);
    setTabOrder(m_op, m_noop);
}

} // namespace plandex
