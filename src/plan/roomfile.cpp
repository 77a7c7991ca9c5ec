#include "files/komfile.h"
#include "files/safesave.h"
#include "files/wholefile.h"
#include "model/codepage.h"
#include "model/geometry.h"
#include "model/pairtext.h"
#include "plan/editor.h"

#include <QIODevice>

namespace plandex {

namespace {

// What the file reader of old left as the text of a file it rejected.
QString rejectedText(const WholeFile &file)
{
    if (file.problem != ReadProblem::None)
        return QStringLiteral("Глюк!");
    return fromCodePage(withoutLineEnd(file.bytes).toByteArray());
}

} // namespace

std::vector<KomRoom::Object> komObjects(const ObjectTable &table, int first, int last)
{
    if (last < 0)
        last = table.count() - 1;
    std::vector<KomRoom::Object> out;
    out.reserve(size_t(qMax(0, last - first + 1)));
    for (int i = first; i <= last; ++i)
        out.push_back({table.name(i), table.xText(i), table.yText(i)});
    return out;
}

void Editor::openKom(const QString &nam)
{
    // The whole file is read and checked before anything changes: a bad
    // file leaves the room, its objects, the selection and the plan alone.
    const WholeFile file = ReadWholeFile(nam);
    KomReadResult read;
    if (file.problem == ReadProblem::None)
        read = readKom(file.bytes);
    m_state.listReady = true;
    if (file.problem != ReadProblem::None || read.error) {
        m_state.tmpStr = rejectedText(file);
        m_prompts.message(badFileMessage());
        return;
    }

    RoomContents before {m_K.size(), m_table.rows(), m_roomFile};
    showRoom(read.room, nam);
    m_history.roomReplaced(std::move(before));
    m_history.markUnmodified();
    m_state.tmpStr = QStringLiteral("laga");
}

void Editor::recoverRoom(const KomRoom &room, const QString &file)
{
    m_state.listReady = true;
    showRoom(room, file);
    m_offerRoomFile = !file.isEmpty();
    m_history.startUnsaved();
    m_state.tmpStr = QStringLiteral("laga");
}

void Editor::showRoom(const KomRoom &room, const QString &file)
{
    static_assert(ObjectTable::maxRows == komMaxObjects, "a room file holds what the table can");
    std::vector<ObjectTable::Row> rows;
    rows.reserve(room.objects.size());
    for (const KomRoom::Object &o : room.objects)
        rows.push_back(ObjectTable::makeRow(o.name, o.x, o.y));
    m_table.replaceAll(std::move(rows));
    m_roomFile = file;
    m_offerRoomFile = false;

    WindowState &s = m_state;
    forgetObject(s);
    s.dragDX = s.dragDY = 0;
    s.othLeft = s.othTop = s.othRight = s.othBottom = 0;
    // The stored size is taken as it is: the limits of a new room do not
    // apply, and the labels keep what they showed.
    m_K.resize({room.width, room.height});
    ProvForm();
    OBNOV();
}

KomRoom Editor::komRoom() const
{
    return {m_K.width(), m_K.height(), komObjects(m_table)};
}

bool Editor::saveKom(const QString &nam)
{
    const KomRoom room = komRoom();
    const int rows = m_table.count();
    // Walking the selection over every row would leave the last object
    // current; get there in two steps instead of one repaint per row.
    m_table.select(-1);
    if (rows > 0)
        m_table.select(rows - 1);

    KomWriteResult written = writeKom(room);
    m_state.tmpStr = written.text;
    QString reason = written.error ? written.error.describe() : WriteWholeFile(nam, written.bytes);
    if (reason.isEmpty()) {
        m_roomFile = nam;
        m_offerRoomFile = false;
        m_history.markUnmodified();
        return true;
    }
    m_prompts.message(saveFailureMessage(nam, reason));
    return false;
}

bool Editor::exportBmp(const QString &path)
{
    const QImage picture = m_K.image().convertToFormat(QImage::Format_RGB888);
    const QString reason
        = saveFileSafely(path, [&picture](QIODevice &file) { return picture.save(&file, "BMP"); });
    if (reason.isEmpty())
        return true;
    m_prompts.message(saveFailureMessage(path, reason));
    return false;
}

void Editor::openCommandLine(const QString &text)
{
    const QStringView path = trimBlanks(text);
    if (!path.isEmpty())
        openKom(path.toString());
}

} // namespace plandex
