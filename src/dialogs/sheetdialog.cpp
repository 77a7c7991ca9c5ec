#include "dialogs/sheetdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace plandex {

SheetDialog::SheetDialog(For target, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_scale(new QComboBox(this))
{
    setWindowTitle(title);
    auto *form = new QFormLayout(this);

    m_scale->addItem(tr("по размеру листа"), 0);
    for (int n : sheetScales)
        m_scale->addItem(QStringLiteral("1:%1").arg(n), n);
    form->addRow(tr("Масштаб:"), m_scale);

    if (target != For::Printer) {
        m_paper = new QComboBox(this);
        for (auto id : {QPageSize::A4, QPageSize::A3, QPageSize::Letter})
            m_paper->addItem(QPageSize::name(id).section(' ', 0, 0), int(id));
        form->addRow(tr("Лист:"), m_paper);
    }
    if (target == For::Png) {
        m_dpi = new QSpinBox(this);
        m_dpi->setRange(sheetMinDpi, sheetMaxDpi);
        m_dpi->setValue(SheetRequest().dpi);
        m_dpi->setSuffix(tr(" точек на дюйм"));
        form->addRow(tr("Разрешение:"), m_dpi);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("ОК"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

SheetRequest SheetDialog::request() const
{
    SheetRequest r;
    r.options.scale = m_scale->currentData().toInt();
    if (m_paper)
        r.paper = QPageSize(QPageSize::PageSizeId(m_paper->currentData().toInt()));
    if (m_dpi)
        r.dpi = m_dpi->value();
    return r;
}

std::optional<SheetRequest> askSheet(SheetDialog::For target, const QString &title, QWidget *parent)
{
    SheetDialog dialog(target, title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

} // namespace plandex
