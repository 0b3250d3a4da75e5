// Name keys: which typed names reach which stored account.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accounts/Ansi.h"
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

TEST(NameKey, NamesTheCharactersTheAccountsFileCannotHold) {
    using Characters = std::vector<std::string>;
    EXPECT_EQ(output::UnstorableCharacters("田中"), (Characters{"田", "中"}));
    EXPECT_EQ(output::UnstorableCharacters("😀😀"), Characters{"😀"});
    EXPECT_EQ(output::UnstorableCharacters("Łukasz Łódź"), (Characters{"Ł", "ź"}));
    EXPECT_EQ(output::UnstorableCharacters("a\xFF!\xC0"), Characters{"\uFFFD"});   // malformed
    EXPECT_EQ(output::UnstorableCharacters("€\xC2\x80"), Characters{"\xC2\x80"});  // U+0080
    // Names that reach their accounts now: ASCII, Latin-1, the code page's extras, its free
    // bytes, and the '?' that a name stored before is found by.
    for (const char* name : {"Bob", "Zoë Ærø ÿ", "€ Š œ Ÿ", "\xC2\x81\xC2\x9D", "?ukasz", ""}) {
        EXPECT_EQ(output::UnstorableCharacters(name), Characters{}) << name;
    }
}

}  // namespace
