// The caption face at the two small sizes the screens use must keep look-alike characters
// apart: "r" from a dotless "ı", "S" from "3" (and from a mirrored "3"), "," from ".".

#include "draw/canvas.h"
#include "draw/fonts.h"
#include "draw/palette.h"
#include "draw/text.h"

#include "draw_test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace draw {
namespace {

constexpr Colour kPaper = rgb(255, 255, 255);

// The ink of a text drawn in the caption face, cut to its bounding box; '#' is ink.
std::vector<std::string> glyph(const QString& text, int height) {
    testing::ensureApplication();
    QImage image = testing::blankImage(40, 20, kPaper);
    Canvas canvas(image);
    canvas.setTextAlign(TextAlign::Left);
    SmallText(canvas, 4, 4, ColBlack, text, height);
    int left = 40, right = -1, top = 20, bottom = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            if (canvas.pixel(x, y) != kPaper) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    std::vector<std::string> rows;
    for (int y = top; y <= bottom; ++y) {
        std::string row;
        for (int x = left; x <= right; ++x) row += canvas.pixel(x, y) != kPaper ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

std::string shown(const std::vector<std::string>& rows) {
    std::string text;
    for (const auto& row : rows) text += row + "\n";
    return text;
}

// An "S" opens to the right in its upper half and ends on the right in its lower half: some
// row between the top and the middle has ink in the left column only, and some row between
// the middle and the bottom has ink in the right column. A "3" fails the first, a mirrored
// "3" the second.
bool shapedLikeS(const std::vector<std::string>& rows) {
    if (rows.size() < 5 || rows.front().size() < 3) return false;
    const std::size_t last = rows.front().size() - 1;
    const std::size_t middle = rows.size() / 2;
    bool upper = false;
    bool lower = false;
    for (std::size_t y = 1; y + 1 < rows.size(); ++y) {
        const bool leftInk = rows[y][0] == '#';
        const bool rightInk = rows[y][last] == '#';
        if (y < middle && leftInk && !rightInk) upper = true;
        if (y > middle && rightInk) lower = true;
    }
    return upper && lower;
}

// Whether the letter that starts a word stands clear of the next one: the word begins with
// the letter's own pixels, and the column after them is empty between the letter's top and
// bottom rows (serifs may meet there).
bool standsClear(const std::vector<std::string>& word, const std::vector<std::string>& letter) {
    if (word.size() < letter.size() || letter.empty()) return false;
    const std::size_t width = letter.front().size();
    for (std::size_t y = 0; y < letter.size(); ++y) {
        if (word[y].size() <= width || word[y].substr(0, width) != letter[y]) return false;
        if (y > 0 && y + 1 < letter.size() && word[y][width] == '#') return false;
    }
    return true;
}

int inkBelowBaseline(const QString& text, int height) {
    // The descender of a comma reaches below the digits around it.
    const auto digits = glyph(QStringLiteral("00"), height);
    const auto withMark = glyph(text, height);
    return static_cast<int>(withMark.size()) - static_cast<int>(digits.size());
}

TEST(SmallText, TellsLookAlikeCharactersApart) {
    for (int height : {-7, -8}) {
        SCOPED_TRACE(height);
        const auto r = glyph(QStringLiteral("r"), height);
        const auto dotless = glyph(QString(QChar(0x0131)), height);
        EXPECT_NE(r, dotless) << shown(r);
        // The arm of the "r" reaches right of its stem.
        ASSERT_FALSE(r.empty());
        EXPECT_GE(r.front().size(), 2u) << shown(r);

        const auto s = glyph(QStringLiteral("S"), height);
        const auto three = glyph(QStringLiteral("3"), height);
        EXPECT_TRUE(shapedLikeS(s)) << shown(s);
        EXPECT_FALSE(shapedLikeS(three)) << shown(three);

        // "0,0" and "0.0" differ, and the comma hangs below the line.
        EXPECT_NE(glyph(QStringLiteral("0,0"), height), glyph(QStringLiteral("0.0"), height));
        EXPECT_GT(inkBelowBaseline(QStringLiteral("0,0"), height), 0)
            << shown(glyph(QStringLiteral("0,0"), height));
    }
}

// At 8 pixels an "S" keeps clear of its neighbour, which would otherwise close it into a
// mirrored "3". (At 7 pixels no face found keeps every letter whole and apart; there the
// letters may touch.)
TEST(SmallText, LettersStandClearInWordsAtEightPixels) {
    const auto s = glyph(QStringLiteral("S"), -8);
    for (const char* word : {"SYS", "SINGLE"}) {
        const auto drawn = glyph(QString::fromLatin1(word), -8);
        EXPECT_TRUE(standsClear(drawn, s)) << word << "\n" << shown(drawn);
    }
}

} // namespace
} // namespace draw
