#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plandex {

class DirList;
class DriveList;
class FileList;

// The save-and-export dialog dlgSav: a room name and the folder to put it in.
class SaveDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SaveDialog(QWidget *parent = nullptr);

    DriveList *Drive1() const { return m_Drive1; }
    DirList *Dir1() const { return m_Dir1; }
    QLabel *direkt() const { return m_direkt; }
    QLineEdit *nam() const { return m_nam; }
    QPushButton *sav() const { return m_sav; }
    QPushButton *nosav() const { return m_nosav; }
    FileList *File1() const { return m_File1; }

private:
    DriveList *m_Drive1;
    DirList *m_Dir1;
    QLabel *m_direkt;
    QLineEdit *m_nam;
    QPushButton *m_sav;
    QPushButton *m_nosav;
    FileList *m_File1;
};

} // namespace plandex
