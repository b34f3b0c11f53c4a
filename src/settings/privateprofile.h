#pragma once
// Quillmark.ini: a small line-preserving store with the rules of the platform's
// private-profile functions. Section and key names match without regard to letter case;
// the first of two equal keys is the one read and replaced; values are read with blanks
// trimmed, at most 254 characters, and an empty value reads as a missing one. Writing
// patches the file as it stands: every line the program does not own stays byte for byte.

#include "settings/settingskeys.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class PrivateProfile {
public:
    static constexpr qsizetype maxValueLength = 254;

    PrivateProfile() = default;
    static PrivateProfile fromBytes(const QByteArray &bytes);
    // A missing or unreadable file gives an empty profile.
    static PrivateProfile fromFile(const QString &path);
    // Like fromFile, but nothing when a file stands at the path and cannot be read, so
    // that a save never replaces a file it could not read.
    static std::optional<PrivateProfile> load(const QString &path);

    QString read(const QString &section, const QString &key, const QString &defaultValue) const;
    QString read(const settings::keys::SettingKey &key) const;

    // Replaces the value in place, or appends the key to its section, or appends the
    // section at the end. Line breaks inside the value become blanks so that a value can
    // never add lines to the file.
    void write(const QString &section, const QString &key, const QString &value);
    void write(const settings::keys::SettingKey &key, const QString &value);

    QByteArray toBytes() const;
    // Writes the whole file atomically; false when it could not be written.
    bool saveTo(const QString &path) const;

private:
    struct Line {
        QByteArray text;   // the line as it stands in the file, without its line end
        QByteArray ending; // "\r\n", "\n", "\r" or "" for a last line without one
        QString decoded;   // text as matched: UTF-8 when valid, else Latin-1
    };
    // Index of the line holding the first entry of key in a section of that name, or -1.
    qsizetype findEntry(const QString &section, const QString &key) const;
    // Index of the header of the first section of that name, or -1.
    qsizetype findSection(const QString &section) const;
    void insertLine(qsizetype index, const QByteArray &text);

    QList<Line> lines_;
};

namespace modVandrel {

// One read of the settings file.
QString ReadSetting(const QString &iniPath, const QString &section, const QString &key,
                    const QString &defaultValue);
// One patch of the settings file, written atomically; false when it could not be written.
bool WriteSetting(const QString &iniPath, const QString &section, const QString &key, const QString &value);

} // namespace modVandrel
