#include "bug_report_window.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "link_label.h"
#include "svg_pixmap.h"
#include "web_links.h"

namespace varnholt {

BugReportWindow::BugReportWindow(QWidget* parent)
    : FixedDialog(QStringLiteral("Tfrmreportbug"), QStringLiteral("Report a Bug!"), QSize(385, 162),
                  parent) {}

void BugReportWindow::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    auto* group = new QGroupBox(QStringLiteral("Report a Bug!"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    layout->addWidget(group, 1);

    auto* inside = new QHBoxLayout(group);
    inside->setContentsMargins(8, 4, 8, 6);
    inside->setSpacing(10);
    auto* picture = new QLabel(group);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(svgPixmap(QStringLiteral(":/pictures/help/ladybird.svg"), QSize(48, 48)));
    picture->setFixedSize(48, 48);
    inside->addWidget(picture, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* invitation = new QLabel(
        QStringLiteral("If you have discovered a bug or any other problem with our software "
                       "please click on the link below to go to our web site and report your "
                       "findings."),
        group);
    invitation->setObjectName(QStringLiteral("Label1"));
    invitation->setWordWrap(true);
    texts->addWidget(invitation);
    texts->addSpacing(4);
    auto* link = new LinkLabel(QStringLiteral("Label2"), QStringLiteral("Report a Bug!"), group);
    QFont bold = link->font();
    bold.setBold(true);
    link->setFont(bold);
    QPalette blue = link->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    link->setPalette(blue);
    texts->addWidget(link, 0, Qt::AlignHCenter);
    auto* note = new QLabel(QStringLiteral("(Requires Internet connection)"), group);
    note->setObjectName(QStringLiteral("Label3"));
    texts->addWidget(note, 0, Qt::AlignHCenter);
    texts->addStretch(1);
    inside->addLayout(texts, 1);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(link, &LinkLabel::clicked, this, [] { openWebPage(homePage()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace varnholt
