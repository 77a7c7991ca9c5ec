#include "dialogs/filelist.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace plandex {

namespace {

bool anyMatch(const QList<QRegularExpression> &filters, const QString &name)
{
    return std::any_of(filters.begin(), filters.end(),
        [&](const QRegularExpression &re) { return re.match(name).hasMatch(); });
}

} // namespace

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
    , m_path(QDir::cleanPath(QDir::currentPath()))
    , m_pattern(QStringLiteral("*.*"))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { emit fileClicked(item->text()); });
    connect(this, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem *item) { emit fileDoubleClicked(item->text()); });
    refresh();
}

bool FileList::setPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString target = QDir::cleanPath(QDir(path).absolutePath());
    const QFileInfo info(target);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    m_path = target;
    refresh();
    return true;
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

QString FileList::fileName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

bool FileList::matches(const QString &name, const QString &pattern)
{
    return anyMatch(compile(pattern), name);
}

QList<QRegularExpression> FileList::compile(const QString &pattern)
{
    QList<QRegularExpression> filters;
    const QStringList parts = pattern.split(u';', Qt::SkipEmptyParts);
    for (QString part : parts) {
        part = part.trimmed();
        if (part.isEmpty())
            continue;
        // "*.*" has always meant every file, also those without a dot.
        if (part == QLatin1String("*.*"))
            part = QStringLiteral("*");
        // Rooms copied from other systems often have upper-case names.
        filters << QRegularExpression::fromWildcard(part, Qt::CaseInsensitive);
    }
    return filters;
}

void FileList::refresh()
{
    clear();
    const QList<QRegularExpression> filters = compile(m_pattern);
    QStringList names;
    const QStringList files = QDir(m_path).entryList(QDir::Files);
    for (const QString &name : files) {
        if (anyMatch(filters, name))
            names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    addItems(names);
}

} // namespace plandex
