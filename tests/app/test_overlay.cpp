// Runs with QT_SCALE_FACTOR=2: what the view shows is checked on a dense
// screen.

#include "app/commandmenu.h"
#include "app/mainwindow.h"
#include "app/overlaycommands.h"
#include "app/planoverlay.h"
#include "plan/clearancedrawing.h"
#include "plan/colors.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/plandriver.h"
#include "support/scratchdir.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QTest>

using namespace plandex;

namespace {

QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + "/plandex/plandex.conf";
}

void removeSettings()
{
    const QString path = settingsPath();
    QFile::remove(path);
    QDir(path).removeRecursively();
}

// Queued repaints and the paints they ask for.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QByteArray bytesOf(const QImage &image)
{
    QByteArray bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    for (QRgb colour : image.colorTable())
        bytes += QByteArray::number(colour);
    return bytes + QByteArray::number(image.format());
}

// A main window with two objects, scripted answers and a plan driver.
struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    PlanDriver plan {window};
    Editor &e = window.editor();

    explicit Session(QSize room = {553, 361})
    {
        if (room != e.K().size()) {
            e.K().resize(room);
            e.ProvForm();
        }
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("window not shown");
    }
    void add(const QString &name, QRect r)
    {
        e.table().append(name, QString("%1|%2").arg(r.left()).arg(r.right()),
            QString("%1|%2").arg(r.top()).arg(r.bottom()));
        e.OBNOV();
        settle();
    }
    QAction *command() const
    {
        for (QAction *action : window.actions())
            if (action->text() == "Подписи и размеры")
                return action;
        return nullptr;
    }
    // The view as the screen shows it, in device pixels.
    QImage shown() const { return plan.view()->grab().toImage(); }
    // Lettering pixels of the dimension lines inside a plan rectangle.
    int yellowIn(const QImage &shown, QRect room) const
    {
        const QRect area
            = room.translated(plan.view()->contentsRect().topLeft()) & plan.view()->contentsRect();
        const qreal ratio = shown.devicePixelRatio();
        const QRect device(area.topLeft() * ratio, area.size() * ratio);
        int count = 0;
        for (int y = device.top(); y <= device.bottom(); ++y)
            for (int x = device.left(); x <= device.right(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                count += c.red() > 200 && c.green() > 200 && c.blue() < 100;
            }
        return count;
    }
};

// Keeps what the view would show on a screen that is repainted only where
// the view asks: each paint event's region is painted again by the view
// itself, as one paint of that region.
class PaintTracker : public QObject
{
public:
    explicit PaintTracker(QWidget *view)
        : m_view(view)
        , m_screen(view->grab().toImage())
    {
        view->installEventFilter(this);
    }
    // Brings the screen up to date with the paints since the last call;
    // returns their region.
    QRegion catchUp()
    {
        const QRegion painted = m_pending;
        m_pending = QRegion();
        if (painted.isEmpty())
            return painted;
        m_rendering = true;
        m_view->render(&m_screen, painted.boundingRect().topLeft(), painted);
        m_rendering = false;
        return painted;
    }
    const QImage &screen() const { return m_screen; }
    // The whole view drawn afresh, which the screen must equal.
    QImage rendered()
    {
        m_rendering = true;
        const QImage image = m_view->grab().toImage();
        m_rendering = false;
        return image;
    }

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_rendering)
            m_pending += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QWidget *m_view;
    QImage m_screen;
    QRegion m_pending;
    bool m_rendering = false;
};

} // namespace

class TestOverlay : public QObject
{
    Q_OBJECT

private slots:
    void init() { removeSettings(); }
    void cleanupTestCase() { removeSettings(); }

    void planAndExportStayTheSame_data();
    void planAndExportStayTheSame();
    void distancesShowDuringAMoveDrag_data();
    void distancesShowDuringAMoveDrag();
    void aDragRepaintsWhereTheLinesWereAndAre_data();
    void aDragRepaintsWhereTheLinesWereAndAre();
    void namesGoWithTheirObjects();
    void choiceIsReadAtStart_data();
    void choiceIsReadAtStart();
    void commandTogglesAndKeepsTheChoice();
};

void TestOverlay::planAndExportStayTheSame_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("create") << "create" << QPoint(300, 200) << QPoint(380, 260);
    QTest::newRow("move") << "selct" << QPoint(20, 20) << QPoint(120, 180);
    QTest::newRow("resize") << "Rsiz" << QPoint(65, 45) << QPoint(95, 75);
}

void TestOverlay::planAndExportStayTheSame()
{
    QFETCH(QString, mode);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    ScratchDir dir;

    // What K, the snapshot, the table and the export hold along the same
    // drag, with the overlay off and on.
    auto run = [&](bool overlay) {
        Session s;
        s.add("Стол", QRect(QPoint(10, 10), QPoint(70, 50)));
        s.add("Шкаф", QRect(QPoint(200, 100), QPoint(260, 150)));
        s.window.planView().setOverlay(overlay);
        settle();
        QTest::mouseClick(s.window.findChild<QWidget *>(mode), Qt::LeftButton);
        QStringList states;
        s.prompts.inputAnswers = {"Кресло"};
        s.plan.press(from);
        for (int i = 1; i <= 3; ++i) {
            s.plan.move(from + (to - from) * i / 3);
            settle();
            states << bytesOf(s.e.K().image()).toBase64() << bytesOf(s.e.tmpPic()).toBase64();
        }
        s.plan.release(to);
        settle();
        const QString bmp = dir.filePath(overlay ? "on.bmp" : "off.bmp");
        if (!s.e.exportBmp(bmp))
            return QStringList {"export failed"};
        states << bytesOf(s.e.K().image()).toBase64() << contentOf(bmp).toBase64();
        for (const ObjectTable::Row &row : s.e.table().rows())
            states << row.name + row.x + row.y;
        return states;
    };
    const QStringList off = run(false);
    const QStringList on = run(true);
    QCOMPARE(on.size(), off.size());
    for (qsizetype i = 0; i < on.size(); ++i)
        QVERIFY2(on[i] == off[i], qPrintable(QString("state %1 differs").arg(i)));
}

void TestOverlay::distancesShowDuringAMoveDrag_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QRect>("object");
    QTest::addColumn<QPoint>("by");

    QTest::newRow("smallest room")
        << QSize(50, 50) << QRect(QPoint(5, 5), QPoint(12, 12)) << QPoint(9, 7);
    QTest::newRow("start room") << QSize(553, 361) << QRect(QPoint(40, 40), QPoint(100, 80))
                                << QPoint(60, 50);
    QTest::newRow("largest room, scrolling")
        << QSize(4096, 4096) << QRect(QPoint(40, 40), QPoint(100, 80)) << QPoint(60, 50);
}

void TestOverlay::distancesShowDuringAMoveDrag()
{
    QFETCH(QSize, room);
    QFETCH(QRect, object);
    QFETCH(QPoint, by);
    Session s(room);
    s.add("Стол", object);
    QTest::mouseClick(s.window.findChild<QWidget *>("selct"), Qt::LeftButton);
    const QRect moved = object.translated(by);
    // The floor between the moved box and the right wall, at its height.
    const QRect toTheWall(
        QPoint(moved.right() + 2, moved.top()), QPoint(room.width() - 1, moved.bottom()));
    const QPoint grip = object.center();

    auto dragAndLook = [&] {
        s.plan.press(grip);
        s.plan.move(grip + by / 2);
        s.plan.move(grip + by);
        settle();
        const QImage shown = s.shown();
        s.plan.release(grip + by);
        settle();
        return shown;
    };
    QCOMPARE(s.yellowIn(dragAndLook(), toTheWall), 0);
    QCOMPARE(s.e.table().xText(0), QString(" %1| %2").arg(moved.left()).arg(moved.right()));

    s.window.planView().setOverlay(true);
    // Back to where it was, and again with the overlay on.
    s.plan.press(moved.center());
    s.plan.move(moved.center() - by);
    s.plan.release(moved.center() - by);
    settle();
    QCOMPARE(s.e.table().xText(0), QString(" %1| %2").arg(object.left()).arg(object.right()));
    const QImage during = dragAndLook();
    QVERIFY(s.yellowIn(during, toTheWall) > 0);
    // Set at a size a dense screen shows sharp and large: the number's
    // digits span more device pixels than the font has logical ones, which
    // neither the ticks nor digits drawn at the logical size would.
    const QFont font = PlanOverlay::fontFor(s.plan.view()->font());
    int top = INT_MAX, bottom = -1;
    const qreal ratio = during.devicePixelRatio();
    const QPoint origin = s.plan.view()->contentsRect().topLeft();
    const int firstColumn = int((origin.x() + moved.right() + 2) * ratio);
    for (int y = 0; y < during.height(); ++y)
        for (int x = firstColumn; x < during.width(); ++x) {
            const QColor c = during.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 100) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    QCOMPARE(ratio, 2.0);
    QVERIFY2(bottom - top + 1 > 1.2 * font.pixelSize(),
        qPrintable(QString("lettering %1 device pixels high").arg(bottom - top + 1)));
    // After the release the lines are gone.
    QCOMPARE(s.yellowIn(s.shown(), toTheWall), 0);
}

void TestOverlay::aDragRepaintsWhereTheLinesWereAndAre_data()
{
    QTest::addColumn<bool>("overlay");
    QTest::newRow("overlay on") << true;
    // Only the plan's own change, as it always was.
    QTest::newRow("overlay off") << false;
}

void TestOverlay::aDragRepaintsWhereTheLinesWereAndAre()
{
    QFETCH(bool, overlay);
    Session s;
    s.add("Стол", QRect(QPoint(40, 40), QPoint(100, 80)));
    s.add("Шкаф", QRect(QPoint(300, 20), QPoint(340, 300)));
    s.window.planView().setOverlay(overlay);
    QTest::mouseClick(s.window.findChild<QWidget *>("selct"), Qt::LeftButton);
    settle();
    PlanView *view = s.plan.view();
    PaintTracker tracker(view);
    const QFont font = PlanOverlay::fontFor(view->font());
    const QPoint origin = view->contentsRect().topLeft();

    // One frame of the drag: its preview box and its dimension lines.
    struct Frame {
        QRect box;
        QRegion lines;
    };
    auto frame = [&] {
        const auto preview = s.e.dragPreview();
        if (!preview)
            return Frame {};
        const Edges &b = preview->box;
        const QRect box = QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
        if (!overlay)
            return Frame {box.translated(origin), {}};
        const Clearances c = findClearances(s.e.table(), s.e.K().size(), b, preview->row);
        return Frame {box.translated(origin),
            ClearanceDrawing(font).layOut(c, QTransform()).translated(origin)};
    };

    s.plan.press({60, 60});
    settle();
    tracker.catchUp();
    Frame before = frame();
    QCOMPARE(before.lines.isEmpty(), !overlay);
    // Steps that move the lines above and below the box sideways and
    // change every number.
    for (const QPoint at : {QPoint(80, 90), QPoint(130, 70), QPoint(180, 140), QPoint(150, 200)}) {
        s.plan.move(at);
        settle();
        const QRegion painted = tracker.catchUp();
        const Frame now = frame();
        // The plan reports the box around the old and the new preview.
        const QRegion allowed = QRegion(before.box | now.box) + before.lines + now.lines;
        QVERIFY(!painted.isEmpty());
        QVERIFY2((painted - allowed).isEmpty(),
            qPrintable(QString("painted beyond the frame at %1,%2").arg(at.x()).arg(at.y())));
        QVERIFY2(tracker.screen() == tracker.rendered(),
            qPrintable(QString("stale pixels after the step to %1,%2").arg(at.x()).arg(at.y())));
        before = now;
    }
    s.plan.release({150, 200});
    settle();
    tracker.catchUp();
    QVERIFY(tracker.screen() == tracker.rendered());

    // A resize let go where it was grabbed leaves the plan as it is; its
    // lines go all the same.
    QTest::mouseClick(s.window.findChild<QWidget *>("Rsiz"), Qt::LeftButton);
    s.plan.press({160, 210});
    settle();
    tracker.catchUp();
    QCOMPARE(s.yellowIn(tracker.screen(), QRect(QPoint(0, 0), s.e.K().size())) > 0, overlay);
    s.plan.release({160, 210});
    settle();
    tracker.catchUp();
    QVERIFY(tracker.screen() == tracker.rendered());
    QCOMPARE(s.yellowIn(tracker.screen(), QRect(QPoint(0, 0), s.e.K().size())), 0);
}

void TestOverlay::namesGoWithTheirObjects()
{
    Session s;
    const QRect sofa(QPoint(40, 40), QPoint(200, 110));
    s.add("Диван", sofa);
    QTest::mouseClick(s.window.findChild<QWidget *>("selct"), Qt::LeftButton);
    // Pixels of a colour inside a plan rectangle, on the screen as shown.
    auto count = [&](const QImage &shown, QRect room, QColor colour) {
        const QRect area = room.translated(s.plan.view()->contentsRect().topLeft());
        const qreal ratio = shown.devicePixelRatio();
        int n = 0;
        for (int y = int(area.top() * ratio); y < int((area.bottom() + 1) * ratio); ++y)
            for (int x = int(area.left() * ratio); x < int((area.right() + 1) * ratio); ++x)
                n += shown.pixelColor(x, y) == colour;
        return n;
    };
    const QColor white(Qt::white), black(Qt::black);

    QCOMPARE(count(s.shown(), sofa, white), 0);
    s.window.planView().setOverlay(true);
    settle();
    QVERIFY(count(s.shown(), sofa, white) > 0);

    // Current, the object turns green and its letters dark.
    s.plan.press(sofa.center());
    s.plan.release(sofa.center());
    settle();
    QCOMPARE(s.e.K().point(sofa.left(), sofa.top()), colors::green);
    QCOMPARE(count(s.shown(), sofa, white), 0);
    QVERIFY(count(s.shown(), sofa, black) > 0);

    // Dragged, the name goes with the object; the floor it left is bare.
    const QPoint by(250, 150);
    s.plan.press(sofa.center());
    s.plan.move(sofa.center() + by / 2);
    s.plan.move(sofa.center() + by);
    settle();
    const QImage during = s.shown();
    QCOMPARE(count(during, sofa, black), sofa.width() * sofa.height() * 4);
    QVERIFY(count(during, sofa.translated(by), black) > 0);
    s.plan.release(sofa.center() + by);
    settle();
    QVERIFY(count(s.shown(), sofa.translated(by), black) > 0);
}

void TestOverlay::choiceIsReadAtStart_data()
{
    QTest::addColumn<QByteArray>("file"); // what stands at the settings' path
    QTest::addColumn<bool>("shown");

    QTest::newRow("kept on") << QByteArray("[view]\nlabels=true\n") << true;
    QTest::newRow("kept off") << QByteArray("[view]\nlabels=false\n") << false;
    QTest::newRow("no file") << QByteArray("<none>") << false;
    QTest::newRow("a folder at the path") << QByteArray("<folder>") << false;
    QTest::newRow("a link that loops, unreadable") << QByteArray("<loop>") << false;
    QTest::newRow("garbage") << QByteArray("\x01\xff[view\nlabels=\x80tru\xc3") << false;
    QTest::newRow("not a flag") << QByteArray("[view]\nlabels=maybe\n") << false;
}

void TestOverlay::choiceIsReadAtStart()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, shown);
    const QString path = settingsPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (file == "<folder>")
        QVERIFY(QDir().mkpath(path));
    else if (file == "<loop>")
        QVERIFY(QFile::link(path, path));
    else if (file != "<none>")
        QVERIFY(put(path, file));

    Session s;
    QCOMPARE(s.window.planView().overlay(), shown);
    QVERIFY(s.command());
    QCOMPARE(s.command()->isChecked(), shown);
    QVERIFY(s.command()->isCheckable());
}

void TestOverlay::commandTogglesAndKeepsTheChoice()
{
    {
        Session s;
        s.add("Стол", QRect(QPoint(40, 40), QPoint(100, 80)));
        s.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        const QByteArray plan = bytesOf(s.e.K().image());
        QTest::keyClick(&s.window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(s.window.planView().overlay());
        QVERIFY(s.command()->isChecked());
        QCOMPARE(bytesOf(s.e.K().image()), plan);
        // Written for the next start at once, not when the program ends.
        QVERIFY(contentOf(settingsPath()).contains("labels=true"));

        // A drag keeps the window busy: the shortcut changes nothing.
        QTest::mouseClick(s.window.findChild<QWidget *>("selct"), Qt::LeftButton);
        s.plan.press({60, 60});
        QTest::keyClick(&s.window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(s.window.planView().overlay());
        s.plan.release({60, 60});
        settle();
        // The menu shows the mark as the view is.
        s.window.commands().popup(MenuPlace::Plan, s.window.mapToGlobal(QPoint(300, 200)));
        QVERIFY(s.command()->isChecked());
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->close();
    }
    {
        Session restarted;
        QVERIFY(restarted.window.planView().overlay());
        restarted.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&restarted.window));
        QTest::keyClick(&restarted.window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(!restarted.window.planView().overlay());
        QVERIFY(contentOf(settingsPath()).contains("labels=false"));
    }
    Session again;
    QVERIFY(!again.window.planView().overlay());
}

QTEST_MAIN(TestOverlay)
#include "test_overlay.moc"
