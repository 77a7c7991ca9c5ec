#include "dialogs/dirlist.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace plandex {

namespace {

constexpr int indentStep = 12;

// A list widget has no tree indentation of its own; shift each row by depth.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.adjust(indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex &index)
    {
        return index.data(DirList::DepthRole).toInt() * indentStep;
    }
};

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool canList(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

DirList::DirList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirList::goTo);
    m_path = cleanAbsolute(QDir::currentPath());
    refresh();
}

bool DirList::setPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString target = cleanAbsolute(path);
    if (!canList(target))
        return false;
    const bool changed = target != m_path;
    m_path = target;
    refresh();
    if (changed)
        emit pathChanged(m_path);
    return true;
}

void DirList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        goTo(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirList::goTo(const QListWidgetItem *item)
{
    if (!item)
        return;
    // Copy first: setPath rebuilds the list and deletes the item.
    const QString target = item->data(PathRole).toString();
    setPath(target);
}

void DirList::refresh()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QListWidgetItem *current = addFolder(QStringLiteral("/"), QStringLiteral("/"), 0, open);
    QString ancestor;
    int depth = 0;
    const QStringList parts = m_path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        ancestor += u'/' + part;
        current = addFolder(part, ancestor, ++depth, open);
    }

    QStringList subfolders = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(subfolders.begin(), subfolders.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    const QString prefix = m_path == QLatin1String("/") ? QString() : m_path;
    for (const QString &name : std::as_const(subfolders))
        addFolder(name, prefix + u'/' + name, depth + 1, closed);

    setCurrentItem(current);
    scrollToItem(current);
}

QListWidgetItem *DirList::addFolder(
    const QString &name, const QString &path, int depth, const QIcon &icon)
{
    auto *item = new QListWidgetItem(icon, name, this);
    item->setData(PathRole, path);
    item->setData(DepthRole, depth);
    return item;
}

} // namespace plandex
