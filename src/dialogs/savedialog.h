#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plandex {

class DirList;
class DriveList;
class FileList;

// The save-and-export dialog dlgSav: a name and the folder to put it in.
// Mode "Sav" saves a room (".kom"), any other mode exports the plan (".bmp").
// "Сохранить" hands the target shown in direkt to write; the dialog closes
// when write reports success and stays open for another try otherwise.
class SaveDialog : public QDialog
{
    Q_OBJECT

public:
    SaveDialog(const QString &mode, std::function<bool(const QString &path)> write,
        QWidget *parent = nullptr);

    // Every showing starts at this file, its folder and its
    // name, instead of the working folder and the default name; none when
    // empty, or when its folder cannot be listed.
    void proposeFile(const QString &path) { m_proposedFile = path; }

    DriveList *Drive1() const { return m_Drive1; }
    DirList *Dir1() const { return m_Dir1; }
    QLabel *direkt() const { return m_direkt; }
    QLineEdit *nam() const { return m_nam; }
    QPushButton *sav() const { return m_sav; }
    QPushButton *nosav() const { return m_nosav; }
    FileList *File1() const { return m_File1; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString extension() const;
    void load();
    void recompute();
    void Drive1_Change(const QString &root);
    void Dir1_Change();
    void File1_Click(const QString &name);
    void sav_Click();

    // Fixed when the dialog is made: the caller's status text may say
    // something else by the time a failed write is retried.
    const bool m_saveMode;
    std::function<bool(const QString &path)> m_write;
    QString m_proposedFile;
    DriveList *m_Drive1;
    DirList *m_Dir1;
    QLabel *m_direkt;
    QLineEdit *m_nam;
    QPushButton *m_sav;
    QPushButton *m_nosav;
    FileList *m_File1;
};

} // namespace plandex
