#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plandex {

// The size dialog XY: two numbers, an object's length and width or a new
// room's width and height.
class SizeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SizeDialog(QWidget *parent = nullptr);

    QLabel *ob() const { return m_ob; }
    QLineEdit *W() const { return m_W; }
    QLineEdit *H() const { return m_H; }
    QPushButton *Command1() const { return m_Command1; }
    QPushButton *Command2() const { return m_Command2; }
    QPushButton *Command3() const { return m_Command3; }

private:
    QLabel *m_ob;
    QLabel *m_Label1;
    QLabel *m_Label2;
    QLineEdit *m_W;
    QLineEdit *m_H;
    QPushButton *m_Command3;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};

} // namespace plandex
