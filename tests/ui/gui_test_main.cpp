// GUI tests drive the real windows with real input events, on a real X server (xvfb-run).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));
    return RUN_ALL_TESTS();
}
