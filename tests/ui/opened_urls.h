#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace varnholt::testing {

// Takes what the program asks the desktop to open in the given schemes, instead of a browser
// or a viewer, for as long as it lives.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    explicit OpenedUrls(QStringList schemes) : schemes_(std::move(schemes)) {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedUrls() override {
        for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> urls;
    QStringList paths() const {
        QStringList local;
        for (const QUrl& url : urls) local << url.toLocalFile();
        return local;
    }

public slots:
    void open(const QUrl& url) { urls << url; }

private:
    QStringList schemes_;
};

}  // namespace varnholt::testing
