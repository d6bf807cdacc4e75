#include "core/variant.h"

#include <gtest/gtest.h>

#include "core/host_dictionary.h"
#include "unit/core/core_test_util.h"

namespace qor {
namespace {

class Probe : public Object {
 public:
  std::string TypeName() const override { return "BillEvent"; }
};

class OtherInterface {
 public:
  virtual ~OtherInterface() = default;
};

TEST(VariantTest, RawAccessorsRequireTheHeldType) {
  EXPECT_EQ(Variant(7).LongValue(), 7);
  EXPECT_EQ(Variant(2.5).DoubleValue(), 2.5);
  EXPECT_EQ(Variant::Date(45000.25).DoubleValue(), 45000.25);
  EXPECT_TRUE(Variant(true).BoolValue());
  EXPECT_EQ(Variant("x").StringValue(), "x");
  EXPECT_EQ(ErrorOf([] { Variant(7).DoubleValue(); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { Variant(2.0).LongValue(); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { Variant("1").LongValue(); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { Variant(1).BoolValue(); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { Variant::Null().StringValue(); }), kErrTypeMismatch);
  EXPECT_EQ(Variant(5).ObjectValue(), nullptr);
}

TEST(VariantTest, ReportsKindAndTypeName) {
  auto probe = std::make_shared<Probe>();
  EXPECT_EQ(Variant().VarTypeName(), "Empty");
  EXPECT_EQ(Variant::Null().VarTypeName(), "Null");
  EXPECT_EQ(Variant(false).VarTypeName(), "Boolean");
  EXPECT_EQ(Variant(1).VarTypeName(), "Long");
  EXPECT_EQ(Variant(1.0).VarTypeName(), "Double");
  EXPECT_EQ(Variant("1").VarTypeName(), "String");
  EXPECT_EQ(Variant::Date(1).VarTypeName(), "Date");
  EXPECT_EQ(Variant(probe).VarTypeName(), "BillEvent");
  EXPECT_EQ(Variant(std::make_shared<HostDictionary>()).VarTypeName(), "Dictionary");
  EXPECT_EQ(Variant(ObjectPtr()).VarTypeName(), "Nothing");

  EXPECT_TRUE(Variant(true).IsNumber());
  EXPECT_TRUE(Variant(1.5).IsNumber());
  EXPECT_FALSE(Variant::Date(1).IsNumber());
  EXPECT_FALSE(Variant("1").IsNumber());
  EXPECT_TRUE(Variant::Null().IsNull());
  EXPECT_FALSE(Variant::Null().IsEmpty());
  EXPECT_EQ(Variant(probe).ObjectValue(), probe);
}

TEST(ObjectCastTest, MissingInterfaceIsTypeMismatch) {
  ObjectPtr probe = std::make_shared<Probe>();
  EXPECT_EQ(As<Probe>(probe).get(), probe.get());
  EXPECT_EQ(As<Probe>(nullptr), nullptr);
  EXPECT_EQ(ErrorOf([&] { As<OtherInterface>(probe); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { AsRequired<Probe>(nullptr); }), 91);
}

TEST(VbErrorTest, CarriesNumberSourceAndStandardDescription) {
  try {
    RaiseError(kErrOverflow, "modShared");
    FAIL() << "no error raised";
  } catch (const VbError& error) {
    EXPECT_EQ(error.Number(), 6);
    EXPECT_EQ(error.Source(), "modShared");
    EXPECT_EQ(error.Description(), "Overflow");
    EXPECT_STREQ(error.what(), "Overflow");
  }
  const std::pair<int32_t, const char*> known[] = {
      {5, "Invalid procedure call or argument"},
      {9, "Subscript out of range"},
      {13, "Type mismatch"},
      {91, "Object variable or With block variable not set"},
      {94, "Invalid use of Null"},
      {424, "Object required"},
      {429, "ActiveX component can't create object"},
      {438, "Object doesn't support this property or method"},
      {3265,
       "Item cannot be found in the collection corresponding to the requested name or ordinal."},
      {3001,
       "Arguments are of the wrong type, are out of acceptable range, or are in conflict with "
       "one another."},
      {40000, "Application-defined or object-defined error"}};
  for (const auto& [number, description] : known) {
    try {
      RaiseError(number);
    } catch (const VbError& error) {
      EXPECT_EQ(error.Description(), description) << number;
      EXPECT_EQ(error.Source(), "");
    }
  }
  try {
    RaiseError(1001, "clsReceiveBill", "own text");
  } catch (const VbError& error) {
    EXPECT_EQ(error.Number(), 1001);
    EXPECT_EQ(error.Source(), "clsReceiveBill");
    EXPECT_STREQ(error.what(), "own text");
  }
}

}  // namespace
}  // namespace qor
