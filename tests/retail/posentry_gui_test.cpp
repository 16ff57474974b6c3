// The till as the Pellun edition's main window opens it.
#include "retail/mainwindow.h"

#include "scriptedprompter.h"
#include "shopcore/documents/screens/tpos2.h"
#include "shopcore/foundation/programstate.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

using C = RetailCommand;

TEST(PosEntry, ThePellunEditionOpensOneTillInTheKindOfItsEntry) {
    TestDatabase t;
    ScriptedPrompter prompter;
    ProgramState state;
    state.edition = QStringLiteral("Pellun");
    TMAIN w(t.alias(), prompter, state);
    w.show();
    w.applyAccessLevel(5);
    ASSERT_TRUE(w.action(C::PosSaleVat)->isEnabled());

    w.action(C::PosSaleVat)->trigger();
    ASSERT_EQ(w.workspace()->subWindowList().size(), 1);
    QMdiSubWindow* sub = w.workspace()->subWindowList().first();
    auto* till = qobject_cast<Tpos2*>(sub->widget());
    ASSERT_NE(till, nullptr);
    EXPECT_EQ(till->sale().kind(), 2);
    EXPECT_TRUE(till->sale().isActive()) << "activated when shown";
    EXPECT_TRUE(state.posWindowOpen);

    // While it is open the other entry only brings it back, in the kind it was opened with.
    sub->showMinimized();
    w.action(C::PosSaleFlat)->trigger();
    EXPECT_EQ(w.workspace()->subWindowList().size(), 1);
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_EQ(till->sale().kind(), 2);

    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(state.posWindowOpen);
    w.action(C::PosSaleFlat)->trigger();
    ASSERT_EQ(w.workspace()->subWindowList().size(), 1);
    EXPECT_EQ(qobject_cast<Tpos2*>(w.workspace()->subWindowList().first()->widget())->sale().kind(),
              1);
    EXPECT_TRUE(prompter.texts().isEmpty());
}

} // namespace
