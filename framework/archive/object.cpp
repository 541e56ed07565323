#include "framework/archive/object.h"

#include <map>

namespace {

std::map<std::string, const CRuntimeClass*>& Registry() {
    static std::map<std::string, const CRuntimeClass*> registry;
    return registry;
}

} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", 0xFFFFu, nullptr, nullptr};

CObject::~CObject() = default;

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return &classCObject;
}

void CObject::Serialize(CArchive&) {}

bool CObject::IsKindOf(const CRuntimeClass* runtimeClass) const {
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const std::string& name) {
    auto& registry = Registry();
    auto it = registry.find(name);
    return it != registry.end() ? it->second : nullptr;
}

std::vector<const CRuntimeClass*> CRuntimeClass::GetRegisteredClasses() {
    std::vector<const CRuntimeClass*> classes;
    for (const auto& [name, runtimeClass] : Registry()) {
        classes.push_back(runtimeClass);
    }
    return classes;
}

void RegisterRuntimeClass(const CRuntimeClass* runtimeClass) {
    if (runtimeClass != nullptr && runtimeClass->m_lpszClassName != nullptr) {
        Registry().emplace(runtimeClass->m_lpszClassName, runtimeClass);
    }
}
