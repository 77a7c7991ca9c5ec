#include "model/objecttable.h"

namespace plandex {

ObjectTable::ObjectTable(QObject *parent)
    : QAbstractListModel(parent)
{ }

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
    m_index.appended(count() - 1, count() - 1);
    endInsertRows();
    return true;
}

bool ObjectTable::rewrite(int i, const QString &name, const QString &x, const QString &y)
{
    if (i < 0 || i >= count())
        return false;
    m_rows[size_t(i)] = makeRow(name, x, y);
    m_index.rewritten(i, i);
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
    m_index.invalidate();
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
    m_index.appended(i, i);
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
    m_index.invalidate();
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
        return m_shownName ? m_shownName(row(index.row())) : name(index.row());
    return {};
}

} // namespace plandex
