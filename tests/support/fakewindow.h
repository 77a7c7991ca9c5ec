#pragma once

#include "plan/windowport.h"

#include <QStringList>

#include <deque>
#include <functional>

// Records what the editor shows in the window, for headless tests.
class FakeWindow : public plandex::WindowPort
{
public:
    void setSizeLabels(const QString &w, const QString &h) override
    {
        labelW = w;
        labelH = h;
    }
    void setCaption(const QString &text) override { caption = text; }
    void setListVisible(bool visible) override { listVisible = visible; }
    void setPlanCursor(plandex::PlanCursor c) override { cursor = c; }
    void setDeleteEnabled(bool enabled) override { deleteEnabled = enabled; }
    // Plays the user's part in the size dialog.
    void showSizeDialog(const QString &ob, const QString &w, const QString &h) override
    {
        sizeDialogs << QStringList {ob, w, h};
        if (onSizeDialog)
            onSizeDialog(w, h);
    }
    void fitWindow(QSize client, int height) override
    {
        clientSize = client;
        listHeight = height;
    }

    QString labelW, labelH;
    QString caption = "My Plandex";
    bool listVisible = true;
    plandex::PlanCursor cursor = plandex::PlanCursor::Arrow;
    bool deleteEnabled = true;
    QList<QStringList> sizeDialogs;
    std::function<void(const QString &w, const QString &h)> onSizeDialog;
    QSize clientSize;
    int listHeight = 0;
};

// Answers the editor's questions from a script and remembers what was asked.
class ScriptedPrompts : public plandex::Prompts
{
public:
    void message(const QString &text) override { messages << text; }
    void beep() override { ++beeps; }
    bool confirm(const QString &text) override
    {
        questions << text;
        if (confirmAnswers.empty())
            return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    plandex::Answer askYesNoCancel(const QString &text) override
    {
        questions << text;
        if (threeWayAnswers.empty())
            return plandex::Answer::Cancel;
        const plandex::Answer answer = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return answer;
    }
    QString input(const QString &prompt, const QString &initial = {}) override
    {
        inputPrompts << prompt;
        inputInitials << initial;
        if (inputAnswers.empty())
            return {};
        const QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    QStringList messages, questions, inputPrompts, inputInitials;
    int beeps = 0;
    std::deque<bool> confirmAnswers;
    std::deque<QString> inputAnswers;
    std::deque<plandex::Answer> threeWayAnswers;
};
