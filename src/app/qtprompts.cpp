#include "app/qtprompts.h"

#include "files/komfile.h"
#include "plan/editor.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QAbstractButton>

#include <memory>
#include <utility>

namespace plandex {

namespace {

// A box titled "Plandex". Messages carry names and paths from files and
// folders: they show as written, line breaks and all, and Qt's box, which
// follows links in its text by itself, gets none to follow. Qt's own
// button texts are English; the program speaks Russian.
std::unique_ptr<QMessageBox> box(
    const QString &text, QMessageBox::StandardButtons buttons, QWidget *parent)
{
    auto box
        = std::make_unique<QMessageBox>(QMessageBox::NoIcon, appTitle, QString(), buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    const QList<QLabel *> labels = box->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        label->setOpenExternalLinks(false);
        label->setTextInteractionFlags(label->textInteractionFlags()
            & ~(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard));
    }
    const std::pair<QMessageBox::StandardButton, const char *> russian[]
        = {{QMessageBox::Yes, "Да"}, {QMessageBox::No, "Нет"}, {QMessageBox::Cancel, "Отмена"}};
    for (const auto &[which, caption] : russian) {
        if (QAbstractButton *button = box->button(which))
            button->setText(QString::fromUtf8(caption));
    }
    return box;
}

} // namespace

void QtPrompts::message(const QString &text)
{
    box(text, QMessageBox::Ok, m_parent)->exec();
}

bool QtPrompts::confirm(const QString &text)
{
    return box(text, QMessageBox::Yes | QMessageBox::No, m_parent)->exec() == QMessageBox::Yes;
}

Answer QtPrompts::askYesNoCancel(const QString &text)
{
    const auto asked
        = box(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    asked->setDefaultButton(QMessageBox::Yes);
    // The close box answers as Esc does.
    asked->setEscapeButton(QMessageBox::Cancel);
    asked->exec();
    if (asked->clickedButton() == asked->button(QMessageBox::Yes))
        return Answer::Yes;
    if (asked->clickedButton() == asked->button(QMessageBox::No))
        return Answer::No;
    return Answer::Cancel;
}

QString QtPrompts::input(const QString &prompt, const QString &initial)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(appTitle);
    dialog.setLabelText(QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    dialog.findChild<QLabel *>()->setTextFormat(Qt::PlainText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    // The text mode makes the line edit now, so that it can take the limit.
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.findChild<QLineEdit *>()->setMaxLength(komMaxNameLength);
    dialog.setTextValue(initial);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace plandex
