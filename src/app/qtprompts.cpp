#include "app/qtprompts.h"

#include "files/komfile.h"
#include "plan/editor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <memory>
#include <utility>

namespace plandex {

namespace {

// A box titled "Plandex". Messages carry names and paths from files and
// folders: they show as written, line breaks and all, and Qt's box, which
// follows links in its text by itself, gets none to follow. The buttons
// carry the program's own words, not those of Qt's catalogue.
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
    const std::pair<QMessageBox::StandardButton, const char *> captions[]
        = {{QMessageBox::Yes, QT_TRANSLATE_NOOP("QtPrompts", "Да")},
            {QMessageBox::No, QT_TRANSLATE_NOOP("QtPrompts", "Нет")},
            {QMessageBox::Cancel, QT_TRANSLATE_NOOP("QtPrompts", "Отмена")}};
    for (const auto &[which, caption] : captions) {
        if (QAbstractButton *button = box->button(which))
            button->setText(QtPrompts::tr(caption));
    }
    return box;
}

} // namespace

void QtPrompts::message(const QString &text)
{
    box(text, QMessageBox::Ok, m_parent)->exec();
}

void QtPrompts::beep()
{
    QApplication::beep();
}

bool QtPrompts::confirm(const QString &text)
{
    const auto asked = box(text, QMessageBox::Yes | QMessageBox::No, m_parent);
    asked->setDefaultButton(QMessageBox::Yes);
    return asked->exec() == QMessageBox::Yes;
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
    dialog.setCancelButtonText(tr("Отмена"));
    // The text mode makes the line edit now, so that it can take the limit.
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.findChild<QLineEdit *>()->setMaxLength(komMaxNameLength);
    dialog.setTextValue(initial);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace plandex
