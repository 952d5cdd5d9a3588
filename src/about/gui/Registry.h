#pragma once
// The system registry as the About box reads it: open a key, read one value,
// close the key. Windows has one; elsewhere NoRegistry stands in and says so,
// and the tests use a fake.

#include <cstdint>
#include <memory>
#include <string>

namespace quorvale {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

// The value types the About box tells apart.
enum class RegistryType { String, DWord, Other };

using RegistryKey = std::uintptr_t;

class Registry {
public:
    virtual ~Registry() = default;

    // Whether this system keeps a registry at all.
    virtual bool present() const = 0;
    // Opens `path` below `root` for reading.
    virtual bool openKey(RegistryRoot root, const std::string& path, RegistryKey& key) = 0;
    // Reads value `name` of an open key: its raw bytes (at most `capacity`)
    // and its type.
    virtual bool queryValue(RegistryKey key, const std::string& name, std::size_t capacity, std::string& bytes,
                            RegistryType& type) = 0;
    virtual void closeKey(RegistryKey key) = 0;
};

// A system without a registry: nothing opens.
class NoRegistry final : public Registry {
public:
    bool present() const override { return false; }
    bool openKey(RegistryRoot, const std::string&, RegistryKey&) override { return false; }
    bool queryValue(RegistryKey, const std::string&, std::size_t, std::string&, RegistryType&) override {
        return false;
    }
    void closeKey(RegistryKey) override {}
};

// The registry of the system the program runs on.
std::unique_ptr<Registry> systemRegistry();

// The decimal text of a 32-bit number value read as raw bytes (least
// significant byte first).
std::string dwordText(const std::string& bytes);

}  // namespace quorvale
