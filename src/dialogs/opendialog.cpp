#include "dialogs/opendialog.h"

#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/twips.h"

#include <QLabel>
#include <QPushButton>

namespace plandex {

OpenDialog::OpenDialog(std::function<void(const QString &path)> open, QWidget *parent)
    : FolderDialog({.name = "dlgOpen",
                       .caption = tr("Открытие комнаты :)"),
                       .client = twipsSize(5355, 4950),
                       .Drive1 = twipsRect(120, 4080, 2655, 315),
                       .Dir1 = twipsRect(120, 0, 2655, 3915),
                       .File1 = twipsRect(2880, 0, 2415, 3405),
                       .direkt = twipsRect(0, 4560, 5295, 375)},
        parent)
    , m_open(std::move(open))
{
    File1()->setPattern("*.kom");

    m_op = placed(new QPushButton(tr("Открыть"), this), "op", twipsRect(3120, 3480, 1815, 375));
    m_op->setDefault(true);

    m_noop = placed(new QPushButton(tr("Отмена"), this), "noop", twipsRect(3120, 3960, 1815, 375));

    setTabOrder(File1(), Drive1());
    setTabOrder(Drive1(), Dir1());
    setTabOrder(Dir1(), m_op);
    setTabOrder(m_op, m_noop);

    connect(File1(), &FileList::fileDoubleClicked, this, &OpenDialog::File1_DblClick);
    connect(m_op, &QPushButton::clicked, this, &OpenDialog::op_Click);
    connect(m_noop, &QPushButton::clicked, this, &QDialog::reject);
}

void OpenDialog::File1_Click(const QString &name)
{
    // In the root folder this gives "//name", which the file system takes as "/name".
    direkt()->setText(Dir1()->path() + u'/' + name);
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
        m_open(direkt()->text());
    accept();
}

} // namespace plandex
