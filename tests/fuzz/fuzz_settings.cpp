// Quillmark.ini as a user may have left it: arbitrary bytes are loaded, one key of ours is
// changed, and the file is saved. The file must come back byte for byte when nothing
// changes; after the change the key reads back as written, every other key of ours
// reads as before, and every line we do not own is still there.

#include "fuzzing.h"
#include "inicheck.h"
#include "common/textutil.h"
#include "settings/privateprofile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzing::check;
    FuzzedDataProvider in(data, size);
    const QList<settingsKeys::SettingKey> &keys = iniCheck::ownedKeys();
    const settingsKeys::SettingKey &key = keys[in.ConsumeIntegralInRange<qsizetype>(0, keys.size() - 1)];
    // Valid UTF-8, as every value the window writes is.
    const QString value = QString::fromUtf8(fuzzing::bytes(in, 300));
    const bool throughFile = in.ConsumeIntegralInRange(0, 15) == 0;
    const QByteArray before = QByteArray::fromStdString(in.ConsumeRemainingBytesAsString());

    const PrivateProfile loaded = PrivateProfile::fromBytes(before);
    check(loaded.toBytes() == before, "a file loaded and saved unchanged comes back byte for byte");

    // Through the file now and then: the synced save is slow.
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

    // Values are one line, read trimmed and cut to 254 characters; an empty one is missing.
    QString expected = value;
    expected.replace(u'\r', u' ').replace(u'\n', u' ');
    expected = textRules::leftChars(textRules::trimBlanks(expected), PrivateProfile::maxValueLength);
    const QString got = saved.read(key.section, key.key, QStringLiteral("\x01"));
    check(got == (expected.isEmpty() ? QStringLiteral("\x01") : expected), "the changed key reads back",
          key.section + u'/' + key.key + u'=' + got);
    for (const settingsKeys::SettingKey &other : keys) {
        if (other.section.compare(key.section, Qt::CaseInsensitive) == 0
            && other.key.compare(key.key, Qt::CaseInsensitive) == 0)
            continue;
        check(saved.read(other) == loaded.read(other), "every other key reads as before",
              other.section + u'/' + other.key);
    }

    // Our change adds at most a blank line, a header and the entry, or replaces one entry.
    const QList<QByteArray> old = iniCheck::rawLines(before), now = iniCheck::rawLines(after);
    check(now.size() <= old.size() + 3, "a change adds at most three lines");
    qsizetype missing = 0, j = 0;
    for (const QByteArray &line : old) {
        const qsizetype at = now.indexOf(line, j);
        if (at < 0)
            ++missing;
        else
            j = at + 1;
    }
    check(missing <= 1, "every line we do not own is kept", QString::number(missing));
    return 0;
}
