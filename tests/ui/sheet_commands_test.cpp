// The data sheet from the main window: the preview, the PDF saved from the File menu and
// from the preview, and printing.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "gui_fixture.h"
#include "pdf_words.h"

namespace varnholt {
namespace {

class SheetCommandsTest : public testing::GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        testing::GuiTest::SetUp();
    }
    void enterInputs() {
        type("txtarea", "100");
        type("txtrain", "0.02");
        type("txtsinf", "0.00001");
    }
    QAction* action(const char* name) const {
        return program->mainWindow().findChild<QAction*>(QString::fromLatin1(name));
    }
    // The preview that is up: its title and how many pages it shows, then it is closed.
    struct Seen {
        QString title;
        int pages = -1;
    };
    static testing::GuiTest::ModalStep lookAtPreview(Seen& seen) {
        return [&seen](QWidget* modal) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
            ASSERT_NE(preview, nullptr) << "no preview";
            seen.title = preview->windowTitle();
            auto* pages = preview->findChild<QPrintPreviewWidget*>();
            ASSERT_NE(pages, nullptr);
            seen.pages = pages->pageCount();
            preview->reject();
        };
    }
    QTemporaryDir dir;
};

TEST_F(SheetCommandsTest, PreviewShowsTheSheetFromEveryPlaceAndKeepsThePageInFront) {
    enterInputs();
    find<QTabWidget>("pcdetail")->setCurrentIndex(1);
    for (const char* place : {"PrintPreview1", "PrintPreview2", "tbprintpreview1_action"}) {
        Seen seen;
        whileModal([&] { action(place)->trigger(); }, lookAtPreview(seen));
        EXPECT_EQ(seen.title, "Varnholt - Calculations") << place;
        EXPECT_EQ(seen.pages, 1) << place;
        EXPECT_EQ(find<QTabWidget>("pcdetail")->currentWidget()->objectName(), "tsring");
        EXPECT_EQ(record().ring.cells[1][1], "        2.91");
    }
}

// The preview opens big enough to read the sheet, its page as wide as the window; a size the
// user gives it stands for the next preview of the run.
TEST_F(SheetCommandsTest, ThePreviewOpensReadableAndReopensAtTheSizeTheUserLeft) {
    enterInputs();
    const QSize userSize(820, 560);
    whileModal([&] { action("PrintPreview1")->trigger(); },
               [&](QWidget* modal) {
                   const QRect room = modal->screen()->availableGeometry();
                   EXPECT_GE(modal->width(), room.width() * 2 / 3);
                   EXPECT_GE(modal->height(), room.height() * 3 / 4);
                   EXPECT_TRUE(room.contains(modal->frameGeometry()));
                   auto* pages = modal->findChild<QPrintPreviewWidget*>();
                   ASSERT_NE(pages, nullptr);
                   EXPECT_EQ(pages->zoomMode(), QPrintPreviewWidget::FitToWidth);
                   modal->resize(userSize);
                   ASSERT_TRUE(eventually([&] { return modal->size() == userSize; }));
                   modal->close();
               });
    whileModal([&] { action("tbprintpreview1_action")->trigger(); },
               [&](QWidget* modal) {
                   EXPECT_EQ(modal->size(), userSize);
                   auto* pages = modal->findChild<QPrintPreviewWidget*>();
                   ASSERT_NE(pages, nullptr);
                   EXPECT_EQ(pages->zoomMode(), QPrintPreviewWidget::FitToWidth);
                   modal->close();
               });
}

TEST_F(SheetCommandsTest, NothingComesUpWhileAMainInputIsEmpty) {
    type("txtarea", "100");  // no rainfall, no infiltration rate
    int opened = 0;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++opened;
            modal->close();
        }
    });
    closer.start();
    for (const char* place : {"PrintPreview1", "Print1", "SaveAsPdf1"}) action(place)->trigger();
    QTest::qWait(50);
    EXPECT_EQ(opened, 0);
}

TEST_F(SheetCommandsTest, SaveAsPdfFromTheFileMenuWritesASheetThatOpens) {
    enterInputs();
    type("projtit", "Garage");
    whileModal([&] { action("SaveAsPdf1")->trigger(); },
               [](QWidget* modal) { answerFileDialog(modal, "garage"); });
    const QString path = dir.filePath("garage.pdf");
    ASSERT_TRUE(QFile::exists(path));
    const std::string info = testing::commandOutput("pdfinfo '" + path.toStdString() + "'");
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    const auto words = testing::pdfWords(path.toStdString());
    EXPECT_EQ(testing::lineAt(words, 42.3, 38), "Garage");
    EXPECT_EQ(testing::lineAt(words, 280.5, 0, 100), "");  // never saved: no file name
}

TEST_F(SheetCommandsTest, ThePreviewSavesThePdfToo) {
    enterInputs();
    withModals([&] { action("tbprintpreview1_action")->trigger(); },
               {[](QWidget* preview) {
                    auto* save = preview->findChild<QAction*>("savePdf");
                    ASSERT_NE(save, nullptr);
                    QTimer::singleShot(0, save, &QAction::trigger);
                },
                [](QWidget* modal) { answerFileDialog(modal, "from-preview"); },
                [](QWidget* preview) { preview->close(); }});
    EXPECT_TRUE(QFile::exists(dir.filePath("from-preview.pdf")));
}

TEST_F(SheetCommandsTest, PrintingWithoutAPrinterSaysSo) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is set up here; the test would print on it";
    enterInputs();
    const QString said =
        messageOf([&] { QTest::keyClick(&program->mainWindow(), Qt::Key_P, Qt::ControlModifier); });
    EXPECT_EQ(said, "No printer is available.");
}

}  // namespace
}  // namespace varnholt
