#include "capture/imagewriter.h"
#include "capture/saveoptions.h"
#include "capture/windowsnames.h"
#include "support.h"

using namespace capture;
using testsupport::noise;
using testsupport::ProgramFolder;

namespace {

KindOptions ofType(const char *type)
{
    KindOptions options;
    options.fileType = type;
    return options;
}

} // namespace

TEST(SaveOptions, QualityTextFileTypesPrefixSuffixAndTimeStamps)
{
    const std::pair<const char *, const char *> qualities[]
        = {{"75", "75%"}, {"75%", "75%"}, {"0.8", "80%"}, {"1", "100%"}, {"1%", "100%"}, {"150%", "100%"},
            {"abc", "90%"}, {"", "90%"}, {"0", "0%"}, {"-5", "-500%"}, {"2.5", "2%"}, {"99.5", "100%"},
            {"0.125", "12%"}, {"1.005", "90%"}, {"1.01", "1%"}, {" 75 ", "75%"}, {"%7%5%", "75%"}, {"7 5", "90%"},
            {"1e2", "90%"}, {"100.4", "100%"}, {"-99999999999", "-2147483648%"}, {"3000000000", "100%"}};
    for (const auto &[typed, shown] : qualities)
        EXPECT_EQ(qualityText(typed), shown) << typed;
    for (const auto &[text, number] :
        {std::pair{"75%", 75}, {"-500%", -500}, {"x", 90}, {"2.5", 2}, {"9e9", 90}, {"99999999999%", 2147483647}})
        EXPECT_EQ(qualityNumber(text), number) << text;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(fileTypeIndex(fileTypes[size_t(i)]), i);
    for (const char *other : {"tif", "", "PNG", "jpeg"})
        EXPECT_EQ(fileTypeIndex(other), -1) << other;
    for (const auto &[type, extension] :
        {std::pair{"bmp", ".bmp"}, {"jpg", ".jpg"}, {"png", ".png"}, {"gif", ""}, {"JPG", ""}})
        EXPECT_EQ(extensionFor(type), extension) << type;
    for (const QString typed : {"", "Icon", " a ", "  "}) { // taken as typed, blanks and all
        EXPECT_EQ(prefixFromBox(typed), typed.isEmpty() ? typed : typed + ' ');
        EXPECT_EQ(suffixFromBox(typed), typed.isEmpty() ? typed : ' ' + typed);
        EXPECT_EQ(prefixForBox(prefixFromBox(typed)), typed);
        EXPECT_EQ(suffixForBox(suffixFromBox(typed)), typed);
    }
    const std::pair<QTime, const char *> stamps[]
        = {{QTime(12, 34, 56, 300), "45296"}, {QTime(0, 0, 0, 0), "0"}, {QTime(0, 0, 0, 500), "0"},
            {QTime(0, 0, 1, 500), "2"}, {QTime(23, 59, 59, 499), "86399"}, {QTime(23, 59, 59, 500), "86400"}};
    for (const auto &[time, name] : stamps)
        EXPECT_EQ(timeStampName(time), name) << name;
}

TEST(SaveOptions, FoldersAndPaths)
{
    const ProgramFolder program;
    const QString root = program.path();
    KindOptions options;
    EXPECT_EQ(savePath(options, root, "Sword"), program.file("Images/Sword.png"));
    options.prefix = prefixFromBox("Icon");
    options.suffix = suffixFromBox("Small");
    options.fileType = "jpg";
    EXPECT_EQ(savePath(options, root, "v1.2 Sword"), program.file("Images/Icon v1.2 Sword Small.jpg"));
    options.fileType = "tif";
    EXPECT_EQ(savePath(options, root, "Sword"), program.file("Images/Icon Sword Small"));
    // Custom folders end in a separator and are taken from the program folder, never the
    // working directory; Windows-style ones name the same folder with or without the "\".
    options.useDefaultFolder = false;
    const QString top = QDir::fromNativeSeparators(root);
    const std::pair<const char *, QString> folders[]
        = {{"/srv/shots", "/srv/shots/"}, {"/srv/shots/", "/srv/shots/"}, {"Shots", top + "/Shots/"},
            {"Shots\\Day", top + "/Shots/Day/"}, {"Shots\\Day\\", top + "/Shots/Day/"}, {"", top + "/"}};
    for (const auto &[custom, folder] : folders) {
        options.customFolder = custom;
        EXPECT_EQ(QDir::fromNativeSeparators(saveFolder(options, root)), folder) << custom;
    }
    const std::pair<const char *, const char *> marked[] = {{"/p/Images/Sword.png", "/p/Images/Sword Icon.png"},
        {"/p/Images/v1.2 Sword.jpg", "/p/Images/v1.2 Sword Icon.jpg"}, {"/p/v1.2/Sword", "/p/v1.2/Sword Icon"},
        {"C:\\v1.2\\Sword", "C:\\v1.2\\Sword Icon"}, {"/p/Images/.png", "/p/Images/ Icon.png"}};
    for (const auto &[path, mark] : marked)
        EXPECT_EQ(markedPath(path, " Icon"), mark) << path;
}

TEST(ImageWriter, WritesEachFileTypeReplacingTheLastAndMovesAsideFromATakenPath)
{
    const ProgramFolder program;
    const QImage picture = noise(37, 21, 1);
    for (const char *type : {"bmp", "png"}) {
        const WriteResult result = writeImage(ofType(type), program.path(), "Sword", picture);
        EXPECT_EQ(std::pair(result.status, result.path),
            std::pair(WriteResult::Written, program.file("Images/Sword." + QString(type))));
        EXPECT_EQ(QImage(result.path).convertToFormat(QImage::Format_RGB32), picture) << type;
    }
    // The quality reaches the encoder.
    KindOptions jpg = ofType("jpg");
    for (const int quality : {5, 100}) {
        jpg.quality = quality;
        ASSERT_EQ(
            writeImage(jpg, program.path(), QString::number(quality), noise(64, 64, 2)).status, WriteResult::Written);
    }
    EXPECT_LT(QFileInfo(program.file("Images/5.jpg")).size(), QFileInfo(program.file("Images/100.jpg")).size());
    ASSERT_EQ(writeImage(ofType("png"), program.path(), "Sword", noise(10, 10, 2)).status, WriteResult::Written);
    EXPECT_EQ(QImage(program.file("Images/Sword.png")).size(), QSize(10, 10)); // replaced
    // The icon of an action whose panel takes the same path goes beside it.
    const QString panel = program.file("Images/Axe.png");
    EXPECT_EQ(
        writeImage(ofType("png"), program.path(), "Axe", picture, panel).path, program.file("Images/Axe Icon.png"));
    EXPECT_EQ(writeImage(ofType("bmp"), program.path(), "Axe", picture, panel).path, program.file("Images/Axe.bmp"));
    EXPECT_EQ(writeImage(ofType("gif"), program.path(), "Sword", picture).status, WriteResult::GifNotSupported);
    EXPECT_EQ(writeImage(ofType("tiff"), program.path(), "Sword", picture).status, WriteResult::NoFileType);
    QStringList files{"100.jpg", "5.jpg", "Axe Icon.png", "Axe.bmp", "Sword.bmp", "Sword.png"};
    if (!testsupport::trashTakesFiles())
        files.append("Sword~1.png"); // the replaced one, kept beside where no trash takes it
    EXPECT_EQ(testsupport::entriesOf(program.file("Images")), files);
}

TEST(ImageWriter, NamesStayInTheFolderAndFailuresNameTheFileAndKeepWhatWasThere)
{
    const ProgramFolder program;
    const QImage picture = noise(300, 300, 3);
    for (const QString &name : {QString("sub/Sword"), QString("..\\Sword"), QString(".."), QString("."),
             QString("a") + QChar(u'\0') + "b", QString()}) {
        const WriteResult result = writeImage(ofType("png"), program.path(), name, picture);
        EXPECT_EQ(result.status, WriteResult::Failed) << name.toStdString();
        EXPECT_NE(result.problem.code, FileProblem::Code::None);
    }
    EXPECT_EQ(writeImage(ofType("png"), program.path(), "a/b", picture).problem,
              (FileProblem{FileProblem::Code::SeparatorInName, "/"}));
    KindOptions escaping = ofType("png");
    escaping.prefix = "../";
    EXPECT_EQ(writeImage(escaping, program.path(), "Sword", picture).status, WriteResult::Failed);
    escaping.prefix.clear();
    escaping.suffix = "/..";
    EXPECT_EQ(writeImage(escaping, program.path(), "Sword", picture).status, WriteResult::Failed);
    EXPECT_EQ(writeImage(ofType("png"), program.path(), "   ", picture).status, WriteResult::Written);
    KindOptions missing = ofType("png");
    missing.useDefaultFolder = false;
    missing.customFolder = program.file("Nowhere");
    const WriteResult result = writeImage(missing, program.path(), "Sword", picture);
    EXPECT_EQ(result.status, WriteResult::Failed);
    EXPECT_EQ(result.path, program.file("Nowhere/Sword.png"));
    EXPECT_FALSE(QFileInfo::exists(program.file("Nowhere")));
    for (const char *type : {"bmp", "jpg", "png"}) { // each writer's failure comes back with its reason
        if (!testsupport::FileSizeLimit::works)
            break;
        program.write("Images/Kept." + QString(type), "old contents");
        const testsupport::FileSizeLimit fullDisk(1000);
        const WriteResult full = writeImage(ofType(type), program.path(), "Kept", picture);
        EXPECT_TRUE(full.status == WriteResult::Failed && full.problem.code != FileProblem::Code::None) << type;
        EXPECT_EQ(testsupport::readFile(full.path), "old contents") << type;
    }
    if (testsupport::FileSizeLimit::works) {
        EXPECT_EQ(testsupport::entriesOf(program.file("Images")).size(), 4); // the old files, nothing beside them
    }
}

// Names Windows cannot hold are caught with the rule and a name it can.
TEST(WindowsNames, ReservedForbiddenControlTrailingAndTooLongEachMended)
{
    using capture::windowsNames::Rule;
    const QString x300 = QString(300, u'x') + ".png";
    const std::tuple<QString, qsizetype, Rule, QString, QString> rows[] = {
        {"Sword of CON.png", 0, Rule::None, "", ""},
        {"COM10.png", 0, Rule::None, "", ""},
        {"Swords.png", 249, Rule::None, "", ""}, // 259 in all
        {"CON.png", 0, Rule::Reserved, "CON", "CON_.png"},
        {"lpt9.tar.gz", 0, Rule::Reserved, "lpt9", "lpt9_.tar.gz"},
        {"nul", 0, Rule::Reserved, "nul", "nul_"},
        {"a:b?.png", 0, Rule::Forbidden, ":", "a-b-.png"},
        {"Sword\t.png", 0, Rule::Control, "U+0009", "Sword-.png"},
        {"Sword.", 0, Rule::TrailingDotOrBlank, ".", "Sword"},
        {"Sword.png. .", 0, Rule::TrailingDotOrBlank, ". .", "Sword.png"},
        {"Swords.png", 250, Rule::TooLong, "260", "Sword.png"},
        {x300, 0, Rule::TooLong, "304", QString(255, u'x') + ".png"},
        {"\U0001F600\U0001F600.png", 252, Rule::TooLong, "260", "\U0001F600.png"}, // never half a character
        {"Sword.png", 258, Rule::TooLong, "267", ""},                               // no room for any name
    };
    for (const auto &[name, folder, rule, offending, cleaned] : rows) {
        const capture::windowsNames::Verdict verdict = capture::windowsNames::check(name, folder);
        EXPECT_EQ(std::tuple(verdict.rule, verdict.offending, verdict.cleaned), std::tuple(rule, offending, cleaned))
            << name.toStdString();
    }
}
