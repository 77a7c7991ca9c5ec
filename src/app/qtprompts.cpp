#include "app/qtprompts.h"

#include "plan/editor.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace plandex {

// Qt's own button texts are English; the program speaks Russian.

void QtPrompts::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, appTitle, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtPrompts::confirm(const QString &text)
{
    QMessageBox box(
        QMessageBox::NoIcon, appTitle, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompts::input(const QString &prompt)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(appTitle);
    dialog.setLabelText(QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace plandex
