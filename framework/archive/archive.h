#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/archive/object.h"
#include "framework/exceptions/archive_exception.h"
#include "framework/export.h"

class CSableDocument;
struct CIntPoint;
struct CIntRect;

// The binary object archive of the project files, in the byte layout of the Windows framework's
// CArchive:
//  - scalars little-endian: BYTE, WORD (16 bits), int and DWORD (32 bits), 64-bit values, doubles
//    as IEEE 754 64-bit values;
//  - strings as a length and the 8-bit characters: a length below 255 in one byte, else 0xFF and
//    a 16-bit length below 0xFFFE, else 0xFF 0xFFFF and a 32-bit length, else 0xFF 0xFFFF
//    0xFFFFFFFF and a 64-bit length (the 16-bit length 0xFFFE marks a string of 16-bit
//    characters, which is read and narrowed);
//  - objects through WriteObject: the null object as the WORD 0; a class not written before as
//    the WORD 0xFFFF, its schema (WORD), the name's length (WORD) and the name, a class written
//    before as the WORD 0x8000 | its index; then the object's own fields. An object written
//    before is the WORD of its index. Classes and objects are numbered in one index space from 1
//    in the order they are first written; an index of 0x7FFF or more is written as the WORD
//    0x7FFF and a DWORD (with bit 31 set for a class);
//  - collection counts as a WORD, or 0xFFFF and a DWORD (WriteCount).
//
// A storing archive collects the bytes in memory (GetBuffer); a loading archive reads from a
// copy of the bytes it is given. Every read past the end raises CArchiveException::endOfFile.
//
// A loading archive owns the objects it creates until the reader takes them over (ReleaseObject);
// whatever is not taken over is destroyed with the archive.
class SABLEKIT_API CArchive {
public:
    enum Mode { store = 0, load = 1 };

    static constexpr std::uint16_t wNullTag = 0;
    static constexpr std::uint16_t wNewClassTag = 0xFFFF;
    static constexpr std::uint16_t wClassTag = 0x8000;
    static constexpr std::uint32_t dwBigClassTag = 0x80000000u;
    static constexpr std::uint16_t wBigObjectTag = 0x7FFF;
    static constexpr std::uint32_t nMaxMapCount = 0x3FFFFFFEu;

    // A storing archive.
    explicit CArchive(std::string fileName = std::string());
    // A loading archive over the bytes.
    CArchive(std::string bytes, std::string fileName);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }
    const std::string& GetFileName() const { return m_strFileName; }

    // The document being stored or loaded (the object bodies may consult it).
    CSableDocument* m_pDocument = nullptr;

    // ---- raw bytes ----

    // The bytes stored so far.
    const std::string& GetBuffer() const { return m_buffer; }
    void Write(const void* data, std::size_t size);
    // Reads exactly size bytes or raises endOfFile (nothing is consumed then).
    void Read(void* data, std::size_t size);
    // Bytes not yet read (loading).
    std::size_t GetRemaining() const { return m_buffer.size() - m_position; }
    std::size_t GetPosition() const { return m_position; }

    // ---- scalars ----

    CArchive& operator<<(std::uint8_t value);
    CArchive& operator<<(std::uint16_t value);
    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(std::uint32_t value);
    CArchive& operator<<(std::int64_t value);
    CArchive& operator<<(std::uint64_t value);
    CArchive& operator<<(double value);
    CArchive& operator>>(std::uint8_t& value);
    CArchive& operator>>(std::uint16_t& value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(std::uint32_t& value);
    CArchive& operator>>(std::int64_t& value);
    CArchive& operator>>(std::uint64_t& value);
    CArchive& operator>>(double& value);

    // A point as x, y and a rectangle as left, top, right, bottom (ints).
    CArchive& operator<<(const CIntPoint& point);
    CArchive& operator<<(const CIntRect& rect);
    CArchive& operator>>(CIntPoint& point);
    CArchive& operator>>(CIntRect& rect);

    // ---- strings ----

    CArchive& operator<<(const std::string& text);
    CArchive& operator>>(std::string& text);
    void WriteStringLength(std::uint64_t length);
    // The length of the string that follows; wide is set for a string of 16-bit characters.
    std::uint64_t ReadStringLength(bool& wide);

    // ---- counts of collections ----

    void WriteCount(std::uint64_t count);
    std::uint64_t ReadCount();

    // ---- classes and objects ----

    // The class record of the object's class (or a reference to it), then, the first time the
    // object is written, its fields; afterwards its index. Null is the null tag.
    void WriteObject(const CObject* object);
    CArchive& operator<<(const CObject* object) {
        WriteObject(object);
        return *this;
    }
    // Reads an object written by WriteObject: the null object, an object read before, or a new
    // object of the named class created and loaded here (owned by the archive until released).
    // A class that is not registered, cannot be created or is not derived from requested
    // (when given) raises badClass; a stored schema other than the class's, for a class that is
    // not versionable, raises badSchema; an index that names no object read so far raises
    // badIndex; an object read before that is not of the requested class raises badClass.
    CObject* ReadObject(const CRuntimeClass* requested);

    // A class record alone: the new-class record the first time, a class reference afterwards.
    void WriteClass(const CRuntimeClass* runtimeClass);
    // Reads a class record or class reference (an object tag where a class is expected raises
    // badIndex) and checks it as ReadObject does. schema receives the stored schema.
    const CRuntimeClass* ReadClass(const CRuntimeClass* requested, unsigned* schema = nullptr);

    // The schema stored in the class record of the object being loaded (versionable classes).
    unsigned GetObjectSchema() const { return m_nObjectSchema; }

    // Hands an object created by this archive over to the caller; null when the archive does not
    // own it (not created here, or already released).
    std::unique_ptr<CObject> ReleaseObject(CObject* object);
    template <class T> std::unique_ptr<T> ReleaseObjectAs(T* object) {
        std::unique_ptr<CObject> owned = ReleaseObject(object);
        return std::unique_ptr<T>(static_cast<T*>(owned.release()));
    }
    // True while the archive still owns the object.
    bool OwnsObject(const CObject* object) const;

    // Raises CArchiveException with the archive's file name.
    [[noreturn]] void ThrowException(CArchiveException::Cause cause) const;

private:
    // What an index of the loading map stands for.
    struct SLoadEntry {
        const CRuntimeClass* runtimeClass = nullptr; // a class record
        unsigned schema = 0;                         // the schema stored in it
        CObject* object = nullptr;                   // an object
    };

    void CheckStoring() const;
    void CheckLoading() const;
    void CheckMapCount() const;
    // Reads a tag: a class (returned, schema set) or an object index (null returned, index set).
    const CRuntimeClass* ReadTag(const CRuntimeClass* requested, unsigned& schema, std::uint32_t& index);
    void WriteIndex(std::uint32_t index, bool isClass);

    Mode m_mode;
    std::string m_strFileName;
    std::string m_buffer;
    std::size_t m_position = 0;
    unsigned m_nObjectSchema = 0;
    int m_nNesting = 0;

    // Storing: the index of every class and object written.
    std::uint32_t m_nMapCount = 1;
    std::unordered_map<const void*, std::uint32_t> m_storeMap;

    // Loading: entry 0 is the null object.
    std::vector<SLoadEntry> m_loadArray;
    std::unordered_map<const CObject*, std::unique_ptr<CObject>> m_created;
};
