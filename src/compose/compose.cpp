#include "compose/compose.h"

#include "common/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace compose {

namespace {

// Colours are compared on red, green and blue only: a picture read from a file may carry
// an alpha byte that means nothing here.
constexpr QRgb rgbOnly(QRgb c) { return c & 0x00ffffffu; }
constexpr bool sameColour(QRgb a, QRgb b) { return rgbOnly(a) == rgbOnly(b); }
constexpr QRgb opaque(QRgb c) { return c | 0xff000000u; }

QRgb at(const QImage &image, int x, int y) { return opaque(image.pixel(x, y)); }

// The ten outline textures, one colour per row, top row first (effect 1 to 10).
// clang-format off
constexpr std::array<std::array<quint32, side>, 10> textures = {{
    // Magic
    {0x70D6FF, 0x6DD1FF, 0x6AC9FF, 0x65C1FF, 0x5EB5FF, 0x56A7FF, 0x4F9AFF, 0x4786FC, 0x4178FA, 0x3A68F8, 0x345CF6,
     0x2E50F3, 0x2A44F1, 0x2436EE, 0x1F2AEA, 0x1E22E5, 0x1A1BE0, 0x1C17DC, 0x1D14D7, 0x1D11D3, 0x1E0ECA, 0x200EC1,
     0x210BB7, 0x230AB0, 0x2507A9, 0x2709A2, 0x290A9D, 0x2A0B99, 0x2C0B95, 0x2D0B91, 0x2E0C8E, 0x2F0C8A},
    // Acid
    {0x2BD83F, 0x3AD94D, 0x4BDA5B, 0x55DB66, 0x5EDB6E, 0x67DC77, 0x70DC7D, 0x74DC81, 0x79DD85, 0x78DD84, 0x73DC81,
     0x6DDC7B, 0x5FDB6E, 0x50DA61, 0x40D952, 0x2ED841, 0x21D031, 0x17C829, 0x0EBF1F, 0x0AB119, 0x09A115, 0x089312,
     0x088812, 0x078110, 0x077E0F, 0x077D0F, 0x078410, 0x088E14, 0x099D18, 0x0AAA1B, 0x0AB41D, 0x0BBE20},
    // Fire
    {0xFF7825, 0xFF8437, 0xFF8F4A, 0xFF9957, 0xFFA062, 0xFFA76C, 0xFFAC77, 0xFFAF7C, 0xFFB181, 0xFFB280, 0xFFAF7B,
     0xFFAA73, 0xFF9F63, 0xFF9451, 0xFF883E, 0xFF7929, 0xF66A1A, 0xED5F0E, 0xE35403, 0xD24B00, 0xC04300, 0xAF3B00,
     0xA23800, 0x9A3400, 0x973300, 0x953200, 0x9D3600, 0xA83B00, 0xBA4400, 0xCA4B00, 0xD75100, 0xE25600},
    // Lightning
    {0xD226FE, 0xD639FD, 0xD84DFC, 0xDC5BFB, 0xDE66FB, 0xE170FB, 0xE27BFB, 0xE380FB, 0xE385FB, 0xE385FA, 0xE281F9,
     0xDF7BF7, 0xD86FF3, 0xD262EE, 0xC957E6, 0xBF49DF, 0xB33CD5, 0xA830CB, 0x9E25C1, 0x931BB7, 0x8913AD, 0x7E0BA4,
     0x77079B, 0x710496, 0x700295, 0x6F0194, 0x77009D, 0x8100A8, 0x9100BA, 0x9F00CA, 0xAA00D7, 0xB300E2},
    // Cold
    {0x8BC4C4, 0x95C8C9, 0xA0CDCE, 0xA7D0D1, 0xACD3D4, 0xB2D6D7, 0xB7D8D9, 0xBADADB, 0xBCDCDC, 0xBCDBDB, 0xBAD9DA,
     0xB6D6D7, 0xAFD2D2, 0xA6CBCB, 0x9FC5C5, 0x95BDBD, 0x8BB4B3, 0x82ABAA, 0x7AA3A2, 0x729B9A, 0x6B9493, 0x648D8B,
     0x608785, 0x5D8482, 0x5C8381, 0x5B8280, 0x5D8785, 0x608C8A, 0x659695, 0x699F9E, 0x6CA5A4, 0x6FABAA},
    // Nonmagic
    {},
    // Bludgeon
    {0xC48B8B, 0xC99695, 0xCEA1A0, 0xD1A8A7, 0xD4ADAC, 0xD7B3B2, 0xD9B8B7, 0xDBBBBA, 0xDCBCBC, 0xDBBCBC, 0xDABBBA,
     0xD7B7B6, 0xD2AFAF, 0xCBA6A6, 0xC59F9F, 0xBD9595, 0xB48B8C, 0xAB8283, 0xA37A7B, 0x9B7273, 0x946B6C, 0x8D6466,
     0x876062, 0x845D5F, 0x835C5E, 0x825B5D, 0x875D5F, 0x8C6062, 0x966566, 0x9F696A, 0xA56C6D, 0xAB6F70},
    // Slash
    {0x939AA1, 0x9AA0A7, 0xA2A7AE, 0xA8ADB3, 0xACB1B6, 0xB0B4B9, 0xB4B8BC, 0xB6BABE, 0xB8BCC0, 0xB7BBBF, 0xB6BABE,
     0xB3B7BB, 0xADB1B6, 0xA5A9AE, 0x9FA4A9, 0x969BA0, 0x8E9398, 0x868B90, 0x7E8388, 0x777C81, 0x70757A, 0x6A6F74,
     0x656A6F, 0x63686D, 0x62676C, 0x61666B, 0x64696E, 0x676D72, 0x6D7379, 0x737A81, 0x777E85, 0x7A8189},
    // Pierce
    {0xDFCE93, 0xE1D49C, 0xE3D7A6, 0xE4DAAE, 0xE7DDB2, 0xE8DEB7, 0xE9E1BB, 0xEAE2BF, 0xEBE1C0, 0xEAE1C1, 0xE9E0C0,
     0xE7DFBC, 0xE3D9B5, 0xDED4AF, 0xDBCFA8, 0xD4C89F, 0xCDBF97, 0xC6B890, 0xBFB38A, 0xB9AB83, 0xB3A77E, 0xAE9F78,
     0xA99A76, 0xA79872, 0xA69773, 0xA59672, 0xAA9A72, 0xAE9E74, 0xB7A777, 0xBFAE78, 0xC6B37A, 0xCBB87C},
    // Spell Vuln
    {0xFF8F8F, 0xFF8787, 0xFF7C7C, 0xFE7171, 0xFD6868, 0xFC5C5C, 0xF55252, 0xEC4747, 0xDF3B3B, 0xE33030, 0xDA2727,
     0xCC1F1F, 0xBE1A1A, 0xAE1515, 0xA21010, 0x970C0C, 0x8C0707, 0x800505, 0x790303, 0x840101, 0x8D0404, 0x910A0A,
     0xA11010, 0xB01818, 0xC02424, 0xCE2F2F, 0xDD3D3D, 0xE94A4A, 0xF45959, 0xFD6767, 0xFE7272, 0xFD7F7F},
}};
// clang-format on

int clampAndRound(float v)
{
    // "Not >= 0" also catches NaN from a factor like 0 x infinity.
    if (!(v >= 0.0f))
        v = 0.0f;
    if (v > 255.0f)
        v = 255.0f;
    return int(numbers::roundHalfEven(v));
}

} // namespace

QImage emptyArea()
{
    QImage area(side, side, QImage::Format_RGB32);
    area.fill(emptyColour);
    return area;
}

QImage workingIcon(const QImage &picture)
{
    QImage icon = emptyArea();
    if (picture.isNull())
        return icon;
    const QImage source = picture.format() == QImage::Format_RGB32 ? picture
                                                                   : picture.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(side, source.width());
    const int h = std::min(side, source.height());
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            icon.setPixel(x, y, at(source, x, y));
    return icon;
}

void composeOnto(const QImage &icon, QImage &target, QRgb key)
{
    const int w = std::min({side, icon.width(), target.width()});
    const int h = std::min({side, icon.height(), target.height()});
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            const QRgb c = at(icon, x, y);
            if (!sameColour(c, key))
                target.setPixel(x, y, c);
        }
}

std::optional<int> edgeEffectFor(const QString &entry)
{
    // Effect numbers follow the textures, not the alphabetical list order.
    static const char *const byEffect[] = {"None",     "Magic",    "Acid",  "Fire",   "Lightning", "Cold",
                                           "Nonmagic", "Bludgeon", "Slash", "Pierce", "Spell Vuln"};
    for (int i = 0; i <= 10; ++i)
        if (entry == QLatin1String(byEffect[i]))
            return i;
    return std::nullopt;
}

QRgb textureColour(int effect, int y)
{
    if (effect < 1 || effect > 10 || y < 0 || y >= side)
        return opaque(0);
    return opaque(textures[std::size_t(effect - 1)][std::size_t(y)]);
}

void outline(QImage &icon, int effect, QRgb mask)
{
    if (effect < 1 || effect > 10 || icon.width() < side || icon.height() < side)
        return;
    if (icon.format() != QImage::Format_RGB32)
        icon = icon.convertToFormat(QImage::Format_RGB32);

    const auto isIcon = [&](int x, int y) {
        const QRgb c = at(icon, x, y);
        return !sameColour(c, outlineMarker) && !sameColour(c, mask);
    };
    const auto isBackground = [&](int x, int y) { return sameColour(at(icon, x, y), mask); };

    // Each test reads the pixel again: a pixel marked by an earlier test is no longer
    // background, and a marked neighbour never counts as icon, so the outline stays one
    // pixel wide.
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            if (isBackground(x, y) && x >= 1 && isIcon(x - 1, y))
                icon.setPixel(x, y, outlineMarker);
            if (isBackground(x, y) && x <= side - 2 && isIcon(x + 1, y))
                icon.setPixel(x, y, outlineMarker);
            if (isBackground(x, y) && y >= 1 && isIcon(x, y - 1))
                icon.setPixel(x, y, outlineMarker);
            if (isBackground(x, y) && y <= side - 2 && isIcon(x, y + 1))
                icon.setPixel(x, y, outlineMarker);
        }

    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (sameColour(at(icon, x, y), outlineMarker))
                icon.setPixel(x, y, textureColour(effect, y));
}

std::optional<QRgb> maskColour(const QString &text)
{
    const auto value = numbers::toNumber(text);
    if (!value || *value != std::floor(*value) || *value < 0.0 || *value > 255.0)
        return std::nullopt;
    const int g = int(*value);
    return qRgb(g, g, g);
}

QImage maskByDifference(const QImage &picture, const QImage &comparison)
{
    const QImage p = workingIcon(picture);
    const QImage c = workingIcon(comparison);
    QImage result = emptyArea();
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            const QRgb pc = at(p, x, y);
            result.setPixel(x, y, sameColour(pc, at(c, x, y)) ? white : pc);
        }
    return result;
}

int scaleComponent(int component, float factor) { return clampAndRound(float(component) * factor); }

QImage colourBalance(const QImage &source, float red, float green, float blue)
{
    const QImage s = workingIcon(source);
    QImage result = emptyArea();
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            const QRgb c = at(s, x, y);
            result.setPixel(x, y,
                            qRgb(scaleComponent(qRed(c), red), scaleComponent(qGreen(c), green),
                                 scaleComponent(qBlue(c), blue)));
        }
    return result;
}

QImage overallAdjustment(const QImage &source, float factor)
{
    const QImage s = workingIcon(source);
    QImage result = emptyArea();
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            const QRgb c = at(s, x, y);
            const int sum = qRed(c) + qGreen(c) + qBlue(c);
            if (sum == 0) {
                result.setPixel(x, y, opaque(0));
                continue;
            }
            // Going through the ratio (rather than c x f) is what keeps the hue; its float
            // rounding is part of the result.
            const float total = float(sum);
            const auto adjust = [&](int component) {
                const float ratio = float(component) / total;
                return clampAndRound((factor * total) * ratio);
            };
            result.setPixel(x, y, qRgb(adjust(qRed(c)), adjust(qGreen(c)), adjust(qBlue(c))));
        }
    return result;
}

std::optional<double> conformity(const QImage &workingIcon, const QImage &result)
{
    const QImage w = compose::workingIcon(workingIcon);
    const QImage p = compose::workingIcon(result);
    double sum = 0.0;
    int count = 0;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            const QRgb a = at(w, x, y);
            if (sameColour(a, white))
                continue;
            const QRgb b = at(p, x, y);
            const double dR = qRed(a) - qRed(b);
            const double dG = qGreen(a) - qGreen(b);
            const double dB = qBlue(a) - qBlue(b);
            // Two single-precision steps, so the figure matches the one users compare against.
            const float e = float(std::sqrt(dR * dR + dG * dG));
            const float d = float(std::sqrt(dB * dB + double(e) * double(e)));
            sum += d;
            ++count;
        }
    if (count == 0)
        return std::nullopt;
    return sum / count;
}

QString conformityText(std::optional<double> value)
{
    return value ? numbers::formatDouble(*value) : QStringLiteral("n/a");
}

std::optional<QString> nudge(const QString &text, QChar key)
{
    float step = 0.0f;
    switch (key.unicode()) {
    case u'4': step = -1.0f; break;
    case u'6': step = 1.0f; break;
    case u'7': step = -10.0f; break;
    case u'9': step = 10.0f; break;
    default: return std::nullopt;
    }
    const auto value = numbers::toSingle(text);
    if (!value)
        return std::nullopt;
    const float next = *value + step;
    return numbers::formatSingle(next);
}

QString bmpPathFor(const QString &droppedPath)
{
    // The last four characters go whatever they are; the ending was the loader's business.
    return droppedPath.chopped(std::min<qsizetype>(4, droppedPath.size())) + QStringLiteral(".bmp");
}

} // namespace compose
