// Quillmark.ini as a user may have left it: arbitrary bytes are loaded, one key of ours is
// changed and the file is saved. Unchanged, the file comes back byte for byte; changed, the
// key reads back as written, every other key of ours as before, and every line we do not
// own is still there.

#include "fuzzing.h"
#include "inicheck.h"

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto &owned = iniCheck::owned();
    const settings::keys::SettingKey key = owned[in.ConsumeIntegralInRange<qsizetype>(0, owned.size() - 1)].key;
    const QString value = QString::fromUtf8(fuzzing::bytes(in, 300)); // valid UTF-8, as the window writes
    const bool throughFile = in.ConsumeIntegralInRange(0, 15) == 0; // now and then: the synced save is slow
    const QByteArray before = QByteArray::fromStdString(in.ConsumeRemainingBytesAsString());

    const PrivateProfile loaded = PrivateProfile::fromBytes(before);
    check(loaded.toBytes() == before, "a file loaded and saved unchanged comes back byte for byte");
    QByteArray after;
    if (throughFile) {
        const QString path = fuzzing::programFolder() + QStringLiteral("/Quillmark.ini");
        fuzzing::writeFile(path, before);
        check(modVandrel::WriteSetting(path, key.section, key.key, value), "the file can be patched");
        after = fuzzing::readFile(path);
    } else {
        PrivateProfile changed = loaded;
        changed.write(key.section, key.key, value);
        after = changed.toBytes();
    }
    const PrivateProfile saved = PrivateProfile::fromBytes(after);
    // A value is one line, read trimmed and cut to 254 characters; an empty one is missing.
    const QString expected = textRules::leftChars(
        textRules::trimBlanks(QString(value).replace(u'\r', u' ').replace(u'\n', u' ')), PrivateProfile::maxValueLength);
    const QString got = saved.read(key.section, key.key, QStringLiteral("\x01"));
    check(got == (expected.isEmpty() ? QStringLiteral("\x01") : expected), "the changed key reads back", got);
    for (const iniCheck::Owned &other : owned)
        check((other.key.section.compare(key.section, Qt::CaseInsensitive) == 0
               && other.key.key.compare(key.key, Qt::CaseInsensitive) == 0)
                  || saved.read(other.key) == loaded.read(other.key),
              "every other key reads as before", other.key.key);

    // The change adds at most a blank line, a header and the entry, or replaces one entry.
    const QList<QByteArray> old = iniCheck::rawLines(before), now = iniCheck::rawLines(after);
    check(now.size() <= old.size() + 3, "a change adds at most three lines");
    // Every line but the entries of our keys (whose values are checked above) in order; the
    // earliest match is the right one for an ordered subsequence.
    const QSet<qsizetype> ours = iniCheck::ownedLines(old);
    for (qsizetype i = 0, j = 0; i < old.size(); ++i) {
        if (ours.contains(i))
            continue;
        j = now.indexOf(old[i], j) + 1;
        if (j == 0) {
            QString shown = key.section + u'/' + key.key + QStringLiteral(": line %1\n").arg(i + 1)
                            + QString::fromLatin1(before) + QStringLiteral("\n----\n") + QString::fromLatin1(after);
            check(false, "every line we do not own is kept", shown.replace(QChar(0), QStringLiteral("\\0")));
        }
    }
    return 0;
}
