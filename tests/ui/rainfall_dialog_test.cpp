// The rainfall dialog as a designer uses it: real clicks on the factor tables, the worked
// rainfall sent to the main window, which sizes the trench again, and Cancel, Escape and the
// close box leaving the design alone while the dialog keeps its state for the next opening.
#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "gui_fixture.h"
#include "ui/rainfall_dialog.h"

namespace varnholt {
namespace {

class RainfallDialogTest : public testing::GuiTest {
protected:
    RainfallDialog& dialog() { return program->rainfallDialog(); }
    template <typename T = QWidget>
    T* inDialog(const char* name) {
        return dialog().findChild<T*>(QString::fromLatin1(name));
    }
    QTableWidget* grid(const char* name) { return inDialog<QTableWidget>(name); }
    std::string label(const char* name) { return inDialog<QLabel>(name)->text().toStdString(); }

    // The "Calc..." button beside the rainfall depth; `inside` runs while the dialog is up and
    // must close it.
    void openDialog(const ModalStep& inside) {
        whileModal([&] { QTest::mouseClick(find<QPushButton>("btnrainfall"), Qt::LeftButton); },
                   [&](QWidget* modal) {
                       ASSERT_EQ(modal, &dialog());
                       inside(modal);
                   });
        EXPECT_FALSE(dialog().isVisible());
    }
    void showTab(int index) {
        QTabBar* tabs = inDialog<QTabWidget>("pcfactors")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    static void clickCell(QTableWidget* grid, int row, int column,
                          Qt::MouseButton button = Qt::LeftButton) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), button, {}, cell.center());
    }
    static std::pair<int, int> selected(QTableWidget* grid) {
        return {grid->currentRow(), grid->currentColumn()};
    }
    // Every cell shows whole in the grid's window, with no scrolling.
    static void expectEveryCellWhole(QTableWidget* grid) {
        SCOPED_TRACE(grid->objectName().toStdString());
        EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
        const QRect window = grid->viewport()->rect();
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QRect cell = grid->visualRect(grid->model()->index(r, c));
                const QString text = grid->item(r, c)->text();
                EXPECT_TRUE(window.contains(cell)) << r << "," << c;
                EXPECT_GE(cell.width(), grid->fontMetrics().horizontalAdvance(text) + 6)
                    << r << "," << c << " '" << text.toStdString() << "'";
                EXPECT_GE(cell.height(), grid->fontMetrics().height()) << r << "," << c;
            }
    }
};

TEST_F(RainfallDialogTest, UseInDesignSendsTheWorkedRainfallAndTheTrenchIsSizedAgain) {
    enterWorkedTrench();
    ASSERT_EQ(text("lbltime"), "1.29");

    openDialog([&](QWidget*) {
        EXPECT_TRUE(dialog().isModal());
        EXPECT_EQ(dialog().windowTitle(), "Rainfall Calculations for Z1 and Z2 factors");
        EXPECT_EQ(inDialog<QGroupBox>("GroupBox1")->title(),
                  "The basis for this calculation is the M5-60min storm taken as 20mm for all "
                  "parts of the UK.");
        // Nothing worked out yet: there is no rainfall to send.
        EXPECT_FALSE(inDialog<QPushButton>("btnuse")->isEnabled());

        // One of the longest pairs of result lines.
        clickCell(grid("sgz1"), 7, 10);  // r 0.30, 1440 minutes
        showTab(1);
        clickCell(grid("sgz2"), 7, 1);  // 40 mm, England and Wales
        EXPECT_EQ(label("lblZ1"), "M5-1440min rainfall = 20mm x 2.84 = 56.8mm");
        EXPECT_EQ(label("lblZ2") + label("lblresult"),
                  "M10-1440min rainfall = 56.8mm x 1.19 = 67.592mm");
        expectWhole(inDialog("pnlresults"));
        expectWhole(&dialog());
        showTab(0);

        clickCell(grid("sgz1"), 7, 6);  // r 0.30, 120 minutes
        EXPECT_EQ(label("lblZ1"), "M5-120min rainfall = 20mm x 1.25 = 25mm");
        expectEveryCellWhole(grid("sgz1"));
        showTab(1);
        ASSERT_TRUE(grid("sgz2")->isVisible());
        clickCell(grid("sgz2"), 5, 1);  // 25 mm, England and Wales
        EXPECT_EQ(label("lblZ2"), "M10-120min rainfall = 25mm x 1.24 = ");
        EXPECT_EQ(label("lblresult"), "31mm");
        auto* z2 = inDialog<QLabel>("lblZ2");
        auto* result = inDialog<QLabel>("lblresult");
        EXPECT_EQ(result->x(), z2->x() + z2->width() + 2);
        EXPECT_EQ(result->y(), z2->y());
        EXPECT_GE(z2->width(), z2->fontMetrics().horizontalAdvance(z2->text()));
        expectEveryCellWhole(grid("sgz2"));
        expectWhole(&dialog());

        QTest::mouseClick(inDialog<QPushButton>("btnuse"), Qt::LeftButton);
    });
    EXPECT_EQ(text("txtrain"), "0.031");
    EXPECT_EQ(record().text(Field::txtsdur), "60");
    // More rain in the same storm: the width stays and the trench grows longer.
    EXPECT_EQ(text("lblwid"), "0.32");
    EXPECT_GT(std::stod(text("txtlength")), 10.01);
}

TEST_F(RainfallDialogTest, CancelEscapeAndCloseBoxWriteNothingAndTheStateStays) {
    type("txtrain", "0.02");
    QTableWidget* sgz1 = nullptr;
    openDialog([&](QWidget*) {
        sgz1 = grid("sgz1");
        EXPECT_EQ(selected(sgz1), std::make_pair(1, 1));
        // Headings take no selection and work nothing out from one.
        for (auto [row, column] : {std::pair{0, 3}, std::pair{4, 0}, std::pair{0, 0}}) {
            clickCell(sgz1, row, column);
            EXPECT_EQ(selected(sgz1), std::make_pair(1, 1));
        }
        clickCell(sgz1, 2, 10);
        EXPECT_EQ(label("lblZ1"), "M5-1440min rainfall = 20mm x 4.9 = 98mm");
        EXPECT_EQ(label("lblZ2"), "M10-1440min rainfall = 98mm x 1.19 = ");
        EXPECT_EQ(label("lblresult"), "116.62mm");
        QTest::keyClick(sgz1, Qt::Key_Escape);
    });
    EXPECT_EQ(text("txtrain"), "0.02");

    openDialog([&](QWidget*) {
        EXPECT_EQ(grid("sgz1"), sgz1);  // the same window, not a new one
        EXPECT_EQ(selected(sgz1), std::make_pair(2, 10));
        EXPECT_EQ(label("lblZ1"), "M5-1440min rainfall = 20mm x 4.9 = 98mm");
        EXPECT_TRUE(inDialog<QPushButton>("btnuse")->isEnabled());
        // Only the left button selects; any release works out the selection.
        clickCell(sgz1, 5, 5, Qt::RightButton);
        EXPECT_EQ(selected(sgz1), std::make_pair(2, 10));
        EXPECT_EQ(label("lblZ1"), "M5-1440min rainfall = 20mm x 4.9 = 98mm");
        // The keyboard moves the selection, and the labels follow what is highlighted.
        QTest::keyClick(sgz1, Qt::Key_Left);
        EXPECT_EQ(selected(sgz1), std::make_pair(2, 9));
        EXPECT_EQ(label("lblZ1"), "M5-600min rainfall = 20mm x 3.23 = 64.6mm");
        QTest::mouseClick(inDialog<QPushButton>("btncancel"), Qt::LeftButton);
    });
    EXPECT_EQ(text("txtrain"), "0.02");

    openDialog([&](QWidget*) {
        EXPECT_EQ(selected(sgz1), std::make_pair(2, 9));
        EXPECT_EQ(label("lblZ1"), "M5-600min rainfall = 20mm x 3.23 = 64.6mm");
        dialog().close();  // the window's close box
    });
    EXPECT_EQ(text("txtrain"), "0.02");
}

}  // namespace
}  // namespace varnholt
