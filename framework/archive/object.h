#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/export.h"

class CArchive;
class CObject;

// A class record's schema may carry this bit: objects of other schemas are then read too (the
// class's Serialize asks the archive for the schema that was stored).
constexpr unsigned VERSIONABLE_SCHEMA = 0x80000000u;

// Run-time class information: the name under which the archive stores the class, its schema
// number, the base class and, for classes that can be created by name, the factory.
struct SABLEKIT_API CRuntimeClass {
    const char* m_lpszClassName;
    unsigned m_wSchema;
    std::unique_ptr<CObject> (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class; null for a class without dynamic creation.
    std::unique_ptr<CObject> CreateObject() const;
    bool IsSerializable() const { return m_pfnCreateObject != nullptr; }
    // True for this class and every class derived from it.
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    // The schema number without the versionable bit.
    unsigned GetSchema() const { return m_wSchema & ~VERSIONABLE_SCHEMA; }
    bool IsVersionable() const { return (m_wSchema & VERSIONABLE_SCHEMA) != 0; }

    // The registered class of a name, or null.
    static const CRuntimeClass* FromName(const std::string& name);
    // Every registered class.
    static std::vector<const CRuntimeClass*> GetRegisteredClasses();
};

// Enters a class in the registry that the archive consults when it reads a class record. A
// second class under a name already registered is ignored.
SABLEKIT_API void RegisterRuntimeClass(const CRuntimeClass* runtimeClass);

struct SABLEKIT_API CRuntimeClassRegistration {
    explicit CRuntimeClassRegistration(const CRuntimeClass* runtimeClass) {
        RegisterRuntimeClass(runtimeClass);
    }
};

// The base of every class that the archive stores: run-time class information and Serialize.
class SABLEKIT_API CObject {
public:
    virtual ~CObject();

    virtual const CRuntimeClass* GetRuntimeClass() const;
    // Stores or loads the object's fields; the base class has none.
    virtual void Serialize(CArchive& archive);
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// In the class body: run-time class information and creation by name.
#define DECLARE_SERIAL(class_name)                                                                           \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    const CRuntimeClass* GetRuntimeClass() const override {                                                  \
        return &class##class_name;                                                                           \
    }                                                                                                        \
    static std::unique_ptr<CObject> CreateObject();

// In one source file of the class: the class record (name, schema) and its registration.
#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                                                \
    std::unique_ptr<CObject> class_name::CreateObject() {                                                    \
        return std::make_unique<class_name>();                                                               \
    }                                                                                                        \
    const CRuntimeClass class_name::class##class_name = {#class_name, (schema), &class_name::CreateObject,   \
                                                         RUNTIME_CLASS(base_class_name)};                    \
    static const CRuntimeClassRegistration s_registration##class_name(RUNTIME_CLASS(class_name));
