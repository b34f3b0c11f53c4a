// The spawn map comparison fed random reference and screenshot pictures and offsets: the map
// is always 256 x 256, white with red marks only, and blank for a refused offset.

#include "fuzzing.h"
#include "spawnmap/spawnmap.h"

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    // Offsets near the picture, and now and then anywhere at all.
    const QPoint offset = in.ConsumeIntegralInRange(0, 7) == 0
                              ? QPoint(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>())
                              : QPoint(in.ConsumeIntegralInRange(-4, 600), in.ConsumeIntegralInRange(-4, 600));
    const QImage reference = fuzzing::picture(in, 600), screenshot = fuzzing::picture(in, 600);
    const QImage map = spawnMap::compare(reference, screenshot, offset);
    check(map.size() == QSize(spawnMap::mapSize, spawnMap::mapSize), "the map is 256 x 256");
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            check(map.pixel(x, y) == spawnMap::white || (map.pixel(x, y) == spawnMap::red && spawnMap::offsetValid(offset)),
                  "the map is white with red marks, blank for a refused offset");
    return 0;
}
