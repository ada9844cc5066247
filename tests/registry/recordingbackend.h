#pragma once

#include "desktop/registry/registrybackend.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// Passes every call on to a real registry and records it, so tests see what the library asked
// for. A call named in `failing` answers with that code without reaching the registry; one
// named in `answerAfterRunning` reaches it, then answers with that code.
class RecordingBackend final : public modRegistry::RegistryBackend {
public:
    using Handle = modRegistry::RegistryHandle;

    struct Call {
        std::string operation;
        Handle handle;
        std::string text;
        std::uint32_t number; // access mask or data type
    };

    explicit RecordingBackend(modRegistry::RegistryBackend& registry) : m_registry(registry) {}

    std::vector<Call> calls;
    std::map<std::string, std::int32_t> failing;
    std::map<std::string, std::int32_t> answerAfterRunning;
    // Handles handed out by open, create or connect and not closed since.
    std::set<Handle> open;

    std::int32_t connect(const std::string& computer, Handle root, Handle& remoteRoot) override
    {
        return handOut(run({"connect", root, computer, 0},
                           [&] { return m_registry.connect(computer, root, remoteRoot); }),
                       remoteRoot);
    }
    std::int32_t openKey(Handle parent, const std::string& key, std::uint32_t access, Handle& result) override
    {
        return handOut(run({"open", parent, key, access},
                           [&] { return m_registry.openKey(parent, key, access, result); }),
                       result);
    }
    std::int32_t createKey(Handle parent, const std::string& key, std::uint32_t access,
                           Handle& result) override
    {
        return handOut(run({"create", parent, key, access},
                           [&] { return m_registry.createKey(parent, key, access, result); }),
                       result);
    }
    std::int32_t closeKey(Handle key) override
    {
        open.erase(key);
        return run({"close", key, {}, 0}, [&] { return m_registry.closeKey(key); });
    }
    std::int32_t setValue(Handle key, const std::string& name, std::uint32_t type,
                          std::span<const unsigned char> data) override
    {
        return run({"set", key, name, type}, [&] { return m_registry.setValue(key, name, type, data); });
    }
    std::int32_t queryInfo(Handle key, modRegistry::RegistryKeyInfo& info) override
    {
        return run({"query", key, {}, 0}, [&] { return m_registry.queryInfo(key, info); });
    }
    std::int32_t enumKey(Handle key, std::uint32_t index, std::span<char> name,
                         std::uint32_t& length) override
    {
        return run({"enumKey", key, {}, index}, [&] { return m_registry.enumKey(key, index, name, length); });
    }
    std::int32_t enumValue(Handle key, std::uint32_t index, std::span<char> name,
                           std::uint32_t& length) override
    {
        return run({"enumValue", key, {}, index},
                   [&] { return m_registry.enumValue(key, index, name, length); });
    }
    std::int32_t deleteValue(Handle key, const std::string& name) override
    {
        return run({"deleteValue", key, name, 0}, [&] { return m_registry.deleteValue(key, name); });
    }
    std::int32_t deleteKey(Handle parent, const std::string& key) override
    {
        return run({"deleteKey", parent, key, 0}, [&] { return m_registry.deleteKey(parent, key); });
    }

private:
    template <typename Operation> std::int32_t run(Call call, Operation operation)
    {
        calls.push_back(std::move(call));
        const std::string& name = calls.back().operation;
        if (const auto failure = failing.find(name); failure != failing.end())
            return failure->second;
        const std::int32_t status = operation();
        const auto answer = answerAfterRunning.find(name);
        return answer != answerAfterRunning.end() ? answer->second : status;
    }
    std::int32_t handOut(std::int32_t status, const Handle& handle)
    {
        if (status == modRegistry::RegistryStatus::Success)
            open.insert(handle);
        return status;
    }

    modRegistry::RegistryBackend& m_registry;
};
