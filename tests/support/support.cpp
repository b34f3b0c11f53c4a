#include "support.h"

#include "common/trashplaces.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <random>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.left(300).toStdString() << (text.size() > 300 ? "...\"" : "\"");
}

void PrintTo(const QStringList &list, std::ostream *out) { PrintTo(list.join(u'|'), out); }

namespace testsupport {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QImage noise(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, random() | 0xff000000u);
    return picture;
}

QImage filled(QSize size, QRgb colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QImage coordinateShot(QSize size)
{
    QImage shot(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            shot.setPixel(x, y, qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4 | (y >> 8)) & 0xff));
    return shot;
}

QString cutMismatch(const QImage &cut, const QImage &shot, const QRect &rect)
{
    if (cut.size() != rect.size())
        return QStringLiteral("size %1x%2").arg(cut.width()).arg(cut.height());
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x) {
            const QPoint at = rect.topLeft() + QPoint(x, y);
            const QRgb want = shot.rect().contains(at) ? shot.pixel(at) : qRgb(0, 0, 0);
            if ((cut.pixel(x, y) & 0xffffff) != (want & 0xffffff))
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
        }
    return {};
}

int largestDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max(
                {worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

QByteArrayList pngChunks(const QByteArray &file)
{
    if (!file.startsWith("\x89PNG\r\n\x1a\n"))
        return {"bad"};
    QByteArrayList chunks;
    for (qsizetype at = 8; at < file.size();) {
        const qsizetype length = file.size() - at >= 12 ? qFromBigEndian<quint32>(file.constData() + at) : -1;
        if (length < 0 || length > file.size() - at - 12)
            return chunks << "bad";
        chunks << file.mid(at + 4, 4 + length);
        at += 12 + length;
    }
    return chunks;
}

ProgramFolder::ProgramFolder()
{
    QDir(dir_.path()).mkpath(QStringLiteral("Images"));
    QDir(dir_.path()).mkpath(QStringLiteral("Templates"));
}

QString ProgramFolder::file(const QString &name) const
{
    return QDir::toNativeSeparators(QDir(dir_.path()).filePath(name));
}

void ProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

bool trashTakesFiles()
{
    const QTemporaryDir dir;
    const QString probe = dir.filePath(QStringLiteral("probe"));
    QFile file(probe);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.close();
    QString inTrash;
    const bool taken = QFile::moveToTrash(probe, &inTrash) && trashPlaces::isInTrash(inTrash);
    QFile::remove(inTrash);
    return taken;
}

bool ProgramFolder::exists(const QString &name) const { return QFile::exists(file(name)); }

} // namespace testsupport
