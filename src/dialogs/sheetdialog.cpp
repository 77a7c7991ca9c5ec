#include "dialogs/sheetdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace plandex {

SheetDialog::SheetDialog(
    For target, const QString &title, const SheetRequest &initial, QWidget *parent)
    : QDialog(parent)
    , m_title(new QLineEdit(sheetTitle(initial.options), this))
    , m_scale(new QComboBox(this))
    , m_positions(new QCheckBox(tr("Привязки"), this))
    , m_walkways(new QCheckBox(tr("Проходы"), this))
    , m_passage(initial.options.passage)
{
    setWindowTitle(title);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Название:"), m_title);

    m_scale->addItem(tr("по размеру листа"), 0);
    for (int n : sheetScales)
        m_scale->addItem(QStringLiteral("1:%1").arg(n), n);
    m_scale->setCurrentIndex(std::max(0, m_scale->findData(initial.options.scale)));
    form->addRow(tr("Масштаб:"), m_scale);
    m_positions->setChecked(initial.options.positions);
    m_positions->setToolTip(tr("Расстояния от предметов до стен"));
    form->addRow(QString(), m_positions);
    m_walkways->setChecked(initial.options.walkways);
    m_walkways->setToolTip(tr("Куда пройдёт человек шириной %1 см").arg(m_passage));
    form->addRow(QString(), m_walkways);

    if (target != For::Printer) {
        m_paper = new QComboBox(this);
        for (auto id : {QPageSize::A4, QPageSize::A3, QPageSize::Letter})
            m_paper->addItem(paperName(QPageSize(id)), int(id));
        m_paper->setCurrentIndex(std::max(0, m_paper->findData(int(initial.paper.id()))));
        form->addRow(tr("Лист:"), m_paper);
    }
    if (target == For::Png) {
        m_dpi = new QSpinBox(this);
        m_dpi->setRange(sheetMinDpi, sheetMaxDpi);
        m_dpi->setValue(initial.dpi);
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
    r.options.title = m_title->text();
    r.options.scale = m_scale->currentData().toInt();
    r.options.positions = m_positions->isChecked();
    r.options.walkways = m_walkways->isChecked();
    r.options.passage = m_passage;
    if (m_paper)
        r.paper = QPageSize(QPageSize::PageSizeId(m_paper->currentData().toInt()));
    if (m_dpi)
        r.dpi = m_dpi->value();
    return r;
}

std::optional<SheetRequest> askSheet(
    SheetDialog::For target, const QString &title, const SheetRequest &initial, QWidget *parent)
{
    SheetDialog dialog(target, title, initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

} // namespace plandex
