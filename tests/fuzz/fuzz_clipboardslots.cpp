// The clipboard slot files kept across a restart: a slot file of any bytes reads as a text
// that, written back and read again, stays the same; the slot keys and captions never
// name more than they may.

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
    check(text.has_value(), "a slot file reads");
    check(clipboardSlots::writeText(path, *text), "a slot file is written");
    const auto again = clipboardSlots::readText(path);
    check(again == text, "a slot text read, written and read again is the same", *text + u'|' + again.value_or(QString()));
    check(clipboardSlots::caption(*text).size() <= 9, "a slot caption is short");

    const auto kind = clipboardSlots::restoreFrom(key);
    const QString name = clipboardSlots::fileName(slot, kind);
    check(kind == clipboardSlots::SlotFile::None ? name.isEmpty() : name.size() == 5, "a slot file is named by its slot");
    return 0;
}
