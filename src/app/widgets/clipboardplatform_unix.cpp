#include "app/widgets/clipboardplatform.h"

namespace clipboardPlatform {

QImage deviceIndependentBitmap()
{
    return {};
}

} // namespace clipboardPlatform
