#include "app/mainwindow.h"
#include "dialogs/sizedialog.h"
#include "support/fakewindow.h"
#include "support/modal.h"
#include "support/planchecks.h"
#include "support/plandriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace plandex;

namespace {

struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    PlanDriver plan {window};
    Editor &e = window.editor();
    // What the dialog showed when it opened: ob, W, H.
    QStringList shown;

    Session() { window.show(); }
    QString label(const char *name) const
    {
        return window.findChild<QLabel *>(name, Qt::FindDirectChildrenOnly)->text();
    }
    void click(const char *name)
    {
        QTest::mouseClick(window.findChild<QToolButton *>(name), Qt::LeftButton);
    }
    // Opens the dialog with `open`, types w and h and presses `button`
    // ("Да", "Нет", "swap+Да", "close").
    void answer(const std::function<void()> &open, const QString &w, const QString &h,
        const QString &button = "Да")
    {
        shown.clear();
        OnModal<SizeDialog> act([this, w, h, button](SizeDialog *d) {
            shown = QStringList {d->ob()->text(), d->W()->text(), d->H()->text()};
            d->W()->setText(w);
            d->H()->setText(h);
            if (button == "close") {
                d->close();
                return;
            }
            if (button.startsWith("swap"))
                QTest::mouseClick(d->Command3(), Qt::LeftButton);
            QTest::mouseClick(
                button.endsWith("Нет") ? d->Command2() : d->Command1(), Qt::LeftButton);
            // Still open after a refused number: leave it with "Нет".
            if (d->isVisible())
                QTest::mouseClick(d->Command2(), Qt::LeftButton);
        });
        open();
    }
    void resizeByDialog(QPoint on, const QString &w, const QString &h, const QString &button = "Да")
    {
        click("Rsiz");
        answer([&] { plan.doubleClick(on); }, w, h, button);
    }
    void newRoom(const QString &w, const QString &h, const QString &button = "Да")
    {
        answer([&] { click("btnNew"); }, w, h, button);
    }
    int listHeight() const { return window.findChild<QListView *>("L")->height(); }
};

const QRect objectA(QPoint(100, 100), QPoint(150, 130));
const QString overlapMessage = "При таком значении объекты налагаются друг на друга!";
const QString emptyMessage = "Длина и ширина должны быть больше нуля!";
const QString roomMessage = "Комната не должна быть больше 700 x 500 cm, и меньше 50 x 50 cm!";

} // namespace

class TestSizeEntry : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void typedSizeResizesInPlace();
    void swapExchangesTheNumbers();
    void wallIsFlushNeighbourIsNot();
    void halvesRoundToEvenWithTheUsersSeparator();
    void notANumberKeepsTheDialogOpen();
    void sizesUnderOneAreRefused_data();
    void sizesUnderOneAreRefused();
    void doubleClickOutsideResizeModeOpensNothing();
    void sizesKeyWorksInEveryMode_data();
    void sizesKeyWorksInEveryMode();
    void closeBoxCountsAsNo();
    void roomLimits_data();
    void roomLimits();
    void acceptedRoomEmptiesTheTableAndFitsTheWindow();
    void refusedRoomChangesNothing();
    void noKeepsTheRoomButNotTheSelection();
};

void TestSizeEntry::typedSizeResizesInPlace()
{
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "A", objectA);
    addObject(s.e, "B", QRect(QPoint(400, 400), QPoint(450, 450)));
    s.resizeByDialog({120, 110}, "80", "30");
    QCOMPARE(s.shown, QStringList({"A", "50", "30"}));
    QCOMPARE(s.e.table().name(0), QString("A"));
    QCOMPARE(s.e.table().xText(0), QString(" 100| 180"));
    QCOMPARE(s.e.table().yText(0), QString(" 100| 130"));
    QCOMPARE(s.e.table().selection(), 0);
    QCOMPARE(s.e.K().point(180, 130), colors::green);
    QCOMPARE(s.label("W"), QString("80"));
    QVERIFY(s.prompts.messages.isEmpty());
    QCOMPARE(planFault(s.e), QString());
}

void TestSizeEntry::swapExchangesTheNumbers()
{
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "A", objectA);
    s.resizeByDialog({120, 110}, "50", "30", "swap+Да");
    QCOMPARE(rowRect(s.e, 0), QRect(QPoint(100, 100), QPoint(130, 150)));
}

void TestSizeEntry::wallIsFlushNeighbourIsNot()
{
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "A", objectA);
    s.resizeByDialog({120, 110}, "600", "30"); // right edge 700, the wall
    QCOMPARE(rowRect(s.e, 0).right(), 700);
    s.resizeByDialog({120, 110}, "601", "30");
    QCOMPARE(s.prompts.messages, QStringList {overlapMessage});
    QCOMPARE(rowRect(s.e, 0).right(), 700);

    addObject(s.e, "B", QRect(QPoint(100, 200), QPoint(150, 250)));
    s.prompts.messages.clear();
    s.resizeByDialog({120, 110}, "50", "100"); // bottom 200: B's top edge
    QCOMPARE(s.prompts.messages, QStringList {overlapMessage});
    QCOMPARE(rowRect(s.e, 0), QRect(QPoint(100, 100), QPoint(700, 130)));
    s.resizeByDialog({120, 110}, "50", "99");
    QCOMPARE(rowRect(s.e, 0), QRect(QPoint(100, 100), QPoint(150, 199)));
    QCOMPARE(planFault(s.e), QString());
}

void TestSizeEntry::halvesRoundToEvenWithTheUsersSeparator()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "A", objectA);
    s.resizeByDialog({120, 110}, "12,5", "30");
    QCOMPARE(rowRect(s.e, 0).right(), 112);
    s.resizeByDialog({105, 110}, "13,5", "30");
    QCOMPARE(rowRect(s.e, 0).right(), 114);
    QCOMPARE(s.e.table().xText(0), QString(" 100| 114"));
}

void TestSizeEntry::notANumberKeepsTheDialogOpen()
{
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "A", objectA);
    bool stayedOpen = false;
    QString kept;
    OnModal<SizeDialog> act([&](SizeDialog *d) {
        d->W()->setText("abc");
        QTest::mouseClick(d->Command1(), Qt::LeftButton);
        stayedOpen = d->isVisible();
        kept = d->W()->text();
        d->H()->setText("");
        d->W()->setText("70");
        QTest::mouseClick(d->Command1(), Qt::LeftButton);
        stayedOpen = stayedOpen && d->isVisible();
        d->H()->setText("40");
        QTest::mouseClick(d->Command1(), Qt::LeftButton);
    });
    s.click("Rsiz");
    s.plan.doubleClick({120, 110});
    QVERIFY(stayedOpen);
    QCOMPARE(kept, QString("abc"));
    QCOMPARE(s.prompts.messages, QStringList({"Введите числа!", "Введите числа!"}));
    QCOMPARE(rowRect(s.e, 0), QRect(QPoint(100, 100), QPoint(170, 140)));
}

void TestSizeEntry::sizesUnderOneAreRefused_data()
{
    QTest::addColumn<QString>("w");
    QTest::addColumn<QString>("h");
    QTest::addColumn<bool>("refused");

    QTest::newRow("zero length") << "0"
                                 << "30" << true;
    QTest::newRow("negative width") << "50"
                                    << "-10" << true;
    QTest::newRow("rounds to zero") << "0.4"
                                    << "30" << true;
    QTest::newRow("rounds to one") << "0.6"
                                   << "30" << false;
    QTest::newRow("far negative") << "-1000"
                                  << "30" << true;
}

void TestSizeEntry::sizesUnderOneAreRefused()
{
    QFETCH(QString, w);
    QFETCH(QString, h);
    QFETCH(bool, refused);
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "A", objectA);
    s.resizeByDialog({120, 110}, w, h);
    if (refused) {
        QCOMPARE(s.prompts.messages, QStringList {emptyMessage});
        QCOMPARE(rowRect(s.e, 0), objectA);
    } else {
        QVERIFY(s.prompts.messages.isEmpty());
        QCOMPARE(rowRect(s.e, 0), QRect(QPoint(100, 100), QPoint(101, 130)));
    }
    QCOMPARE(planFault(s.e), QString());
}

void TestSizeEntry::doubleClickOutsideResizeModeOpensNothing()
{
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "A", objectA);
    OnModal<SizeDialog> watch([](SizeDialog *d) { d->reject(); });
    s.click("selct");
    s.plan.doubleClick({120, 110});
    QCOMPARE(s.e.state().tmpStr, QString("laga"));
    s.click("create");
    s.plan.doubleClick({300, 300});
    QVERIFY(s.prompts.inputPrompts.isEmpty());
    QVERIFY(s.window.findChild<QListView *>("L")->isVisible());
    // Resize mode on free floor: no object is selected.
    s.click("Rsiz");
    s.plan.doubleClick({300, 300});
    QVERIFY(!watch.fired());
    QCOMPARE(s.e.table().count(), 1);
    QCOMPARE(planFault(s.e), QString());
}

void TestSizeEntry::sizesKeyWorksInEveryMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QPoint>("rightClick"); // picks the object in move and resize mode
    QTest::addColumn<bool>("opened"); // else no object is current

    QTest::newRow("create") << "create" << QPoint(-1, -1) << true;
    // The right press shows the room's size in the labels, not the object's.
    QTest::newRow("move") << "selct" << QPoint(120, 110) << true;
    QTest::newRow("resize") << "Rsiz" << QPoint(120, 110) << true;
    QTest::newRow("no current object") << "selct" << QPoint(300, 300) << false;
}

void TestSizeEntry::sizesKeyWorksInEveryMode()
{
    QFETCH(QString, mode);
    QFETCH(QPoint, rightClick);
    QFETCH(bool, opened);
    Session s;
    s.e.K().resize({700, 500});
    addObject(s.e, "B", QRect(QPoint(400, 400), QPoint(450, 450)));
    addObject(s.e, "A", objectA);
    s.click(qPrintable(mode));
    if (rightClick.x() >= 0) {
        s.plan.press(rightClick, Qt::RightButton);
        s.plan.release(rightClick, Qt::RightButton);
        // It opened the plan's menu; the key comes instead.
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->close();
    }
    s.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    s.answer([&] { QTest::keyClick(&s.window, Qt::Key_M, Qt::ControlModifier); }, "80", "40");
    QCOMPARE(s.shown, opened ? QStringList({"A", "50", "30"}) : QStringList());
    QCOMPARE(s.prompts.messages, QStringList());
    QCOMPARE(s.prompts.beeps, opened ? 0 : 1);
    QCOMPARE(rowRect(s.e, 1), opened ? QRect(QPoint(100, 100), QPoint(180, 140)) : objectA);
    QCOMPARE(planFault(s.e), QString());
}

void TestSizeEntry::closeBoxCountsAsNo()
{
    Session s;
    s.newRoom("300", "200");
    QCOMPARE(s.e.state().tmpStr, QString("Yes"));
    addObject(s.e, "A", QRect(QPoint(10, 10), QPoint(40, 40)));
    // An earlier "Yes" must not turn a close into a new room.
    s.newRoom("400", "300", "close");
    QCOMPARE(s.e.state().tmpStr, QString("No"));
    QCOMPARE(s.e.K().size(), QSize(300, 200));
    QCOMPARE(s.e.table().count(), 1);

    // In object mode too; the release that ends the double click comes
    // after, so look while the dialog has just closed.
    QString afterClose;
    OnModal<SizeDialog> act([&](SizeDialog *d) {
        d->W()->setText("99");
        d->close();
        afterClose = s.e.state().tmpStr;
    });
    s.click("Rsiz");
    s.plan.doubleClick({20, 20});
    QCOMPARE(afterClose, QString("No"));
    QCOMPARE(rowRect(s.e, 0), QRect(QPoint(10, 10), QPoint(40, 40)));
}

void TestSizeEntry::roomLimits_data()
{
    QTest::addColumn<QString>("w");
    QTest::addColumn<QString>("h");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("700 x 500") << "700"
                               << "500" << true;
    QTest::newRow("50 x 50") << "50"
                             << "50" << true;
    QTest::newRow("701 x 500") << "701"
                               << "500" << false;
    QTest::newRow("700 x 501") << "700"
                               << "501" << false;
    QTest::newRow("49 x 50") << "49"
                             << "50" << false;
    QTest::newRow("50 x 49") << "50"
                             << "49" << false;
    QTest::newRow("rounds down to 700") << "700.5"
                                        << "500" << true;
    QTest::newRow("rounds up to 701") << "700.51"
                                      << "500" << false;
    QTest::newRow("beyond 32 bits") << "5000000000"
                                    << "300" << false;
    QTest::newRow("negative beyond 32 bits") << "300"
                                             << "-1e12" << false;
}

void TestSizeEntry::roomLimits()
{
    QFETCH(QString, w);
    QFETCH(QString, h);
    QFETCH(bool, accepted);
    Session s;
    s.newRoom(w, h);
    QCOMPARE(s.shown, QStringList({"Комната", "553", "361"}));
    if (accepted) {
        QVERIFY(s.prompts.messages.isEmpty());
        QCOMPARE(QString::number(s.e.K().width()), s.label("W"));
    } else {
        QCOMPARE(s.prompts.messages, QStringList {roomMessage});
        QCOMPARE(s.e.state().tmpStr, QString("No"));
        QCOMPARE(s.e.K().size(), QSize(553, 361));
    }
}

void TestSizeEntry::acceptedRoomEmptiesTheTableAndFitsTheWindow()
{
    Session s;
    addObject(s.e, "A", objectA);
    s.newRoom("553", "361"); // the same size still starts an empty room
    QCOMPARE(s.e.table().count(), 0);
    QCOMPARE(s.window.size(), QSize(703, 398));
    QCOMPARE(s.listHeight(), 391);

    s.newRoom("300", "200");
    QCOMPARE(s.e.K().size(), QSize(300, 200));
    QCOMPARE(s.label("W"), QString("300"));
    QCOMPARE(s.label("H"), QString("200"));
    QCOMPARE(s.window.size(), QSize(450, 365)); // raised to the smallest height
    QCOMPARE(s.listHeight(), 350);
    auto *plan = s.plan.view();
    QCOMPARE(plan->planOrigin(), QPoint(136, 24));
    QCOMPARE(plan->contentsRect().size(), QSize(300, 200));
    QCOMPARE(planFault(s.e), QString());
    const WindowState &st = s.e.state();
    QCOMPARE(QList<qint32>({st.objLeft, st.objBottom, st.dragDX, st.othLeft, st.othBottom}),
        QList<qint32>({0, 0, 0, 0, 0}));

    s.newRoom("50", "50");
    QCOMPARE(s.window.size(), QSize(385, 365));
    QCOMPARE(s.listHeight(), 350);

    s.newRoom("700", "500");
    QCOMPARE(s.window.size(), QSize(850, 537));
    QCOMPARE(s.listHeight(), 530);
    // The new room is drawable to its last pixel.
    s.click("create");
    s.prompts.inputAnswers = {"Угол"};
    s.plan.drag({680, 480}, {699, 499});
    QCOMPARE(rowRect(s.e, 0), QRect(QPoint(680, 480), QPoint(699, 499)));
}

void TestSizeEntry::refusedRoomChangesNothing()
{
    Session s;
    addObject(s.e, "A", objectA);
    s.newRoom("701", "300");
    QCOMPARE(s.prompts.messages.size(), 1);
    QCOMPARE(s.e.table().count(), 1);
    QCOMPARE(s.e.K().size(), QSize(553, 361));
    QCOMPARE(s.window.size(), QSize(703, 398));
    QCOMPARE(rowRect(s.e, 0), objectA);
}

void TestSizeEntry::noKeepsTheRoomButNotTheSelection()
{
    Session s;
    addObject(s.e, "A", objectA);
    QCOMPARE(s.e.table().selection(), 0);
    s.newRoom("300", "200", "Нет");
    QCOMPARE(s.e.state().tmpStr, QString("No"));
    QCOMPARE(s.e.table().count(), 1);
    QCOMPARE(s.e.table().selection(), -1);
    QCOMPARE(s.e.K().size(), QSize(553, 361));
    QCOMPARE(planFault(s.e), QString());
}

QTEST_MAIN(TestSizeEntry)
#include "test_sizeentry.moc"
