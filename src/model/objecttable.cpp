#include "model/objecttable.h"

namespace plandex {

ObjectTable::ObjectTable(QObject *parent)
    : QAbstractListModel(parent)
{
    // The index learns of every change the way the list views do.
    connect(this, &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex &, int first, int last) { m_index.appended(first, last); });
    connect(this, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex &from, const QModelIndex &to) {
            m_index.rewritten(from.row(), to.row());
        });
    auto renumbered = [this] { m_index.invalidate(); };
    connect(this, &QAbstractItemModel::rowsRemoved, this, renumbered);
    connect(this, &QAbstractItemModel::rowsMoved, this, renumbered);
    connect(this, &QAbstractItemModel::modelReset, this, renumbered);
    connect(this, &QAbstractItemModel::layoutChanged, this, renumbered);
}

bool ObjectTable::select(int i)
{
    if (i < -1 || i >= count())
        return false;
    setSelectionSilently(i);
    emit clicked(i);
    return true;
}

QString ObjectTable::selectedName() const
{
    return m_selection < 0 ? QString() : name(m_selection);
}

QString ObjectTable::selectedX() const
{
    return m_selection < 0 ? QString() : xText(m_selection);
}

QString ObjectTable::selectedY() const
{
    return m_selection < 0 ? QString() : yText(m_selection);
}

ObjectTable::Row ObjectTable::makeRow(const QString &name, const QString &x, const QString &y)
{
    return Row {name, x, y, readPair(x), readPair(y)};
}

bool ObjectTable::append(const QString &name, const QString &x, const QString &y)
{
    if (count() >= maxRows)
        return false;
    beginInsertRows({}, count(), count());
    m_rows.push_back(makeRow(name, x, y));
    endInsertRows();
    return true;
}

bool ObjectTable::rewrite(int i, const QString &name, const QString &x, const QString &y)
{
    if (i < 0 || i >= count())
        return false;
    m_rows[size_t(i)] = makeRow(name, x, y);
    emit dataChanged(index(i), index(i));
    if (m_selection == i)
        setSelectionSilently(-1);
    return true;
}

bool ObjectTable::removeAt(int i)
{
    if (i < 0 || i >= count())
        return false;
    beginRemoveRows({}, i, i);
    m_rows.erase(m_rows.begin() + i);
    endRemoveRows();
    if (m_selection == i)
        setSelectionSilently(-1);
    else if (m_selection > i)
        setSelectionSilently(m_selection - 1);
    return true;
}

bool ObjectTable::insertAt(int i, Row row)
{
    if (i < 0 || i > count() || count() >= maxRows)
        return false;
    beginInsertRows({}, i, i);
    m_rows.insert(m_rows.begin() + i, std::move(row));
    endInsertRows();
    if (m_selection >= i)
        setSelectionSilently(m_selection + 1);
    return true;
}

void ObjectTable::clear()
{
    replaceAll({});
}

bool ObjectTable::replaceAll(std::vector<Row> rows)
{
    if (rows.size() > size_t(maxRows))
        return false;
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    setSelectionSilently(-1);
    return true;
}

void ObjectTable::setSelectionSilently(int i)
{
    if (m_selection == i)
        return;
    m_selection = i;
    emit selectionChanged(i);
}

int ObjectTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ObjectTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return name(index.row());
    return {};
}

} // namespace plandex
