#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"

#include <QFile>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace plandex;

namespace {

// Each row as "name@depth=path".
QStringList rows(const DirList &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i) {
        const QListWidgetItem *item = list.item(i);
        out << QString("%1@%2=%3")
                   .arg(item->text(), item->data(DirList::DepthRole).toString(),
                       item->data(DirList::PathRole).toString());
    }
    return out;
}

QStringList names(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

QListWidgetItem *itemFor(const DirList &list, const QString &path)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->data(DirList::PathRole).toString() == path)
            return list.item(i);
    }
    return nullptr;
}

// What a real double click delivers: press and release, then the second
// press arrives as the double click.
void doubleClick(QListWidget &list, QListWidgetItem *item)
{
    const QPoint at = list.visualItemRect(item).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

QImage image(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

} // namespace

class TestListControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dirListShowsAncestorsThenSubfolders();
    void dirListRefusesBadPaths_data();
    void dirListRefusesBadPaths();
    void dirListSignalsOncePerRealChange();
    void dirListNavigates_data();
    void dirListNavigates();
    void fileListFilters_data();
    void fileListFilters();
    void fileListClicksCarryTheName();
    void driveListOffersRootAndTheCurrentDrive();
    void driveListSignalsOnlyUserPicks();
    void volumeFilter_data();
    void volumeFilter();
    void folderForDrive_data();
    void folderForDrive();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_base;
};

void TestListControls::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_base = QDir::cleanPath(m_tmp->path());
    for (const char *dir : {"gamma", "Beta", "alpha/inner", ".hidden", "old.kom"})
        QVERIFY(QDir(m_base).mkpath(dir));
    for (const char *file : {"kitchen.kom", "Attic.kom", "hall.KOM", "notes.txt", "README",
             ".draft.kom", "kitchen.kom.bak", "b.kom"})
        QVERIFY(QFile(m_base + '/' + file).open(QIODevice::WriteOnly));
}

void TestListControls::dirListShowsAncestorsThenSubfolders()
{
    DirList list;
    QCOMPARE(list.path(), QDir::currentPath());
    QVERIFY(list.setPath(m_base));

    QStringList expected {"/@0=/"};
    QString walked;
    const QStringList parts = m_base.split('/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        walked += '/' + part;
        expected << QString("%1@%2=%3").arg(part).arg(expected.size()).arg(walked);
    }
    const int depth = expected.size();
    // Case-insensitive order; hidden folders and files stay out.
    for (const char *dir : {"alpha", "Beta", "gamma", "old.kom"})
        expected << QString("%1@%2=%3/%1").arg(dir).arg(depth).arg(m_base);
    QCOMPARE(rows(list), expected);

    QCOMPARE(list.currentRow(), depth - 1);
    QCOMPARE(list.selectedItems(), QList<QListWidgetItem *> {list.item(depth - 1)});
    const QImage open = image(list.style()->standardIcon(QStyle::SP_DirOpenIcon));
    const QImage closed = image(list.style()->standardIcon(QStyle::SP_DirClosedIcon));
    QVERIFY(open != closed);
    for (int i = 0; i < list.count(); ++i)
        QCOMPARE(image(list.item(i)->icon()), i < depth ? open : closed);

    QVERIFY(list.setPath("/"));
    QCOMPARE(rows(list).first(), QString("/@0=/"));
    QCOMPARE(list.count(), 1 + QDir("/").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
    QCOMPARE(list.item(1)->data(DirList::PathRole).toString(), '/' + list.item(1)->text());
}

void TestListControls::dirListRefusesBadPaths_data()
{
    QTest::addColumn<QString>("bad");
    QTest::newRow("missing") << "/missing";
    QTest::newRow("a file") << "/notes.txt";
    QTest::newRow("under a file") << "/notes.txt/x";
    QTest::newRow("empty") << "";
}

void TestListControls::dirListRefusesBadPaths()
{
    QFETCH(QString, bad);
    DirList list;
    QVERIFY(list.setPath(m_base + "/Beta"));
    list.setCurrentRow(0);
    const QStringList before = rows(list);
    QSignalSpy changed(&list, &DirList::pathChanged);

    QVERIFY(!list.setPath(bad.isEmpty() ? bad : m_base + bad));

    QCOMPARE(list.path(), m_base + "/Beta");
    QCOMPARE(rows(list), before);
    QCOMPARE(list.currentRow(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestListControls::dirListSignalsOncePerRealChange()
{
    DirList list;
    QSignalSpy changed(&list, &DirList::pathChanged);
    QVERIFY(list.setPath(m_base));
    QCOMPARE(changed.count(), 1);

    // The same folder again, however spelt, refreshes quietly.
    QVERIFY(QDir(m_base).mkdir("delta"));
    QVERIFY(list.setPath(m_base + "/"));
    QVERIFY(list.setPath(m_base + "/alpha/.."));
    QCOMPARE(changed.count(), 1);
    QVERIFY(itemFor(list, m_base + "/delta"));

    QVERIFY(list.setPath(m_base + "//Beta/../alpha/./inner"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), m_base + "/alpha/inner");
    QCOMPARE(list.path(), m_base + "/alpha/inner");
}

void TestListControls::dirListNavigates_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("target");

    QTest::newRow("double-click a subfolder") << "dclick"
                                              << ""
                                              << "/Beta";
    QTest::newRow("double-click the parent") << "dclick"
                                             << "/alpha"
                                             << "";
    QTest::newRow("Return on a subfolder") << "return"
                                           << "/alpha"
                                           << "/alpha/inner";
    QTest::newRow("keypad Enter on the parent") << "enter"
                                                << "/alpha/inner"
                                                << "/alpha";
}

void TestListControls::dirListNavigates()
{
    QFETCH(QString, how);
    QFETCH(QString, start);
    QFETCH(QString, target);

    const QString cwd = QDir::currentPath();
    DirList list;
    list.resize(300, 600);
    QVERIFY(list.setPath(m_base + start));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy changed(&list, &DirList::pathChanged);

    QListWidgetItem *item = itemFor(list, m_base + target);
    QVERIFY(item);
    if (how == "dclick") {
        doubleClick(list, item);
    } else {
        list.setCurrentItem(item);
        QTest::keyClick(&list, how == "return" ? Qt::Key_Return : Qt::Key_Enter);
    }

    QCOMPARE(list.path(), m_base + target);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(list.currentItem()->data(DirList::PathRole).toString(), m_base + target);
    QCOMPARE(QDir::currentPath(), cwd);
}

void TestListControls::fileListFilters_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");

    // Folders (old.kom) and hidden files (.draft.kom) never show.
    const QStringList all {
        "Attic.kom", "b.kom", "hall.KOM", "kitchen.kom", "kitchen.kom.bak", "notes.txt", "README"};
    const QStringList rooms {"Attic.kom", "b.kom", "hall.KOM", "kitchen.kom"};
    QTest::newRow("rooms") << "*.kom" << rooms;
    QTest::newRow("case does not matter") << "*.KOM" << rooms;
    QTest::newRow("list") << "*.txt;; README " << QStringList {"notes.txt", "README"};
    QTest::newRow("wildcards") << "?.kom;[ak]*.bak" << QStringList {"b.kom", "kitchen.kom.bak"};
    QTest::newRow("star dot star is every file") << "*.*" << all;
    QTest::newRow("no match") << "*.doc" << QStringList {};
}

void TestListControls::fileListFilters()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);

    FileList list;
    QCOMPARE(list.path(), QDir::currentPath());
    QCOMPARE(list.pattern(), QString("*.*"));
    list.setPattern(pattern);
    QVERIFY(list.setPath(m_base + "/"));
    QCOMPARE(list.path(), m_base);
    QCOMPARE(names(list), expected);

    // A refused folder leaves the list as it was.
    QVERIFY(!list.setPath(m_base + "/missing"));
    QVERIFY(!list.setPath(m_base + "/notes.txt"));
    QCOMPARE(list.path(), m_base);
    QCOMPARE(names(list), expected);
}

void TestListControls::fileListClicksCarryTheName()
{
    FileList list;
    list.resize(200, 300);
    list.setPattern("*.kom");
    QVERIFY(list.setPath(m_base));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicked(&list, &FileList::fileClicked);
    QSignalSpy doubleClicked(&list, &FileList::fileDoubleClicked);
    QVERIFY(list.fileName().isEmpty());

    QTest::mouseClick(
        list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QString("b.kom"));
    QCOMPARE(list.fileName(), QString("b.kom"));

    doubleClick(list, list.item(3));
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.at(0).at(0).toString(), QString("kitchen.kom"));
    QCOMPARE(list.fileName(), QString("kitchen.kom"));

    // A refreshed listing starts without a choice.
    list.setPattern("*.txt");
    QVERIFY(list.fileName().isEmpty());
}

void TestListControls::driveListOffersRootAndTheCurrentDrive()
{
    const QString cwd = QDir::currentPath();
    DriveList list;
    const QStringList roots = list.roots();
    QCOMPARE(roots.first(), QString("/"));
    QStringList sorted = roots;
    sorted.sort();
    sorted.removeDuplicates();
    QCOMPARE(roots, sorted);

    // The chosen drive holds the working directory, and no deeper entry does.
    const QString drive = list.drive();
    QCOMPARE(DriveList::folderForDrive(drive, cwd, roots), cwd);
    for (const QString &root : roots) {
        if (root != drive)
            QVERIFY2(DriveList::folderForDrive(root, cwd, roots) == root, qPrintable(root));
    }
}

void TestListControls::driveListSignalsOnlyUserPicks()
{
    DriveList list;
    QSignalSpy changed(&list, &DriveList::driveChanged);
    QVERIFY(!list.setDrive("/no/such/mount"));
    QVERIFY(list.setDrive("/."));
    QCOMPARE(list.drive(), QString("/"));
    QCOMPARE(changed.count(), 0);
    if (list.count() < 2)
        QSKIP("only one drive here");

    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.drive(), list.itemText(1));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), list.itemText(1));
}

void TestListControls::volumeFilter_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("listed");

    QTest::newRow("root even on tmpfs") << "/" << QByteArray("tmpfs") << true;
    QTest::newRow("home") << "/home" << QByteArray("ext4") << true;
    QTest::newRow("tmp on tmpfs") << "/tmp" << QByteArray("tmpfs") << true;
    QTest::newRow("stick under /run") << "/run/media/anna/STICK" << QByteArray("vfat") << true;
    QTest::newRow("runner is not /run") << "/runner" << QByteArray("tmpfs") << true;
    QTest::newRow("proc") << "/proc" << QByteArray("proc") << false;
    QTest::newRow("devpts") << "/dev/pts" << QByteArray("devpts") << false;
    QTest::newRow("shm") << "/dev/shm" << QByteArray("tmpfs") << false;
    QTest::newRow("cgroup tmpfs") << "/sys/fs/cgroup" << QByteArray("tmpfs") << false;
    QTest::newRow("cgroup2 anywhere") << "/cg" << QByteArray("cgroup2") << false;
    QTest::newRow("user run") << "/run/user/1000" << QByteArray("tmpfs") << false;
}

void TestListControls::volumeFilter()
{
    QFETCH(QString, root);
    QFETCH(QByteArray, type);
    QFETCH(bool, listed);
    QCOMPARE(DriveList::isListedVolume(root, type), listed);
}

void TestListControls::folderForDrive_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("cwd");
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<QString>("folder");

    const QStringList two {"/", "/home"};
    const QStringList work {"/", "/home", "/work"};
    QTest::newRow("root holds cwd") << "/"
                                    << "/work/main" << two << "/work/main";
    QTest::newRow("root, cwd on a drive under it") << "/"
                                                   << "/work/main" << work << "/";
    QTest::newRow("drive holds cwd") << "/work/"
                                     << "/work/main" << work << "/work/main";
    QTest::newRow("cwd is the root") << "/work"
                                     << "/work" << work << "/work";
    QTest::newRow("other drive") << "/home"
                                 << "/work/main" << work << "/home";
    QTest::newRow("name prefix only") << "/wor"
                                      << "/work/main" << QStringList {"/", "/wor"} << "/wor";
    QTest::newRow("a drive inside the drive of cwd")
        << "/work/main/stick"
        << "/work/main" << work + QStringList {"/work/main/stick"} << "/work/main/stick";
    QTest::newRow("the drive of cwd, under another drive")
        << "/work/main/stick"
        << "/work/main/stick/rooms" << work + QStringList {"/work/main/stick"}
        << "/work/main/stick/rooms";
}

void TestListControls::folderForDrive()
{
    QFETCH(QString, root);
    QFETCH(QString, cwd);
    QFETCH(QStringList, roots);
    QFETCH(QString, folder);
    QCOMPARE(DriveList::folderForDrive(root, cwd, roots), folder);
}

QTEST_MAIN(TestListControls)
#include "test_listcontrols.moc"
