// Runs with QT_SCALE_FACTOR=2: what the view shows is checked on a dense
// screen.

#include "app/mainwindow.h"
#include "drawing/clearancedrawing.h"
#include "menus/commandmenu.h"
#include "plan/colors.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/plandriver.h"
#include "support/scratchdir.h"
#include "view/planoverlay.h"

#include <QAction>
#include <QDir>
#include <QPaintEvent>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using namespace plandex;

namespace {

QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + "/plandex/plandex.conf";
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

bool yellow(QColor c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() < 100;
}

// A main window with scripted answers and a driver for its plan.
struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    PlanDriver plan {window};
    Editor &e = window.editor();

    explicit Session(QSize room = {553, 361}, bool overlay = false)
    {
        if (room != e.K().size()) {
            e.K().resize(room);
            e.ProvForm();
        }
        if (overlay)
            window.planView().setOverlay(true);
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
    void mode(const char *button)
    {
        QTest::mouseClick(window.findChild<QWidget *>(button), Qt::LeftButton);
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
    // Device pixels of shown inside a plan rectangle that pass the test.
    int count(const QImage &shown, QRect room, const std::function<bool(QColor)> &test) const
    {
        const QRect area
            = room.translated(plan.view()->contentsRect().topLeft()) & plan.view()->contentsRect();
        const qreal ratio = shown.devicePixelRatio();
        int n = 0;
        for (int y = int(area.top() * ratio); y < int((area.bottom() + 1) * ratio); ++y)
            for (int x = int(area.left() * ratio); x < int((area.right() + 1) * ratio); ++x)
                n += test(shown.pixelColor(x, y));
        return n;
    }
    int yellowIn(const QImage &shown, QRect room) const { return count(shown, room, yellow); }
    QRect room() const { return QRect(QPoint(0, 0), e.K().size()); }
};

// A screen that is repainted only where the view asks: each paint event's
// region is painted again by the view itself, as one paint of that region.
class PaintTracker : public QObject
{
public:
    explicit PaintTracker(QWidget *view)
        : m_view(view)
        , m_screen(view->grab().toImage())
    {
        view->installEventFilter(this);
    }
    // Brings the screen up to date; returns the region painted since.
    QRegion catchUp()
    {
        const QRegion painted = std::exchange(m_pending, QRegion());
        m_rendering = true;
        if (!painted.isEmpty())
            m_view->render(&m_screen, painted.boundingRect().topLeft(), painted);
        m_rendering = false;
        return painted;
    }
    const QImage &screen() const { return m_screen; }
    // The whole view drawn afresh, which the screen must equal.
    QImage fresh()
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
    void init()
    {
        QFile::remove(settingsPath());
        QDir(settingsPath()).removeRecursively();
    }

    void planAndExportStayTheSame_data();
    void planAndExportStayTheSame();
    void distancesAndNamesDuringAMoveDrag_data();
    void distancesAndNamesDuringAMoveDrag();
    void aDragRepaintsWhereTheLinesWereAndAre_data();
    void aDragRepaintsWhereTheLinesWereAndAre();
    void choiceIsReadAtStart_data();
    void choiceIsReadAtStart();
    void aBusyWindowKeepsTheChoice();
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
    // K, the snapshot, the table and the export along the same drag.
    auto run = [&](bool overlay) {
        Session s({553, 361}, overlay);
        s.add("Стол", QRect(QPoint(10, 10), QPoint(70, 50)));
        s.add("Шкаф", QRect(QPoint(200, 100), QPoint(260, 150)));
        s.mode(qPrintable(mode));
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
        states << QString::number(s.e.exportBmp(bmp)) << contentOf(bmp).toBase64()
               << bytesOf(s.e.K().image()).toBase64();
        for (const ObjectTable::Row &row : s.e.table().rows())
            states << row.name + row.x + row.y;
        return states;
    };
    const QStringList off = run(false), on = run(true);
    QCOMPARE(on.size(), off.size());
    for (qsizetype i = 0; i < on.size(); ++i)
        QVERIFY2(on[i] == off[i], qPrintable(QString("state %1 differs").arg(i)));
}

void TestOverlay::distancesAndNamesDuringAMoveDrag_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QRect>("object");
    QTest::addColumn<QPoint>("by");

    QTest::newRow("smallest room")
        << QSize(50, 50) << QRect(QPoint(5, 5), QPoint(12, 12)) << QPoint(9, 7);
    QTest::newRow("start room") << QSize(553, 361) << QRect(QPoint(40, 40), QPoint(200, 110))
                                << QPoint(250, 150);
    QTest::newRow("largest room, scrolling")
        << QSize(4096, 4096) << QRect(QPoint(40, 40), QPoint(200, 110)) << QPoint(60, 50);
}

void TestOverlay::distancesAndNamesDuringAMoveDrag()
{
    QFETCH(QSize, room);
    QFETCH(QRect, object);
    QFETCH(QPoint, by);
    Session s(room);
    s.add("Диван", object);
    s.mode("selct");
    const QRect moved = object.translated(by);
    // The floor between the moved box and the right wall, at its height.
    const QRect toTheWall(
        QPoint(moved.right() + 2, moved.top()), QPoint(room.width() - 1, moved.bottom()));
    auto white = [](QColor c) { return c == Qt::white; };
    auto black = [](QColor c) { return c == Qt::black; };
    // A drag from object by `by`, looked at before the release.
    auto drag = [&](QPoint from, QPoint to) {
        s.plan.press(from);
        s.plan.move((from + to) / 2);
        s.plan.move(to);
        settle();
        const QImage during = s.shown();
        s.plan.release(to);
        settle();
        return during;
    };

    QCOMPARE(s.yellowIn(drag(object.center(), moved.center()), toTheWall), 0);
    drag(moved.center(), object.center());
    s.window.planView().setOverlay(true);
    const QImage during = drag(object.center(), moved.center());
    QVERIFY(s.yellowIn(during, toTheWall) > 0);
    // The name goes with the dragged object, dark on green; the floor it
    // left, clear of the numbers, is bare.
    const bool labelled = object.height() > 30;
    if (labelled)
        QVERIFY(s.count(during, moved, black) > 0);
    if (!moved.adjusted(-40, -40, 40, 40).intersects(object))
        QCOMPARE(s.count(during, object, black), object.width() * object.height() * 4);
    // Set at a size a dense screen shows sharp: the digits span more device
    // pixels than the font has logical ones, which neither the ticks nor
    // digits drawn at the logical size would.
    QCOMPARE(during.devicePixelRatio(), 2.0);
    int top = INT_MAX, bottom = -1;
    const int firstColumn = 2 * (s.plan.view()->contentsRect().left() + moved.right() + 2);
    for (int y = 0; y < during.height(); ++y)
        for (int x = firstColumn; x < during.width(); ++x)
            if (yellow(during.pixelColor(x, y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const int pixelSize = PlanOverlay::fontFor(s.plan.view()->font()).pixelSize();
    QVERIFY2(bottom - top + 1 > 1.2 * pixelSize,
        qPrintable(QString("lettering %1 device pixels high").arg(bottom - top + 1)));

    // After the release the lines are gone; current, the object keeps dark
    // letters, and light ones on blue once it is not.
    QCOMPARE(s.yellowIn(s.shown(), s.room()), 0);
    QCOMPARE(s.count(s.shown(), moved, white), 0);
    QCOMPARE(s.count(s.shown(), moved, black) > 0, labelled);
    s.e.OBNOV();
    settle();
    QCOMPARE(s.count(s.shown(), moved, white) > 0, labelled);
    QCOMPARE(s.count(s.shown(), moved, black), 0);
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
    Session s({553, 361}, overlay);
    s.add("Стол", QRect(QPoint(40, 40), QPoint(100, 80)));
    s.add("Шкаф", QRect(QPoint(300, 20), QPoint(340, 300)));
    s.mode("selct");
    PaintTracker tracker(s.plan.view());
    const QFont font = PlanOverlay::fontFor(s.plan.view()->font());
    const QPoint origin = s.plan.view()->contentsRect().topLeft();
    // A frame of the drag: its preview box and its dimension lines.
    auto frame = [&]() -> std::pair<QRect, QRegion> {
        const auto preview = s.e.dragPreview();
        if (!preview)
            return {};
        const Edges &b = preview->box;
        const QRect box = QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
        const Clearances c = findClearances(s.e.table(), s.e.K().size(), b, preview->row);
        return {box.translated(origin),
            overlay ? ClearanceDrawing(font).layOut(c, QTransform()).translated(origin)
                    : QRegion()};
    };

    s.plan.press({60, 60});
    settle();
    tracker.catchUp();
    auto before = frame();
    QCOMPARE(before.second.isEmpty(), !overlay);
    // Steps that move the lines above and below the box sideways and change
    // every number.
    for (const QPoint at : {QPoint(80, 90), QPoint(130, 70), QPoint(180, 140), QPoint(150, 200)}) {
        s.plan.move(at);
        settle();
        const QRegion painted = tracker.catchUp();
        const auto now = frame();
        // The plan reports the box around the old and the new preview.
        const QRegion allowed = QRegion(before.first | now.first) + before.second + now.second;
        const QString step = QString("the step to %1,%2").arg(at.x()).arg(at.y());
        QVERIFY2(!painted.isEmpty() && (painted - allowed).isEmpty(),
            qPrintable("painted beyond the frame at " + step));
        QVERIFY2(tracker.screen() == tracker.fresh(), qPrintable("stale pixels after " + step));
        before = now;
    }
    s.plan.release({150, 200});
    settle();
    tracker.catchUp();
    QVERIFY(tracker.screen() == tracker.fresh());

    // A resize let go where it was grabbed leaves the plan as it is; its
    // lines go all the same.
    s.mode("Rsiz");
    s.plan.press({160, 210});
    settle();
    tracker.catchUp();
    QCOMPARE(s.yellowIn(tracker.screen(), s.room()) > 0, overlay);
    s.plan.release({160, 210});
    settle();
    tracker.catchUp();
    QVERIFY(tracker.screen() == tracker.fresh());
    QCOMPARE(s.yellowIn(tracker.screen(), s.room()), 0);
}

void TestOverlay::choiceIsReadAtStart_data()
{
    QTest::addColumn<QByteArray>("file"); // what stands at the settings' path
    QTest::addColumn<bool>("shown");

    QTest::newRow("kept on") << QByteArray("[view]\nlabels=true\n") << true;
    // Written by the command in a session before.
    QTest::newRow("turned on") << QByteArray("<Ctrl+L>") << true;
    QTest::newRow("turned on and off") << QByteArray("<Ctrl+L><Ctrl+L>") << false;
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
    else if (file.startsWith("<Ctrl+L>")) {
        Session before;
        before.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&before.window));
        for (int i = 0; i < file.count("<Ctrl+L>"); ++i)
            QTest::keyClick(&before.window, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(before.window.planView().overlay(), shown);
        // Written for the next start at once, not when the program ends.
        QVERIFY(contentOf(path).contains(shown ? "labels=true" : "labels=false"));
    } else if (file != "<none>") {
        QVERIFY(put(path, file));
    }

    Session s;
    QCOMPARE(s.window.planView().overlay(), shown);
    QVERIFY(s.command() && s.command()->isCheckable());
    QCOMPARE(s.command()->isChecked(), shown);
}

void TestOverlay::aBusyWindowKeepsTheChoice()
{
    Session s;
    s.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    // A drag keeps the window busy: the shortcut changes nothing, and the
    // menu shows the mark as the view is.
    s.plan.press({60, 60});
    QTest::keyClick(&s.window, Qt::Key_L, Qt::ControlModifier);
    s.plan.release({60, 60});
    QVERIFY(!s.window.planView().overlay());
    s.window.commands().popup(MenuPlace::Plan, s.window.mapToGlobal(QPoint(300, 200)));
    QVERIFY(!s.command()->isChecked());
    if (QWidget *menu = QApplication::activePopupWidget())
        menu->close();
}

QTEST_MAIN(TestOverlay)
#include "test_overlay.moc"
