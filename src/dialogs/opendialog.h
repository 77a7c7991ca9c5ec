#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace plandex {

class DirList;
class DriveList;
class FileList;

// The open dialog dlgOpen: drive, folder and room file lists.
class OpenDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OpenDialog(QWidget *parent = nullptr);

    FileList *File1() const { return m_File1; }
    DriveList *Drive1() const { return m_Drive1; }
    DirList *Dir1() const { return m_Dir1; }
    QLabel *direkt() const { return m_direkt; }
    QPushButton *op() const { return m_op; }
    QPushButton *noop() const { return m_noop; }

private:
    FileList *m_File1;
    DriveList *m_Drive1;
    DirList *m_Dir1;
    QLabel *m_direkt;
    QPushButton *m_op;
    QPushButton *m_noop;
};

} // namespace plandex
