// Consistency of every record table: names, keys, identities and relations,
// and the key enumerators the procedures index keys with.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "records/test_tables.h"

namespace vtl {
namespace {

using namespace vtl::recordtest;

// ---------------------------------------------------------------------------
// Consistency of every table

TEST(RecordTables, EveryFileIsListedOnceWithItsOwnPrefix) {
    std::set<std::string> names, prefixes;
    for (const auto* r : allRecords()) {
        EXPECT_TRUE(names.insert(r->name).second) << "file listed twice: " << r->name;
        EXPECT_TRUE(prefixes.insert(r->prefix).second) << "prefix used twice: " << r->prefix;
    }
    for (const char* po : {"POMaster", "PODetail", "PODetSer", "PORec", "POPrint", "POLimits"})
        EXPECT_EQ(names.count(po), 1u) << po;
    EXPECT_EQ(prefixes.count("POM1"), 0u) << "the alias shares POMaster's file and is not a file of its own";
}

TEST(RecordTables, FieldNamesAreUniqueAndGapsNumberedInOrder) {
    for (const auto* r : everyTable()) {
        std::set<std::string> seen;
        int gaps = 0;
        for (const auto& f : r->fields) {
            EXPECT_TRUE(seen.insert(f.name).second) << r->name << "." << f.name << " declared twice";
            EXPECT_GT(f.width, 0) << r->name << "." << f.name;
            bool namedGap = f.name.rfind("gap", 0) == 0;
            EXPECT_EQ(namedGap, f.kind == FieldKind::Gap) << r->name << "." << f.name;
            if (f.kind == FieldKind::Gap) {
                EXPECT_EQ(f.name, "gap" + std::to_string(++gaps)) << r->name;
            }
        }
    }
}

TEST(RecordTables, KeysNameRealFields) {
    for (const auto* r : everyTable()) {
        ASSERT_FALSE(r->keys.empty()) << r->name;
        std::set<std::string> keyNames;
        for (const auto& k : r->keys) {
            EXPECT_TRUE(keyNames.insert(k.name).second) << r->name << ":" << k.name << " declared twice";
            EXPECT_EQ(k.name.rfind("Key", 0), 0u) << r->name << ":" << k.name;
            ASSERT_FALSE(k.fields.empty()) << r->name << ":" << k.name;
            bool anyText = false;
            for (const auto& c : k.fields) {
                int i = indexOf(*r, c);
                EXPECT_GE(i, 0) << r->name << ":" << k.name << " names missing field " << c;
                if (i >= 0) {
                    EXPECT_NE(r->fields[static_cast<std::size_t>(i)].kind, FieldKind::Gap) << r->name << ":" << k.name;
                    anyText |= r->fields[static_cast<std::size_t>(i)].kind == FieldKind::String;
                }
            }
            if (k.noCase) {
                EXPECT_TRUE(anyText) << r->name << ":" << k.name << " ignores case but holds no text";
            }
        }
    }
}

// Every record must be fetchable as itself: a numbered file by a unique key
// on its number, any other by some unique key of its own.
TEST(RecordTables, EveryRecordHasAUniqueIdentity) {
    for (const auto* r : everyTable()) {
        bool uniqueKey = false;
        bool keyOnUniqueField = false;
        for (const auto& k : r->keys) {
            uniqueKey |= k.unique;
            keyOnUniqueField |= k.unique && k.fields == std::vector<std::string>{r->uniqueField};
        }
        EXPECT_TRUE(uniqueKey) << r->name;
        if (!r->autoNumber.empty()) {
            ASSERT_GE(indexOf(*r, r->autoNumber), 0) << r->name;
            EXPECT_EQ(fieldOf(*r, r->autoNumber).kind, FieldKind::ULong) << r->name;
            EXPECT_EQ(r->autoNumber, r->uniqueField) << r->name;
        }
        if (!r->uniqueField.empty()) {
            ASSERT_GE(indexOf(*r, r->uniqueField), 0) << r->name;
            EXPECT_TRUE(keyOnUniqueField) << r->name << ": no unique key on " << r->uniqueField;
        }
    }
}

TEST(RecordTables, RelationsJoinFieldsOfTheSameKind) {
    for (const auto* r : allRecords()) {
        for (const auto& rel : r->children) {
            const RecordInfo& child = file(rel.childFile);
            ASSERT_GE(indexOf(*r, rel.parentField), 0) << r->name;
            ASSERT_GE(indexOf(child, rel.childField), 0) << child.name;
            EXPECT_EQ(fieldOf(*r, rel.parentField).kind, fieldOf(child, rel.childField).kind);
        }
    }
    ASSERT_EQ(POMaster::info().children.size(), 1u);
    EXPECT_EQ(POMaster::info().children[0].childFile, "PODetail");
}

// ---------------------------------------------------------------------------
// Key enumerators index their own keys

struct KeyName {
    int index;
    const char* name;
};
#define KEY(R, K) KeyName{R::K, #K}

template <class R>
void expectKeyEnum(std::initializer_list<KeyName> keys) {
    const RecordInfo& info = R::info();
    EXPECT_EQ(info.keys.size(), keys.size()) << info.name << ": enumerators and keys differ in number";
    for (const auto& k : keys) {
        ASSERT_LT(static_cast<std::size_t>(k.index), info.keys.size()) << info.name;
        EXPECT_EQ(info.keys[static_cast<std::size_t>(k.index)].name, k.name) << info.name;
    }
}

TEST(RecordKeys, EnumeratorsOfPurchaseOrderFilesIndexTheirKeys) {
    expectKeyEnum<POMaster>({KEY(POMaster, KeyPOID), KEY(POMaster, KeyPONumber), KEY(POMaster, KeyVendorID),
                             KEY(POMaster, KeySortPONumber), KEY(POMaster, KeySortVendorID),
                             KEY(POMaster, KeyReconciled), KEY(POMaster, KeyRecTFPONum), KEY(POMaster, KeyJobID)});
    expectKeyEnum<POMasterAlias>({KEY(POMasterAlias, KeyPOID), KEY(POMasterAlias, KeyPONumber),
                                  KEY(POMasterAlias, KeyVendorID), KEY(POMasterAlias, KeySortPONumber),
                                  KEY(POMasterAlias, KeySortVendorID), KEY(POMasterAlias, KeyReconciled),
                                  KEY(POMasterAlias, KeyRecTFPONum), KEY(POMasterAlias, KeyJobID)});
    expectKeyEnum<PODetail>({KEY(PODetail, KeyPOID), KEY(PODetail, KeyDetailID)});
    expectKeyEnum<PODetSer>({KEY(PODetSer, KeyDetailID), KEY(PODetSer, KeyRecordID)});
    expectKeyEnum<PORec>({KEY(PORec, KeyDetailID), KEY(PORec, KeyRecordID)});
    expectKeyEnum<POPrint>({KEY(POPrint, KeyUserID), KEY(POPrint, KeyRecordID)});
    expectKeyEnum<POLimits>({KEY(POLimits, KeyLimitID), KEY(POLimits, KeyReport)});
}

TEST(RecordKeys, EnumeratorsOfSiblingFilesIndexTheirKeys) {
    expectKeyEnum<Systems>({KEY(Systems, KeySystemID)});
    expectKeyEnum<UserFile>({KEY(UserFile, KeyUserID)});
    expectKeyEnum<UserLog>({KEY(UserLog, KeyLogID), KEY(UserLog, KeyUserDate)});
    expectKeyEnum<DropList>({KEY(DropList, KeyDropListID), KEY(DropList, KeyFieldValue)});
    expectKeyEnum<Notes>({KEY(Notes, KeyNoteID), KEY(Notes, KeyFileEntity)});
    expectKeyEnum<Images>({KEY(Images, KeyImageID), KEY(Images, KeyTypeNumericID)});
    expectKeyEnum<LimList>({KEY(LimList, KeyLimListID), KEY(LimList, KeyOwnerLimitType)});
    expectKeyEnum<MemLimit>({KEY(MemLimit, KeyMemLimitID), KEY(MemLimit, KeyUserOwnerLimit)});
    expectKeyEnum<APVendor>({KEY(APVendor, KeyVendorID), KEY(APVendor, KeyVendorName), KEY(APVendor, KeyExternalID)});
    expectKeyEnum<Contact>({KEY(Contact, KeyContactID), KEY(Contact, KeyVendorID)});
    expectKeyEnum<APInv>({KEY(APInv, KeyInvoiceID), KEY(APInv, KeyPOID), KEY(APInv, KeyPosted)});
    expectKeyEnum<APDetail>({KEY(APDetail, KeyDetailID), KEY(APDetail, KeyInvoiceID)});
    expectKeyEnum<ARCust>({KEY(ARCust, KeyCustomerID), KEY(ARCust, KeyCustomerName)});
    expectKeyEnum<ARShipTo>({KEY(ARShipTo, KeyShipToID), KEY(ARShipTo, KeyCustomerID)});
    expectKeyEnum<JCHeader>({KEY(JCHeader, KeyJobID), KEY(JCHeader, KeyJobName)});
    expectKeyEnum<JCCost>({KEY(JCCost, KeyRecordID), KEY(JCCost, KeyJobCodeType)});
    expectKeyEnum<JCLimits>({KEY(JCLimits, KeyLimitID), KEY(JCLimits, KeyReport)});
    expectKeyEnum<INMaster>({KEY(INMaster, KeyItemID)});
    expectKeyEnum<INCnvrt>({KEY(INCnvrt, KeyConversionID), KEY(INCnvrt, KeyItemUnit)});
    expectKeyEnum<INItem>({KEY(INItem, KeyRecordID), KEY(INItem, KeyItemLocBin)});
    expectKeyEnum<INPurch>({KEY(INPurch, KeyRecordID), KEY(INPurch, KeyPODetailID)});
    expectKeyEnum<INSerial>({KEY(INSerial, KeySerialID)});
    expectKeyEnum<INVendor>({KEY(INVendor, KeyRecordID), KEY(INVendor, KeyItemVendor)});
    expectKeyEnum<INLoc>({KEY(INLoc, KeyLocationID)});
    expectKeyEnum<INBin>({KEY(INBin, KeyLocationBin)});
    expectKeyEnum<GLMaster>({KEY(GLMaster, KeyAccount)});
    expectKeyEnum<EQHeader>({KEY(EQHeader, KeyEquipmentID)});
    expectKeyEnum<EQCost>({KEY(EQCost, KeyEquipCategory)});
}
#undef KEY

TEST(RecordKeys, PurchaseOrderKeysOrderByTheirStatedComponents) {
    struct Expected {
        const char* file;
        const char* key;
        std::vector<std::string> components;
        bool unique;
    };
    const std::vector<Expected> expected{
        {"POMaster", "KeyPOID", {"POID"}, true},
        {"POMaster", "KeyPONumber", {"PONumber"}, false},
        {"POMaster", "KeyVendorID", {"VendorID"}, false},
        {"POMaster", "KeySortPONumber", {"SortPONumber"}, false},
        {"POMaster", "KeySortVendorID", {"SortVendorID"}, false},
        {"POMaster", "KeyReconciled", {"Reconciled"}, false},
        {"POMaster", "KeyRecTFPONum", {"RecTF", "PONumber"}, false},
        {"PODetail", "KeyPOID", {"POID", "SequenceNo"}, false},
        {"PODetail", "KeyDetailID", {"DetailID"}, true},
        {"PODetSer", "KeyDetailID", {"DetailID"}, false},
        {"PORec", "KeyDetailID", {"DetailID"}, false},
        {"POPrint", "KeyUserID", {"UserID"}, false},
        {"POLimits", "KeyLimitID", {"LimitID"}, true},
    };
    for (const auto& e : expected) {
        const RecordInfo& r = file(e.file);
        const store::KeyDef* key = nullptr;
        for (const auto& k : r.keys)
            if (k.name == e.key) key = &k;
        ASSERT_NE(key, nullptr) << e.file << ":" << e.key;
        EXPECT_EQ(key->fields, e.components) << e.file << ":" << e.key;
        EXPECT_EQ(key->unique, e.unique) << e.file << ":" << e.key;
    }
    // Limit sets of one report come first by report name.
    EXPECT_EQ(POLimits::info().keys[POLimits::KeyReport].fields.front(), "Report");
}

}  // namespace
}  // namespace vtl
