#include "about/gui/Registry.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvale {

#ifdef _WIN32
namespace {

HKEY rootHandle(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::Users:
            return HKEY_USERS;
        case RegistryRoot::CurrentConfig:
            return HKEY_CURRENT_CONFIG;
    }
    return HKEY_LOCAL_MACHINE;
}

class WindowsRegistry final : public Registry {
public:
    bool present() const override { return true; }

    // Read access only: asking for write access below HKEY_LOCAL_MACHINE is
    // refused to every user who is not an administrator.
    bool openKey(RegistryRoot root, const std::string& path, RegistryKey& key) override {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(rootHandle(root), path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
            return false;
        }
        key = reinterpret_cast<RegistryKey>(handle);
        return true;
    }

    bool queryValue(RegistryKey key, const std::string& name, std::size_t capacity, std::string& bytes,
                    RegistryType& type) override {
        std::string buffer(capacity, '\0');
        DWORD size = static_cast<DWORD>(capacity);
        DWORD kind = 0;
        if (RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, &kind,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
            return false;
        }
        buffer.resize(size <= capacity ? size : capacity);
        bytes = buffer;
        type = kind == REG_SZ ? RegistryType::String : kind == REG_DWORD ? RegistryType::DWord : RegistryType::Other;
        return true;
    }

    void closeKey(RegistryKey key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

}  // namespace

std::unique_ptr<Registry> systemRegistry() { return std::make_unique<WindowsRegistry>(); }
#else
std::unique_ptr<Registry> systemRegistry() { return std::make_unique<NoRegistry>(); }
#endif

std::string dwordText(const std::string& bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return std::to_string(value);
}

}  // namespace quorvale
