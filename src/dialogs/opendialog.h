#pragma once

#include "dialogs/folderdialog.h"

#include <functional>

class QPushButton;

namespace plandex {

// The open dialog dlgOpen: drive, folder and room file lists. "Открыть"
// (or a double click on a file) hands the path shown in direkt to open and
// closes the dialog; cancelling opens nothing.
class OpenDialog : public FolderDialog
{
    Q_OBJECT

public:
    explicit OpenDialog(std::function<void(const QString &path)> open, QWidget *parent = nullptr);

    QPushButton *op() const { return m_op; }
    QPushButton *noop() const { return m_noop; }

private:
    void File1_Click(const QString &name) override;
    void File1_DblClick(const QString &name);
    void op_Click();

    std::function<void(const QString &path)> m_open;
    QPushButton *m_op;
    QPushButton *m_noop;
};

} // namespace plandex
