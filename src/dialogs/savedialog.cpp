#include "dialogs/savedialog.h"

#include "app/twips.h"
#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plandex {

SaveDialog::SaveDialog(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("dlgSav");
    // Replaced by the caller according to what is being saved.
    setWindowTitle("Сохранение комнаты.");
    setWindowIcon(QIcon(":/icons/plandex.svg"));
    setFixedSize(twipsSize(6795, 4905));

    m_Drive1 = placed(new DriveList(this), "Drive1", twipsRect(4920, 3600, 1815, 315));

    m_Dir1 = placed(new DirList(this), "Dir1", twipsRect(120, 0, 4695, 3915));

    m_direkt = placed(new QLabel(this), "direkt", twipsRect(0, 4320, 6735, 495));

    m_nam
        = placed(new QLineEdit("безымянная комната", this), "nam", twipsRect(120, 3960, 6615, 285));

    m_sav = placed(new QPushButton("Сохранить", this), "sav", twipsRect(4920, 2640, 1695, 375));
    m_sav->setDefault(true);

    m_nosav = placed(new QPushButton("Отмена", this), "nosav", twipsRect(4920, 3120, 1695, 375));
    connect(m_nosav, &QPushButton::clicked, this, &QDialog::reject);

    m_File1 = placed(new FileList(this), "File1", twipsRect(4920, 0, 1695, 2625));
    m_File1->setPattern("*.kom");

    setTabOrder(m_Drive1, m_Dir1);
    setTabOrder(m_Dir1, m_nam);
    setTabOrder(m_nam, m_sav);
    setTabOrder(m_sav, m_nosav);
    setTabOrder(m_nosav, m_File1);
}

} // namespace plandex
