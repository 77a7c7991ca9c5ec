#pragma once

#include "dialogs/folderdialog.h"

#include <functional>

class QLineEdit;
class QPushButton;

namespace plandex {

// The save-and-export dialog dlgSav: a name and the folder to put it in.
// Mode "Sav" saves a room (".kom"), any other mode exports the plan (".bmp").
// "Сохранить" hands the target shown in direkt to write; the dialog closes
// when write reports success and stays open for another try otherwise.
class SaveDialog : public FolderDialog
{
    Q_OBJECT

public:
    SaveDialog(const QString &mode, std::function<bool(const QString &path)> write,
        QWidget *parent = nullptr);

    QLineEdit *nam() const { return m_nam; }
    QPushButton *sav() const { return m_sav; }
    QPushButton *nosav() const { return m_nosav; }

private:
    QString extension() const;
    void load() override;
    void recompute();
    void Dir1_Change() override;
    void File1_Click(const QString &name) override;
    void sav_Click();

    // Fixed when the dialog is made: the caller's status text may say
    // something else by the time a failed write is retried.
    const bool m_saveMode;
    std::function<bool(const QString &path)> m_write;
    // The file last clicked: while nam still holds its name, untyped, in
    // its folder, that very file is the target, whatever the case of its
    // extension.
    QString m_picked;
    QLineEdit *m_nam;
    QPushButton *m_sav;
    QPushButton *m_nosav;
};

} // namespace plandex
