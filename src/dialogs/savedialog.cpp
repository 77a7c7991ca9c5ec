#include "dialogs/savedialog.h"

#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/twips.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plandex {

namespace {

QString defaultName()
{
    return SaveDialog::tr("безымянная комната");
}

// The list shows only names that end in the extension, in one case or another.
QString withoutExtension(const QString &fileName)
{
    return fileName.left(qMax(0, fileName.size() - 4));
}

} // namespace

SaveDialog::SaveDialog(
    const QString &mode, std::function<bool(const QString &path)> write, QWidget *parent)
    : FolderDialog(
        {.name = "dlgSav",
            .caption = mode == QLatin1String("Sav") ? tr("Сохранение комнаты.")
                                                    : tr("Экспорт комнаты в рисунок BMP."),
            .client = twipsSize(6795, 4905),
            .Drive1 = twipsRect(4920, 3600, 1815, 315),
            .Dir1 = twipsRect(120, 0, 4695, 3915),
            .File1 = twipsRect(4920, 0, 1695, 2625),
            .direkt = twipsRect(0, 4320, 6735, 495)},
        parent)
    , m_saveMode(mode == QLatin1String("Sav"))
    , m_write(std::move(write))
{
    File1()->setPattern(u'*' + extension());

    m_nam = placed(new QLineEdit(defaultName(), this), "nam", twipsRect(120, 3960, 6615, 285));

    m_sav = placed(new QPushButton(tr("Сохранить"), this), "sav", twipsRect(4920, 2640, 1695, 375));
    m_sav->setDefault(true);

    m_nosav
        = placed(new QPushButton(tr("Отмена"), this), "nosav", twipsRect(4920, 3120, 1695, 375));

    setTabOrder(Drive1(), Dir1());
    setTabOrder(Dir1(), m_nam);
    setTabOrder(m_nam, m_sav);
    setTabOrder(m_sav, m_nosav);
    setTabOrder(m_nosav, File1());

    connect(m_nam, &QLineEdit::textChanged, this, &SaveDialog::recompute);
    // A name typed goes back to the mode's extension.
    connect(m_nam, &QLineEdit::textEdited, this, [this] {
        m_picked.clear();
        recompute();
    });
    // A double click here only takes the name, as a click does; it saves nothing.
    connect(File1(), &FileList::fileDoubleClicked, this, &SaveDialog::File1_Click);
    connect(m_sav, &QPushButton::clicked, this, &SaveDialog::sav_Click);
    connect(m_nosav, &QPushButton::clicked, this, &QDialog::reject);

    recompute();
}

QString SaveDialog::extension() const
{
    return m_saveMode ? QStringLiteral(".kom") : QStringLiteral(".bmp");
}

void SaveDialog::load()
{
    FolderDialog::load();
    m_picked.clear();
    m_nam->setText(defaultName());
    const QFileInfo proposed(m_proposedFile);
    if (!m_proposedFile.isEmpty() && showFolder(proposed.absolutePath())) {
        if (proposed.fileName().endsWith(extension(), Qt::CaseInsensitive))
            File1_Click(proposed.fileName()); // that very file, as if picked in the list
        else
            m_nam->setText(proposed.fileName());
    }
    recompute();
}

void SaveDialog::recompute()
{
    // No check of the name: the file written is exactly the one shown. In the
    // root folder the path shows "//name", which the file system takes as "/name".
    const QString name = !m_picked.isEmpty() && m_nam->text() == withoutExtension(m_picked)
        ? m_picked
        : m_nam->text() + extension();
    direkt()->setText(Dir1()->path() + u'/' + name);
}

void SaveDialog::Dir1_Change()
{
    m_picked.clear();
    recompute();
    FolderDialog::Dir1_Change();
}

void SaveDialog::File1_Click(const QString &name)
{
    m_picked = name;
    m_nam->setText(withoutExtension(name));
    recompute();
}

void SaveDialog::sav_Click()
{
    recompute();
    // A failed write has told the user why; keep the dialog for another try.
    if (m_write && !m_write(direkt()->text()))
        return;
    accept();
}

} // namespace plandex
