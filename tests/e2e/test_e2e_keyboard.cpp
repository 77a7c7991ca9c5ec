#include "plandexui.h"

#include <QTest>

#include <utility>
#include <vector>

using namespace plandexui;

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void anObjectIsArrangedFromTheKeyboard();
};

namespace {

using Expected = std::vector<std::pair<QPoint, QColor>>;

// The first room point of expected that shows another colour; empty when
// all match.
QString mismatch(const QImage &shot, const Expected &expected)
{
    for (const auto &[point, colour] : expected)
        if (shot.pixelColor(atRoom(point)) != colour)
            return QString("room point (%1, %2) is %3, not %4")
                .arg(point.x())
                .arg(point.y())
                .arg(shot.pixelColor(atRoom(point)).name(), colour.name());
    return {};
}

// Presses keys, then waits for the plan to show what is expected.
QString pressAndSee(XSession &x, quint64 window, const QString &keys, const Expected &expected)
{
    if (!x.key(keys))
        return "the keys " + keys + " could not be pressed";
    const QImage shot = x.waitForScreenshot(
        window, [&](const QImage &s) { return mismatch(s, expected).isEmpty(); });
    const QString problem = mismatch(shot, expected);
    return problem.isEmpty() ? QString() : "after " + keys + ": " + problem;
}

} // namespace

void TestKeyboard::anObjectIsArrangedFromTheKeyboard()
{
    XSession x;
    quint64 window = 0;
    const QString started = startPlandex(x, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));
    QVERIFY(drawObject(x, window, {40, 30}, {140, 90}, QStringLiteral("Стол")));

    // Without a window manager the closed prompt hands the keyboard to no
    // one: a click on the window's bare background gives it back.
    QVERIFY(x.click(onScreen(x, window, windowBackground)));
    QVERIFY2(x.waitForFocus(window), "the main window has no keyboard focus");

    // Two long nudges to the right: (60, 30) to (160, 90).
    QString problem = pressAndSee(x, window, "ctrl+shift+Right ctrl+shift+Right",
        {{{60, 30}, green}, {{160, 90}, green}, {{59, 60}, black}, {{161, 60}, black}});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    // Turned about its centre (110, 60): (80, 10) to (140, 110).
    problem = pressAndSee(x, window, "ctrl+r",
        {{{80, 10}, green}, {{140, 110}, green}, {{79, 60}, black}, {{141, 60}, black},
            {{110, 9}, black}, {{110, 111}, black}});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    // The copy goes beside it, to the left (as near as to the right, and
    // left wins): it is current and green, the original blue.
    problem = pressAndSee(x, window, "ctrl+d",
        {{{19, 10}, green}, {{79, 110}, green}, {{18, 60}, black}, {{80, 10}, blue},
            {{140, 110}, blue}});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(TestKeyboard)
#include "test_e2e_keyboard.moc"
