#include "app/qtprompts.h"
#include "files/komfile.h"
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
    void inputTakesNoLongerName_data();
    void inputTakesNoLongerName();
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

void TestQtPrompts::inputTakesNoLongerName_data()
{
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("taken");

    QTest::newRow("one under the limit") << komMaxNameLength - 1 << komMaxNameLength - 1;
    QTest::newRow("at the limit") << komMaxNameLength << komMaxNameLength;
    QTest::newRow("over it") << komMaxNameLength + 5 << komMaxNameLength;
}

void TestQtPrompts::inputTakesNoLongerName()
{
    QFETCH(int, typed);
    QFETCH(int, taken);
    QCOMPARE(komMaxNameLength, 1000);

    QtPrompts prompts;
    OnModal<QInputDialog> typeAndOk([&](QInputDialog *d) {
        // Keys one by one, then a paste at the end.
        if (auto *edit = d->findChild<QLineEdit *>()) {
            QTest::keyClicks(edit, QString(typed, u'a'));
            edit->insert("bcd");
        }
        d->accept();
    });
    QCOMPARE(
        prompts.input("Имя"), QString(taken, u'a') + QString("bcd").left(komMaxNameLength - taken));
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
