#include "dialogs/roomsizedialog.h"
#include "dialogs/sizedialog.h"
#include "plan/editor.h"
#include "support/fakewindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace plandex;

class TestSizeDialog : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void windowAndTabOrder();
    void loadShowsTheSelectedName();
    void enterAnswersYesEscapeNo();
    void swapExchangesTheTextsAsTyped();
    void theRoomsSizeDialogLeavesItsNumbers();
};

void TestSizeDialog::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("ob") << "ob" << QRect(0, 8, 209, 17) << "";
    QTest::newRow("Label1") << "Label1" << QRect(0, 32, 49, 17) << "Длина:";
    QTest::newRow("Label2") << "Label2" << QRect(96, 32, 49, 17) << "Ширина";
    QTest::newRow("W") << "W" << QRect(0, 48, 81, 19) << "";
    QTest::newRow("H") << "H" << QRect(88, 48, 81, 19) << "";
    QTest::newRow("Command3") << "Command3" << QRect(176, 48, 25, 25) << "";
    QTest::newRow("Command1") << "Command1" << QRect(224, 8, 81, 25) << "Да";
    QTest::newRow("Command2") << "Command2" << QRect(224, 40, 81, 25) << "Нет";
}

void TestSizeDialog::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor editor(window, prompts);
    SizeDialog dialog(editor, prompts);
    auto *control = dialog.findChild<QWidget *>(name);
    QVERIFY(control);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        // A caption may run on to the right so that it is never cut.
        QCOMPARE(control->pos(), geometry.topLeft());
        QCOMPARE(control->height(), geometry.height());
        QVERIFY(control->width() >= geometry.width());
        QVERIFY(control->width() >= label->sizeHint().width());
        return;
    }
    QCOMPARE(control->geometry(), geometry);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        QCOMPARE(edit->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
}

void TestSizeDialog::windowAndTabOrder()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor editor(window, prompts);
    SizeDialog dialog(editor, prompts);
    QCOMPARE(dialog.windowTitle(), QString("Изменение размеров объекта"));
    QCOMPARE(dialog.size(), QSize(312, 79));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(dialog.Command3()->toolTip(),
        QString("Развернуть объект (поменять местами его высоту и ширину)"));
    QVERIFY(!dialog.Command3()->icon().pixmap(QSize(16, 14)).isNull());
    QVERIFY(dialog.Command1()->isDefault());
    // No icon of its own, and none taken from the window that owns it.
    QWidget owner;
    owner.setWindowIcon(QIcon(":/icons/plandex.svg"));
    SizeDialog owned(editor, prompts, &owner);
    QVERIFY(!owner.windowIcon().isNull());
    QVERIFY(owned.windowIcon().isNull());

    QStringList order;
    for (QWidget *w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    QCOMPARE(order, QStringList({"W", "H", "Command1", "Command2", "Command3"}));
}

void TestSizeDialog::loadShowsTheSelectedName()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor editor(window, prompts);
    editor.table().append("Кресло", "1|10", "1|10");
    editor.table().select(0);
    SizeDialog dialog(editor, prompts);
    QCOMPARE(dialog.ob()->text(), QString("Кресло"));
}

void TestSizeDialog::enterAnswersYesEscapeNo()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor editor(window, prompts);
    {
        SizeDialog dialog(editor, prompts);
        dialog.show();
        dialog.W()->setText("320");
        dialog.H()->setText("240.5");
        QTest::keyClick(dialog.H(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    // No object selected: the room's answer.
    QCOMPARE(editor.state().tmpStr, QString("Yes"));
    QCOMPARE(editor.state().newW, 320);
    QCOMPARE(editor.state().newH, 240);
    {
        SizeDialog dialog(editor, prompts);
        dialog.show();
        dialog.W()->setText("100");
        QTest::keyClick(dialog.W(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(editor.state().tmpStr, QString("No"));
    QCOMPARE(editor.state().newW, 320); // kept between uses
}

void TestSizeDialog::swapExchangesTheTextsAsTyped()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor editor(window, prompts);
    SizeDialog dialog(editor, prompts);
    dialog.W()->setText(" 12,5x");
    dialog.H()->setText("");
    QTest::mouseClick(dialog.Command3(), Qt::LeftButton);
    QCOMPARE(dialog.W()->text(), QString(""));
    QCOMPARE(dialog.H()->text(), QString(" 12,5x"));
    QVERIFY(prompts.messages.isEmpty());
}

void TestSizeDialog::theRoomsSizeDialogLeavesItsNumbers()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor editor(window, prompts);
    editor.table().append("Кресло", "1|10", "1|10");
    editor.table().select(0);
    editor.state().tmpStr = "laga";
    RoomSizeDialog dialog(editor, prompts);
    QCOMPARE(dialog.windowTitle(), QString("Размеры комнаты"));
    QCOMPARE(dialog.ob()->text(), QString("Комната"));
    // The room's size, the width's field first.
    QCOMPARE(dialog.W()->text(), QString("553"));
    QCOMPARE(dialog.H()->text(), QString("361"));
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.W());
    dialog.H()->setText("550.4");
    QTest::keyClick(dialog.W(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QSize(dialog.roomWidth(), dialog.roomHeight()), QSize(553, 550));
    // Neither the selected object nor the answer of a new room is touched.
    QCOMPARE(editor.table().row(0).x, QString("1|10"));
    QCOMPARE(editor.state().tmpStr, QString("laga"));
}

QTEST_MAIN(TestSizeDialog)
#include "test_sizedialog.moc"
