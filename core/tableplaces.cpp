#include "tableplaces.h"

TablePlaces tablePlaces(int gameId, qint64 heightStart)
{
    TablePlaces places;
    places.boxCount = gameId == kWideTablesRow ? 512 : 256;
    places.heightStart = heightStart;
    places.angleStart = heightStart - places.boxCount;
    places.widthStart = heightStart + places.tableSize();
    return places;
}

bool tablePlacesChecked(int gameId)
{
    return gameId != 3 && gameId != 6;
}

qint64 defaultAngleStart(qint64 arrayStart)
{
    const TablePlaces places = tablePlaces(0, arrayStart);
    return places.hasAngleRoom() ? places.angleStart : -1;
}
