#pragma once

#include "model/numberreading.h"
#include "model/spatialindex.h"

#include <QAbstractListModel>
#include <QString>

#include <functional>
#include <vector>

namespace plandex {

// The furniture objects: one row per object, three columns that share one
// selection: the name (L), the x pair text (OX, "left|right") and the y
// pair text (OY, "top|bottom"). The pair texts are kept exactly as written;
// their numbers are read once, when a row is stored, so that scans over
// the whole table do not parse text.
//
// Every setting of the selection, by the user or by code, raises clicked()
// before select() returns, even when the index stays the same.
class ObjectTable : public QAbstractListModel
{
    Q_OBJECT

public:
    // Indices and counts are 16-bit signed numbers.
    static constexpr int maxRows = 32767;

    struct Row {
        QString name;
        QString x;
        QString y;
        PairValues xValues; // left, right
        PairValues yValues; // top, bottom
    };

    explicit ObjectTable(QObject *parent = nullptr);

    // A row with its numbers read.
    static Row makeRow(const QString &name, const QString &x, const QString &y);

    int count() const { return int(m_rows.size()); }
    const Row &row(int i) const { return m_rows[size_t(i)]; }
    const std::vector<Row> &rows() const { return m_rows; }
    const QString &name(int i) const { return row(i).name; }
    const QString &xText(int i) const { return row(i).x; }
    const QString &yText(int i) const { return row(i).y; }
    // The rows' rectangles by place, for the hit and collision tests.
    const SpatialIndex &places() const { return m_index; }

    // -1 means none.
    int selection() const { return m_selection; }
    // Selects row i, or none with -1, and raises clicked(). An index out of
    // range is refused: nothing changes and nothing is raised.
    bool select(int i);
    // Texts of the selected row; empty when nothing is selected.
    QString selectedName() const;
    QString selectedX() const;
    QString selectedY() const;

    // Refused (false, nothing changes) when the table is full.
    bool append(const QString &name, const QString &x, const QString &y);
    // Replaces row i in place. Like removing and re-inserting it, this
    // drops the selection when row i was selected.
    bool rewrite(int i, const QString &name, const QString &x, const QString &y);
    bool removeAt(int i);
    // Puts a row back at index i (0..count), moving the later rows down;
    // refused when the table is full.
    bool insertAt(int i, Row row);
    void clear();
    // All rows at once, with one reset of the model rather than one
    // insertion per row; nothing is selected afterwards and no click is
    // raised. Refused (false, nothing changes) beyond maxRows.
    bool replaceAll(std::vector<Row> rows);

    // Scratch slot for one selection index, parked as decimal text by an
    // operation that moves the selection or rewrites a row.
    const QString &savedIndex() const { return m_savedIndex; }
    void setSavedIndex(const QString &text) { m_savedIndex = text; }

    // What the list shows for a row: its name, unless this says otherwise.
    void setShownName(std::function<QString(const Row &)> shown) { m_shownName = std::move(shown); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    // The list's click notification.
    void clicked(int index);
    // The selected row changed for any reason, also silently through a
    // removal; for views that mirror the selection.
    void selectionChanged(int index);

private:
    void setSelectionSilently(int i);

    std::vector<Row> m_rows;
    int m_selection = -1;
    QString m_savedIndex;
    std::function<QString(const Row &)> m_shownName;
    SpatialIndex m_index {*this};
};

} // namespace plandex
