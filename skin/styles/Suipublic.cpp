#include "skin/styles/Suipublic.h"

void SpitBitmap(const QImage& source, QImage& destination, int count, int index)
{
    const int frameWidth = count > 0 ? source.width() / count : 0;
    destination = source.copy(frameWidth * (index - 1), 0, frameWidth, source.height());
}
