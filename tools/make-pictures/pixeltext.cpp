#include "pixeltext.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::uint8_t Paper = 255;
constexpr std::uint8_t Ink = 4; // navy

// Glyphs side by side, one space between them; '#' is ink. Rows 0-6 hold capitals and
// ascenders (baseline under row 6), rows 7-8 the descender. The caps are wide and the lower
// case narrow so that the lines fill the same widths as in the larger pictures.
struct GlyphSheet {
    std::string_view characters;
    std::array<std::string_view, 9> rows;
};

constexpr std::array<GlyphSheet, 2> Sheets = {{
    {"12.\"DEHKLOPSV",
     {"..#.. .###. . #.# #####. ##### #....# #....# #.... .####. ####. .####. #...#",
      ".##.. #...# . #.# #....# #.... #....# #...#. #.... #....# #...# #....# #...#",
      "#.#.. ....# . ... #....# #.... #....# #..#.. #.... #....# #...# #..... #...#",
      "..#.. ...#. . ... #....# ####. ###### ###... #.... #....# ####. .####. .#.#.",
      "..#.. ..#.. . ... #....# #.... #....# #..#.. #.... #....# #.... .....# .#.#.",
      "..#.. .#... . ... #....# #.... #....# #...#. #.... #....# #.... #....# .#.#.",
      "##### ##### # ... #####. ##### #....# #....# ##### .####. #.... .####. ..#..",
      "..... ..... . ... ...... ..... ...... ...... ..... ...... ..... ...... .....",
      "..... ..... . ... ...... ..... ...... ...... ..... ...... ..... ...... ....."}},
    {"acdefhilmnorstuwy",
     {".... .... ...# .... .## #... # # ..... .... .... ... ... ... .... ..... ....",
      ".... .... ...# .... .#. #... . # ..... .... .... ... ... .#. .... ..... ....",
      ".##. .### .### .##. ### ###. # # ##.#. ###. .##. #.# .## ### #..# #...# #..#",
      "...# #... #..# #..# .#. #..# # # #.#.# #..# #..# ##. #.. .#. #..# #...# #..#",
      ".### #... #..# #### .#. #..# # # #.#.# #..# #..# #.. .#. .#. #..# #.#.# #..#",
      "#..# #... #..# #... .#. #..# # # #.#.# #..# #..# #.. ..# .#. #..# #.#.# #..#",
      ".### .### .### .### .#. #..# # # #.#.# #..# .##. #.. ##. ..# .### .#.#. .###",
      ".... .... .... .... ... .... . . ..... .... .... ... ... ... .... ..... ...#",
      ".... .... .... .... ... .... . . ..... .... .... ... ... ... .... ..... .##."}},
}};

using Glyph = std::vector<std::string_view>; // one entry per row

std::map<char, Glyph> loadGlyphs()
{
    std::map<char, Glyph> glyphs;
    for (const GlyphSheet& sheet : Sheets) {
        std::array<std::size_t, 9> column{};
        for (const char character : sheet.characters) {
            Glyph glyph;
            for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
                const std::string_view line = sheet.rows[row];
                const std::size_t end = std::min(line.find(' ', column[row]), line.size());
                glyph.push_back(line.substr(column[row], end - column[row]));
                column[row] = end + 1;
                if (glyph.back().size() != glyph.front().size() || glyph.back().empty())
                    throw std::logic_error(std::string("ragged glyph ") + character);
            }
            glyphs.emplace(character, std::move(glyph));
        }
    }
    return glyphs;
}

constexpr int LetterGap = 1; // blank columns between letters of a word
constexpr int WordGap = 3;   // blank columns between words, before widening

// Draws the text from `left`; the gap after word n is widened by widening[n] columns. Returns
// the last column with ink (left - 1 for no ink).
int drawText(Picture& picture, const std::map<char, Glyph>& glyphs, std::string_view text, int left,
             int top, const std::vector<int>& widening = {})
{
    int x = left;
    int inkRight = left - 1;
    std::size_t word = 0;
    for (const char character : text) {
        if (character == ' ') {
            x += WordGap - LetterGap + (word < widening.size() ? widening[word] : 0);
            ++word;
            continue;
        }
        const auto found = glyphs.find(character);
        if (found == glyphs.end())
            throw std::logic_error(std::string("no glyph for ") + character);
        const Glyph& glyph = found->second;
        for (std::size_t row = 0; row < glyph.size(); ++row) {
            for (std::size_t column = 0; column < glyph[row].size(); ++column) {
                if (glyph[row][column] == '#') {
                    picture.at(x + static_cast<int>(column), top + static_cast<int>(row)) = Ink;
                    inkRight = std::max(inkRight, x + static_cast<int>(column));
                }
            }
        }
        x += static_cast<int>(glyph.front().size()) + LetterGap;
    }
    return inkRight;
}

struct PixelLine {
    std::string_view number; // hangs left of the text column
    std::string_view text;
    int top;
    int right; // last column with ink
};

constexpr int NumberColumn = 12;
constexpr int TextColumn = 23;

constexpr std::array<PixelLine, 4> Lines = {{
    {"1.", "Press \"OK\" to set your", 3, 115},
    {"", "DSO to HOLD mode", 14, 106},
    {"2.", "Press \"LEVEL\" and", 27, 101},
    {"", "follow the instructions", 38, 112},
}};

// The word gaps are widened, the leftmost first, until the ink ends in the line's right column.
void drawLine(Picture& picture, const std::map<char, Glyph>& glyphs, const PixelLine& line)
{
    drawText(picture, glyphs, line.number, NumberColumn, line.top);
    Picture trial = picture;
    const int missing = line.right - drawText(trial, glyphs, line.text, TextColumn, line.top);
    const auto gaps = static_cast<int>(std::count(line.text.begin(), line.text.end(), ' '));
    if (missing < 0 || (missing > 0 && gaps == 0))
        throw std::logic_error("line does not fit: " + std::string(line.text));
    std::vector<int> widening;
    for (int gap = 0; gap < gaps; ++gap)
        widening.push_back(missing / gaps + (gap < missing % gaps ? 1 : 0));
    drawText(picture, glyphs, line.text, TextColumn, line.top, widening);
}

} // namespace

Picture makePixelText()
{
    const std::map<char, Glyph> glyphs = loadGlyphs();
    Picture picture(128, 64, 8, systemPalette(), Paper);
    for (const PixelLine& line : Lines)
        drawLine(picture, glyphs, line);
    return picture;
}
