#pragma once

#include <QLabel>

namespace plandex {

// A label that shows its text as written: the names and paths labels show
// come from files and folders that anyone may have made, never markup.
inline QLabel *plainLabel(QWidget *parent, const QString &text = QString())
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace plandex
