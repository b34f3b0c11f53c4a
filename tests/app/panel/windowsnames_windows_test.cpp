// The name step on Windows: a name Windows cannot hold is caught before anything is written,
// with the rule and a name it can hold, which Use takes.

#include "window.h"

#include <QMessageBox>

namespace {

class WindowsNames : public WindowFixture {
protected:
    WindowsNames() : WindowFixture("[Icon]\r\nPrefix=Icon\r\n") {}
};

TEST_F(WindowsNames, CaughtAtTheNameStepAndMendedOnUse)
{
    const struct {
        QList<modal::Reply> answers;
        QStringList written;
    } cases[] = {
        {{"Sword|Bow", QMessageBox::Ok}, {"Icon Sword-Bow.png", "Sword-Bow.png"}},
        {{"con", QMessageBox::Retry, "Console"}, {"Console.png", "Icon Console.png"}},
        {{"Axe?", QMessageBox::Cancel}, {}},
    };
    for (const auto &c : cases) {
        clearSaved();
        clipboard()->setImage(testsupport::coordinateShot({1024, 768}));
        modal::Answerer dialogs(c.answers);
        QTest::mouseClick(control(QStringLiteral("cmdExtractPanel_1")), Qt::LeftButton);
        EXPECT_EQ(saved(), c.written) << c.answers.first().text.value_or("").toStdString();
        ASSERT_GE(dialogs.seen.size(), 2);
        EXPECT_EQ(dialogs.seen[1].title, "Name for Windows");
    }
}

} // namespace
