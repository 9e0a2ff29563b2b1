#include "help_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeDatabase>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "design_session.h"
#include "desktop_open.h"

namespace varnholt {

namespace {

// The pages in the order of the help file's table of contents.
struct Page {
    const char* file;
    const char* title;
};
constexpr Page kPages[] = {
    {"index.htm", "Varnholt Help"},
    {"trial_pit_test.htm", "The trial pit soakage test"},
    {"trial_pit_calculator.htm", "Calculating the infiltration rate"},
    {"soil_table.htm", "The soil table"},
};

}  // namespace

QString helpPagesFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("help/html"));
}

HelpWindow::HelpWindow(QString pagesFolder, QWidget* parent)
    : QDialog(parent),
      folder_(std::move(pagesFolder)),
      contents_(new QListWidget(this)),
      browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Tfrmhelp"));
    setWindowTitle(QStringLiteral("Varnholt Help"));
    setWindowFlags(Qt::Window);
    setSizeGripEnabled(true);

    contents_->setObjectName(QStringLiteral("helpcontents"));
    for (const Page& p : kPages) {
        auto* item = new QListWidgetItem(QString::fromLatin1(p.title), contents_);
        item->setData(Qt::UserRole, QString::fromLatin1(p.file));
    }
    contents_->setMaximumWidth(contents_->sizeHintForColumn(0) + 24);

    browser_->setObjectName(QStringLiteral("helpbrowser"));
    browser_->setOpenLinks(false);  // pages here, web addresses in the browser
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.isRelative() || url.isLocalFile())
            browser_->setSource(url);
        else
            openAddressOrSay(url, this);
    });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });

    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("btnback"));
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("btnclose"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(760, 560);
}

bool HelpWindow::showPage(const QString& page) {
    const QString file = QDir(folder_).filePath(page);
    if (!QFileInfo(file).isFile()) return false;
    browser_->setSearchPaths({folder_});
    browser_->setSource(QUrl::fromLocalFile(file));
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->data(Qt::UserRole).toString() == page) contents_->setCurrentRow(i);
    if (parentWidget() && !isVisible()) {
        const QRect over = parentWidget()->window()->frameGeometry();
        move(over.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    return true;
}

void showHelpPages(const QString& programFolder, const QString& page, QWidget* over) {
    static QPointer<HelpWindow> window;
    // Over the window that asked, which may be a modal dialog that would block it otherwise.
    QWidget* top = over ? over->window() : nullptr;
    const QString folder = helpPagesFolder(programFolder);
    if (!window || window->pagesFolder() != folder) {
        delete window;
        window = new HelpWindow(folder, top);
    } else if (window->parentWidget() != top) {
        window->setParent(top, window->windowFlags());
    }
    if (!window->showPage(page))
        showInformation(over, QStringLiteral("The help pages could not be found. They belong in "
                                             "%1; you may have to re-install Varnholt.")
                                  .arg(QDir::toNativeSeparators(folder))
                                  .toStdString());
}

void openCompiledHelp(const QString& file, const QString& programFolder, QWidget* over) {
    const QString mime = QMimeDatabase().mimeTypeForFile(file).name();
    if (desktopHasApplicationFor(mime) && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return;
    showHelpPages(programFolder, QStringLiteral("index.htm"), over);
}

}  // namespace varnholt
