#include <gtest/gtest.h>

#include <climits>

#include "framework/Convert.h"
#include "framework/Exception.h"

namespace {

struct IntCase {
    const char16_t* text;
    bool valid;
    int value;
};

const IntCase kIntCases[] = {
    {u"0", true, 0},
    {u"  42", true, 42},
    {u"+7", true, 7},
    {u"-13", true, -13},
    {u"000000000000000000042", true, 42},
    {u"2147483647", true, INT_MAX},
    {u"-2147483648", true, INT_MIN},
    {u"2147483648", false, 0},
    {u"-2147483649", false, 0},
    {u"99999999999999999999", false, 0},
    {u"$1F", true, 31},
    {u"0x1f", true, 31},
    {u"0X1F", true, 31},
    {u"-$10", true, -16},
    {u" -0x10", true, -16},
    {u"$7FFFFFFF", true, INT_MAX},
    {u"$80000000", true, INT_MIN},
    {u"$FFFFFFFF", true, -1},
    {u"$100000000", false, 0},
    {u"", false, 0},
    {u"   ", false, 0},
    {u"-", false, 0},
    {u"$", false, 0},
    {u"0x", false, 0},
    {u"12 ", false, 0},
    {u"1a", false, 0},
    {u"$1G", false, 0},
    {u"\t5", false, 0},
    {u"+-1", false, 0},
    {u"$-1", false, 0},
    {u"1.0", false, 0},
    {u"\u0663", false, 0}, // a digit, but not an ASCII one
};

} // namespace

TEST(Convert, StrToIntFollowsTheFrameworkRules)
{
    for (const IntCase& c : kIntCases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        int value = 12345;
        EXPECT_EQ(TryStrToInt(text, value), c.valid);
        EXPECT_EQ(StrToIntDef(text, -99), c.valid ? c.value : -99);
        if (c.valid) {
            EXPECT_EQ(value, c.value);
            EXPECT_EQ(StrToInt(text), c.value);
        } else {
            EXPECT_EQ(value, 12345) << "a failed conversion leaves the output alone";
            EXPECT_THROW(StrToInt(text), EConvertError);
        }
    }
}

TEST(Convert, StrToIntErrorQuotesTheWholeText)
{
    try {
        StrToInt(QStringLiteral(" 12x"));
        FAIL();
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("' 12x' is not a valid integer value"));
    }
}
