// The embedded fonts: present in the program, sized in pixels as the layouts expect.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "assets/Fonts.h"

namespace {

// A font missing from the program would leave Qt to fall back to another family.
TEST(EmbeddedFonts, AreCompiledIntoTheProgramAndUsed) {
    EXPECT_EQ(QFontInfo(fonts::Garamond(12)).family(), "EB Garamond");
    EXPECT_EQ(QFontInfo(fonts::Aardvark(12)).family(), "Comfortaa");
    EXPECT_EQ(QFontInfo(fonts::Arial(12)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(fonts::Verdana(12)).family(), "DejaVu Sans");
}

TEST(EmbeddedFonts, AreSizedInPixelsAtNinetySixDotsPerInch) {
    EXPECT_EQ(fonts::Aardvark(14.25).pixelSize(), 19);
    EXPECT_EQ(fonts::Garamond(15.75).pixelSize(), 21);
    EXPECT_EQ(fonts::SansSerif().pixelSize(), 11);
    EXPECT_EQ(fonts::Verdana(8.25, true).pixelSize(), 11);
    EXPECT_TRUE(fonts::Garamond(11.25).bold());
    EXPECT_FALSE(fonts::Arial(9.75).bold());
}

}  // namespace
