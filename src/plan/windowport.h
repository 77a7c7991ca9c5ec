#pragma once

#include <QSize>
#include <QString>

namespace plandex {

enum class PlanCursor { Arrow, Move, SizeNWSE };

// What the editing logic may change in the main window. The editor never
// touches widgets itself, so it runs headless in tests.
class WindowPort
{
public:
    virtual ~WindowPort() = default;
    virtual void setSizeLabels(const QString &w, const QString &h) = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual void setListVisible(bool visible) = 0;
    virtual void setPlanCursor(PlanCursor cursor) = 0;
    virtual void setDeleteEnabled(bool enabled) = 0;
    // Shows the size dialog modally with its name label and two texts, and
    // returns when it has closed; its buttons act on the editor themselves.
    virtual void showSizeDialog(const QString &ob, const QString &w, const QString &h) = 0;
    // Gives the window this client size and the name list this height.
    virtual void fitWindow(QSize client, int listHeight) = 0;
};

enum class Answer { Yes, No, Cancel };

// Modal questions to the user, captioned with the application's title.
// Tests answer them with scripted replies.
class Prompts
{
public:
    virtual ~Prompts() = default;
    // A message with an OK button.
    virtual void message(const QString &text) = 0;
    // A short sound, for a key that cannot act: no box to take the keys
    // pressed after it.
    virtual void beep() = 0;
    // Yes (the default) and No; true for Yes.
    virtual bool confirm(const QString &text) = 0;
    // Yes (the default), No and Cancel (Esc, and the close box).
    virtual Answer askYesNoCancel(const QString &text) = 0;
    // A one-line input box, holding initial (selected) when it opens; the
    // empty text on Cancel.
    virtual QString input(const QString &prompt, const QString &initial = {}) = 0;
};

} // namespace plandex
