#include "lessonlines.h"

#include "lessontext.h"

#include <algorithm>

namespace figure {

namespace {

// One character of UTF-8 at `at`, which moves past it.
char32_t NextCharacter(std::string_view text, std::size_t& at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
    for (int i = 1; i < length && at + std::size_t(i) < text.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[at + std::size_t(i)]) & 0x3F);
    at = std::min(text.size(), at + std::size_t(length));
    return c;
}

bool IsBlank(char32_t c)
{
    return c == U' ' || c == U'\u3000';
}

// Letters, digits and the point of a number: kept together.
bool IsWord(char32_t c)
{
    return c > U' ' && c < 0x7F;
}

// Marks that close what comes before them.
bool Closes(char32_t c)
{
    return c == U'、' || c == U'。' || c == U'，' || c == U'．' || c == U'）' || c == U'」' || c == U'°';
}

// Marks and signs that belong to what follows them.
bool Holds(char32_t c)
{
    return c == U'（' || c == U'「' || c == U'△' || c == U'∠' || c == U'＝' || c == U'≒' || c == U'×'
        || c == U'−' || c == U'∽' || c == U'※';
}

struct Cutter {
    const LessonMeasure& measure;
    std::vector<LessonPiece> pieces;
    char32_t last = 0;   // the last character that was not a blank
    bool blank = false;  // blanks since it
    std::string blanks;  // of the run being cut, since the last piece

    bool MayBreakBefore(char32_t c, bool exponent) const
    {
        if (pieces.empty() || exponent || Closes(c) || Holds(last))
            return false;
        return blank || !(IsWord(last) && IsWord(c));
    }

    void Add(const LessonRun& run, std::size_t index, char32_t c, std::string_view bytes)
    {
        if (IsBlank(c)) {
            blank = !pieces.empty();
            if (blank)
                blanks += bytes;
            return;
        }
        const bool exponent = run.kind == LessonRun::Kind::Exponent;
        const bool opens = pieces.empty() || MayBreakBefore(c, exponent);
        const bool sameRun = !pieces.empty() && pieces.back().run == index && blanks.empty();
        if (opens || !sameRun) {
            EndBlanks(run);
            pieces.push_back({index, {}, {}, 0, 0, opens});
        }
        pieces.back().text += bytes;
        last = c;
        blank = false;
    }

    // Blanks after a piece belong to it; measured in the run they are in.
    void EndBlanks(const LessonRun& run)
    {
        if (!blanks.empty() && !pieces.empty()) {
            pieces.back().after += blanks;
            pieces.back().blanks += measure(run, blanks);
        }
        blanks.clear();
    }
};

} // namespace

std::vector<LessonPiece> CutLessonRow(const LessonRow& row, const LessonMeasure& measure)
{
    Cutter cutter{measure, {}, 0, false, {}};
    for (std::size_t index = 0; index < row.runs.size(); ++index) {
        const LessonRun& run = row.runs[index];
        if (run.kind == LessonRun::Kind::Blank) {
            // A box stands for a number: a word of its own.
            cutter.Add(run, index, U'0', {});
            continue;
        }
        const std::string_view text = run.text;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t from = at;
            const char32_t c = NextCharacter(text, at);
            cutter.Add(run, index, c, text.substr(from, at - from));
        }
        cutter.EndBlanks(run);
    }
    for (LessonPiece& piece : cutter.pieces) {
        const LessonRun& run = row.runs[piece.run];
        piece.width = run.kind == LessonRun::Kind::Blank ? measure(run, {}) : measure(run, piece.text);
    }
    return std::move(cutter.pieces);
}

namespace {

// Pieces that may not be parted, from `first`: where the next line could begin.
std::size_t EndOfChunk(const std::vector<LessonPiece>& pieces, std::size_t first, float& width)
{
    std::size_t last = first + 1;
    width = pieces[first].width;
    while (last < pieces.size() && !pieces[last].opens) {
        width += pieces[last - 1].blanks + pieces[last].width;
        ++last;
    }
    return last;
}

} // namespace

float BreakLessonRow(const std::vector<LessonPiece>& pieces, std::size_t row, float width,
                     std::vector<LessonLine>& lines)
{
    float widest = 0;
    LessonLine line{row, 0, 0, 0};
    for (std::size_t first = 0; first < pieces.size();) {
        float chunk = 0;
        const std::size_t last = EndOfChunk(pieces, first, chunk);
        const float joined = line.last > line.first ? line.width + pieces[line.last - 1].blanks + chunk : chunk;
        if (line.last > line.first && joined > width) {
            lines.push_back(line);
            widest = std::max(widest, line.width);
            line = LessonLine{row, first, last, chunk};
        } else {
            line.last = last;
            line.width = joined;
        }
        first = last;
    }
    lines.push_back(line);
    return std::max(widest, line.width);
}

float NarrowestLessonRow(const std::vector<LessonPiece>& pieces)
{
    float narrowest = 0;
    for (std::size_t first = 0; first < pieces.size();) {
        float chunk = 0;
        first = EndOfChunk(pieces, first, chunk);
        narrowest = std::max(narrowest, chunk);
    }
    return narrowest;
}

} // namespace figure
