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
    void inputOpensWithTheGivenTextSelected_data();
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

void TestQtPrompts::inputOpensWithTheGivenTextSelected_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::newRow("no initial text") << ""
                                     << "Диван"
                                     << "Диван";
    QTest::newRow("typing replaces it") << "Стол"
                                        << "Шкаф"
                                        << "Шкаф";
    QTest::newRow("kept with OK") << "Стол"
                                  << ""
                                  << "Стол";
    QTest::newRow("markup stays text") << "<b>Стол</b>"
                                       << ""
                                       << "<b>Стол</b>";
}

void TestQtPrompts::inputOpensWithTheGivenTextSelected()
{
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QtPrompts prompts;
    QString shown, selected;
    OnModal<QInputDialog> act([&](QInputDialog *d) {
        auto *edit = d->findChild<QLineEdit *>();
        QVERIFY(edit);
        shown = edit->text();
        selected = edit->selectedText();
        if (!typed.isEmpty())
            edit->insert(typed); // as typing does: the selection goes
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(prompts.input("Имя", initial), answer);
    QVERIFY(act.fired());
    QCOMPARE(shown, initial);
    QCOMPARE(selected, initial);
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
