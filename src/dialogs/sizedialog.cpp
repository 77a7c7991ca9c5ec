#include "dialogs/sizedialog.h"

#include "dialogs/icons.h"
#include "dialogs/plainlabel.h"
#include "dialogs/twips.h"
#include "model/localenumber.h"
#include "model/numberreading.h"
#include "plan/editor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace plandex {

SizeDialog::SizeDialog(Editor &editor, Prompts &prompts, QWidget *parent)
    : QDialog(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_editor(editor)
    , m_prompts(prompts)
{
    setObjectName("XY");
    setWindowTitle(tr("Изменение размеров объекта"));
    // A null icon of its own, so it does not take the main window's.
    setWindowIcon(QIcon());
    setFixedSize(twipsSize(4680, 1185));

    m_ob = placed(plainLabel(this), "ob", twipsRect(0, 120, 3135, 255));

    m_Label1 = placed(plainLabel(this, tr("Длина:")), "Label1", twipsRect(0, 480, 735, 255));
    m_Label2 = placed(plainLabel(this, tr("Ширина")), "Label2", twipsRect(1440, 480, 735, 255));
    // The layout was made for a narrower font than most desktops use: let
    // a caption run on to the right rather than lose its last letter.
    for (QLabel *caption : {m_Label1, m_Label2})
        caption->resize(qMax(caption->width(), caption->sizeHint().width()), caption->height());

    m_W = placed(new QLineEdit(this), "W", twipsRect(0, 720, 1215, 285));
    m_H = placed(new QLineEdit(this), "H", twipsRect(1320, 720, 1215, 285));

    m_Command3 = placed(new QPushButton(this), "Command3", twipsRect(2640, 720, 375, 375));
    const QSize iconSize(16, 14);
    m_Command3->setIcon(toolIcon("swap", iconSize));
    m_Command3->setIconSize(iconSize);
    m_Command3->setToolTip(tr("Развернуть объект (поменять местами его высоту и ширину)"));

    m_Command1
        = placed(new QPushButton(tr("Да"), this), "Command1", twipsRect(3360, 120, 1215, 375));
    m_Command1->setDefault(true);

    m_Command2
        = placed(new QPushButton(tr("Нет"), this), "Command2", twipsRect(3360, 600, 1215, 375));

    setTabOrder(m_W, m_H);
    setTabOrder(m_H, m_Command1);
    setTabOrder(m_Command1, m_Command2);
    setTabOrder(m_Command2, m_Command3);

    m_ob->setText(editor.table().selectedName());
    connect(m_Command1, &QPushButton::clicked, this, &SizeDialog::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &SizeDialog::reject);
    connect(m_Command3, &QPushButton::clicked, this, &SizeDialog::Command3_Click);
}

void SizeDialog::Command1_Click()
{
    const auto a = localeNumber(m_W->text());
    const auto b = localeNumber(m_H->text());
    if (!a || !b) {
        m_prompts.message(tr("Введите числа!"));
        return;
    }
    takeNumbers(*a, *b);
}

void SizeDialog::takeNumbers(double a, double b)
{
    if (m_editor.table().selection() != -1) {
        m_editor.vvod(a, b);
    } else {
        WindowState &s = m_editor.state();
        s.tmpStr = QStringLiteral("Yes");
        // A number beyond 32 bits is no room size: 0 gets the size message.
        s.newW = roundToInt32(a).value_or(0);
        s.newH = roundToInt32(b).value_or(0);
    }
    accept();
}

void SizeDialog::Command3_Click()
{
    const QString parked = m_W->text();
    m_W->setText(m_H->text());
    m_H->setText(parked);
}

void SizeDialog::reject()
{
    // The close box counts as "Нет" too, so no earlier "Yes" survives it.
    QDialog::reject();
    m_editor.state().tmpStr = QStringLiteral("No");
}

} // namespace plandex
