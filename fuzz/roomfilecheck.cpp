#include "roomfilecheck.h"

#include "files/komfile.h"

namespace plandex {

QString checkRoomFile(QByteArrayView bytes)
{
    const KomReadResult first = readKom(bytes.toByteArray());
    if (first.error) {
        if (first.error.offset < -1 || first.error.offset > bytes.size())
            return QStringLiteral("error offset %1 outside the file").arg(first.error.offset);
        if (first.error.describe().isEmpty())
            return QStringLiteral("an error without a description");
        return {};
    }
    const KomRoom &room = first.room;
    if (room.width < 1 || room.width > komMaxSide || room.height < 1 || room.height > komMaxSide)
        return QStringLiteral("loaded a room of %1 x %2").arg(room.width).arg(room.height);
    if (room.objects.size() > size_t(komMaxObjects))
        return QStringLiteral("loaded %1 objects").arg(room.objects.size());

    const KomWriteResult written = writeKom(room);
    if (written.error)
        return QStringLiteral("a loaded room does not write: ") + written.error.describe();
    const KomReadResult second = readKom(written.bytes);
    if (second.error)
        return QStringLiteral("a written room does not load: ") + second.error.describe();
    if (!(second.room == room))
        return QStringLiteral("the room changed on writing and loading again");
    if (writeKom(second.room).bytes != written.bytes)
        return QStringLiteral("the room wrote different bytes the second time");
    return {};
}

} // namespace plandex
