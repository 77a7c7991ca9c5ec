#pragma once

#include "app/mainwindow.h"
#include "support/fakewindow.h"
#include "support/plandriver.h"

#include <QApplication>
#include <QListView>
#include <QTest>

// The main window shown and active, with "Стол" drawn from (10, 10) to
// (70, 50) and "Шкаф" from (100, 100) to (160, 140) with the mouse; "Шкаф"
// is current. A menu left open goes with it.
struct DrawnRoom {
    ScriptedPrompts prompts;
    plandex::MainWindow window {&prompts};
    PlanDriver plan {window};
    QListView *list = window.findChild<QListView *>("L");

    DrawnRoom()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
        prompts.inputAnswers = {"Стол", "Шкаф"};
        plan.drag({10, 10}, {70, 50});
        plan.drag({100, 100}, {160, 140});
    }
    ~DrawnRoom()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
    DrawnRoom(const DrawnRoom &) = delete;
    DrawnRoom &operator=(const DrawnRoom &) = delete;
};
