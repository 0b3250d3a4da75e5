// Name keys: which typed names reach which stored account.
#include <gtest/gtest.h>

#include <string>

#include "accounts/Ansi.h"
#include "accounts/NameKey.h"

namespace {

using output::NameKey;
using output::SearchKey;
using output::StoredName;
using output::StoredNameBytes;

TEST(NameKey, IgnoresCaseAndSurroundingSpacesOnly) {
    EXPECT_EQ(SearchKey("  BOB "), NameKey(StoredNameBytes("bob")));
    EXPECT_NE(SearchKey("b ob"), SearchKey("bob"));
    EXPECT_NE(SearchKey("\tbob"), SearchKey("bob"));        // only U+0020 is trimmed
    EXPECT_NE(SearchKey("bob\xC2\xA0"), SearchKey("bob"));  // nor the no-break space
    EXPECT_EQ(SearchKey("ÉLODIE ŒUVRE ŸVES ŠŽ"), SearchKey("élodie œuvre ÿves šž"));
    EXPECT_NE(SearchKey("×"), SearchKey("÷"));  // not a letter pair in the code page
}

TEST(NameKey, TypedNamesReachTheirStoredFormAgain) {
    const std::string thirty(30, 'x');
    EXPECT_EQ(StoredNameBytes(thirty), thirty);
    // Past 30 characters the name is cut, and so is its search key.
    EXPECT_EQ(SearchKey(thirty + "tail"), SearchKey(thirty));
    EXPECT_EQ(NameKey(StoredNameBytes(thirty + "tail")), SearchKey(thirty + "tail"));
    // Characters the code page cannot hold are stored as '?', and searched as stored.
    EXPECT_EQ(StoredName("Łukasz"), "?ukasz" + std::string(24, ' '));
    EXPECT_EQ(SearchKey("Łukasz"), SearchKey("?ukasz"));
    EXPECT_EQ(StoredName("a\xFF"
                         "b"),
              "a?b" + std::string(27, ' '));  // malformed UTF-8
}

TEST(NameKey, StoredNamesAreThirtyCharacters) {
    EXPECT_EQ(StoredName("Zoë"), "Zoë" + std::string(27, ' '));
    EXPECT_EQ(StoredName("  bob"), "  bob" + std::string(25, ' '));  // leading spaces are kept
    EXPECT_EQ(StoredName("€" + std::string(40, 'z')), "€" + std::string(29, 'z'));
}

TEST(Windows1252, UnassignedBytesBecomeTheirControlCharactersAndBack) {
    const std::string unassigned = "\x81\x8D\x8F\x90\x9D";
    EXPECT_EQ(output::FromAnsi(unassigned), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(output::ToAnsi(output::FromAnsi(unassigned)), unassigned);
    // U+0080 has no byte of its own: 0x80 is the euro sign.
    EXPECT_EQ(output::ToAnsi("\xC2\x80"), "?");
    EXPECT_EQ(output::ToAnsi("€"), "\x80");
}

}  // namespace
