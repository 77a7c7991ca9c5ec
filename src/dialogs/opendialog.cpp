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

    m_File1 = placed(new FileList(this), "File1", twipsRect(2880, 0, 2415, 3405));
    m_File1->setPattern("*.kom");

    m_Drive1 = placed(new DriveList(this), "Drive1", twipsRect(120, 4080, 2655, 315));

    m_Dir1 = placed(new DirList(this), "Dir1", twipsRect(120, 0, 2655, 3915));

    m_direkt = placed(new QLabel(this), "direkt", twipsRect(0, 4560, 5295, 375));

    m_op = placed(new QPushButton("Открыть", this), "op", twipsRect(3120, 3480, 1815, 375));
    m_op->setDefault(true);

    m_noop = placed(new QPushButton("Отмена", this), "noop", twipsRect(3120, 3960, 1815, 375));
    connect(m_noop, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_File1, m_Drive1);
    setTabOrder(m_Drive1, m_Dir1);
    setTabOrder(m_Dir1, m_op);
    setTabOrder(m_op, m_noop);
}

} // namespace plandex
