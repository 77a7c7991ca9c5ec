<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Создание объекта</source>
        <translation>Create object</translation>
    </message>
    <message>
        <source>Режим создания: новый объект рисуется на плане мышью, затем вводится его название.</source>
        <translation>Create mode: draw a new object on the plan with the mouse, then type its name.</translation>
    </message>
    <message>
        <source>Выбор и перемещение</source>
        <translation>Select and move</translation>
    </message>
    <message>
        <source>Режим перемещения: объект на плане выбирается щелчком и перетаскивается мышью.</source>
        <translation>Move mode: click an object on the plan to select it, and drag it with the mouse.</translation>
    </message>
    <message>
        <source>Изменение размера</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>Режим изменения размера: мышь тянет правый нижний угол объекта, двойной щелчок открывает точные размеры.</source>
        <translation>Resize mode: the mouse drags the object&apos;s bottom right corner; a double click opens its exact size.</translation>
    </message>
    <message>
        <source>Удалить объект</source>
        <translation>Delete object</translation>
    </message>
    <message>
        <source>Удаляет выбранный объект, спросив подтверждения.</source>
        <translation>Deletes the selected object after asking you to confirm.</translation>
    </message>
    <message>
        <source>Новая комната</source>
        <translation>New room</translation>
    </message>
    <message>
        <source>Создаёт пустую комнату заданного размера.</source>
        <translation>Creates an empty room of the size you give.</translation>
    </message>
    <message>
        <source>Открыть комнату</source>
        <translation>Open room</translation>
    </message>
    <message>
        <source>Открывает комнату, сохранённую в файле .kom.</source>
        <translation>Opens a room saved in a .kom file.</translation>
    </message>
    <message>
        <source>Сохранить комнату</source>
        <translation>Save room</translation>
    </message>
    <message>
        <source>Сохраняет комнату в файл .kom.</source>
        <translation>Saves the room in a .kom file.</translation>
    </message>
    <message>
        <source>Экспорт в BMP</source>
        <translation>Export to BMP</translation>
    </message>
    <message>
        <source>Сохраняет план комнаты рисунком BMP.</source>
        <translation>Saves the room&apos;s plan as a BMP picture.</translation>
    </message>
    <message>
        <source>Список объектов</source>
        <translation>Object list</translation>
    </message>
    <message>
        <source>Названия объектов комнаты; выбранный объект выделен на плане зелёным.</source>
        <translation>The names of the room&apos;s objects; the selected object is green on the plan.</translation>
    </message>
    <message>
        <source>План комнаты</source>
        <translation>Room plan</translation>
    </message>
    <message>
        <source>План, один сантиметр на точку. Ctrl со стрелками сдвигает выбранный объект, Ctrl+R поворачивает его, Ctrl+D копирует, Delete удаляет.</source>
        <translation>The plan, one centimetre to a pixel. Ctrl with the arrow keys moves the selected object, Ctrl+R turns it, Ctrl+D copies it, Delete deletes it.</translation>
    </message>
</context>
<context>
    <name>DrawingCommands</name>
    <message>
        <source>комната</source>
        <translation>room</translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Экспорт в PNG</source>
        <translation>Export to PNG</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Экспорт в PDF…</source>
        <translation>Export to PDF…</translation>
    </message>
    <message>
        <source>Экспорт в PNG…</source>
        <translation>Export to PNG…</translation>
    </message>
    <message>
        <source>Экспорт в SVG</source>
        <translation>Export to SVG</translation>
    </message>
    <message>
        <source>Экспорт в DXF</source>
        <translation>Export to DXF</translation>
    </message>
    <message>
        <source>%1. Уместить её на лист?</source>
        <translation>%1. Fit it to the sheet?</translation>
    </message>
    <message>
        <source>Экспорт в SVG…</source>
        <translation>Export to SVG…</translation>
    </message>
    <message>
        <source>Экспорт в DXF…</source>
        <translation>Export to DXF…</translation>
    </message>
</context>
<context>
    <name>DxfSheet</name>
    <message>
        <source>Стены</source>
        <translation>Walls</translation>
    </message>
    <message>
        <source>Мебель</source>
        <translation>Furniture</translation>
    </message>
    <message>
        <source>Подписи</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Проёмы</source>
        <translation>Openings</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Переименовать…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>Размеры…</source>
        <translation>Size…</translation>
    </message>
    <message>
        <source>Прилипание</source>
        <translation>Sliding</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Для этого предмета нет места!</source>
        <translation>There is no room for this piece!</translation>
    </message>
    <message>
        <source>Для копии нет места!</source>
        <translation>There is no room for a copy!</translation>
    </message>
    <message>
        <source>Неверный формат файла</source>
        <translation>Wrong file format</translation>
    </message>
    <message>
        <source>Введите название этого объекта<byte value="xd"/>
(Например &apos;Диван&apos;)</source>
        <translation>Enter the name of this object<byte value="xd"/>
(for example &apos;Sofa&apos;)</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить %1?</source>
        <translation>Do you really want to delete %1?</translation>
    </message>
    <message>
        <source>Комната</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Комната не должна быть больше 700 x 500 cm, и меньше 50 x 50 cm!</source>
        <translation>The room must be no larger than 700 x 500 cm and no smaller than 50 x 50 cm!</translation>
    </message>
    <message>
        <source>У этого объекта неверные координаты!</source>
        <translation>This object has wrong coordinates!</translation>
    </message>
    <message>
        <source>Больше объектов добавить нельзя!</source>
        <translation>No more objects can be added!</translation>
    </message>
    <message>
        <source>Длина и ширина должны быть больше нуля!</source>
        <translation>Length and width must be greater than zero!</translation>
    </message>
    <message>
        <source>При таком значении объекты налагаются друг на друга!</source>
        <translation>With this value the objects overlap!</translation>
    </message>
    <message>
        <source>Для поворота объекта нет места!</source>
        <translation>There is no room to turn the object!</translation>
    </message>
    <message>
        <source>Для двери нет места!</source>
        <translation>There is no room for the door!</translation>
    </message>
    <message>
        <source>Для окна нет места!</source>
        <translation>There is no room for the window!</translation>
    </message>
    <message>
        <source>Для проёма нет места!</source>
        <translation>There is no room for the opening!</translation>
    </message>
    <message>
        <source>Ширина должна быть от %1 до %2 см!</source>
        <translation>The width must be from %1 to %2 cm!</translation>
    </message>
    <message>
        <source>Двери, окна и проёмы не переименовываются!</source>
        <translation>Doors, windows and openings cannot be renamed!</translation>
    </message>
    <message>
        <source>Название не может начинаться со знака %1!</source>
        <translation>A name cannot begin with the sign %1!</translation>
    </message>
    <message>
        <source>Комната не должна быть больше 4096 x 4096 cm, и меньше 50 x 50 cm!</source>
        <translation>The room must be no larger than 4096 x 4096 cm and no smaller than 50 x 50 cm!</translation>
    </message>
    <message>
        <source>Объект &quot;%1&quot; не помещается в комнату такого размера!</source>
        <translation>The object &quot;%1&quot; does not fit into a room of this size!</translation>
    </message>
</context>
<context>
    <name>ExportArgumentTexts</name>
    <message>
        <source>лист должен быть A4, A3 или Letter</source>
        <translation>the paper must be A4, A3 or Letter</translation>
    </message>
    <message>
        <source>разрешение должно быть от %1 до %2 точек на дюйм</source>
        <translation>the resolution must be from %1 to %2 dots per inch</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>нет значения у параметра %1</source>
        <translation>option %1 has no value</translation>
    </message>
    <message>
        <source>масштаб должен быть fit или от 1:1 до 1:%1, например 1:50</source>
        <translation>the scale must be fit or 1:1 to 1:%1, such as 1:50</translation>
    </message>
    <message>
        <source>ширина прохода должна быть от %1 до %2 см</source>
        <translation>the passage width must be from %1 to %2 cm</translation>
    </message>
    <message>
        <source>нужны два пути: файл комнаты и файл PDF, PNG, SVG, DXF, JSON или CSV</source>
        <translation>two paths are needed: the room file and a PDF, PNG, SVG, DXF, JSON or CSV file</translation>
    </message>
    <message>
        <source>файл должен оканчиваться на .pdf, .png, .svg, .dxf, .json или .csv</source>
        <translation>the file must end in .pdf, .png, .svg, .dxf, .json or .csv</translation>
    </message>
    <message>
        <source>у DXF нет проходов: --passage не для него</source>
        <translation>a DXF has no walkways: --passage is not for it</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Файл: не сохранён</source>
        <translation>File: not saved</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Новая комната…</source>
        <translation>New room…</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Экспорт в BMP…</source>
        <translation>Export to BMP…</translation>
    </message>
</context>
<context>
    <name>Furniture</name>
    <message>
        <source>Кровать</source>
        <translation>Bed</translation>
    </message>
    <message>
        <source>Кровать двуспальная</source>
        <translation>Double bed</translation>
    </message>
    <message>
        <source>Диван</source>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Кресло</source>
        <translation>Armchair</translation>
    </message>
    <message>
        <source>Шкаф</source>
        <translation>Wardrobe</translation>
    </message>
    <message>
        <source>Комод</source>
        <translation>Chest of drawers</translation>
    </message>
    <message>
        <source>Тумбочка</source>
        <translation>Bedside table</translation>
    </message>
    <message>
        <source>Стол обеденный</source>
        <translation>Dining table</translation>
    </message>
    <message>
        <source>Стол письменный</source>
        <translation>Desk</translation>
    </message>
    <message>
        <source>Стол журнальный</source>
        <translation>Coffee table</translation>
    </message>
    <message>
        <source>Стул</source>
        <translation>Chair</translation>
    </message>
    <message>
        <source>Полка книжная</source>
        <translation>Bookshelf</translation>
    </message>
    <message>
        <source>Стеллаж</source>
        <translation>Shelving unit</translation>
    </message>
    <message>
        <source>Тумба под телевизор</source>
        <translation>TV stand</translation>
    </message>
    <message>
        <source>Холодильник</source>
        <translation>Fridge</translation>
    </message>
    <message>
        <source>Плита</source>
        <translation>Cooker</translation>
    </message>
    <message>
        <source>Раковина</source>
        <translation>Sink</translation>
    </message>
    <message>
        <source>Стиральная машина</source>
        <translation>Washing machine</translation>
    </message>
    <message>
        <source>Ванна</source>
        <translation>Bath</translation>
    </message>
    <message>
        <source>Душевая кабина</source>
        <translation>Shower</translation>
    </message>
</context>
<context>
    <name>KomError</name>
    <message>
        <source>объекта %1</source>
        <translation>of object %1</translation>
    </message>
    <message>
        <source>файл не начинается с «komfile: »</source>
        <translation>the file does not begin with “komfile: ”</translation>
    </message>
    <message>
        <source>байт %1 не является символом кодировки Windows-1251</source>
        <translation>byte %1 is not a Windows-1251 character</translation>
    </message>
    <message>
        <source>длина комнаты не целое число от 1 до %1</source>
        <translation>the room&apos;s length is not a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>ширина комнаты не целое число от 1 до %1</source>
        <translation>the room&apos;s width is not a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>запись %1 оборвана</source>
        <translation>the record %1 is cut short</translation>
    </message>
    <message>
        <source>лишний служебный символ в байте %1</source>
        <translation>a stray separator at byte %1</translation>
    </message>
    <message>
        <source>больше %1 объектов</source>
        <translation>more than %1 objects</translation>
    </message>
    <message>
        <source>имя %1 содержит символ, который нельзя записать в файл</source>
        <translation>the name %1 has a character that cannot be written to the file</translation>
    </message>
    <message>
        <source>координаты %1 содержат символ, который нельзя записать в файл</source>
        <translation>the coordinates %1 have a character that cannot be written to the file</translation>
    </message>
    <message>
        <source>имя %1 длиннее %2 символов</source>
        <translation>the name %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>координаты %1 длиннее %2 символов</source>
        <translation>the coordinates %1 are longer than %2 characters</translation>
    </message>
    <message>
        <source>файл комнаты был бы больше %1 МБ</source>
        <translation>the room file would be larger than %1 MB</translation>
    </message>
</context>
<context>
    <name>ObjectCommands</name>
    <message>
        <source>Сдвинуть</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Влево на 1 см</source>
        <translation>Left 1 cm</translation>
    </message>
    <message>
        <source>Влево на 10 см</source>
        <translation>Left 10 cm</translation>
    </message>
    <message>
        <source>Вправо на 1 см</source>
        <translation>Right 1 cm</translation>
    </message>
    <message>
        <source>Вправо на 10 см</source>
        <translation>Right 10 cm</translation>
    </message>
    <message>
        <source>Вверх на 1 см</source>
        <translation>Up 1 cm</translation>
    </message>
    <message>
        <source>Вверх на 10 см</source>
        <translation>Up 10 cm</translation>
    </message>
    <message>
        <source>Вниз на 1 см</source>
        <translation>Down 1 cm</translation>
    </message>
    <message>
        <source>Вниз на 10 см</source>
        <translation>Down 10 cm</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>%1 (%2 × %3)</source>
        <translation>%1 (%2 × %3)</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Повернуть</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Дверь</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Проём</source>
        <translation>Opening</translation>
    </message>
</context>
<context>
    <name>Openings</name>
    <message>
        <source>Дверь %1</source>
        <translation>Door %1</translation>
    </message>
    <message>
        <source>Окно %1</source>
        <translation>Window %1</translation>
    </message>
    <message>
        <source>Проём %1</source>
        <translation>Opening %1</translation>
    </message>
</context>
<context>
    <name>OverlayCommands</name>
    <message>
        <source>Подписи и размеры</source>
        <translation>Labels and sizes</translation>
    </message>
</context>
<context>
    <name>PieceSchedule</name>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Предмет</source>
        <translation>Piece</translation>
    </message>
    <message>
        <source>Размер,
см</source>
        <translation>Size,
cm</translation>
    </message>
    <message>
        <source>От левой
стены, см</source>
        <translation>From left
wall, cm</translation>
    </message>
    <message>
        <source>От верхней
стены, см</source>
        <translation>From top
wall, cm</translation>
    </message>
</context>
<context>
    <name>PlandexExport</name>
    <message>
        <source>%1: не удалось прочитать файл</source>
        <translation>%1: could not read the file</translation>
    </message>
    <message>
        <source>%1: это сам файл комнаты</source>
        <translation>%1: this is the room file itself</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>это не папка</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>Папка %1 недоступна
%2</source>
        <translation>The folder %1 cannot be used
%2</translation>
    </message>
</context>
<context>
    <name>RoomCommands</name>
    <message>
        <source>Размеры комнаты…</source>
        <translation>Room size…</translation>
    </message>
</context>
<context>
    <name>RoomRecovery</name>
    <message>
        <source>Восстановить комнату, не сохранённую при прошлой работе?</source>
        <translation>Restore the room that was left unsaved last time?</translation>
    </message>
    <message>
        <source>Несохранённые изменения не сохраняются на случай сбоя.
%1</source>
        <translation>Unsaved changes are not being kept for recovery.
%1</translation>
    </message>
    <message>
        <source>Несохранённые изменения снова сохраняются на случай сбоя.</source>
        <translation>Unsaved changes are being kept for recovery again.</translation>
    </message>
</context>
<context>
    <name>RoomSheet</name>
    <message>
        <source> см</source>
        <translation> cm</translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source>безымянная комната</source>
        <translation>untitled room</translation>
    </message>
    <message>
        <source>Комната %1 × %2 см, площадь %3 м²</source>
        <translation>Room %1 × %2 cm, area %3 m²</translation>
    </message>
    <message>
        <source>Мебель %1 м² (%2 %), свободно %3 м² (%4 %)</source>
        <translation>Furniture %1 m² (%2 %), free %3 m² (%4 %)</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Размеры в сантиметрах</source>
        <translation>Dimensions in centimetres</translation>
    </message>
    <message>
        <source>Масштаб 1:%1   Формат %2   Предметов: %3   %4</source>
        <translation>Scale 1:%1   Paper %2   Pieces: %3   %4</translation>
    </message>
    <message>
        <source>   Лист %1 из %2</source>
        <translation>   Sheet %1 of %2</translation>
    </message>
    <message>
        <source>Проход %1 см: нет двери, проходы не проверить</source>
        <translation>Passage %1 cm: no door, walkways cannot be checked</translation>
    </message>
    <message>
        <source>Проход %1 см: доступны %2 из %3 предмета</source>
        <translation>Passage %1 cm: %2 of %3 piece reachable</translation>
    </message>
    <message>
        <source>Проход %1 см: доступны %2 из %3 предметов</source>
        <translation>Passage %1 cm: %2 of %3 pieces reachable</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>нет такой папки</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>неизвестная ошибка</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1
%2</source>
        <translation>Could not save the file %1
%2</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>это ссылка</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>ссылка в общей папке принадлежит другому пользователю</source>
        <translation>the link in a shared folder belongs to another user</translation>
    </message>
</context>
<context>
    <name>SheetExport</name>
    <message>
        <source>не хватает памяти для рисунка</source>
        <translation>not enough memory for the picture</translation>
    </message>
    <message>
        <source>комната %1 × %2 см не помещается на лист %3 в масштабе 1:%4</source>
        <translation>the room of %1 × %2 cm does not fit on %3 paper at 1:%4</translation>
    </message>
    <message>
        <source>; на нём наибольший масштаб 1:%1</source>
        <translation>; the largest scale it takes is 1:%1</translation>
    </message>
    <message>
        <source>; в масштабе 1:%1 нужен лист %2</source>
        <translation>; at 1:%1 it needs %2 paper</translation>
    </message>
</context>
<context>
    <name>SvgSheet</name>
    <message>
        <source>не найден модуль %1, нужный для SVG</source>
        <translation>the module %1 that SVG needs was not found</translation>
    </message>
</context>
<context>
    <name>WalkwayCommands</name>
    <message>
        <source>Ширина прохода</source>
        <translation>Passage Width</translation>
    </message>
    <message>
        <source>Ширина прохода, см (от %1 до %2):</source>
        <translation>Passage width, cm (%1 to %2):</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Проходы</source>
        <translation>Walkways</translation>
    </message>
    <message>
        <source>Ширина прохода…</source>
        <translation>Passage Width…</translation>
    </message>
</context>
<context>
    <name>WalkwayOverlay</name>
    <message>
        <source>Нет двери: проходы не проверить</source>
        <translation>No door: walkways cannot be checked</translation>
    </message>
</context>
<context>
    <name>ZoomCommands</name>
    <message>
        <source>Масштаб</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>По размеру окна</source>
        <translation>Fit to window</translation>
    </message>
</context>
<context>
    <name>plandex::MainWindow</name>
    <message>
        <source>Создание нового объекта</source>
        <translation>Create a new object</translation>
    </message>
    <message>
        <source>Выбор и перемещение объекта.</source>
        <translation>Select and move an object.</translation>
    </message>
    <message>
        <source>Изменение размера объектов.</source>
        <translation>Resize objects.</translation>
    </message>
    <message>
        <source>Удалить объект.</source>
        <translation>Delete an object.</translation>
    </message>
    <message>
        <source>Создать новую комнату.</source>
        <translation>Create a new room.</translation>
    </message>
    <message>
        <source>Открыть уже созданную ранее комнату</source>
        <translation>Open a room made before</translation>
    </message>
    <message>
        <source>Сохранить созданную сейчас комнату.</source>
        <translation>Save the room made now.</translation>
    </message>
    <message>
        <source>Экспортировать в BMP рисунок.</source>
        <translation>Export as a BMP picture.</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Сохранить изменения в комнате?</source>
        <translation>Save the changes to the room?</translation>
    </message>
</context>
<context>
    <name>plandex::OpenDialog</name>
    <message>
        <source>Открытие комнаты :)</source>
        <translation>Opening a room :)</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>plandex::OpeningDialog</name>
    <message>
        <source> см</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>слева</source>
        <translation>on the left</translation>
    </message>
    <message>
        <source>справа</source>
        <translation>on the right</translation>
    </message>
    <message>
        <source>Петли:</source>
        <translation>Hinges:</translation>
    </message>
    <message>
        <source>внутрь</source>
        <translation>inwards</translation>
    </message>
    <message>
        <source>наружу</source>
        <translation>outwards</translation>
    </message>
    <message>
        <source>Открывается:</source>
        <translation>Opens:</translation>
    </message>
</context>
<context>
    <name>plandex::RoomSizeDialog</name>
    <message>
        <source>Размеры комнаты</source>
        <translation>Room size</translation>
    </message>
    <message>
        <source>Комната</source>
        <translation>Room</translation>
    </message>
</context>
<context>
    <name>plandex::SaveDialog</name>
    <message>
        <source>безымянная комната</source>
        <translation>untitled room</translation>
    </message>
    <message>
        <source>Сохранение комнаты.</source>
        <translation>Saving the room.</translation>
    </message>
    <message>
        <source>Экспорт комнаты в рисунок BMP.</source>
        <translation>Exporting the room as a BMP picture.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>plandex::SheetDialog</name>
    <message>
        <source>по размеру листа</source>
        <translation>fit to the sheet</translation>
    </message>
    <message>
        <source>Масштаб:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Лист:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source> точек на дюйм</source>
        <translation> dots per inch</translation>
    </message>
    <message>
        <source>Разрешение:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Привязки</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Расстояния от предметов до стен</source>
        <translation>Distances from the pieces to the walls</translation>
    </message>
    <message>
        <source>Проходы</source>
        <translation>Walkways</translation>
    </message>
    <message>
        <source>Куда пройдёт человек шириной %1 см</source>
        <translation>Where a person %1 cm wide can walk</translation>
    </message>
</context>
<context>
    <name>plandex::SizeDialog</name>
    <message>
        <source>Изменение размеров объекта</source>
        <translation>Object size</translation>
    </message>
    <message>
        <source>Длина:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Ширина</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Развернуть объект (поменять местами его высоту и ширину)</source>
        <translation>Turn the object (swap its height and width)</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Введите числа!</source>
        <translation>Enter numbers!</translation>
    </message>
</context>
</TS>
