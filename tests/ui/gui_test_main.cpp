// GUI tests drive the real windows with real input events, on a real X server (xvfb-run).
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <QApplication>
#include <QTemporaryDir>
#include <string_view>

namespace {
// Mesa unloads its driver when the application ends, and what the driver's globals still held
// then looks leaked, from a module the leak check can no longer name. Kept loaded, the driver's
// references stay visible and nothing of it is reported.
void keepOpenGLDriversLoaded() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            const std::string_view name = info->dlpi_name ? info->dlpi_name : "";
            if (name.size() > 7 && name.substr(name.size() - 7) == "_dri.so")
                dlopen(info->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The program registers its file type at start; never in the real home folder.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    // Nor does a window's remembered size go into the real settings.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));
    const int failed = RUN_ALL_TESTS();
    keepOpenGLDriversLoaded();
    return failed;
}
