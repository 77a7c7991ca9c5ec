#include "app/qtprompts.h"

#include "plan/editor.h"

#include <QInputDialog>
#include <QMessageBox>

namespace plandex {

void QtPrompts::message(const QString &text)
{
    QMessageBox::information(m_parent, appTitle, text, QMessageBox::Ok);
}

bool QtPrompts::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, appTitle, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

QString QtPrompts::input(const QString &prompt)
{
    bool ok = false;
    const QString text
        = QInputDialog::getText(m_parent, appTitle, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

} // namespace plandex
