#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace plandex {

class DirList;
class DriveList;
class FileList;

// The open dialog dlgOpen: drive, folder and room file lists. "Открыть"
// (or a double click on a file) hands the path shown in direkt to open and
// closes the dialog; cancelling opens nothing.
class OpenDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OpenDialog(std::function<void(const QString &path)> open, QWidget *parent = nullptr);

    FileList *File1() const { return m_File1; }
    DriveList *Drive1() const { return m_Drive1; }
    DirList *Dir1() const { return m_Dir1; }
    QLabel *direkt() const { return m_direkt; }
    QPushButton *op() const { return m_op; }
    QPushButton *noop() const { return m_noop; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void load();
    void Drive1_Change(const QString &root);
    void Dir1_Change();
    void File1_Click(const QString &name);
    void File1_DblClick(const QString &name);
    void op_Click();

    std::function<void(const QString &path)> m_open;
    FileList *m_File1;
    DriveList *m_Drive1;
    DirList *m_Dir1;
    QLabel *m_direkt;
    QPushButton *m_op;
    QPushButton *m_noop;
};

} // namespace plandex
