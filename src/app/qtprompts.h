#pragma once

#include "plan/windowport.h"

#include <QCoreApplication>

class QWidget;

namespace plandex {

// Message boxes and the input box of the desktop, titled "Plandex".
class QtPrompts : public Prompts
{
    Q_DECLARE_TR_FUNCTIONS(QtPrompts)

public:
    explicit QtPrompts(QWidget *parent = nullptr)
        : m_parent(parent)
    { }

    void message(const QString &text) override;
    void beep() override;
    bool confirm(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    QString input(const QString &prompt, const QString &initial = {}) override;

private:
    QWidget *m_parent;
};

} // namespace plandex
