#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillane {

// One keyword of Commodore 64 BASIC V2 and its token byte.
struct BasicToken {
  std::string_view keyword;  // lower case
  std::int32_t code;         // only the low byte counts; 0 ends the table
};

// The keyword table of Commodore 64 BASIC V2: the keywords of tokens 0x80-0xCB in token order,
// stored in lower case, then the pi character 0xFF written "{pi}", then the end entry (code 0).
// LIST prints a token byte outside quotes as its keyword; inside quotes the byte stays as it is.
inline constexpr std::array<BasicToken, 78> BasicTokenTable{{
    {"end", 0x80},   {"for", 0x81},    {"next", 0x82},    {"data", 0x83},   {"input#", 0x84},
    {"input", 0x85}, {"dim", 0x86},    {"read", 0x87},    {"let", 0x88},    {"goto", 0x89},
    {"run", 0x8A},   {"if", 0x8B},     {"restore", 0x8C}, {"gosub", 0x8D},  {"return", 0x8E},
    {"rem", 0x8F},   {"stop", 0x90},   {"on", 0x91},      {"wait", 0x92},   {"load", 0x93},
    {"save", 0x94},  {"verify", 0x95}, {"def", 0x96},     {"poke", 0x97},   {"print#", 0x98},
    {"print", 0x99}, {"cont", 0x9A},   {"list", 0x9B},    {"clr", 0x9C},    {"cmd", 0x9D},
    {"sys", 0x9E},   {"open", 0x9F},   {"close", 0xA0},   {"get", 0xA1},    {"new", 0xA2},
    {"tab(", 0xA3},  {"to", 0xA4},     {"fn", 0xA5},      {"spc(", 0xA6},   {"then", 0xA7},
    {"not", 0xA8},   {"step", 0xA9},   {"+", 0xAA},       {"-", 0xAB},      {"*", 0xAC},
    {"/", 0xAD},     {"^", 0xAE},      {"and", 0xAF},     {"or", 0xB0},     {">", 0xB1},
    {"=", 0xB2},     {"<", 0xB3},      {"sgn", 0xB4},     {"int", 0xB5},    {"abs", 0xB6},
    {"usr", 0xB7},   {"fre", 0xB8},    {"pos", 0xB9},     {"sqr", 0xBA},    {"rnd", 0xBB},
    {"log", 0xBC},   {"exp", 0xBD},    {"cos", 0xBE},     {"sin", 0xBF},    {"tan", 0xC0},
    {"atn", 0xC1},   {"peek", 0xC2},   {"len", 0xC3},     {"str$", 0xC4},   {"val", 0xC5},
    {"asc", 0xC6},   {"chr$", 0xC7},   {"left$", 0xC8},   {"right$", 0xC9}, {"mid$", 0xCA},
    {"go", 0xCB},    {"{pi}", 0xFF},   {"", 0},
}};

// Looks a token byte up the way LIST does: scan from the first entry, found at the entry whose
// code is the byte, not found at the first entry whose code is greater, or at the end entry.
// The entry's index, or -1 when not found.
constexpr int FindBasicToken(std::uint8_t code) {
  for (std::size_t i = 0; i < BasicTokenTable.size(); ++i) {
    const std::int32_t entry = BasicTokenTable[i].code & 0xFF;
    if (entry == 0 || entry > code) return -1;
    if (entry == code) return static_cast<int>(i);
  }
  return -1;
}

constexpr bool BasicTokensAscend() {
  for (std::size_t i = 0; i + 2 < BasicTokenTable.size(); ++i) {
    if (BasicTokenTable[i].code >= BasicTokenTable[i + 1].code) return false;
  }
  return BasicTokenTable.back().code == 0;
}

static_assert(BasicTokensAscend());
static_assert(BasicTokenTable[0x4B].code == 0xCB && BasicTokenTable[0x4B].keyword == "go");
static_assert(FindBasicToken(0x99) == 0x19 && FindBasicToken(0xFF) == 76);
static_assert(FindBasicToken(0xCC) == -1 && FindBasicToken(0x7F) == -1);

}  // namespace quillane
