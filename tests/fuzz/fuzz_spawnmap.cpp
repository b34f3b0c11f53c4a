// The spawn map comparison fed random reference and screenshot pictures and offsets: the
// map is always 256 x 256, white with red marks only, and blank for a refused offset.

#include "fuzzing.h"
#include "spawnmap/spawnmap.h"

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    // Offsets near the picture, and now and then anywhere at all.
    const bool anywhere = in.ConsumeIntegralInRange(0, 7) == 0;
    const QPoint offset = anywhere ? QPoint(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>())
                                   : QPoint(in.ConsumeIntegralInRange(-4, 600), in.ConsumeIntegralInRange(-4, 600));
    const QImage reference = fuzzing::picture(in, 600), screenshot = fuzzing::picture(in, 600);

    const QImage map = spawnMap::compare(reference, screenshot, offset);
    check(map.size() == QSize(spawnMap::mapSize, spawnMap::mapSize), "the map is 256 x 256");
    bool marked = false;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) {
            const QRgb c = map.pixel(x, y);
            check(c == spawnMap::white || c == spawnMap::red, "the map is white and red");
            marked = marked || c == spawnMap::red;
        }
    check(spawnMap::offsetValid(offset) || !marked, "a refused offset gives a blank map");
    spawnMap::offsetMessage(offset);
    return 0;
}
