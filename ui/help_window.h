#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QTextBrowser;

namespace varnholt {

// The help pages read inside the program: the same HTML pages the compiled help file is built
// from, installed beside it, so that the help can be read where no program opens that file.
// A list of the pages beside the page shown; links between pages are followed, links to the web
// go to the browser.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // `pagesFolder` holds index.htm and the pages it links to.
    explicit HelpWindow(QString pagesFolder, QWidget* parent = nullptr);

    // Shows the window at `page` (a file name in the folder), in front. False, with nothing
    // shown, when the pages are not there.
    bool showPage(const QString& page = QStringLiteral("index.htm"));
    const QString& pagesFolder() const { return folder_; }
    QTextBrowser* browser() const { return browser_; }

private:
    QString folder_;
    QListWidget* contents_;
    QTextBrowser* browser_;
};

// Where the help pages of a program folder lie.
QString helpPagesFolder(const QString& programFolder);

// The program's one help window, made over the top window of `over` when first wanted, shown
// at `page`. When the pages are missing, a message over `over` says where they belong.
void showHelpPages(const QString& programFolder, const QString& page, QWidget* over);
// A compiled help file opened with the desktop's reader; where there is none, the same pages in
// the help window.
void openCompiledHelp(const QString& file, const QString& programFolder, QWidget* over);

}  // namespace varnholt
