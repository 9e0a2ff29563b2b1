// Build tool: typesets the maintenance schedule from its HTML source as an A4 PDF. Run on the
// offscreen platform, so the build needs no display.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: varnholt_make_schedule SOURCE.html OUTPUT.pdf\n", stderr);
        return 2;
    }
    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "varnholt_make_schedule: %s\n", qPrintable(source.errorString()));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());

    QPdfWriter pdf(arguments[2]);
    // The document sets its own 2 cm margins and page numbers when it breaks into pages.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Soakaway Inspection and Maintenance Schedule"));
    pdf.setCreator(QStringLiteral("Varnholt"));

    QTextDocument document;
    // Arial's metrics, as the program's windows use them.
    QFont font(QStringLiteral("Liberation Sans"), 10);
    font.setStyleHint(QFont::SansSerif);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 17pt; color: #1f4e79; } h2 { font-size: 12.5pt; color: #1f4e79; }"
        "th { background-color: #dde6ef; text-align: left; } td { vertical-align: top; }"));
    document.setHtml(html);
    document.print(&pdf);
    return 0;
}
