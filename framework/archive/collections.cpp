#include "framework/archive/collections.h"

#include "framework/archive/archive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)

void CObArray::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteCount(m_objects.size());
        for (const CObject* object : m_objects) {
            archive.WriteObject(object);
        }
        return;
    }
    m_objects.clear();
    // Every element takes at least two bytes: the count cannot ask for more than the file holds.
    std::uint64_t count = archive.ReadCount();
    for (std::uint64_t i = 0; i < count; ++i) {
        m_objects.push_back(archive.ReadObject(nullptr));
    }
}

void CObList::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteCount(m_objects.size());
        for (const CObject* object : m_objects) {
            archive.WriteObject(object);
        }
        return;
    }
    m_objects.clear();
    std::uint64_t count = archive.ReadCount();
    for (std::uint64_t i = 0; i < count; ++i) {
        m_objects.push_back(archive.ReadObject(nullptr));
    }
}

CObject* CMapStringToOb::Lookup(const std::string& key) const {
    auto it = m_map.find(key);
    return it != m_map.end() ? it->second : nullptr;
}

void CMapStringToOb::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteCount(m_map.size());
        for (const auto& [key, object] : m_map) {
            archive << key;
            archive.WriteObject(object);
        }
        return;
    }
    m_map.clear();
    std::uint64_t count = archive.ReadCount();
    for (std::uint64_t i = 0; i < count; ++i) {
        std::string key;
        archive >> key;
        m_map[key] = archive.ReadObject(nullptr);
    }
}
