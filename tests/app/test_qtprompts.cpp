#include "app/qtprompts.h"
#include "support/modal.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace plandex;

class TestQtPrompts : public QObject
{
    Q_OBJECT

private slots:
    void confirmSpeaksRussian();
    void inputGivesTheTextOrNothing();
    void inputOpensWithTheGivenTextSelected();
    void messageIsTitledPlandex();
};

void TestQtPrompts::confirmSpeaksRussian()
{
    QtPrompts prompts;
    for (const bool yes : {true, false}) {
        QStringList seen;
        OnModal<QMessageBox> act([&](QMessageBox *box) {
            seen << box->windowTitle() << box->text();
            for (QAbstractButton *b : box->buttons())
                seen << b->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QCOMPARE(prompts.confirm("Удалить?"), yes);
        QVERIFY(seen.contains("Да") && seen.contains("Нет"));
        QCOMPARE(seen.mid(0, 2), QStringList({"Plandex", "Удалить?"}));
    }
}

void TestQtPrompts::inputGivesTheTextOrNothing()
{
    QtPrompts prompts;
    QString label;
    OnModal<QInputDialog> typeAndOk([&](QInputDialog *d) {
        label = d->labelText();
        QCOMPARE(d->windowTitle(), QString("Plandex"));
        QCOMPARE(d->cancelButtonText(), QString("Отмена"));
        d->setTextValue("Диван");
        d->accept();
    });
    QCOMPARE(prompts.input("Имя\r\n(пример)"), QString("Диван"));
    QCOMPARE(label, QString("Имя\n(пример)"));

    OnModal<QInputDialog> typeAndCancel([](QInputDialog *d) {
        d->setTextValue("Диван");
        d->reject();
    });
    QCOMPARE(prompts.input("Имя"), QString());
}

void TestQtPrompts::inputOpensWithTheGivenTextSelected()
{
    QtPrompts prompts;
    QString shown, selected;
    OnModal<QInputDialog> act([&](QInputDialog *d) {
        auto *edit = d->findChild<QLineEdit *>();
        shown = edit->text();
        selected = edit->selectedText();
        edit->insert("Шкаф"); // as typing does: the selection goes
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(prompts.input("Имя", "<b>Стол</b>"), QString("Шкаф"));
    QCOMPARE(shown, QString("<b>Стол</b>"));
    QCOMPARE(selected, shown);
}

void TestQtPrompts::messageIsTitledPlandex()
{
    QtPrompts prompts;
    QString title, text;
    OnModal<QMessageBox> act([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    prompts.message("Введите числа!");
    QCOMPARE(title, QString("Plandex"));
    QCOMPARE(text, QString("Введите числа!"));
}

QTEST_MAIN(TestQtPrompts)
#include "test_qtprompts.moc"
