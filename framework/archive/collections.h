#pragma once

#include <list>
#include <map>
#include <string>
#include <vector>

#include "framework/archive/object.h"
#include "framework/export.h"

// The three collections of object pointers that the project archive stores. None owns its
// objects. Each is written as its count (CArchive::WriteCount) followed by its elements.

// An array of objects: each element through WriteObject.
class SABLEKIT_API CObArray : public CObject {
public:
    CObArray() = default;
    explicit CObArray(std::vector<CObject*> objects) : m_objects(std::move(objects)) {}

    int GetSize() const { return static_cast<int>(m_objects.size()); }
    CObject* GetAt(int i) const { return m_objects[static_cast<std::size_t>(i)]; }
    void Add(CObject* object) { m_objects.push_back(object); }
    const std::vector<CObject*>& GetObjects() const { return m_objects; }

    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CObArray)

private:
    std::vector<CObject*> m_objects;
};

// A list of objects in order: each element through WriteObject.
class SABLEKIT_API CObList : public CObject {
public:
    CObList() = default;

    int GetCount() const { return static_cast<int>(m_objects.size()); }
    void AddTail(CObject* object) { m_objects.push_back(object); }
    const std::list<CObject*>& GetObjects() const { return m_objects; }

    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CObList)

private:
    std::list<CObject*> m_objects;
};

// A map from texts to objects: each entry as its key (a string) and its object (WriteObject).
// Entries are written in the order of their keys; a key read twice keeps the last object.
class SABLEKIT_API CMapStringToOb : public CObject {
public:
    CMapStringToOb() = default;

    int GetCount() const { return static_cast<int>(m_map.size()); }
    void SetAt(const std::string& key, CObject* object) { m_map[key] = object; }
    // The object of a key, or null.
    CObject* Lookup(const std::string& key) const;
    const std::map<std::string, CObject*>& GetMap() const { return m_map; }

    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CMapStringToOb)

private:
    std::map<std::string, CObject*> m_map;
};
