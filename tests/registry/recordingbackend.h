#pragma once

#include "desktop/registry/registrybackend.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// Passes every call on to a real registry and records it, so tests see exactly what the
// library asked for. Operations named in `failures` fail with the given code instead of
// reaching the registry; those named in `resultsAfterRunning` reach it, then report the
// given code.
class RecordingBackend final : public modRegistry::RegistryBackend {
public:
    struct Call {
        std::string operation;
        modRegistry::RegistryHandle handle = 0;
        std::string text;
        std::uint32_t number = 0; // access mask, data type or index
        std::vector<unsigned char> data;
    };

    explicit RecordingBackend(modRegistry::RegistryBackend& registry) : m_registry(registry) {}

    std::vector<Call> calls;
    std::map<std::string, std::int32_t> failures;
    std::map<std::string, std::int32_t> resultsAfterRunning;

    std::vector<Call> callsOf(const std::string& operation) const
    {
        std::vector<Call> found;
        for (const Call& call : calls) {
            if (call.operation == operation)
                found.push_back(call);
        }
        return found;
    }
    // Handles handed out by open, create or connect and not closed since.
    std::size_t openHandles() const { return m_open.size(); }

    std::int32_t connect(const std::string& computer, modRegistry::RegistryHandle root,
                         modRegistry::RegistryHandle& remoteRoot) override
    {
        return handOut(
            record("connect", root, computer), [&] { return m_registry.connect(computer, root, remoteRoot); },
            remoteRoot);
    }

    std::int32_t openKey(modRegistry::RegistryHandle parent, const std::string& key, std::uint32_t access,
                         modRegistry::RegistryHandle& result) override
    {
        return handOut(
            record("open", parent, key, access),
            [&] { return m_registry.openKey(parent, key, access, result); }, result);
    }

    std::int32_t createKey(modRegistry::RegistryHandle parent, const std::string& key, std::uint32_t access,
                           modRegistry::RegistryHandle& result) override
    {
        return handOut(
            record("create", parent, key, access),
            [&] { return m_registry.createKey(parent, key, access, result); }, result);
    }

    std::int32_t closeKey(modRegistry::RegistryHandle key) override
    {
        m_open.erase(key);
        return forward(record("close", key), [&] { return m_registry.closeKey(key); });
    }

    std::int32_t setValue(modRegistry::RegistryHandle key, const std::string& name, std::uint32_t type,
                          std::span<const unsigned char> data) override
    {
        Call& call = record("set", key, name, type);
        call.data.assign(data.begin(), data.end());
        return forward(call, [&] { return m_registry.setValue(key, name, type, data); });
    }

    std::int32_t queryInfo(modRegistry::RegistryHandle key, modRegistry::RegistryKeyInfo& info) override
    {
        return forward(record("query", key), [&] { return m_registry.queryInfo(key, info); });
    }

    std::int32_t enumKey(modRegistry::RegistryHandle key, std::uint32_t index, std::span<char> name,
                         std::uint32_t& length) override
    {
        return forward(record("enumKey", key, {}, index),
                       [&] { return m_registry.enumKey(key, index, name, length); });
    }

    std::int32_t enumValue(modRegistry::RegistryHandle key, std::uint32_t index, std::span<char> name,
                           std::uint32_t& length) override
    {
        return forward(record("enumValue", key, {}, index),
                       [&] { return m_registry.enumValue(key, index, name, length); });
    }

    std::int32_t deleteValue(modRegistry::RegistryHandle key, const std::string& name) override
    {
        return forward(record("deleteValue", key, name), [&] { return m_registry.deleteValue(key, name); });
    }

    std::int32_t deleteKey(modRegistry::RegistryHandle parent, const std::string& key) override
    {
        return forward(record("deleteKey", parent, key), [&] { return m_registry.deleteKey(parent, key); });
    }

private:
    Call& record(const std::string& operation, modRegistry::RegistryHandle handle,
                 const std::string& text = {}, std::uint32_t number = 0)
    {
        calls.push_back(Call{operation, handle, text, number, {}});
        return calls.back();
    }

    template <typename Operation> std::int32_t forward(const Call& call, Operation operation)
    {
        if (const auto failure = failures.find(call.operation); failure != failures.end())
            return failure->second;
        const std::int32_t status = operation();
        const auto result = resultsAfterRunning.find(call.operation);
        return result != resultsAfterRunning.end() ? result->second : status;
    }

    template <typename Operation>
    std::int32_t handOut(const Call& call, Operation operation, modRegistry::RegistryHandle& handle)
    {
        const std::int32_t status = forward(call, operation);
        if (status == modRegistry::RegistryStatus::Success)
            m_open.insert(handle);
        return status;
    }

    modRegistry::RegistryBackend& m_registry;
    std::set<modRegistry::RegistryHandle> m_open;
};
