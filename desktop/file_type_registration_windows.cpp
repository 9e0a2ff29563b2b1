#ifdef _WIN32

#include <shlobj.h>
#include <windows.h>

#include <cwchar>

#include "file_type_registration.h"

namespace varnholt {

namespace {

void fail(RegistrationOutcome& outcome, const std::string& message) {
    outcome.ok = false;
    if (!outcome.error.empty()) outcome.error += '\n';
    outcome.error += message;
}

std::wstring widen(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), n);
    return wide;
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

std::string systemText(LSTATUS status) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (n == 0 || buffer == nullptr) return "Error " + std::to_string(status);
    std::wstring text(buffer, n);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.'))
        text.pop_back();
    return narrow(text);
}

// The unnamed value of an open key; empty when it is missing or not a plain string.
std::wstring defaultValue(HKEY key) {
    DWORD bytes = 0;
    if (RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return {};
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return {};
    text.resize(std::wcslen(text.c_str()));
    return text;
}

// The per-user classes need no administrator and take precedence over the machine's.
void setDefaultValue(const std::wstring& key, const std::wstring& value,
                     RegistrationOutcome& outcome) {
    const std::wstring path = L"Software\\Classes\\" + key;
    HKEY handle = nullptr;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        if (defaultValue(handle) != value) {
            const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
            status = RegSetValueExW(handle, nullptr, 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(value.c_str()), bytes);
            if (status == ERROR_SUCCESS) outcome.changed = true;
        }
        RegCloseKey(handle);
    }
    if (status != ERROR_SUCCESS)
        fail(outcome, "Cannot write the registry key \"HKEY_CURRENT_USER\\" + narrow(path) +
                          "\". " + systemText(status) + ".");
}

}  // namespace

std::string xdgDataHome() {
    return {};
}

RegistrationOutcome registerFileType(const FileTypeRegistration& what) {
    RegistrationOutcome outcome;
    const std::wstring program = widen(what.executable);
    if (program.empty()) {
        fail(outcome, "Cannot register the file type: the program path is not known.");
        return outcome;
    }
    const std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
    const std::wstring type = L"Varnholt_FileRef";
    setDefaultValue(L".vhl", type, outcome);
    setDefaultValue(type, L"Varnholt File", outcome);
    setDefaultValue(type + L"\\DefaultIcon", folder + L"vh35finaldoc.ico", outcome);
    // Quoted, so that a program or project path with blanks stays one word each.
    setDefaultValue(type + L"\\Shell\\Open\\Command", L"\"" + program + L"\" \"%1\"", outcome);
    // Explorer keeps showing the old association until it is told.
    if (outcome.changed) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return outcome;
}

}  // namespace varnholt

#endif
