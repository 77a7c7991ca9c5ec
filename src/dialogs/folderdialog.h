#pragma once

#include <QDialog>
#include <QRect>

class QLabel;

namespace plandex {

class DirList;
class DriveList;
class FileList;

// What the open and save dialogs share: a fixed window with the drive,
// folder and file lists, back at the program's working folder at every
// showing, and the label direkt that shows the path the dialog will use.
class FolderDialog : public QDialog
{
    Q_OBJECT

public:
    DriveList *Drive1() const { return m_Drive1; }
    DirList *Dir1() const { return m_Dir1; }
    FileList *File1() const { return m_File1; }
    QLabel *direkt() const { return m_direkt; }

protected:
    struct Layout {
        const char *name;
        QString caption;
        QSize client;
        QRect Drive1;
        QRect Dir1;
        QRect File1;
        QRect direkt;
    };

    FolderDialog(const Layout &layout, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    virtual void load();
    virtual void Dir1_Change();
    virtual void File1_Click(const QString &name) = 0;

private:
    void Drive1_Change(const QString &root);

    DriveList *m_Drive1;
    DirList *m_Dir1;
    FileList *m_File1;
    QLabel *m_direkt;
};

} // namespace plandex
