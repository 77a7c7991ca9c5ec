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

Answer QtPrompts::askYesNoCancel(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, appTitle, text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Yes);
    // The close box answers as Esc does.
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        return Answer::Yes;
    if (box.clickedButton() == box.button(QMessageBox::No))
        return Answer::No;
    return Answer::Cancel;
}

QString QtPrompts::input(const QString &prompt, const QString &initial)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(appTitle);
    dialog.setLabelText(QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    dialog.setTextValue(initial);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace plandex
