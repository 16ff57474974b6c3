#include "retail/mainwindow.h"

#include "scriptedprompter.h"
#include "shopcore/foundation/programstate.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The registers and the product search open from their menu entries inside the workspace and
// close with their own close button.
namespace {

TEST(RegisterMenus, EachEntryOpensItsWindowInTheWorkspace) {
    TestDatabase t;
    ScriptedPrompter prompter;
    ProgramState state;
    state.edition = QStringLiteral("Ortiga");
    TMAIN w(t.alias(), prompter, state);
    w.applyAccessLevel(5);
    const struct {
        RetailCommand command;
        QString title;
    } cases[] = {
        {RetailCommand::CustomerRegister, " ทะเบียนลูกค้า"},
        {RetailCommand::SupplierRegister, " ทะเบียนผู้ขาย"},
        {RetailCommand::SalespersonRegister, " ทะเบียนพนักงานขาย"},
        {RetailCommand::ProductRegister, " ทะเบียน สินค้า อะไหล่ และค่าบริการ"},
        {RetailCommand::ProductSearch, " ค้นหาอะไหล่"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        ASSERT_TRUE(w.action(c.command)->isEnabled());
        w.action(c.command)->trigger();
        ASSERT_EQ(w.workspace()->subWindowList().size(), 1);
        QWidget* screen = w.workspace()->subWindowList().first()->widget();
        EXPECT_EQ(screen->windowTitle(), c.title);
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("closeButton")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.workspace()->subWindowList().isEmpty());
    }
    EXPECT_TRUE(prompter.asked().isEmpty());
}

} // namespace
