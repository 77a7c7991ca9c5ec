#pragma once

#include <QListView>

namespace plandex {

class ObjectTable;

// The visible name list L. The table holds the one selection; this view
// mirrors it, and a row the user picks becomes the table's selection. A
// click on a row always counts, also on the row already selected, and no
// click takes the highlight off the selected row.
class ObjectListView : public QListView
{
    Q_OBJECT

public:
    explicit ObjectListView(ObjectTable &table, QWidget *parent = nullptr);

signals:
    // A right click on the list, after it has picked the row under it.
    void menuRequested(QPoint global);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showTableSelection();
    // Puts the highlight back when the view dropped it on its own (a click
    // below the last row, Ctrl+click, Ctrl+Space).
    void keepHighlight();
    void userPicked(const QModelIndex &current);

    ObjectTable &m_table;
    // Set while the view follows the table, or while rows come and go, so
    // that the view's own reaction is not taken for a user's choice.
    int m_following = 0;
};

} // namespace plandex
