// Writes the table from the carriers' Private Use Area emoji to the standard
// emoji, from the Unicode Consortium's EmojiSources.txt, which pairs each
// standard emoji (or sequence) with the Shift-JIS codes of DoCoMo, KDDI and
// SoftBank.
//
// A carrier's Private Use Area code point follows from its Shift-JIS code:
// - DoCoMo and KDDI use the user-defined area as the Windows code page maps
//   it: F040-F9FC in order (trail bytes 40-7E and 80-FC, 188 per lead byte)
//   onto U+E000-U+E757, so DoCoMo's F89F is U+E63E.
// - SoftBank has six pages of 90 codes each, U+E001-U+E05A, U+E101-U+E15A ...
//   U+E501-U+E55A. A page is one half of a lead byte: trail bytes 41-9B (7F
//   skipped) or A1-FA; the halves in page order are F9 low, F7 low, F7 high,
//   F9 high, FB low, FB high. So F941 is U+E001 and F98B is U+E04A.
//
// KDDI's code points (U+E234-U+E5DF) overlap SoftBank's (U+E001-U+E537) on 143
// code points, each meaning a different emoji; DoCoMo's (U+E63E-U+E757)
// overlap neither. On a shared code point SoftBank's emoji wins: SoftBank's
// handsets send these code points as Unicode themselves, while KDDI's arise
// only from converting its Shift-JIS codes by the code page.
//
// Usage: emojitable EmojiSources.txt output.inc

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::optional<unsigned> UserDefinedAreaCodePoint(unsigned sjis) {
    const unsigned lead = sjis >> 8, trail = sjis & 0xFF;
    if (lead < 0xF0 || lead > 0xF9 || trail < 0x40 || trail == 0x7F || trail > 0xFC)
        return std::nullopt;
    return 0xE000 + (lead - 0xF0) * 188 + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
}

std::optional<unsigned> SoftBankCodePoint(unsigned sjis) {
    const unsigned lead = sjis >> 8, trail = sjis & 0xFF;
    const bool high = trail >= 0xA1;
    int page = -1;
    if (lead == 0xF9)
        page = high ? 3 : 0;
    else if (lead == 0xF7)
        page = high ? 2 : 1;
    else if (lead == 0xFB)
        page = high ? 5 : 4;
    if (page < 0)
        return std::nullopt;
    unsigned index = 0;
    if (high && trail <= 0xFA)
        index = trail - 0xA0;
    else if (!high && trail >= 0x41 && trail <= 0x9B && trail != 0x7F)
        index = trail - 0x40 - (trail > 0x7F ? 1 : 0);
    else
        return std::nullopt;
    return 0xE000 + unsigned(page) * 0x100 + index;
}

// One line of EmojiSources.txt: the standard code points and the three codes.
struct TSourceLine {
    std::vector<unsigned> Standard;
    std::string Codes[3]; // DoCoMo, KDDI, SoftBank; empty for none
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

std::string Utf16Literal(const std::vector<unsigned>& codePoints) {
    std::string literal = "u\"";
    char buffer[16];
    for (unsigned c : codePoints) {
        std::snprintf(buffer, sizeof buffer, c > 0xFFFF ? "\\U%08X" : "\\u%04X", c);
        literal += buffer;
    }
    return literal + '"';
}

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "emojitable: " << message << '\n';
    std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        Fail("usage: emojitable EmojiSources.txt output.inc");
    std::ifstream in(argv[1]);
    if (!in)
        Fail(std::string("cannot read ") + argv[1]);

    // Carriers in the order in which they claim a shared code point.
    struct TCarrier {
        int Field;
        std::optional<unsigned> (*CodePoint)(unsigned);
    };
    const TCarrier carriers[] = {
        {0, UserDefinedAreaCodePoint}, // DoCoMo
        {2, SoftBankCodePoint},
        {1, UserDefinedAreaCodePoint}, // KDDI
    };

    std::vector<TSourceLine> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> fields = Split(line, ';');
        if (fields.size() != 4)
            Fail("malformed line: " + line);
        TSourceLine source;
        for (const std::string& c : Split(fields[0], ' '))
            source.Standard.push_back(unsigned(std::stoul(c, nullptr, 16)));
        for (int k = 0; k < 3; ++k)
            source.Codes[k] = fields[size_t(k) + 1];
        lines.push_back(source);
    }

    std::map<unsigned, std::vector<unsigned>> table;
    for (const TCarrier& carrier : carriers) {
        for (const TSourceLine& line : lines) {
            const std::string& code = line.Codes[carrier.Field];
            if (code.empty())
                continue;
            const std::optional<unsigned> pua =
                carrier.CodePoint(unsigned(std::stoul(code, nullptr, 16)));
            if (!pua)
                Fail("code outside the carrier's area: " + code);
            table.emplace(*pua, line.Standard);
        }
    }

    std::ofstream out(argv[2]);
    out << "// Generated by tools/emojitable from EmojiSources.txt; do not edit.\n";
    char buffer[16];
    for (const auto& [pua, standard] : table) {
        std::snprintf(buffer, sizeof buffer, "0x%04X", pua);
        out << '{' << buffer << ", " << Utf16Literal(standard) << "},\n";
    }
    if (!out.flush())
        Fail(std::string("cannot write ") + argv[2]);
    return 0;
}
