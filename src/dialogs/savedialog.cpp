#include "dialogs/savedialog.h"

#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/folderlists.h"
#include "dialogs/icons.h"
#include "dialogs/twips.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace plandex {

namespace {

const QString defaultName = QStringLiteral("безымянная комната");

} // namespace

SaveDialog::SaveDialog(
    const QString &mode, std::function<bool(const QString &path)> write, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_saveMode(mode == QLatin1String("Sav"))
    , m_write(std::move(write))
{
    setObjectName("dlgSav");
    setWindowTitle(m_saveMode ? "Сохранение комнаты." : "Экспорт комнаты в рисунок BMP.");
    setWindowIcon(appIcon());
    setFixedSize(twipsSize(6795, 4905));

    m_Drive1 = placed(new DriveList(this), "Drive1", twipsRect(4920, 3600, 1815, 315));

    m_Dir1 = placed(new DirList(this), "Dir1", twipsRect(120, 0, 4695, 3915));

    m_direkt = placed(new QLabel(this), "direkt", twipsRect(0, 4320, 6735, 495));

    m_nam = placed(new QLineEdit(defaultName, this), "nam", twipsRect(120, 3960, 6615, 285));

    m_sav = placed(new QPushButton("Сохранить", this), "sav", twipsRect(4920, 2640, 1695, 375));
    m_sav->setDefault(true);

    m_nosav = placed(new QPushButton("Отмена", this), "nosav", twipsRect(4920, 3120, 1695, 375));

    m_File1 = placed(new FileList(this), "File1", twipsRect(4920, 0, 1695, 2625));
    m_File1->setPattern(u'*' + extension());

    setTabOrder(m_Drive1, m_Dir1);
    setTabOrder(m_Dir1, m_nam);
    setTabOrder(m_nam, m_sav);
    setTabOrder(m_sav, m_nosav);
    setTabOrder(m_nosav, m_File1);

    connect(m_Drive1, &DriveList::driveChanged, this, &SaveDialog::Drive1_Change);
    connect(m_Dir1, &DirList::pathChanged, this, &SaveDialog::Dir1_Change);
    connect(m_nam, &QLineEdit::textChanged, this, &SaveDialog::recompute);
    connect(m_File1, &FileList::fileClicked, this, &SaveDialog::File1_Click);
    // A double click here only takes the name, as a click does; it saves nothing.
    connect(m_File1, &FileList::fileDoubleClicked, this, &SaveDialog::File1_Click);
    connect(m_sav, &QPushButton::clicked, this, &SaveDialog::sav_Click);
    connect(m_nosav, &QPushButton::clicked, this, &QDialog::reject);

    recompute();
}

QString SaveDialog::extension() const
{
    return m_saveMode ? QStringLiteral(".kom") : QStringLiteral(".bmp");
}

void SaveDialog::showEvent(QShowEvent *event)
{
    // A dialog object shown again starts over, as a freshly made one does.
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

void SaveDialog::load()
{
    const QFileInfo proposed(m_proposedFile);
    if (m_proposedFile.isEmpty()
        || !showFolder(*m_Drive1, *m_Dir1, *m_File1, proposed.absolutePath())) {
        showWorkingFolder(*m_Drive1, *m_Dir1, *m_File1);
        m_nam->setText(defaultName);
    } else if (proposed.fileName().endsWith(extension(), Qt::CaseInsensitive)) {
        // As if the user had picked it in the list.
        File1_Click(proposed.fileName());
    } else {
        m_nam->setText(proposed.fileName());
    }
    recompute();
}

void SaveDialog::recompute()
{
    // No check of the name: the file written is exactly the one shown. In the
    // root folder the path shows "//name", which the file system takes as "/name".
    m_direkt->setText(m_Dir1->path() + u'/' + m_nam->text() + extension());
}

void SaveDialog::Drive1_Change(const QString &root)
{
    // An unreadable drive leaves the folder, and so the target, where it was.
    m_Dir1->setPath(DriveList::folderForDrive(root));
}

void SaveDialog::Dir1_Change()
{
    recompute();
    m_File1->setPath(m_Dir1->path());
}

void SaveDialog::File1_Click(const QString &name)
{
    m_nam->setText(name.left(qMax(0, name.size() - 4)));
}

void SaveDialog::sav_Click()
{
    recompute();
    // A failed write has told the user why; keep the dialog for another try.
    if (m_write && !m_write(m_direkt->text()))
        return;
    accept();
}

} // namespace plandex
