#include "inouttype/in_out_type_numbers.h"

#include <gtest/gtest.h>

#include "unit/core/core_test_util.h"

namespace qorarap {
namespace {

TEST(SplitNumberTest, ParentIsTheTextBeforeTheLastPoint) {
  TypeNumberParts deep = SplitNumber("1.01.003");
  EXPECT_EQ(deep.parentNumber, "1.01");
  EXPECT_EQ(deep.ownPart, "003");
  TypeNumberParts root = SplitNumber("2");
  EXPECT_EQ(root.parentNumber, "");
  EXPECT_EQ(root.ownPart, "2");
  TypeNumberParts trailing = SplitNumber("1.01.");
  EXPECT_EQ(trailing.parentNumber, "1.01");
  EXPECT_EQ(trailing.ownPart, "");
  TypeNumberParts doubled = SplitNumber("1..01");
  EXPECT_EQ(doubled.parentNumber, "1.");
  EXPECT_EQ(doubled.ownPart, "01");
  EXPECT_EQ(SplitNumber(".5").parentNumber, "");
  EXPECT_EQ(SplitNumber("").ownPart, "");
}

TEST(NextNumberTest, LastCharacterStepsWithinItsClassWithoutCarry) {
  EXPECT_EQ(NextNumber("1.01.003"), "1.01.004");
  EXPECT_EQ(NextNumber("1.08"), "1.09");
  EXPECT_EQ(NextNumber("1.09"), "1.00");
  EXPECT_EQ(NextNumber("A.Y"), "A.Z");
  EXPECT_EQ(NextNumber("A.Z"), "A.A");
  EXPECT_EQ(NextNumber("2.0a"), "2.0b");
  EXPECT_EQ(NextNumber("2.0z"), "2.0a");
}

TEST(NextNumberTest, OtherLastCharactersStay) {
  EXPECT_EQ(NextNumber("01-"), "01-");
  EXPECT_EQ(NextNumber("1.01."), "1.01.");
  EXPECT_EQ(NextNumber("2.费"), "2.费");
  EXPECT_EQ(NextNumber(""), "");
}

TEST(ClassTypeIdOfFilterTest, ValueBetweenEqualsAndTheFirstCapitalA) {
  EXPECT_EQ(ClassTypeIdOfFilter("FClassTypeID=1000207 AND FDeleted=0"), 1000207);
  EXPECT_EQ(ClassTypeIdOfFilter("FClassTypeID= 1000207And x"), 1000207);
  // A lower-case "and" does not end the value: the text up to the next "A" is read.
  EXPECT_EQ(ClassTypeIdOfFilter("FClassTypeID=12 and FDeleted=0 AND x"), 12);
  EXPECT_EQ(ClassTypeIdOfFilter("FClassTypeID=xA"), 0);
}

TEST(ClassTypeIdOfFilterTest, FilterWithoutEqualsOrAIsAnInvalidCall) {
  EXPECT_EQ(qor::ErrorOf([] { ClassTypeIdOfFilter("FClassTypeID=1000207"); }),
            qor::kErrInvalidCall);
  EXPECT_EQ(qor::ErrorOf([] { ClassTypeIdOfFilter("AND 1000207"); }), qor::kErrInvalidCall);
  EXPECT_EQ(qor::ErrorOf([] { ClassTypeIdOfFilter(""); }), qor::kErrInvalidCall);
}

}  // namespace
}  // namespace qorarap
