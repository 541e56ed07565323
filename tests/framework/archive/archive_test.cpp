#include <gtest/gtest.h>

#include <string>

#include "framework/archive/archive.h"
#include "framework/archive/collections.h"
#include "framework/geography/lon_lat.h"
#include "tests/support/archive_bytes.h"

namespace {

// A node of a linked structure: a value and a reference to another node.
class CTestNode : public CObject {
public:
    CTestNode() { ++alive; }
    ~CTestNode() override { --alive; }

    void Serialize(CArchive& archive) override {
        if (archive.IsStoring()) {
            archive << value;
            archive.WriteObject(next);
        } else {
            archive >> value;
            next = static_cast<CTestNode*>(archive.ReadObject(RUNTIME_CLASS(CTestNode)));
        }
    }
    DECLARE_SERIAL(CTestNode)

    int value = 0;
    CTestNode* next = nullptr;
    static int alive;
};
int CTestNode::alive = 0;

// A class whose objects of older schemas are read too; it remembers the schema it was read with.
class CVersionedNode : public CObject {
public:
    void Serialize(CArchive& archive) override {
        if (archive.IsStoring()) {
            archive << value;
        } else {
            schema = archive.GetObjectSchema();
            archive >> value;
        }
    }
    DECLARE_SERIAL(CVersionedNode)

    int value = 0;
    unsigned schema = 0;
};

// Registered but not creatable by name.
class CAbstractThing : public CObject {
public:
    static const CRuntimeClass classCAbstractThing;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCAbstractThing; }
};
const CRuntimeClass CAbstractThing::classCAbstractThing = {"CAbstractThing", 1, nullptr,
                                                           RUNTIME_CLASS(CObject)};
const CRuntimeClassRegistration s_registrationAbstract(&CAbstractThing::classCAbstractThing);

} // namespace

IMPLEMENT_SERIAL(CTestNode, CObject, 7)
IMPLEMENT_SERIAL(CVersionedNode, CObject, VERSIONABLE_SCHEMA | 3)

namespace {

TEST(ArchiveObjectsTest, AnObjectIsWrittenOnceAndReferredToByItsIndexAfterwards) {
    CTestNode a;
    CTestNode b;
    a.value = 11;
    b.value = 22;
    a.next = &b;
    b.next = &a;
    CArchive out;
    out.WriteObject(&a);
    out.WriteObject(nullptr);
    out.WriteObject(&b);

    // Class 1, objects 2 (a) and 3 (b), all in one index space.
    CArchiveBytes expected;
    expected.NewClass(7, "CTestNode").Int(11).ClassRef(1).Int(22).ObjectRef(2);
    expected.Null().ObjectRef(3);
    EXPECT_EQ(out.GetBuffer(), expected.Bytes());

    {
        CArchive in(out.GetBuffer(), "nodes");
        auto* first = static_cast<CTestNode*>(in.ReadObject(RUNTIME_CLASS(CTestNode)));
        EXPECT_EQ(in.ReadObject(nullptr), nullptr);
        auto* third = static_cast<CTestNode*>(in.ReadObject(nullptr));
        ASSERT_NE(first, nullptr);
        ASSERT_EQ(first->next, third);
        EXPECT_EQ(first->value + third->value, 33);
        EXPECT_EQ(third->next, first);
    }
    // What the reader did not take over went with the archive.
    EXPECT_EQ(CTestNode::alive, 2);
}

TEST(ArchiveObjectsTest, IndicesFrom0x7FFFOnUseTheLongForms) {
    const int count = 0x8000;
    std::vector<std::unique_ptr<CTestNode>> nodes;
    CArchive out;
    for (int i = 0; i < count; ++i) {
        nodes.push_back(std::make_unique<CTestNode>());
        nodes.back()->value = i;
        out.WriteObject(nodes.back().get());
    }
    // Node i has the index i + 2 (the class took 1).
    std::size_t mark = out.GetBuffer().size();
    out.WriteObject(nodes[0x7FFE - 2].get());
    out.WriteObject(nodes[0x7FFF - 2].get());
    CVersionedNode v1;
    CVersionedNode v2;
    v1.value = 1;
    v2.value = 2;
    out.WriteObject(&v1); // new class 0x8002, object 0x8003
    out.WriteObject(&v2); // class reference 0x8002 in the long form

    CArchiveBytes expected;
    expected.Word(0x7FFE).Word(0x7FFF).UInt(0x7FFF);
    expected.NewClass(3, "CVersionedNode").Int(1);
    expected.Word(0x7FFF).UInt(0x80008002u).Int(2);
    EXPECT_EQ(out.GetBuffer().substr(mark), expected.Bytes());

    nodes.clear();
    CArchive in(out.GetBuffer(), "many");
    std::vector<CObject*> read;
    for (int i = 0; i < count + 4; ++i) {
        read.push_back(in.ReadObject(nullptr));
    }
    EXPECT_EQ(read[count], read[0x7FFE - 2]);
    EXPECT_EQ(read[count + 1], read[0x7FFF - 2]);
    ASSERT_TRUE(read[count + 3]->IsKindOf(RUNTIME_CLASS(CVersionedNode)));
    EXPECT_EQ(static_cast<CVersionedNode*>(read[count + 3])->value, 2);
}

TEST(ArchiveObjectsTest, AVersionableClassReadsOtherSchemasAndAReleasedObjectOutlivesTheArchive) {
    CArchiveBytes bytes;
    bytes.NewClass(2, "CVersionedNode").Int(9);
    std::unique_ptr<CVersionedNode> kept;
    {
        CArchive in(bytes.Bytes(), "old");
        auto* node = static_cast<CVersionedNode*>(in.ReadObject(RUNTIME_CLASS(CVersionedNode)));
        kept = in.ReleaseObjectAs(node);
        EXPECT_EQ(in.ReleaseObject(node), nullptr);
    }
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->schema, 2u);
    EXPECT_EQ(kept->value, 9);
}

TEST(ArchiveObjectsTest, DamagedObjectRecordsRaiseTheirCauses) {
    struct SCase {
        CArchiveBytes bytes;
        CArchiveException::Cause cause;
        const CRuntimeClass* requested = nullptr;
    };
    std::vector<SCase> cases(11);
    cases[0] = {CArchiveBytes().NewClass(7, "CNoSuchClass").Int(1), CArchiveException::badClass};
    cases[1] = {CArchiveBytes().NewClass(8, "CTestNode").Int(1).Null(), CArchiveException::badSchema};
    cases[2] = {CArchiveBytes().NewClass(1, "CAbstractThing"), CArchiveException::badClass};
    cases[3] = {CArchiveBytes().NewClass(3, "CVersionedNode").Int(1), CArchiveException::badClass,
                RUNTIME_CLASS(CTestNode)};
    // An object of another class read before, referred to where a node is expected.
    cases[4] = {
        CArchiveBytes().NewClass(3, "CVersionedNode").Int(2).NewClass(7, "CTestNode").Int(1).ObjectRef(2),
        CArchiveException::badClass};
    cases[5] = {CArchiveBytes().ObjectRef(1), CArchiveException::badIndex};
    cases[6] = {CArchiveBytes().NewClass(7, "CTestNode").Int(1).ObjectRef(1), CArchiveException::badIndex};
    cases[7] = {CArchiveBytes().ClassRef(5), CArchiveException::badIndex};
    cases[8] = {CArchiveBytes().NewClass(7, "CTestNode").Word(1), CArchiveException::endOfFile};
    // New objects nested far deeper than any project are refused before the stack runs out.
    cases[9].bytes.NewClass(7, "CTestNode").Int(0);
    for (int i = 0; i < 100000; ++i) {
        cases[9].bytes.ClassRef(1).Int(i);
    }
    cases[9].cause = CArchiveException::genericException;
    // A collection count beyond the bytes.
    cases[10] = {CArchiveBytes().Word(0xFFFF).UInt(0x7FFFFFFF).Null(), CArchiveException::endOfFile};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        CArchive archive(cases[i].bytes.Bytes(), "test.bin");
        try {
            if (i == 10) {
                CObArray array;
                array.Serialize(archive);
            }
            while (archive.GetRemaining() > 0) {
                archive.ReadObject(cases[i].requested);
            }
            ADD_FAILURE() << "case " << i << " was read";
        } catch (const CArchiveException& error) {
            EXPECT_EQ(error.m_cause, cases[i].cause) << "case " << i;
            EXPECT_EQ(error.m_strFileName, "test.bin");
        }
    }
    // Where a class record is expected, an object tag is a bad index.
    CArchive objectTag(std::string("\x00\x00", 2), "tag");
    EXPECT_THROW(objectTag.ReadClass(nullptr), CArchiveException);
    EXPECT_EQ(CTestNode::alive, 0);
}

TEST(ArchiveValuesTest, StringLengthsTakeTheShortestFormAndCountsTheirTwoForms) {
    struct SCase {
        std::size_t length;
        std::string prefix;
    };
    const SCase cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {0xFFFD, "\xFF\xFD\xFF"},
        {0xFFFE, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const SCase& c : cases) {
        std::string text(c.length, 'x');
        CArchive out;
        out << text;
        EXPECT_EQ(out.GetBuffer().substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(out.GetBuffer().size(), c.prefix.size() + c.length) << c.length;
        CArchive in(out.GetBuffer(), "s");
        std::string read;
        in >> read;
        EXPECT_EQ(read, text) << c.length;
    }
    CArchive out;
    out.WriteCount(0xFFFE);
    out.WriteCount(0xFFFF);
    EXPECT_EQ(out.GetBuffer(), CArchiveBytes().Word(0xFFFE).Word(0xFFFF).UInt(0xFFFF).Bytes());
    CArchive in(out.GetBuffer(), "c");
    EXPECT_EQ(in.ReadCount(), 0xFFFEu);
    EXPECT_EQ(in.ReadCount(), 0xFFFFu);
}

TEST(ArchiveValuesTest, WideAndLongStringsAreReadAndShortFieldsConsumeNothing) {
    CArchiveBytes wide;
    wide.Byte(0xFF).Word(0xFFFE).Byte(3).Word('A').Word(0xE9).Word(0x263A);
    CArchive in(wide.Bytes(), "w");
    std::string text;
    in >> text;
    EXPECT_EQ(text, "A\xE9?");

    CArchive in64(CArchiveBytes().Byte(0xFF).Word(0xFFFF).UInt(0xFFFFFFFFu).QWord(2).Raw("ok").Bytes(), "q");
    in64 >> text;
    EXPECT_EQ(text, "ok");

    // A length beyond the bytes is the end of the file, not an allocation.
    CArchive huge(CArchiveBytes().Byte(0xFF).Word(0xFFFF).UInt(0xFFFFFFFFu).QWord(0xFFFFFFFFFFFFull).Bytes(),
                  "h");
    EXPECT_THROW(huge >> text, CArchiveException);

    CArchive shortRect(std::string(15, '\0'), "r");
    CIntRect rect;
    EXPECT_THROW(shortRect >> rect, CArchiveException);
    EXPECT_EQ(shortRect.GetRemaining(), 15u);
}

} // namespace
