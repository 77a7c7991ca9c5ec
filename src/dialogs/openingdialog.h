#pragma once

#include "openings/opening.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

namespace plandex {

class Editor;

// The size dialog of a door, a window or an opening without a leaf: its
// width, and a door's hinge side and direction. OK applies them as one
// undo step and closes, unless the editor refuses them (and says why).
class OpeningDialog : public QDialog
{
    Q_OBJECT

public:
    OpeningDialog(Editor &editor, const Opening &opening, QWidget *parent = nullptr);

    QSpinBox *width() const { return m_width; }
    // Null for a window or an opening without a leaf.
    QComboBox *hinges() const { return m_hinges; }
    QComboBox *direction() const { return m_direction; }

    void accept() override;

private:
    Editor &m_editor;
    QSpinBox *m_width;
    QComboBox *m_hinges = nullptr;
    QComboBox *m_direction = nullptr;
};

} // namespace plandex
