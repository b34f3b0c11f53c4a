// Every text transform of "3 Text", the multi-use drop-down and the tools, fed what a
// clipboard may hold, with what each allows beyond "no crash": line counts of line-by-line
// transforms, bounds, and fixed points of the cleaning and number rules.

#include "fuzzing.h"
#include "capture/saveoptions.h"
#include "common/modvandrel.h"
#include "common/numbers.h"
#include "wiki/filenames.h"
#include "wikitext/categories.h"
#include "wikitext/creaturepage.h"
#include "wikitext/formattext.h"
#include "wikitext/mappoints.h"
#include "wikitext/multiuse.h"
#include "wikitext/prices.h"
#include "wikitext/totaldamage.h"

using fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const float rate = in.ConsumeFloatingPoint<float>();
    const int position = in.ConsumeIntegralInRange(0, 128);
    const QString t = fuzzing::text(in, 1 << 16), folder = fuzzing::programFolder();
    const QList<QStringView> lines = modVandrel::scratchSplitViews(folder, t, textFiles::LoneLf::EndsLine);
    check(lines == textFiles::splitLineViews(t, textFiles::LoneLf::EndsLine), "the scratch file splits as the text");
    const auto lineEnds = [](const QString &out) { return out.count(QStringLiteral("\r\n")); };

    for (int index = -1; index <= 4; ++index)
        for (auto click : {formatText::Click::Left, formatText::Click::Right}) {
            const QString out = formatText::transform(index, click, t, folder);
            check(index != 0 || (lineEnds(out) == lines.size() && out.count(u'\n') == lines.size()),
                  "a chat log gives one line per line");
            check(index != 1 || out.size() <= 8 * t.size() + 8, "a link list is at most eight times its text");
            check((index != 2 && index != 3) || out.contains(formatText::trimCopied(t)), "a wrapped text is kept whole");
            check((index >= 0 && index <= 3) || out.isEmpty(), "no button, no text");
        }
    check(mapPoints::parse(t, 4).size() <= 4 && mapPoints::parse(t, 60).size() <= 60, "map points fit the table");
    mapPoints::mapPoint(t);
    mapPoints::mapPointPlus(t);
    check(lineEnds(prices::convert(lines, rate)) == lines.size(), "prices give one line per line");
    qint32 largest = 0;
    for (QStringView line : lines) {
        check(totalDamage::lineDamage(line) >= 0, "no line deals negative damage");
        largest = std::max(largest, totalDamage::lineDamage(line));
    }
    check(totalDamage::total(lines) >= largest, "the total is at least the largest hit");
    creaturePage::creatureTemplate(lines);
    if (const auto caption = multiUse::captionFor(t))
        multiUse::functionFor(*caption);
    multiUse::spellLinks(t);
    check(multiUse::customFormat(t, t, t).size() == 2 * t.size() + formatText::trimCopied(t).size(),
          "a custom format adds only its parts");

    const wiki::names::Verdict verdict = wiki::names::check(t);
    check(verdict.cleaned.isEmpty() || wiki::names::check(verdict.cleaned).ok(), "a cleaned file name passes",
          verdict.cleaned);
    check(verdict.cleaned.toUtf8().size() <= wiki::names::maxBytes, "a cleaned name fits the wiki");
    if (const auto single = numbers::toSingle(t); single && std::isfinite(*single))
        check(numbers::toSingle(numbers::formatSingle(*single)) == single, "a single reads back as printed");
    if (const auto whole = numbers::toInt16(t))
        check(numbers::toInt16(QString::number(*whole)) == whole, "a 16-bit number reads back");
    check(capture::qualityText(t).endsWith(u'%'), "a quality text is a percentage");
    const int next = categories::nextPosition(position, position % 2);
    check(next >= 1 && next <= categories::names().size(), "a category click lands on a category");
    return 0;
}
