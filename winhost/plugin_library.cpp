#include "plugin_library.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace thornbrake::winhost {
namespace {

std::string WindowsError(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 ? std::string(text, length) : "error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return message;
}

}  // namespace

PluginLibrary::PluginLibrary(const std::filesystem::path& path) : path_(std::filesystem::absolute(path)) {
    module_ = LoadLibraryW(path_.c_str());
    if (module_ == nullptr) {
        throw std::runtime_error(path_.string() + ": cannot load: " + WindowsError(GetLastError()));
    }
}

PluginLibrary::~PluginLibrary() {
    if (module_ != nullptr) FreeLibrary(static_cast<HMODULE>(module_));
}

void PluginLibrary::Unload() {
    if (module_ == nullptr) return;
    const auto module = static_cast<HMODULE>(module_);
    module_ = nullptr;
    if (!FreeLibrary(module)) {
        throw std::runtime_error(path_.string() + ": cannot unload: " + WindowsError(GetLastError()));
    }
    HMODULE stillThere = nullptr;
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, path_.c_str(), &stillThere)) {
        throw std::runtime_error(path_.string() + ": still mapped after FreeLibrary");
    }
}

}  // namespace thornbrake::winhost
