#pragma once

#include "plan/windowport.h"

#include <QStringList>

#include <deque>

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

    QString labelW, labelH;
    QString caption = "My Plandex";
    bool listVisible = true;
    plandex::PlanCursor cursor = plandex::PlanCursor::Arrow;
    bool deleteEnabled = true;
};

// Answers the editor's questions from a script and remembers what was asked.
class ScriptedPrompts : public plandex::Prompts
{
public:
    void message(const QString &text) override { messages << text; }
    bool confirm(const QString &text) override
    {
        questions << text;
        if (confirmAnswers.empty())
            return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    QString input(const QString &prompt) override
    {
        inputPrompts << prompt;
        if (inputAnswers.empty())
            return {};
        const QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    QStringList messages, questions, inputPrompts;
    std::deque<bool> confirmAnswers;
    std::deque<QString> inputAnswers;
};
