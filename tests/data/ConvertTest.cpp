#include <gtest/gtest.h>

#include "data/Convert.h"

TEST(ConvertTest, StrictIntegers)
{
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("-17"), -17);
    EXPECT_EQ(StrToInt("  8"), 8);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt64("27000217"), 27000217);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    for (const char* bad : {"", " ", "abc", "12x", "1 ", "+", "2147483648", "9223372036854775808"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(StrToInt(bad), EConvertError);
    }
    EXPECT_THROW(StrToInt64("99999999999999999999"), EConvertError);
    try {
        StrToInt("ogre");
        FAIL();
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'ogre' is not a valid integer value");
    }
}

TEST(ConvertTest, LenientIntegersAndBooleans)
{
    EXPECT_EQ(StrToIntDef("", 5), 5);
    EXPECT_EQ(StrToIntDef("x1", -1), -1);
    EXPECT_EQ(StrToIntDef("12", -1), 12);
    EXPECT_EQ(StrToInt64Def("", 0), 0);

    struct Case {
        const char* text;
        bool value;
    };
    for (const Case& c : {Case{"True", true}, Case{"tRUE", true}, Case{"FALSE", false}, Case{"false", false},
                          Case{"0", false}, Case{"1", true}, Case{"-3", true}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToBool(c.text), c.value);
    }
    EXPECT_THROW(StrToBool(""), EConvertError);
    EXPECT_THROW(StrToBool("yes"), EConvertError);
    EXPECT_TRUE(StrToBoolDef("yes", true));
    EXPECT_EQ(BoolToStr(true), "1");
    EXPECT_EQ(BoolToStr(false), "0");
}

TEST(ConvertTest, TrimAndCase)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(UpperCase("Lime"), "LIME");
    EXPECT_EQ(LowerCase("ABC d"), "abc d");
}
