#pragma once
// The save options of the three image kinds and the naming rules every saved picture
// follows: folder + prefix + name + suffix + extension.

#include <QString>
#include <QTime>
#include <array>

namespace capture {

enum class ImageKind { Icon = 0, Panel = 1, Live = 2 };
constexpr std::array<ImageKind, 3> imageKinds = {ImageKind::Icon, ImageKind::Panel, ImageKind::Live};
// The settings section of the kind: "Icon", "Panel", "Live".
QString kindSection(ImageKind kind);
// What a picture of the kind is, in words: "icon", "stats panel", "live shot".
QString kindNoun(ImageKind kind);

// File types in the order of their option buttons (0 "BMP" .. 3 "PNG").
inline const std::array<QString, 4> fileTypes = {QStringLiteral("bmp"), QStringLiteral("gif"),
                                                 QStringLiteral("jpg"), QStringLiteral("png")};
// The option index of a file type, or -1 for any other text.
int fileTypeIndex(const QString &fileType);

struct KindOptions {
    QString fileType = QStringLiteral("png"); // as held: may be none of the four
    int quality = 90;                         // percent, the quality text without "%"
    QString prefix;                           // with its trailing blank when not empty
    QString suffix;                           // with its leading blank when not empty
    bool useDefaultFolder = true;
    QString customFolder;
};

// "75" and "75%" give "75%", "0.8" gives "80%", "1" gives "100%", above 100 "100%",
// anything that is not a number "90%"; halves round to even.
QString qualityText(const QString &typed);
// The number of a quality text made by qualityText.
int qualityNumber(const QString &qualityText);

// Prefix and suffix as held, from what the box shows.
QString prefixFromBox(const QString &text);
QString suffixFromBox(const QString &text);
// What the box shows for the value held.
QString prefixForBox(const QString &prefix);
QString suffixForBox(const QString &suffix);

// The Autoname name: seconds since midnight, rounded (halves to even), in decimal.
QString timeStampName(const QTime &time);

// The folder a kind saves into, ending in a separator: the program folder's Images
// folder, or the custom folder.
QString saveFolder(const KindOptions &options, const QString &programFolder);
// The extension written for a file type (".bmp", ".jpg", ".png"), or "" when the type
// writes no file.
QString extensionFor(const QString &fileType);
// The whole path of a picture of this kind and name (for types that write a file).
QString savePath(const KindOptions &options, const QString &programFolder, const QString &name);
// The path with mark put before its extension ("Sword.png" and " Icon" give "Sword Icon.png"):
// where two pictures of one action would land on one path, the first one moves aside.
QString markedPath(const QString &path, const QString &mark);

} // namespace capture
