// The critical storm assistant as a designer uses it: opened over the worked trench, every
// storm tabled with the governing one marked, and "Use in Design" sizing the trench for it.
#include <QAction>
#include <QTableWidget>

#include "gui_fixture.h"
#include "ui/design_check_dialog.h"

namespace varnholt {
namespace {

class CriticalStormTest : public testing::GuiTest {};

TEST_F(CriticalStormTest, UseInDesignWritesTheGoverningStormAndTheTrenchIsSizedForIt) {
    enterWorkedTrench();
    const std::string length = text("txtlength");
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   EXPECT_EQ(dialog->windowTitle(), "Design Check");
                   auto* table = dialog->findChild<QTableWidget*>("sgstorms");
                   ASSERT_EQ(table->rowCount(), 10);
                   // The longest trench marked in the trench's columns, the deepest ring in the
                   // ring's.
                   const auto& storms = *program->designCheckDialog().logic().storm().table();
                   for (int r = 0; r < table->rowCount(); ++r) {
                       EXPECT_EQ(table->item(r, 6)->font().bold(), r == int(storms.trenchGoverning));
                       EXPECT_EQ(table->item(r, 9)->font().bold(), r == int(storms.ringGoverning));
                   }
                   // A refused ratio leaves no table to use.
                   auto* ratio = dialog->findChild<QLineEdit*>("txtratio");
                   ratio->selectAll();
                   QTest::keyClicks(ratio, "0.5");
                   EXPECT_EQ(table->rowCount(), 0);
                   EXPECT_FALSE(dialog->findChild<QLabel*>("lblproblem")->text().isEmpty());
                   ratio->selectAll();
                   QTest::keyClicks(ratio, "0.3");
                   ASSERT_EQ(table->rowCount(), 10);
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnuse"), Qt::LeftButton);
               });
    const CriticalStormLogic& logic = program->designCheckDialog().logic().storm();
    ASSERT_TRUE(logic.table());
    const auto& governing = logic.table()->rows[logic.table()->trenchGoverning];
    EXPECT_EQ(record().number(Field::txtsdur), governing.rain.minutes);
    EXPECT_NE(text("txtlength"), length) << "the trench is sized for the governing storm";
}

}  // namespace
}  // namespace varnholt
