#include "framework/archive/archive.h"

#include <cstring>

#include "framework/geography/lon_lat.h"

namespace {

// Objects nested in the fields of objects being loaded: a project needs four levels (facility,
// route, depot); anything far deeper is a damaged file that would only exhaust the stack.
constexpr int kMaxObjectNesting = 256;

// The longest class name a class record may carry.
constexpr std::uint16_t kMaxClassNameLength = 64;

template <class T> void PutLittleEndian(std::string& buffer, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        buffer.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
    }
}

template <class T> T GetLittleEndian(const unsigned char* bytes) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value = static_cast<T>(value | (static_cast<T>(bytes[i]) << (8 * i)));
    }
    return value;
}

} // namespace

CArchive::CArchive(std::string fileName) : m_mode(store), m_strFileName(std::move(fileName)) {}

CArchive::CArchive(std::string bytes, std::string fileName)
    : m_mode(load), m_strFileName(std::move(fileName)), m_buffer(std::move(bytes)) {
    m_loadArray.push_back(SLoadEntry{});
}

CArchive::~CArchive() = default;

void CArchive::ThrowException(CArchiveException::Cause cause) const {
    throw CArchiveException(cause, m_strFileName);
}

void CArchive::CheckStoring() const {
    if (!IsStoring()) {
        ThrowException(CArchiveException::readOnly);
    }
}

void CArchive::CheckLoading() const {
    if (!IsLoading()) {
        ThrowException(CArchiveException::writeOnly);
    }
}

// ---- raw bytes ----

void CArchive::Write(const void* data, std::size_t size) {
    CheckStoring();
    m_buffer.append(static_cast<const char*>(data), size);
}

void CArchive::Read(void* data, std::size_t size) {
    CheckLoading();
    if (size > GetRemaining()) {
        ThrowException(CArchiveException::endOfFile);
    }
    if (size > 0) {
        std::memcpy(data, m_buffer.data() + m_position, size);
    }
    m_position += size;
}

// ---- scalars ----

#define TRAMLET_ARCHIVE_SCALAR(type)                                                                         \
    CArchive& CArchive::operator<<(type value) {                                                             \
        CheckStoring();                                                                                      \
        PutLittleEndian(m_buffer, value);                                                                    \
        return *this;                                                                                        \
    }                                                                                                        \
    CArchive& CArchive::operator>>(type& value) {                                                            \
        unsigned char bytes[sizeof(type)];                                                                   \
        Read(bytes, sizeof(type));                                                                           \
        value = GetLittleEndian<type>(bytes);                                                                \
        return *this;                                                                                        \
    }

TRAMLET_ARCHIVE_SCALAR(std::uint8_t)
TRAMLET_ARCHIVE_SCALAR(std::uint16_t)
TRAMLET_ARCHIVE_SCALAR(std::uint32_t)
TRAMLET_ARCHIVE_SCALAR(std::uint64_t)

#undef TRAMLET_ARCHIVE_SCALAR

CArchive& CArchive::operator<<(std::int32_t value) {
    return *this << static_cast<std::uint32_t>(value);
}

CArchive& CArchive::operator>>(std::int32_t& value) {
    std::uint32_t word = 0;
    *this >> word;
    value = static_cast<std::int32_t>(word);
    return *this;
}

CArchive& CArchive::operator<<(std::int64_t value) {
    return *this << static_cast<std::uint64_t>(value);
}

CArchive& CArchive::operator>>(std::int64_t& value) {
    std::uint64_t word = 0;
    *this >> word;
    value = static_cast<std::int64_t>(word);
    return *this;
}

CArchive& CArchive::operator<<(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    return *this << bits;
}

CArchive& CArchive::operator>>(double& value) {
    std::uint64_t bits = 0;
    *this >> bits;
    std::memcpy(&value, &bits, sizeof(value));
    return *this;
}

CArchive& CArchive::operator<<(const CIntPoint& point) {
    return *this << point.x << point.y;
}

CArchive& CArchive::operator<<(const CIntRect& rect) {
    return *this << rect.left << rect.top << rect.right << rect.bottom;
}

CArchive& CArchive::operator>>(CIntPoint& point) {
    // Read whole or not at all.
    unsigned char bytes[8];
    Read(bytes, sizeof(bytes));
    point.x = static_cast<int>(GetLittleEndian<std::uint32_t>(bytes));
    point.y = static_cast<int>(GetLittleEndian<std::uint32_t>(bytes + 4));
    return *this;
}

CArchive& CArchive::operator>>(CIntRect& rect) {
    unsigned char bytes[16];
    Read(bytes, sizeof(bytes));
    rect.left = static_cast<int>(GetLittleEndian<std::uint32_t>(bytes));
    rect.top = static_cast<int>(GetLittleEndian<std::uint32_t>(bytes + 4));
    rect.right = static_cast<int>(GetLittleEndian<std::uint32_t>(bytes + 8));
    rect.bottom = static_cast<int>(GetLittleEndian<std::uint32_t>(bytes + 12));
    return *this;
}

// ---- strings ----

void CArchive::WriteStringLength(std::uint64_t length) {
    if (length < 0xFF) {
        *this << static_cast<std::uint8_t>(length);
        return;
    }
    *this << static_cast<std::uint8_t>(0xFF);
    if (length < 0xFFFE) {
        *this << static_cast<std::uint16_t>(length);
        return;
    }
    *this << static_cast<std::uint16_t>(0xFFFF);
    if (length < 0xFFFFFFFFu) {
        *this << static_cast<std::uint32_t>(length);
        return;
    }
    *this << static_cast<std::uint32_t>(0xFFFFFFFFu) << length;
}

std::uint64_t CArchive::ReadStringLength(bool& wide) {
    wide = false;
    std::uint8_t byteLength = 0;
    *this >> byteLength;
    if (byteLength < 0xFF) {
        return byteLength;
    }
    std::uint16_t wordLength = 0;
    *this >> wordLength;
    if (wordLength == 0xFFFE) {
        // 16-bit characters follow, with their length in the same forms.
        wide = true;
        *this >> byteLength;
        if (byteLength < 0xFF) {
            return byteLength;
        }
        *this >> wordLength;
    }
    if (wordLength < 0xFFFF) {
        return wordLength;
    }
    std::uint32_t dwordLength = 0;
    *this >> dwordLength;
    if (dwordLength < 0xFFFFFFFFu) {
        return dwordLength;
    }
    std::uint64_t qwordLength = 0;
    *this >> qwordLength;
    return qwordLength;
}

CArchive& CArchive::operator<<(const std::string& text) {
    WriteStringLength(text.size());
    Write(text.data(), text.size());
    return *this;
}

CArchive& CArchive::operator>>(std::string& text) {
    bool wide = false;
    std::uint64_t length = ReadStringLength(wide);
    std::uint64_t bytes = wide ? length * 2 : length;
    if (length > GetRemaining() || bytes > GetRemaining()) {
        ThrowException(CArchiveException::endOfFile);
    }
    std::string stored(static_cast<std::size_t>(bytes), '\0');
    Read(stored.data(), stored.size());
    if (!wide) {
        text = std::move(stored);
        return *this;
    }
    // Characters outside the 8-bit range have no place in the project's texts.
    text.clear();
    for (std::size_t i = 0; i + 1 < stored.size(); i += 2) {
        unsigned code =
            static_cast<unsigned char>(stored[i]) | (static_cast<unsigned char>(stored[i + 1]) << 8);
        text.push_back(code < 0x100 ? static_cast<char>(code) : '?');
    }
    return *this;
}

// ---- counts ----

void CArchive::WriteCount(std::uint64_t count) {
    if (count < 0xFFFF) {
        *this << static_cast<std::uint16_t>(count);
        return;
    }
    *this << static_cast<std::uint16_t>(0xFFFF);
    if (count < 0xFFFFFFFFu) {
        *this << static_cast<std::uint32_t>(count);
        return;
    }
    *this << static_cast<std::uint32_t>(0xFFFFFFFFu) << count;
}

std::uint64_t CArchive::ReadCount() {
    std::uint16_t wordCount = 0;
    *this >> wordCount;
    if (wordCount != 0xFFFF) {
        return wordCount;
    }
    std::uint32_t dwordCount = 0;
    *this >> dwordCount;
    if (dwordCount != 0xFFFFFFFFu) {
        return dwordCount;
    }
    std::uint64_t qwordCount = 0;
    *this >> qwordCount;
    return qwordCount;
}

// ---- classes and objects ----

void CArchive::CheckMapCount() const {
    std::size_t count = IsStoring() ? m_nMapCount : m_loadArray.size();
    if (count >= nMaxMapCount) {
        ThrowException(CArchiveException::badIndex);
    }
}

void CArchive::WriteIndex(std::uint32_t index, bool isClass) {
    if (index < wBigObjectTag) {
        *this << static_cast<std::uint16_t>(isClass ? (wClassTag | index) : index);
    } else {
        *this << wBigObjectTag << (isClass ? (dwBigClassTag | index) : index);
    }
}

void CArchive::WriteClass(const CRuntimeClass* runtimeClass) {
    CheckStoring();
    auto it = m_storeMap.find(runtimeClass);
    if (it != m_storeMap.end()) {
        WriteIndex(it->second, true);
        return;
    }
    const std::size_t length = std::strlen(runtimeClass->m_lpszClassName);
    *this << wNewClassTag << static_cast<std::uint16_t>(runtimeClass->m_wSchema & 0xFFFFu)
          << static_cast<std::uint16_t>(length);
    Write(runtimeClass->m_lpszClassName, length);
    CheckMapCount();
    m_storeMap.emplace(runtimeClass, m_nMapCount++);
}

void CArchive::WriteObject(const CObject* object) {
    CheckStoring();
    if (object == nullptr) {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(object);
    if (it != m_storeMap.end()) {
        WriteIndex(it->second, false);
        return;
    }
    WriteClass(object->GetRuntimeClass());
    CheckMapCount();
    m_storeMap.emplace(object, m_nMapCount++);
    // One Serialize stores and loads; storing does not change the object.
    const_cast<CObject*>(object)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadTag(const CRuntimeClass* requested, unsigned& schema,
                                       std::uint32_t& index) {
    std::uint16_t tag = 0;
    *this >> tag;
    std::uint32_t objectTag = 0;
    if (tag == wBigObjectTag) {
        *this >> objectTag;
    } else {
        objectTag = (static_cast<std::uint32_t>(tag & wClassTag) << 16) | (tag & ~wClassTag & 0xFFFFu);
    }
    if ((objectTag & dwBigClassTag) == 0) {
        index = objectTag;
        return nullptr;
    }

    const CRuntimeClass* runtimeClass = nullptr;
    if (tag == wNewClassTag) {
        std::uint16_t storedSchema = 0;
        std::uint16_t length = 0;
        *this >> storedSchema >> length;
        if (length >= kMaxClassNameLength) {
            ThrowException(CArchiveException::badClass);
        }
        std::string name(length, '\0');
        Read(name.data(), name.size());
        runtimeClass = CRuntimeClass::FromName(name);
        if (runtimeClass == nullptr) {
            ThrowException(CArchiveException::badClass);
        }
        if (runtimeClass->GetSchema() != storedSchema && !runtimeClass->IsVersionable()) {
            ThrowException(CArchiveException::badSchema);
        }
        CheckMapCount();
        m_loadArray.push_back(SLoadEntry{runtimeClass, storedSchema, nullptr});
        schema = storedSchema;
    } else {
        std::uint32_t classIndex = objectTag & ~dwBigClassTag;
        if (classIndex == 0 || classIndex >= m_loadArray.size() ||
            m_loadArray[classIndex].runtimeClass == nullptr) {
            ThrowException(CArchiveException::badIndex);
        }
        runtimeClass = m_loadArray[classIndex].runtimeClass;
        schema = m_loadArray[classIndex].schema;
    }
    if (requested != nullptr && !runtimeClass->IsDerivedFrom(requested)) {
        ThrowException(CArchiveException::badClass);
    }
    return runtimeClass;
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* requested, unsigned* schema) {
    CheckLoading();
    unsigned storedSchema = 0;
    std::uint32_t index = 0;
    const CRuntimeClass* runtimeClass = ReadTag(requested, storedSchema, index);
    if (runtimeClass == nullptr) {
        ThrowException(CArchiveException::badIndex);
    }
    if (schema != nullptr) {
        *schema = storedSchema;
    }
    return runtimeClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* requested) {
    CheckLoading();
    unsigned schema = 0;
    std::uint32_t index = 0;
    const CRuntimeClass* runtimeClass = ReadTag(requested, schema, index);
    if (runtimeClass == nullptr) {
        if (index >= m_loadArray.size() || (index != 0 && m_loadArray[index].object == nullptr)) {
            ThrowException(CArchiveException::badIndex);
        }
        CObject* object = m_loadArray[index].object;
        if (object != nullptr && requested != nullptr && !object->IsKindOf(requested)) {
            ThrowException(CArchiveException::badClass);
        }
        return object;
    }
    if (!runtimeClass->IsSerializable()) {
        ThrowException(CArchiveException::badClass);
    }
    if (m_nNesting >= kMaxObjectNesting) {
        ThrowException(CArchiveException::genericException);
    }
    std::unique_ptr<CObject> created = runtimeClass->CreateObject();
    CObject* object = created.get();
    CheckMapCount();
    // Entered before its fields are read, so that they may refer to it.
    m_loadArray.push_back(SLoadEntry{nullptr, 0, object});
    m_created.emplace(object, std::move(created));

    struct SNesting {
        explicit SNesting(int& depth) : m_depth(depth) { ++m_depth; }
        ~SNesting() { --m_depth; }
        int& m_depth;
    } guard(m_nNesting);
    const unsigned savedSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    try {
        object->Serialize(*this);
    } catch (...) {
        m_nObjectSchema = savedSchema;
        throw;
    }
    m_nObjectSchema = savedSchema;
    return object;
}

std::unique_ptr<CObject> CArchive::ReleaseObject(CObject* object) {
    auto it = m_created.find(object);
    if (it == m_created.end()) {
        return nullptr;
    }
    std::unique_ptr<CObject> owned = std::move(it->second);
    m_created.erase(it);
    return owned;
}

bool CArchive::OwnsObject(const CObject* object) const {
    return m_created.find(object) != m_created.end();
}
