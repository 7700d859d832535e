#include "tableplaces.h"

TablePlaces tablePlaces(int gameId, qint64 heightStart)
{
    TablePlaces places;
    places.boxCount = gameId == 5 ? 512 : 256;
    places.heightStart = heightStart;
    places.angleStart = heightStart - places.boxCount;
    places.widthStart = heightStart + places.tableSize();
    return places;
}

bool tablePlacesChecked(int gameId)
{
    return gameId != 3 && gameId != 6;
}
