#include "freedesktop_files.h"

namespace varnholt {

std::string desktopExecProgram(const std::string& executable) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    const bool quote = executable.find_first_of(reserved) != std::string::npos;
    std::string argument = quote ? "\"" : "";
    for (const char c : executable) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += '\\';
        argument += c;
        if (c == '%') argument += '%';  // a lone % would start a field code
    }
    if (quote) argument += '"';

    // The entry file's string escapes are undone before the Exec quoting, so they go on last.
    std::string value;
    for (const char c : argument) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

std::string desktopEntry(const std::string& executable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Varnholt\n"
           "GenericName=Soakaway Design\n"
           "Comment=Size trench and ring soakaways for storm water\n"
           "Exec=" +
           desktopExecProgram(executable) +
           " %f\n"
           "Icon=varnholt\n"
           "MimeType=" +
           std::string(kProjectMimeType) +
           ";\n"
           "Terminal=false\n"
           "Categories=Science;Engineering;\n";
}

std::string mimePackage() {
    const std::string type(kProjectMimeType);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           type +
           "\">\n"
           "    <comment>Varnholt File</comment>\n"
           "    <sub-class-of type=\"text/plain\"/>\n"
           "    <icon name=\"application-x-varnholt\"/>\n"
           "    <glob pattern=\"*.vhl\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

}  // namespace varnholt
