#include "app/mainwindow.h"
#include "dialogs/opendialog.h"
#include "dialogs/sizedialog.h"
#include "language/language.h"
#include "menus/commandmenu.h"
#include "support/modal.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace plandex;

Q_DECLARE_METATYPE(plandex::Language)

namespace {

// What the locale of this run must give; CTest runs the program once per locale.
Language expected()
{
    return qEnvironmentVariable("PLANDEX_EXPECTED_LANGUAGE") == QLatin1String("en")
        ? Language::English
        : Language::Russian;
}

// The text and the buttons of the message box that act opens; its first
// button closes it.
QStringList boxTexts(const std::function<void()> &act)
{
    QStringList seen;
    OnModal<QMessageBox> read([&seen](QMessageBox *box) {
        seen << box->text();
        for (QAbstractButton *button : box->buttons())
            seen << button->text();
        box->buttons().constFirst()->click();
    });
    act();
    return seen;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void localeChoosesTheLanguage_data();
    void localeChoosesTheLanguage();
    void windowSpeaksIt_data();
    void windowSpeaksIt();
    void exportSpeaksIt();

private:
    QStringList textsOf(const QString &where);

    std::unique_ptr<MainWindow> m_window;
};

void TestLanguage::initTestCase()
{
    // As the program starts.
    QCOMPARE(userLanguage(), expected());
    useLanguage(userLanguage());
    m_window = std::make_unique<MainWindow>();
}

void TestLanguage::localeChoosesTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<Language>("language");

    // The second column is what QLocale makes of the environment.
    const QStringList russian {"ru-RU", "ru-Cyrl-RU", "ru"};
    QTest::newRow("ru_RU") << "ru_RU.UTF-8" << russian << Language::Russian;
    QTest::newRow("ru") << "ru" << QStringList {"ru", "ru-Cyrl-RU", "ru-RU"} << Language::Russian;
    QTest::newRow("C") << "C" << QStringList {"C"} << Language::Russian;
    QTest::newRow("C.UTF-8") << "C.UTF-8" << QStringList {"C"} << Language::Russian;
    QTest::newRow("POSIX") << "POSIX" << QStringList {"C"} << Language::Russian;
    QTest::newRow("unset") << "" << QStringList {"C"} << Language::Russian;
    // The C library ignores LANGUAGE in the C locale; Qt does not.
    QTest::newRow("C, LANGUAGE=en")
        << "C.UTF-8" << QStringList {"en", "en-Latn-US", "en-US"} << Language::Russian;
    QTest::newRow("en_US") << "en_US.UTF-8" << QStringList {"en-US", "en-Latn-US", "en"}
                           << Language::English;
    QTest::newRow("de_DE") << "de_DE.UTF-8" << QStringList {"de-DE", "de-Latn-DE", "de"}
                           << Language::English;
    QTest::newRow("fr") << "fr" << QStringList {"fr", "fr-Latn-FR", "fr-FR"} << Language::English;
    // Rusyn is not Russian, whatever its code begins with.
    QTest::newRow("rue_SK") << "rue_SK.UTF-8" << QStringList {"rue-SK"} << Language::English;
    QTest::newRow("en_US, LANGUAGE=ru")
        << "en_US.UTF-8" << QStringList {"ru", "ru-Cyrl-RU"} << Language::Russian;
    QTest::newRow("ru_RU, LANGUAGE=de:ru")
        << "ru_RU.UTF-8" << (QStringList {"de", "de-DE"} + russian) << Language::English;
}

void TestLanguage::localeChoosesTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, uiLanguages);
    QFETCH(Language, language);
    QCOMPARE(chooseLanguage(locale, uiLanguages), language);
}

QStringList TestLanguage::textsOf(const QString &where)
{
    MainWindow &w = *m_window;
    if (where == "tool tip")
        return {w.findChild<QToolButton *>("create")->toolTip()};
    if (where == "screen reader")
        return {w.findChild<QWidget *>("K")->accessibleName()};
    if (where == "menu") {
        w.show();
        w.commands().popup(MenuPlace::List, w.mapToGlobal(QPoint(60, 60)));
        QMenu *menu = w.commands().shown();
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text();
        menu->close();
        return texts;
    }
    if (where == "size dialog") {
        SizeDialog dialog(w.editor(), w.prompts());
        return {dialog.windowTitle(), dialog.Command1()->text(), dialog.Command3()->toolTip()};
    }
    if (where == "open dialog") {
        OpenDialog dialog([](const QString &) {});
        return {dialog.windowTitle(), dialog.findChild<QPushButton *>("noop")->text()};
    }
    if (where == "message")
        return boxTexts([&w] { w.editor().openKom(QString()); });
    if (where == "question")
        return boxTexts([&w] { w.prompts().confirm("?"); });
    if (where == "Qt's own button") {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return {box.buttons().constFirst()->text().remove('&')};
    }
    return {};
}

void TestLanguage::windowSpeaksIt_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");

    QTest::newRow("tool tip") << "tool tip"
                              << "Создание нового объекта"
                              << "Create a new object";
    QTest::newRow("screen reader") << "screen reader"
                                   << "План комнаты"
                                   << "Room plan";
    QTest::newRow("menu, history") << "menu"
                                   << "Отменить"
                                   << "Undo";
    QTest::newRow("menu, file") << "menu"
                                << "Файл: не сохранён"
                                << "File: not saved";
    QTest::newRow("size dialog, title") << "size dialog"
                                        << "Изменение размеров объекта"
                                        << "Object size";
    QTest::newRow("size dialog, button") << "size dialog"
                                         << "Да"
                                         << "Yes";
    QTest::newRow("size dialog, tip") << "size dialog"
                                      << "Развернуть объект (поменять местами его высоту и ширину)"
                                      << "Turn the object (swap its height and width)";
    QTest::newRow("open dialog") << "open dialog"
                                 << "Открытие комнаты :)"
                                 << "Opening a room :)";
    QTest::newRow("open dialog, button") << "open dialog"
                                         << "Отмена"
                                         << "Cancel";
    QTest::newRow("message") << "message"
                             << "Неверный формат файла"
                             << "Wrong file format";
    QTest::newRow("question") << "question"
                              << "Нет"
                              << "No";
    QTest::newRow("Qt's own button") << "Qt's own button"
                                     << "Отмена"
                                     << "Cancel";
}

void TestLanguage::windowSpeaksIt()
{
    QFETCH(QString, where);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    const QStringList texts = textsOf(where);
    QVERIFY2(texts.contains(expected() == Language::English ? english : russian),
        qPrintable(texts.join(" | ")));
}

void TestLanguage::exportSpeaksIt()
{
    QProcess exporter;
    exporter.start(PLANDEX_EXPORT_BINARY, {"room.kom", "room.pdf", "--paper", "B5"});
    QVERIFY(exporter.waitForFinished());
    QCOMPARE(exporter.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(exporter.readAllStandardError()),
        expected() == Language::English
            ? QString("plandex-export: the paper must be A4, A3 or Letter\n")
            : QString("plandex-export: лист должен быть A4, A3 или Letter\n"));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
