// The smallest-PNG encoder against the picture writer's default encoding and against
// `optipng -o2` run on that default file, over a corpus made here: item icons, stats
// panels, game screenshots and screenshots of a Qt window.
//
// Every file is measured once a run (optipng is slow; its time includes starting the
// process, which a user pays too). Rows per category and one for all:
//   default_KB / ours_KB / optipng_KB   total file sizes
//   ours_vs_optipng                     our bytes over optipng's (goal: at most 1.03)
//   default_ms / ours_ms / optipng_ms   total processor time (ours: median of three encodes)
//   time_vs_optipng                     our time over optipng's (goal: below 0.2)
// The printed table adds the wall-clock times. Every file we make is decoded again and
// compared with its picture: `mismatches` must be 0.

#include "image/pngcodec.h"
#include "image/smallpng.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <random>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace {

struct Sample {
    const char *category;
    QImage picture;
};

QColor randomColour(std::mt19937 &random)
{
    return QColor::fromHsv(int(random() % 360), 120 + int(random() % 136), 90 + int(random() % 166));
}

// Texture and 3D lighting: brightness that wanders smoothly over cells of a few pixels
// (up to amount either way), and a little fine noise in each channel on top.
void grain(QImage &picture, const QRect &rect, int amount, std::mt19937 &random)
{
    const QRect inside = rect & picture.rect();
    constexpr int cell = 6;
    const int columns = inside.width() / cell + 2;
    std::vector<int> wander(size_t(columns * (inside.height() / cell + 2)));
    for (int &w : wander)
        w = int(random() % unsigned(2 * amount + 1)) - amount;
    const auto at = [&](int gx, int gy) { return wander[size_t(gy * columns + gx)]; };
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        const int gy = (y - inside.top()) / cell, fy = (y - inside.top()) % cell;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int gx = (x - inside.left()) / cell, fx = (x - inside.left()) % cell;
            const int d = (at(gx, gy) * (cell - fx) * (cell - fy) + at(gx + 1, gy) * fx * (cell - fy)
                           + at(gx, gy + 1) * (cell - fx) * fy + at(gx + 1, gy + 1) * fx * fy)
                        / (cell * cell);
            const auto c = [&](int v) { return std::clamp(v + d + int(random() % 5) - 2, 0, 255); };
            row[x] = qRgb(c(qRed(row[x])), c(qGreen(row[x])), c(qBlue(row[x])));
        }
    }
}

// Item icons: hard-edged pixel art, shaded potions and gems, textured hides and stones,
// blades, and rendered-looking armour, on the black, white or slate backgrounds the game
// shows them on; sizes and places vary from icon to icon.
QImage icon(int i)
{
    std::mt19937 random(unsigned(i) + 1);
    const QColor backgrounds[] = {Qt::black, Qt::white, QColor(38, 44, 56)};
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(backgrounds[i % 3]);
    QPainter p(&picture);
    const QColor colour = randomColour(random);
    const int shift = int(random() % 5), size = 18 + int(random() % 8);
    p.setPen(QPen(colour.darker(300), 1));
    switch (i % 5) {
    case 0: // pixel art
        p.setBrush(colour);
        p.drawEllipse(3 + shift, 4, size, size + 2);
        p.setBrush(colour.lighter(150));
        p.drawRect(8 + shift, 8, 5, 5);
        break;
    case 1: { // a shaded potion or gem
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient shade(10 + shift, 11, size);
        shade.setStops({{0, colour.lighter(180)}, {1, colour.darker(200)}});
        p.setBrush(shade);
        p.drawEllipse(QRectF(3.5 + shift, 6.5, size, size));
        p.fillRect(10 + shift, 2, 6, 6, QColor(140, 100, 60));
        break;
    }
    case 2: // a textured hide or stone
        p.setBrush(colour);
        p.drawRoundedRect(4 + shift, 5, size, size, 6, 6);
        p.end();
        grain(picture, QRect(6 + shift, 7, size - 4, size - 4), 14, random);
        return picture;
    case 3: { // a blade
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient steel(0, 0, 32, 32);
        steel.setStops({{0, QColor(230, 235, 240)}, {1, QColor(90, 95, 110)}});
        p.setBrush(steel);
        p.drawPolygon(QPolygonF({{26.0 - shift, 3}, {29, 6.0 + shift}, {11, 24}, {8, 21}}));
        p.setBrush(colour);
        p.drawRect(QRectF(4.5, 21.5, 7, 7));
        break;
    }
    default: { // rendered armour: lit from the top left, grain all over
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient light(8, 6, 30);
        light.setStops({{0, colour.lighter(160)}, {0.6, colour}, {1, colour.darker(400)}});
        p.setBrush(light);
        p.drawPolygon(QPolygonF({{6, 4}, {26, 4}, {28.0 - shift, 16}, {16, 30}, {4.0 + shift, 16}}));
        p.end();
        grain(picture, QRect(4, 4, 24, 26), 6, random);
        return picture;
    }
    }
    return picture;
}

// A stats panel: dark background, a title and lines of stats in the game's colours, text
// smoothed on some panels and hard-edged on others.
QImage panel(int i, int height)
{
    std::mt19937 random(unsigned(i) + 100);
    QImage picture(300, height, QImage::Format_RGB32);
    picture.fill(QColor(12, 14, 20));
    QPainter p(&picture);
    if (i % 3 == 0) {
        QLinearGradient shade(0, 0, 0, height);
        shade.setStops({{0, QColor(30, 30, 46)}, {1, QColor(8, 8, 12)}});
        p.fillRect(picture.rect(), shade);
    }
    p.setPen(QColor(90, 90, 110));
    p.drawRect(1, 1, 297, height - 3);
    p.drawImage(8, 8, icon(i));
    QFont font(QStringLiteral("DejaVu Sans"), 8);
    font.setStyleStrategy(i % 2 ? QFont::NoAntialias : QFont::PreferAntialias);
    p.setFont(font);
    const QColor colours[] = {Qt::white, QColor(255, 210, 60), QColor(120, 220, 120), QColor(110, 160, 255)};
    const char *words[] = {"Armor Level", "Value", "Burden", "Spellcraft", "Mana", "Wield requires", "Damage"};
    p.setPen(colours[1]);
    p.drawText(48, 26, QStringLiteral("Item %1 of the Ancients").arg(i));
    for (int y = 52; y < height - 10; y += 15) {
        p.setPen(colours[random() % 4]);
        p.drawText(10, y, QStringLiteral("%1: %2").arg(QLatin1String(words[random() % 7])).arg(random() % 5000));
    }
    return picture;
}

// A game scene: sky and ground gradients, lit grainy terrain, a few buildings, and the
// interface over it (chat box, bars, a minimap).
QImage gameScene(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, height * 0.45), ground(0, height * 0.45, 0, height);
    sky.setStops({{0, QColor(40, 80, 160)}, {1, QColor(180, 200, 230)}});
    ground.setStops({{0, QColor(90, 120, 70)}, {1, QColor(50, 80, 30)}});
    p.fillRect(0, 0, width, int(height * 0.45), sky);
    p.fillRect(0, int(height * 0.45), width, height, ground);
    p.end();
    grain(picture, QRect(0, int(height * 0.45), width, height), 10, random);
    p.begin(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    for (int b = 0; b < 8; ++b) {
        const QRectF house(random() % unsigned(width - 120), height * 0.35 + random() % unsigned(height / 5), 80, 60);
        QLinearGradient wall(house.topLeft(), house.topRight());
        wall.setStops({{0, QColor(150, 130, 110)}, {1, QColor(80, 70, 60)}});
        p.setBrush(wall);
        p.setPen(Qt::NoPen);
        p.drawRect(house);
        p.setBrush(QColor(120, 40, 30));
        p.drawPolygon(QPolygonF({house.topLeft(), house.topRight(), house.center() - QPointF(0, 50)}));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(10, height - 190, 420, 180, QColor(0, 0, 0, 170));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    for (int line = 0; line < 10; ++line) {
        p.setPen(line % 3 ? QColor(230, 230, 230) : QColor(255, 220, 90));
        p.drawText(18, height - 172 + 17 * line, QStringLiteral("Someone tells you, \"Portal in %1\"").arg(line));
    }
    const QColor bars[] = {QColor(200, 30, 30), QColor(220, 200, 40), QColor(40, 80, 220)};
    for (int b = 0; b < 3; ++b) {
        p.fillRect(width / 2 - 150, height - 60 + 16 * b, 300, 12, QColor(20, 20, 20));
        p.fillRect(width / 2 - 149, height - 59 + 16 * b, 100 + int(random() % 198), 10, bars[b]);
    }
    p.setBrush(QColor(30, 40, 30));
    p.setPen(QPen(QColor(160, 140, 90), 3));
    p.drawEllipse(width - 170, 10, 160, 160);
    return picture;
}

// A Qt window of the kind wiki editors keep open: tabs, a table of items with a row
// selected, an editor with wiki text, the picture being worked on, fields and buttons,
// drawn by the platform style without a screen.
QImage windowShot(int width, int height, int rows)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *tabs = new QTabWidget;
    auto *table = new QTableWidget(rows, 4);
    table->setHorizontalHeaderLabels({"Name", "Value", "Burden", "Notes"});
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 4; ++c)
            table->setItem(r, c, new QTableWidgetItem(c == 0 ? QStringLiteral("Item %1").arg(r)
                                                             : QString::number((r * 37 + c * 11) % 997)));
    table->selectRow(rows / 3);
    tabs->addTab(table, QStringLiteral("Items"));
    tabs->addTab(new QWidget, QStringLiteral("Creatures"));
    auto *editor = new QTextEdit;
    editor->setPlainText(QStringLiteral("{{Item\n | Name = Sword of Lost Light\n | Value = 12,000\n | Burden = 450\n"
                                        "}}\n[[Category:Swords]]\n== Notes ==\nDropped by [[Olthoi Queen]].\n"));
    auto *preview = new QLabel;
    preview->setPixmap(QPixmap::fromImage(panel(rows, 240)));
    auto *middle = new QHBoxLayout;
    middle->addWidget(editor, 1);
    middle->addWidget(preview);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Name:")));
    auto *name = new QLineEdit(QStringLiteral("Sword of Lost Light"));
    row->addWidget(name);
    row->addWidget(new QCheckBox(QStringLiteral("Autoname")));
    row->addWidget(new QPushButton(QStringLiteral("Save")));
    layout->addWidget(tabs, 3);
    layout->addLayout(middle, 2);
    layout->addLayout(row);
    window.resize(width, height);
    window.show();
    name->setFocus();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::vector<Sample> corpus()
{
    std::vector<Sample> samples{{"screenshots", gameScene(1024, 768, 1)},   {"screenshots", gameScene(1024, 768, 2)},
                                {"screenshots", gameScene(1920, 1080, 3)},  {"screenshots", gameScene(1920, 1080, 4)},
                                {"qt windows", windowShot(800, 600, 30)},   {"qt windows", windowShot(1280, 800, 60)},
                                {"qt windows", windowShot(1600, 1000, 80)}};
    for (int i = 0; i < 36; ++i)
        samples.push_back({"icons", icon(i)});
    for (int i = 0; i < 12; ++i)
        samples.push_back({"panels", panel(i, 200 + 400 * i / 11)});
    return samples;
}

// The three encodings compared, in the order of the table's columns.
enum Encoder { Default, Ours, Optipng, encoders };

struct Totals {
    int files = 0, mismatches = 0;
    std::array<qint64, encoders> bytes{};
    std::array<double, encoders> ms{}, wallMs{}; // processor time, and the wall's beside it

    void add(const Totals &o)
    {
        files += o.files;
        mismatches += o.mismatches;
        for (int e = 0; e < encoders; ++e) {
            bytes[e] += o.bytes[e];
            ms[e] += o.ms[e];
            wallMs[e] += o.wallMs[e];
        }
    }
};

double toMs(const timespec &t) { return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6; }
double toMs(const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

// Processor time rather than the wall's alone, as the machines that run this are shared:
// this thread's in f, or with children, that of the processes f waited for.
template <class F> std::pair<double, double> timed(F &&f, bool children = false)
{
    const auto processor = [children] {
        rusage usage{};
        timespec now{};
        if (children && getrusage(RUSAGE_CHILDREN, &usage) == 0)
            return toMs(usage.ru_utime) + toMs(usage.ru_stime);
        return clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0 && !children ? toMs(now) : 0.0;
    };
    const double processorStart = processor();
    const auto wallStart = std::chrono::steady_clock::now();
    f();
    return {processor() - processorStart,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart).count()};
}

bool haveOptipng()
{
    static const bool found = !QStandardPaths::findExecutable(QStringLiteral("optipng")).isEmpty();
    return found;
}

// One sample through all three; optipng starts from the default file, as a user would.
Totals measure(const Sample &sample, const QTemporaryDir &folder)
{
    Totals t;
    t.files = 1;
    const QString plain = folder.filePath("default.png"), mine = folder.filePath("ours.png"),
                  optimised = folder.filePath("optipng.png");
    std::tie(t.ms[Default], t.wallMs[Default]) = timed([&] { modPNG::SavePNG(sample.picture, plain); });
    t.bytes[Default] = QFile(plain).size();

    QByteArray ours;
    std::array<std::pair<double, double>, 3> times{}; // the median of three, as ours is quick
    for (auto &time : times)
        time = timed([&] { ours = smallPng::encode(sample.picture); });
    std::sort(times.begin(), times.end());
    std::tie(t.ms[Ours], t.wallMs[Ours]) = times[1];
    t.bytes[Ours] = ours.size();
    QFile out(mine);
    QImage decoded;
    if (!out.open(QIODevice::WriteOnly) || out.write(ours) != ours.size() || !out.flush()
        || !modPNG::LoadPNG(mine, decoded) || decoded != sample.picture.convertToFormat(QImage::Format_RGB32))
        ++t.mismatches;

    if (haveOptipng()) {
        QFile::remove(optimised);
        QFile::copy(plain, optimised);
        std::tie(t.ms[Optipng], t.wallMs[Optipng]) = timed(
            [&] { QProcess::execute("optipng", {"-o2", "-quiet", optimised}); }, true);
        t.bytes[Optipng] = QFile(optimised).size();
    }
    return t;
}

// Measured once, on first use: per category and "all".
const std::map<std::string, Totals> &results()
{
    static const std::map<std::string, Totals> totals = [] {
        if (!haveOptipng())
            std::printf("optipng is not installed (apt-get install optipng): it is left out\n");
        std::map<std::string, Totals> byCategory;
        QTemporaryDir folder;
        for (const Sample &sample : corpus()) {
            const Totals t = measure(sample, folder);
            byCategory[sample.category].add(t);
            byCategory["all"].add(t);
        }
        return byCategory;
    }();
    return totals;
}

double ratio(double part, double whole)
{
    return whole > 0 ? part / whole : 0;
}

void printTable()
{
    std::printf("\n%-12s %5s %10s %10s %10s %8s %9s %9s %9s %8s %9s %9s\n", "category", "files", "default B", "ours B",
                "optipng B", "ours/opt", "deflt ms", "ours ms", "opt ms", "time/opt", "ours wall", "opt wall");
    for (const auto &[category, t] : results())
        std::printf("%-12s %5d %10lld %10lld %10lld %8.4f %9.1f %9.1f %9.1f %8.3f %9.1f %9.1f\n", category.c_str(),
                    t.files, t.bytes[Default], t.bytes[Ours], t.bytes[Optipng],
                    ratio(double(t.bytes[Ours]), double(t.bytes[Optipng])), t.ms[Default], t.ms[Ours], t.ms[Optipng],
                    ratio(t.ms[Ours], t.ms[Optipng]), t.wallMs[Ours], t.wallMs[Optipng]);
    std::printf("(bytes in total; ms: processor time, ours the median of three encodes a file)\n\n");
}

void Corpus(benchmark::State &state, const char *category)
{
    const Totals &t = results().at(category);
    for (auto _ : state)
        state.SetIterationTime(t.wallMs[Ours] / 1000);
    state.counters["files"] = t.files;
    state.counters["mismatches"] = t.mismatches;
    const char *names[] = {"default", "ours", "optipng"};
    for (int e = 0; e < (haveOptipng() ? encoders : Optipng); ++e) {
        state.counters[std::string(names[e]) + "_KB"] = double(t.bytes[e]) / 1024;
        state.counters[std::string(names[e]) + "_ms"] = t.ms[e];
    }
    if (haveOptipng()) {
        state.counters["ours_vs_optipng"] = ratio(double(t.bytes[Ours]), double(t.bytes[Optipng]));
        state.counters["time_vs_optipng"] = ratio(t.ms[Ours], t.ms[Optipng]);
    }
    if (std::string(category) == "all")
        printTable();
}

} // namespace

BENCHMARK_CAPTURE(Corpus, icons, "icons")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Corpus, panels, "panels")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Corpus, screenshots, "screenshots")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Corpus, qt_windows, "qt windows")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Corpus, all, "all")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
