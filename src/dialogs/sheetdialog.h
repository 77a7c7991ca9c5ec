#pragma once

#include "sheet/sheetexport.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace plandex {

// Asks how a sheet is to be made: its title, its scale, whether the pieces'
// distances to the walls and the walkways are drawn, and unless a printer
// decides them, its paper and, for a picture, its resolution. Starts at the
// choices given.
class SheetDialog : public QDialog
{
    Q_OBJECT

public:
    enum class For { Printer, Pdf, Png, Svg };

    SheetDialog(
        For target, const QString &title, const SheetRequest &initial, QWidget *parent = nullptr);

    SheetRequest request() const;

    QLineEdit *drawingTitle() const { return m_title; }
    QComboBox *scale() const { return m_scale; }
    QCheckBox *positions() const { return m_positions; }
    QCheckBox *walkways() const { return m_walkways; }
    QComboBox *paper() const { return m_paper; }
    QSpinBox *dpi() const { return m_dpi; }

private:
    QLineEdit *m_title;
    QComboBox *m_scale;
    QCheckBox *m_positions;
    QCheckBox *m_walkways;
    int m_passage;
    QComboBox *m_paper = nullptr;
    QSpinBox *m_dpi = nullptr;
};

// The dialog's answer; empty when cancelled.
std::optional<SheetRequest> askSheet(
    SheetDialog::For target, const QString &title, const SheetRequest &initial, QWidget *parent);

} // namespace plandex
