#pragma once

#include "sheet/sheetexport.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QSpinBox;

namespace plandex {

// Asks how a sheet is to be made: its scale, and unless a printer decides
// them, its paper and, for a picture, its resolution.
class SheetDialog : public QDialog
{
    Q_OBJECT

public:
    enum class For { Printer, Pdf, Png };

    SheetDialog(For target, const QString &title, QWidget *parent = nullptr);

    SheetRequest request() const;

    QComboBox *scale() const { return m_scale; }
    QComboBox *paper() const { return m_paper; }
    QSpinBox *dpi() const { return m_dpi; }

private:
    QComboBox *m_scale;
    QComboBox *m_paper = nullptr;
    QSpinBox *m_dpi = nullptr;
};

// The dialog's answer; empty when cancelled.
std::optional<SheetRequest> askSheet(
    SheetDialog::For target, const QString &title, QWidget *parent);

} // namespace plandex
