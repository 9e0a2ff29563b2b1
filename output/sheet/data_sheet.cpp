#include "data_sheet.h"

#include <QDate>
#include <QLocale>

#ifndef VARNHOLT_WEB_HOST
#define VARNHOLT_WEB_HOST "https://www.corvane.example"
#endif

// The logo is compiled into this static library, which must register it itself.
static void registerSheetResources() {
    Q_INIT_RESOURCE(sheet);
}

namespace varnholt {

using report::Box;
using report::Label;
using report::Line;
using report::Page;
using report::Picture;
using report::TextStyle;

namespace {

const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

// Arial's metrics.
TextStyle style(double points, bool bold, bool italic, QColor colour = Qt::black) {
    return {QStringLiteral("Liberation Sans"), points, bold, italic, colour};
}
const TextStyle kTitle = style(26, true, true, kBlue);
const TextStyle kHeading = style(14, true, true);
const TextStyle kCaption = style(10, true, true);
const TextStyle kValue = style(10, false, false);
const TextStyle kNote = style(10, false, false, kBlue);
const TextStyle kWarning = style(10, true, true, kRed);
const TextStyle kFooter = style(10, false, true);

// Where values of any length end: inside the boxes' right edge, and clear of what follows.
constexpr double kValueRight = 193.0;
constexpr double kGap = 2.0;
constexpr double kFileRight = 160.0;

constexpr double kRowY[] = {184.9, 191.3, 197.9, 204.3, 210.6, 217.0, 223.3, 229.7, 236.0};
constexpr const char* kRingSizes[] = {"900",  "1050", "1200", "1350", "1500",
                                      "1800", "2100", "2400", "2700"};

class Layout {
public:
    Page page;

    void text(double x, double y, const char* fixed, const TextStyle& s) {
        Label l;
        l.at = {x, y};
        l.text = QString::fromUtf8(fixed);
        l.style = s;
        page.elements.emplace_back(std::move(l));
    }
    Label& value(const char* name, double x, double y, const TextStyle& s = kValue) {
        Label l;
        l.name = QString::fromLatin1(name);
        l.at = {x, y};
        l.style = s;
        page.elements.emplace_back(std::move(l));
        return std::get<Label>(page.elements.back());
    }
    // A value typed or computed, of any length: it keeps to its place up to `right`.
    Label& fitted(const char* name, double x, double y, double right, const TextStyle& s = kValue) {
        Label& l = value(name, x, y, s);
        l.fixedWidth = right - x;
        l.shrinkToFit = true;
        return l;
    }
    void pair(const char* caption, double cx, double cy, const char* name, double vx, double vy,
              double right) {
        text(cx, cy, caption, kCaption);
        fitted(name, vx, vy, right);
    }
    // A fixed text that gives way to a notice.
    void caption(const char* name, const char* fixed, double x, double y) {
        value(name, x, y, kCaption).text = QString::fromUtf8(fixed);
    }
    // Two lines at most, wrapped within the box; hidden while it has nothing to say.
    void notice(const char* name, double x, double y, double width) {
        Label& l = value(name, x, y, kWarning);
        l.fixedWidth = width;
        l.fixedHeight = 9.5;
        l.wordWrap = true;
    }
    void box(double x, double y, double w, double h) {
        page.elements.emplace_back(Box{QRectF(x, y, w, h), true});
    }
    void rule(QPointF from, QPointF to) { page.elements.emplace_back(Line{from, to, kRuleWidth}); }

    // The table rules are bands 0.5 mm thick; the line runs along the middle of each.
    static constexpr double kRuleBand = 0.5;
    static constexpr double kRuleWidth = 0.3;
};

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString ringCell(int column, int row) {
    return QStringLiteral("QR%1%2").arg(column).arg(row);
}

}  // namespace

Page dataSheetLayout(const QString& webAddress) {
    registerSheetResources();
    Layout l;
    l.text(14.8, 13.2, "Varnholt 4.0", kTitle);
    l.page.elements.emplace_back(
        Picture{QRectF(158.8, 12.7, 40.0, 13.5), QStringLiteral(":/sheet/logo.svg"), {}});
    Label& web = l.value("webAddress", 158.8, 26.2,
                         TextStyle{QStringLiteral("Tahoma"), 8, false, false, kBlue});
    web.text = webAddress;

    l.text(15.3, 34.1, "Project Details", kHeading);
    l.box(14.8, 40.7, 180.2, 15.3);
    l.text(16.9, 42.3, "Project Title: ", kCaption);
    l.fitted("QRprojtit", 38.9, 42.3, kValueRight);
    l.pair("Project Number: ", 16.9, 49.2, "QRprojnum", 45.8, 49.2, 87.3 - kGap);
    l.pair("Designer: ", 87.3, 49.2, "QRdesname", 104.2, 49.2, kValueRight);

    l.text(15.3, 57.4, "Global Variables", kHeading);
    l.box(15.3, 64.3, 179.7, 68.8);
    l.pair("Impermeable Area :- ", 16.9, 66.1, "QRtxtarea", 50.8, 66.1, 105.3 - kGap);
    l.pair("Storm Duration :- ", 16.9, 72.5, "QRtxtsdur", 47.9, 72.5, 105.3 - kGap);
    l.pair("Void Ratio :-", 16.9, 78.8, "QRtxtvr", 38.4, 78.8, 105.3 - kGap);
    l.pair("Factor of Safety :- ", 16.9, 85.2, "qrtxtfos", 47.4, 85.2, 105.3 - kGap);
    l.pair("Half Empty failure time (hrs) :- ", 16.4, 91.5, "qrtxthalffail", 68.5, 91.5,
           105.3 - kGap);
    l.pair("Soil Infiltration Rate :- ", 105.3, 66.1, "QRtxtsinf", 142.9, 66.1, kValueRight);
    l.pair("Rainfall :- ", 105.3, 72.5, "QRtxtrain", 122.8, 72.5, kValueRight);
    l.pair("Volumetric Runoff Coeff :- ", 105.3, 78.8, "QRtxtvrc", 151.6, 78.8, kValueRight);
    l.pair("Ring soakaway failure depth :- ", 105.3, 85.2, "qrtxtringfail", 158.5, 85.2,
           kValueRight);
    l.value("qrtrenchbase", 16.9, 99.5, kNote);
    l.value("qrringbase", 16.9, 105.8, kNote);
    l.value("qrringsurround", 16.9, 112.2, kNote);
    Label& filter = l.value("qrfiltertrench", 16.9, 118.5, kNote);
    filter.fixedWidth = 175.9;
    filter.fixedHeight = 13.0;
    filter.wordWrap = true;

    l.text(15.3, 134.7, "Trench Soakaway", kHeading);
    l.box(15.3, 141.3, 179.7, 22.0);
    l.pair("Length :-", 18.5, 144.2, "QRtxtlength", 34.4, 144.2, 82.5 - kGap);
    l.pair("Width :-", 82.5, 144.2, "QRlblwid", 96.0, 144.2, 138.9 - kGap);
    l.pair("Depth :-", 138.9, 144.2, "QRtxtdepth", 152.4, 144.2, kValueRight);
    l.caption("qrtimecaption", "Half empty time :-", 18.5, 150.5);
    l.fitted("QRlbltime", 48.7, 150.5, 88.9 - kGap);
    l.value("QRwarning", 88.9, 150.5, kWarning);
    l.caption("qrsurfacecaption", "Surface area of exfiltration :- ", 18.5, 156.9);
    l.value("qrsurface", 67.7, 156.9);
    // In the place of the two lines it makes meaningless.
    l.notice("qrtrenchnotice", 18.5, 150.5, 174.0);
    // Crates only: the fill beside the heading, the tank beside the surface area.
    l.fitted("qrtrenchfill", 64.0, 135.6, kValueRight, kNote);
    l.caption("qrcratescaption", "Crates :-", 104.0, 156.9);
    l.fitted("qrcrates", 121.0, 156.9, kValueRight);

    l.text(15.3, 165.9, "Precast Concrete Ring Soakaway", kHeading);
    l.box(15.3, 172.2, 179.7, 71.7);
    l.text(23.8, 174.4, "Ring Size (mm)", kCaption);
    l.text(86.3, 174.4, "Depth (metres)", kCaption);
    l.text(138.9, 174.4, "Half Empty Time (hours)", kCaption);
    for (int row = 1; row <= 9; ++row) {
        const double y = kRowY[row - 1];
        l.text(row == 1 ? 32.3 : 30.4, y, kRingSizes[row - 1], kValue);
        l.value(ringCell(1, row).toLatin1().constData(), 86.3, y);
        l.value(ringCell(2, row).toLatin1().constData(), 139.2, y);
    }
    const double mid = Layout::kRuleBand / 2;
    for (int n = 0; n <= 9; ++n) {
        const double y = 182.8 + n * 6.35 + mid;
        l.rule({21.2, y}, {21.2 + 167.5, y});
    }
    for (double x : {72.0, 124.9}) l.rule({x + mid, 182.8}, {x + mid, 182.8 + 57.7});

    l.text(15.3, 246.3, "Variable Ring Varnholt", kHeading);
    l.box(15.3, 252.9, 179.7, 17.2);
    l.text(23.3, 254.8, "Diameter (mm)", kCaption);
    l.text(86.8, 254.8, "Depth (metres)", kCaption);
    l.text(139.7, 254.8, "Half Empty Time (hours)", kCaption);
    l.fitted("qrvardia", 23.3, 261.4, 86.8 - kGap);
    l.fitted("qrvardepth", 86.8, 261.4, 139.7 - kGap);
    l.fitted("qrvarhalf", 139.7, 261.4, kValueRight);
    l.notice("qrringnotice", 16.9, 270.9, 176.0);

    // A path of any length, clear of the date at the other end of the line.
    l.fitted("QRcurrentfile", 11.9, 280.5, kFileRight, kFooter);
    l.value("QRdate", 193.7, 280.5, kFooter).alignment = Qt::AlignRight;
    return l.page;
}

void fillDataSheet(Page& page, const SheetContent& c) {
    const std::pair<const char*, const std::string*> values[] = {
        {"QRprojtit", &c.QRprojtit},
        {"QRprojnum", &c.QRprojnum},
        {"QRdesname", &c.QRdesname},
        {"QRtxtarea", &c.QRtxtarea},
        {"QRtxtsdur", &c.QRtxtsdur},
        {"QRtxtvr", &c.QRtxtvr},
        {"QRtxtvrc", &c.QRtxtvrc},
        {"QRtxtsinf", &c.QRtxtsinf},
        {"QRtxtrain", &c.QRtxtrain},
        {"qrtxtfos", &c.qrtxtfos},
        {"qrtxtringfail", &c.qrtxtringfail},
        {"qrtxthalffail", &c.qrtxthalffail},
        {"qrtrenchbase", &c.qrtrenchbase},
        {"qrringbase", &c.qrringbase},
        {"qrringsurround", &c.qrringsurround},
        {"qrfiltertrench", &c.qrfiltertrench},
        {"QRtxtlength", &c.QRtxtlength},
        {"QRlblwid", &c.QRlblwid},
        {"QRtxtdepth", &c.QRtxtdepth},
        {"QRlbltime", &c.QRlbltime},
        {"qrsurface", &c.qrsurface},
        {"QRwarning", &c.QRwarning},
        {"qrvardia", &c.qrvardia},
        {"qrvardepth", &c.qrvardepth},
        {"qrvarhalf", &c.qrvarhalf},
        {"QRcurrentfile", &c.QRcurrentfile},
        {"QRdate", &c.QRdate},
    };
    for (const auto& [name, text] : values)
        if (Label* label = page.label(QString::fromLatin1(name))) label->text = q(*text);
    const bool trenchNotice = !c.qrtrenchnotice.empty();
    for (const char* name : {"qrtimecaption", "qrsurfacecaption"})
        if (Label* label = page.label(QString::fromLatin1(name))) label->visible = !trenchNotice;
    for (const auto& [name, text] :
         {std::pair{"qrtrenchfill", &c.qrtrenchfill}, {"qrcrates", &c.qrcrates}}) {
        if (Label* label = page.label(QString::fromLatin1(name))) {
            label->text = q(*text);
            label->visible = !text->empty();
        }
    }
    if (Label* label = page.label(QStringLiteral("qrcratescaption")))
        label->visible = !c.qrcrates.empty();
    for (const auto& [name, text] :
         {std::pair{"qrtrenchnotice", &c.qrtrenchnotice}, {"qrringnotice", &c.qrringnotice}})
        if (Label* label = page.label(QString::fromLatin1(name))) {
            label->text = q(*text);
            label->visible = !text->empty();
        }
    for (int row = 1; row <= RingDesign::kRows; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        if (Label* depth = page.label(ringCell(1, row))) depth->text = q(c.ringDepths[i]);
        if (Label* half = page.label(ringCell(2, row))) half->text = q(c.ringHalfTimes[i]);
    }
}

report::Report dataSheetReport(const QString& webAddress, std::function<SheetContent()> content) {
    report::Report report(dataSheetLayout(webAddress), QString::fromLatin1(kDataSheetTitle));
    report.beforeRender = [content = std::move(content)](Page& page) {
        fillDataSheet(page, content());
    };
    return report;
}

QString sheetWebAddress() {
    // The same setting as the program's web links: the environment overrides the build.
    QString address = qEnvironmentVariable("VARNHOLT_WEB_HOST");
    if (address.isEmpty()) address = QStringLiteral(VARNHOLT_WEB_HOST);
    for (const char* scheme : {"https://", "http://"})
        if (address.startsWith(QLatin1String(scheme))) address.remove(0, int(qstrlen(scheme)));
    while (address.endsWith(QLatin1Char('/'))) address.chop(1);
    return address;
}

std::string sheetDateToday() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace varnholt
