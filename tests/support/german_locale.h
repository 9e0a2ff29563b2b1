#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <string>

namespace varnholt::testing {

// A German locale, whose decimal point is a comma, in force for C and C++ while the object
// lives. It is built into the test's temporary folder: a machine need not have it installed.
class GermanLocale {
public:
    GermanLocale() {
        const std::string dir = ::testing::TempDir() + "varnholt-locale";
        const std::string build = "localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 2>/dev/null";
        if (std::system(("mkdir -p " + dir + " && " + build).c_str()) > 1) return;  // 1: warnings
        setenv("LOCPATH", dir.c_str(), 1);
        saved_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) return;  // not built after all
        std::locale::global(std::locale("de_DE.UTF-8"));     // sets the C locale too
        inForce_ = true;
    }
    ~GermanLocale() {
        if (inForce_) std::locale::global(std::locale::classic());
        if (!saved_.empty()) std::setlocale(LC_ALL, saved_.c_str());
        unsetenv("LOCPATH");
    }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    bool inForce() const { return inForce_; }

private:
    std::string saved_;
    bool inForce_ = false;
};

}  // namespace varnholt::testing
