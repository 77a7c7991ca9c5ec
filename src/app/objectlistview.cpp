#include "app/objectlistview.h"

#include "model/objecttable.h"

#include <QMouseEvent>

namespace plandex {

ObjectListView::ObjectListView(ObjectTable &table, QWidget *parent)
    : QListView(parent)
    , m_table(table)
{
    setModel(&table);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);

    auto hold = [this] { ++m_following; };
    auto release = [this] {
        --m_following;
        showTableSelection();
    };
    connect(&table, &QAbstractItemModel::rowsAboutToBeRemoved, this, hold);
    connect(&table, &QAbstractItemModel::rowsRemoved, this, release);
    connect(&table, &QAbstractItemModel::rowsAboutToBeInserted, this, hold);
    connect(&table, &QAbstractItemModel::rowsInserted, this, release);
    connect(&table, &QAbstractItemModel::modelAboutToBeReset, this, hold);
    connect(&table, &QAbstractItemModel::modelReset, this, release);
    connect(&table, &ObjectTable::selectionChanged, this, [this] { showTableSelection(); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) { userPicked(current); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { keepHighlight(); });
}

void ObjectListView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    const int before = m_table.selection();
    QListView::mousePressEvent(event);
    // The view only reports a change of row; a click on the selected row
    // must still run the click handler.
    if (at.isValid() && at.row() == before && m_table.selection() == before)
        m_table.select(before);
    if (event->button() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint());
}

void ObjectListView::keepHighlight()
{
    if (m_following > 0 || m_table.selection() < 0 || selectionModel()->hasSelection())
        return;
    showTableSelection();
}

void ObjectListView::showTableSelection()
{
    if (m_following > 0)
        return;
    ++m_following;
    const int row = m_table.selection();
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex index = model()->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    }
    --m_following;
}

void ObjectListView::userPicked(const QModelIndex &current)
{
    if (m_following > 0 || !current.isValid() || current.row() == m_table.selection())
        return;
    m_table.select(current.row());
}

} // namespace plandex
