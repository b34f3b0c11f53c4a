// The clipboard slot files kept across a restart: a slot file of any bytes reads as a text
// that, written back and read again, stays the same; slot keys and captions stay in bounds.

#include "fuzzing.h"
#include "wikitext/clipboardslots.h"

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString key = fuzzing::text(in, 16);
    const int slot = in.ConsumeIntegralInRange(1, clipboardSlots::slotCount);
    const QString path = fuzzing::programFolder() + QStringLiteral("/Templates/1.txt");
    fuzzing::writeFile(path, QByteArray::fromStdString(in.ConsumeRemainingBytesAsString()));

    const auto text = clipboardSlots::readText(path);
    check(text && clipboardSlots::writeText(path, *text), "a slot file reads and is written");
    check(clipboardSlots::readText(path) == text, "a slot text read, written and read again is the same", *text);
    check(clipboardSlots::caption(*text).size() <= 9, "a slot caption is short");
    const auto kind = clipboardSlots::restoreFrom(key);
    check(clipboardSlots::fileName(slot, kind).size() == (kind == clipboardSlots::SlotFile::None ? 0 : 5),
          "a slot file is named by its slot");
    return 0;
}
