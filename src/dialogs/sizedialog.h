#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plandex {

class Editor;
class Prompts;

// The size dialog XY: two numbers, an object's length and width or a new
// room's width and height. With an object selected, "Да" resizes it;
// without, it leaves the room size in newW and newH and "Yes" in tmpStr.
// "Нет", Esc and the close box leave "No".
class SizeDialog : public QDialog
{
    Q_OBJECT

public:
    SizeDialog(Editor &editor, Prompts &prompts, QWidget *parent = nullptr);

    QLabel *ob() const { return m_ob; }
    QLineEdit *W() const { return m_W; }
    QLineEdit *H() const { return m_H; }
    QPushButton *Command1() const { return m_Command1; }
    QPushButton *Command2() const { return m_Command2; }
    QPushButton *Command3() const { return m_Command3; }

    void reject() override;

protected:
    // "Да" with both numbers read: acts on them and closes.
    virtual void takeNumbers(double a, double b);

private:
    void Command1_Click();
    void Command3_Click();

    Editor &m_editor;
    Prompts &m_prompts;
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
