// Name keys: which typed names reach which stored account.
#include <gtest/gtest.h>

#include <string>

#include "accounts/NameKey.h"

namespace {

using output::SearchKey;
using output::StoredName;

TEST(NameKey, IgnoresCaseAndSurroundingSpacesOnly) {
    EXPECT_EQ(SearchKey("  BOB "), SearchKey("bob"));
    EXPECT_NE(SearchKey("b ob"), SearchKey("bob"));
    EXPECT_NE(SearchKey("\tbob"), SearchKey("bob"));        // only U+0020 is trimmed
    EXPECT_NE(SearchKey("bob\xC2\xA0"), SearchKey("bob"));  // nor the no-break space
    EXPECT_EQ(SearchKey("ÉLODIE ŒUVRE ŸVES ŠŽ"), SearchKey("élodie œuvre ÿves šž"));
}

TEST(NameKey, TypedNamesAreKeyedAsTheyWouldBeStored) {
    const std::string thirty(30, 'x');
    EXPECT_EQ(StoredName(thirty), thirty);
    EXPECT_EQ(SearchKey(thirty + "tail"), SearchKey(thirty));  // cut at 30, like the name
    EXPECT_EQ(StoredName("  bob"), "  bob" + std::string(25, ' '));
    EXPECT_EQ(StoredName("€\xC2\x80"), "€?" + std::string(28, ' '));  // U+0080 has no byte
    EXPECT_EQ(StoredName("Łukasz"), "?ukasz" + std::string(24, ' '));
    EXPECT_EQ(SearchKey("Łukasz"), SearchKey("?ukasz"));
    EXPECT_EQ(StoredName("a\xFF!"), "a?!" + std::string(27, ' '));  // malformed UTF-8
}

}  // namespace
