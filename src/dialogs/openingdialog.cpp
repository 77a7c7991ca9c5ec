#include "dialogs/openingdialog.h"

#include "commands/openingcommands.h"
#include "plan/editor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace plandex {

OpeningDialog::OpeningDialog(Editor &editor, const Opening &opening, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
{
    setObjectName("openingSize");
    setWindowTitle(openingTitle(opening));
    auto *form = new QFormLayout(this);

    m_width = new QSpinBox(this);
    m_width->setObjectName("width");
    m_width->setRange(minOpeningWidth,
        std::max(minOpeningWidth, wallLength(opening.wall, editor.K().size()) - 1));
    m_width->setValue(opening.width);
    m_width->setSuffix(tr(" см"));
    form->addRow(tr("Ширина:"), m_width);

    if (opening.kind == OpeningKind::Door) {
        m_hinges = new QComboBox(this);
        m_hinges->setObjectName("hinges");
        m_hinges->addItems({tr("слева"), tr("справа")});
        m_hinges->setCurrentIndex(opening.hingesLeft ? 0 : 1);
        form->addRow(tr("Петли:"), m_hinges);

        m_direction = new QComboBox(this);
        m_direction->setObjectName("direction");
        m_direction->addItems({tr("внутрь"), tr("наружу")});
        m_direction->setCurrentIndex(opening.inward ? 0 : 1);
        form->addRow(tr("Открывается:"), m_direction);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OpeningDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OpeningDialog::reject);
    form->addRow(buttons);
}

void OpeningDialog::accept()
{
    const bool hingesLeft = m_hinges && m_hinges->currentIndex() == 0;
    const bool inward = m_direction && m_direction->currentIndex() == 0;
    if (resizeOpening(m_editor, m_width->value(), hingesLeft, inward))
        QDialog::accept();
}

} // namespace plandex
