// The settings load into the window: a hand-edited Quillmark.ini (numbers out of range, odd
// encodings, duplicate sections) and a file it names. After a close the file must hold every
// key in its range and every line we do not own; a second start and close keeps its values.

#include "fuzzing.h"
#include "inicheck.h"
#include "app/frmvandrel.h"

using fuzzing::check;

static QByteArray startAndClose(const QString &folder)
{
    frmVandrel window(folder);
    window.show();
    window.close();
    return fuzzing::readFile(folder + QStringLiteral("/Quillmark.ini"));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString folder = fuzzing::programFolder();
    static const char *const names[] = {"Templates/a.txt", "Templates/1.txt", "Templates/1.bmp",
                                        "Spawn Map Comparison.bmp"};
    const QString named = folder + u'/' + QString::fromLatin1(in.PickValueInArray(names));
    const QByteArray before = fuzzing::bytes(in, 1 << 16);
    fuzzing::writeFile(folder + QStringLiteral("/Quillmark.ini"), before);
    fuzzing::writeFile(named, QByteArray::fromStdString(in.ConsumeRemainingBytesAsString()));

    const QByteArray once = startAndClose(folder);
    const QString problems = iniCheck::problems(before, once);
    if (!problems.isEmpty()) {
        QString shown = problems + u'\n' + QString::fromLatin1(before) + QStringLiteral("\n----\n")
                        + QString::fromLatin1(once);
        check(false, "the saved settings are in range and keep what is not ours",
              shown.replace(QChar(0), QStringLiteral("\\0")));
    }
    const QByteArray twice = startAndClose(folder);
    check(iniCheck::problems(once, twice).isEmpty(), "a second start and close keeps what is not ours");
    // A stored quality goes through the typed rule again at each start, as it always has, and
    // a greyed box is saved empty and so loads as its default: only these may move.
    const PrivateProfile first = PrivateProfile::fromBytes(once), second = PrivateProfile::fromBytes(twice);
    for (const iniCheck::Owned &o : iniCheck::owned()) {
        const QString a = first.read(o.key.section, o.key.key, {}), b = second.read(o.key.section, o.key.key, {});
        check(o.rule == iniCheck::Rule::Quality || a.isEmpty() || a == b, "a second start and close keeps the values",
              o.key.key + u' ' + a + QStringLiteral(" -> ") + b);
    }
    return 0;
}
