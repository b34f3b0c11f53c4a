#pragma once
// A shown, active window over a fresh program folder; closed after each test.

#include "app/frmvandrel.h"
#include "testsupport.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<frmVandrel>(folder.path());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { window->close(); }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    testsupport::ProgramFolder folder;
    std::unique_ptr<frmVandrel> window;
};
