#include "app/accessiblenames.h"

#include <QCoreApplication>
#include <QWidget>

namespace plandex {

namespace {

struct Spoken {
    const char *widget;
    const char *name;
    const char *description;
};

constexpr Spoken spoken[] = {
    {"create", QT_TRANSLATE_NOOP("AccessibleNames", "Создание объекта"),
        QT_TRANSLATE_NOOP("AccessibleNames",
            "Режим создания: новый объект рисуется на плане мышью, затем вводится его название.")},
    {"selct", QT_TRANSLATE_NOOP("AccessibleNames", "Выбор и перемещение"),
        QT_TRANSLATE_NOOP("AccessibleNames",
            "Режим перемещения: объект на плане выбирается щелчком и перетаскивается мышью.")},
    {"Rsiz", QT_TRANSLATE_NOOP("AccessibleNames", "Изменение размера"),
        QT_TRANSLATE_NOOP("AccessibleNames",
            "Режим изменения размера: мышь тянет правый нижний угол объекта, двойной щелчок "
            "открывает точные размеры.")},
    {"DelObj", QT_TRANSLATE_NOOP("AccessibleNames", "Удалить объект"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Удаляет выбранный объект, спросив подтверждения.")},
    {"btnNew", QT_TRANSLATE_NOOP("AccessibleNames", "Новая комната"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Создаёт пустую комнату заданного размера.")},
    {"btnOpen", QT_TRANSLATE_NOOP("AccessibleNames", "Открыть комнату"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Открывает комнату, сохранённую в файле .kom.")},
    {"btnSave", QT_TRANSLATE_NOOP("AccessibleNames", "Сохранить комнату"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Сохраняет комнату в файл .kom.")},
    {"btnExp", QT_TRANSLATE_NOOP("AccessibleNames", "Экспорт в BMP"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Сохраняет план комнаты рисунком BMP.")},
    {"L", QT_TRANSLATE_NOOP("AccessibleNames", "Список объектов"),
        QT_TRANSLATE_NOOP("AccessibleNames",
            "Названия объектов комнаты; выбранный объект выделен на плане зелёным.")},
    {"K", QT_TRANSLATE_NOOP("AccessibleNames", "План комнаты"),
        QT_TRANSLATE_NOOP("AccessibleNames",
            "План, один сантиметр на точку. Ctrl со стрелками сдвигает выбранный объект, "
            "Ctrl+R поворачивает его, Ctrl+D копирует, Delete удаляет.")},
};

} // namespace

void nameForScreenReaders(QWidget &window)
{
    for (const Spoken &s : spoken) {
        auto *widget = window.findChild<QWidget *>(QLatin1String(s.widget));
        if (!widget)
            continue;
        widget->setAccessibleName(QCoreApplication::translate("AccessibleNames", s.name));
        widget->setAccessibleDescription(
            QCoreApplication::translate("AccessibleNames", s.description));
    }
}

} // namespace plandex
