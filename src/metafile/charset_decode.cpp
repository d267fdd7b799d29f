#include "metafile/charset_decode.h"

#include <iconv.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>

#include "metafile/symbol_encodings.h"

namespace metafile {

namespace {

struct SymbolEntry {
  char32_t code;
  const char* name;
};

// The Symbol encoding from 0x20, one row per byte; zero marks an unassigned byte. Pieces
// of large brackets and the like use the Unicode bracket-piece characters.
constexpr SymbolEntry kSymbolTable[] = {
    {0x0020, "space"}, {0x0021, "exclam"}, {0x2200, "universal"}, {0x0023, "numbersign"},
    {0x2203, "existential"}, {0x0025, "percent"}, {0x0026, "ampersand"}, {0x220B, "suchthat"},
    {0x0028, "parenleft"}, {0x0029, "parenright"}, {0x2217, "asteriskmath"}, {0x002B, "plus"},
    {0x002C, "comma"}, {0x2212, "minus"}, {0x002E, "period"}, {0x002F, "slash"},
    {0x0030, "zero"}, {0x0031, "one"}, {0x0032, "two"}, {0x0033, "three"},
    {0x0034, "four"}, {0x0035, "five"}, {0x0036, "six"}, {0x0037, "seven"},
    {0x0038, "eight"}, {0x0039, "nine"}, {0x003A, "colon"}, {0x003B, "semicolon"},
    {0x003C, "less"}, {0x003D, "equal"}, {0x003E, "greater"}, {0x003F, "question"},
    {0x2245, "congruent"}, {0x0391, "Alpha"}, {0x0392, "Beta"}, {0x03A7, "Chi"},
    {0x0394, "Delta"}, {0x0395, "Epsilon"}, {0x03A6, "Phi"}, {0x0393, "Gamma"},
    {0x0397, "Eta"}, {0x0399, "Iota"}, {0x03D1, "theta1"}, {0x039A, "Kappa"},
    {0x039B, "Lambda"}, {0x039C, "Mu"}, {0x039D, "Nu"}, {0x039F, "Omicron"},
    {0x03A0, "Pi"}, {0x0398, "Theta"}, {0x03A1, "Rho"}, {0x03A3, "Sigma"},
    {0x03A4, "Tau"}, {0x03A5, "Upsilon"}, {0x03C2, "sigma1"}, {0x03A9, "Omega"},
    {0x039E, "Xi"}, {0x03A8, "Psi"}, {0x0396, "Zeta"}, {0x005B, "bracketleft"},
    {0x2234, "therefore"}, {0x005D, "bracketright"}, {0x22A5, "perpendicular"}, {0x005F, "underscore"},
    {0x203E, "radicalex"}, {0x03B1, "alpha"}, {0x03B2, "beta"}, {0x03C7, "chi"},
    {0x03B4, "delta"}, {0x03B5, "epsilon"}, {0x03C6, "phi"}, {0x03B3, "gamma"},
    {0x03B7, "eta"}, {0x03B9, "iota"}, {0x03D5, "phi1"}, {0x03BA, "kappa"},
    {0x03BB, "lambda"}, {0x03BC, "mu"}, {0x03BD, "nu"}, {0x03BF, "omicron"},
    {0x03C0, "pi"}, {0x03B8, "theta"}, {0x03C1, "rho"}, {0x03C3, "sigma"},
    {0x03C4, "tau"}, {0x03C5, "upsilon"}, {0x03D6, "omega1"}, {0x03C9, "omega"},
    {0x03BE, "xi"}, {0x03C8, "psi"}, {0x03B6, "zeta"}, {0x007B, "braceleft"},
    {0x007C, "bar"}, {0x007D, "braceright"}, {0x223C, "similar"}, {0, nullptr},
    // 0x80 - 0x9F are unassigned.
    {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr},
    {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr},
    {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr},
    {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr}, {0, nullptr},
    {0x20AC, "Euro"}, {0x03D2, "Upsilon1"}, {0x2032, "minute"}, {0x2264, "lessequal"},
    {0x2044, "fraction"}, {0x221E, "infinity"}, {0x0192, "florin"}, {0x2663, "club"},
    {0x2666, "diamond"}, {0x2665, "heart"}, {0x2660, "spade"}, {0x2194, "arrowboth"},
    {0x2190, "arrowleft"}, {0x2191, "arrowup"}, {0x2192, "arrowright"}, {0x2193, "arrowdown"},
    {0x00B0, "degree"}, {0x00B1, "plusminus"}, {0x2033, "second"}, {0x2265, "greaterequal"},
    {0x00D7, "multiply"}, {0x221D, "proportional"}, {0x2202, "partialdiff"}, {0x2022, "bullet"},
    {0x00F7, "divide"}, {0x2260, "notequal"}, {0x2261, "equivalence"}, {0x2248, "approxequal"},
    {0x2026, "ellipsis"}, {0x23D0, "arrowvertex"}, {0x23AF, "arrowhorizex"}, {0x21B5, "carriagereturn"},
    {0x2135, "aleph"}, {0x2111, "Ifraktur"}, {0x211C, "Rfraktur"}, {0x2118, "weierstrass"},
    {0x2297, "circlemultiply"}, {0x2295, "circleplus"}, {0x2205, "emptyset"}, {0x2229, "intersection"},
    {0x222A, "union"}, {0x2283, "propersuperset"}, {0x2287, "reflexsuperset"}, {0x2284, "notsubset"},
    {0x2282, "propersubset"}, {0x2286, "reflexsubset"}, {0x2208, "element"}, {0x2209, "notelement"},
    {0x2220, "angle"}, {0x2207, "gradient"}, {0x00AE, "registerserif"}, {0x00A9, "copyrightserif"},
    {0x2122, "trademarkserif"}, {0x220F, "product"}, {0x221A, "radical"}, {0x22C5, "dotmath"},
    {0x00AC, "logicalnot"}, {0x2227, "logicaland"}, {0x2228, "logicalor"}, {0x21D4, "arrowdblboth"},
    {0x21D0, "arrowdblleft"}, {0x21D1, "arrowdblup"}, {0x21D2, "arrowdblright"}, {0x21D3, "arrowdbldown"},
    {0x25CA, "lozenge"}, {0x2329, "angleleft"}, {0x00AE, "registersans"}, {0x00A9, "copyrightsans"},
    {0x2122, "trademarksans"}, {0x2211, "summation"}, {0x239B, "parenlefttp"}, {0x239C, "parenleftex"},
    {0x239D, "parenleftbt"}, {0x23A1, "bracketlefttp"}, {0x23A2, "bracketleftex"}, {0x23A3, "bracketleftbt"},
    {0x23A7, "bracelefttp"}, {0x23A8, "braceleftmid"}, {0x23A9, "braceleftbt"}, {0x23AA, "braceex"},
    {0, nullptr}, {0x232A, "angleright"}, {0x222B, "integral"}, {0x2320, "integraltp"},
    {0x23AE, "integralex"}, {0x2321, "integralbt"}, {0x239E, "parenrighttp"}, {0x239F, "parenrightex"},
    {0x23A0, "parenrightbt"}, {0x23A4, "bracketrighttp"}, {0x23A5, "bracketrightex"}, {0x23A6, "bracketrightbt"},
    {0x23AB, "bracerighttp"}, {0x23AC, "bracerightmid"}, {0x23AD, "bracerightbt"}, {0, nullptr},
};
static_assert(sizeof(kSymbolTable) / sizeof(kSymbolTable[0]) == 0x100 - 0x20);

// iconv names to try for a code page, first that opens wins.
struct CodePageNames {
  int codePage;
  const char* names[3];
};
constexpr CodePageNames kCodePageNames[] = {
    {1250, {"CP1250", nullptr, nullptr}}, {1251, {"CP1251", nullptr, nullptr}},
    {1252, {"CP1252", nullptr, nullptr}}, {1253, {"CP1253", nullptr, nullptr}},
    {1254, {"CP1254", nullptr, nullptr}}, {1255, {"CP1255", nullptr, nullptr}},
    {1256, {"CP1256", nullptr, nullptr}}, {1257, {"CP1257", nullptr, nullptr}},
    {1258, {"CP1258", nullptr, nullptr}}, {874, {"CP874", "WINDOWS-874", "TIS-620"}},
    {932, {"CP932", "SHIFT_JIS", nullptr}}, {936, {"CP936", "GBK", nullptr}},
    {949, {"CP949", "UHC", nullptr}}, {950, {"CP950", "BIG5", nullptr}},
    {1361, {"JOHAB", nullptr, nullptr}}, {437, {"IBM437", "CP437", nullptr}},
    {10000, {"MACINTOSH", nullptr, nullptr}},
};

struct CharsetCodePage {
  uint8_t charSet;
  int codePage;
};
constexpr CharsetCodePage kCharsetCodePages[] = {
    {kAnsiCharset, 1252}, {kDefaultCharset, 1252}, {kMacCharset, 10000}, {kShiftJisCharset, 932},
    {kHangulCharset, 949}, {kJohabCharset, 1361}, {kGb2312Charset, 936}, {kBig5Charset, 950},
    {kGreekCharset, 1253}, {kTurkishCharset, 1254}, {kVietnameseCharset, 1258}, {kHebrewCharset, 1255},
    {kArabicCharset, 1256}, {kBalticCharset, 1257}, {kRussianCharset, 1251}, {kThaiCharset, 874},
    {kEastEuropeCharset, 1250}, {kOemCharset, 437},
};

bool IsLeadByte(int codePage, uint8_t b) {
  switch (codePage) {
    case 932: return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:
    case 949:
    case 950: return b >= 0x81 && b <= 0xFE;
    case 1361: return (b >= 0x84 && b <= 0xD3) || (b >= 0xD8 && b <= 0xDE) || (b >= 0xE0 && b <= 0xF9);
    default: return false;
  }
}

// Converters from code pages to UTF-32, opened once and kept for the process. Calls are
// serialised: an iconv descriptor carries conversion state.
class Converters {
 public:
  static Converters& Instance() {
    static Converters instance;
    return instance;
  }

  // One character of `count` (1 or 2) bytes; 0 when the bytes are not a character.
  char32_t Convert(int codePage, const uint8_t* bytes, size_t count) {
    std::lock_guard<std::mutex> lock(mutex_);
    iconv_t cd = Open(codePage);
    if (cd == iconv_t(-1)) return 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[2] = {char(bytes[0]), count > 1 ? char(bytes[1]) : '\0'};
    char32_t out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = count, outLeft = sizeof(out);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0) return 0;
    // Flush: code pages with combining marks hold a base character back.
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    return outLeft < sizeof(out) ? out[0] : 0;
  }

  // The whole single-byte table of a code page, made on first use.
  const std::array<char32_t, 256>& SingleByteTable(int codePage) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      auto it = tables_.find(codePage);
      if (it != tables_.end()) return *it->second;
    }
    auto table = std::make_unique<std::array<char32_t, 256>>();
    for (int b = 0; b < 256; ++b) {
      const uint8_t byte = uint8_t(b);
      const char32_t c = Convert(codePage, &byte, 1);
      (*table)[size_t(b)] = c ? c : char32_t(b);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    auto& slot = tables_[codePage];
    if (!slot) slot = std::move(table);
    return *slot;
  }

 private:
  Converters() = default;
  ~Converters() {
    for (auto& [codePage, cd] : open_) {
      if (cd != iconv_t(-1)) iconv_close(cd);
    }
  }

  iconv_t Open(int codePage) {
    auto it = open_.find(codePage);
    if (it != open_.end()) return it->second;
    iconv_t cd = iconv_t(-1);
    for (const CodePageNames& entry : kCodePageNames) {
      if (entry.codePage != codePage) continue;
      for (const char* name : entry.names) {
        if (name && cd == iconv_t(-1)) cd = iconv_open("UTF-32LE", name);
      }
    }
    open_[codePage] = cd;
    return cd;
  }

  std::mutex mutex_;
  std::map<int, iconv_t> open_;
  std::map<int, std::unique_ptr<std::array<char32_t, 256>>> tables_;
};

bool IsDoubleBytePage(int codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361;
}

}  // namespace

int CodePageForCharset(uint8_t charSet) {
  for (const CharsetCodePage& entry : kCharsetCodePages) {
    if (entry.charSet == charSet) return entry.codePage;
  }
  return 1252;
}

char32_t SymbolToUnicode(uint8_t byte) { return byte < 0x20 ? 0 : kSymbolTable[byte - 0x20].code; }

const char* SymbolGlyphName(uint8_t byte) { return byte < 0x20 ? nullptr : kSymbolTable[byte - 0x20].name; }

std::vector<DecodedChar> DecodeText(const uint8_t* bytes, size_t count, TextEncoding encoding,
                                    uint8_t charSet) {
  std::vector<DecodedChar> out;
  if (!bytes || count == 0) return out;
  out.reserve(count);
  if (encoding != TextEncoding::kCodePage) {
    for (size_t i = 0; i < count; ++i) {
      const char32_t c =
          encoding == TextEncoding::kSymbol ? SymbolToUnicode(bytes[i]) : MappedSymbolCharacter(encoding, bytes[i]);
      // Unassigned bytes stay in the private area the symbol fonts use for them.
      out.push_back({c ? c : char32_t(0xF000 + bytes[i]), 1, bytes[i]});
    }
    return out;
  }
  const int codePage = CodePageForCharset(charSet);
  if (!IsDoubleBytePage(codePage)) {
    const std::array<char32_t, 256>& table = Converters::Instance().SingleByteTable(codePage);
    for (size_t i = 0; i < count; ++i) out.push_back({table[bytes[i]], 1, bytes[i]});
    return out;
  }
  for (size_t i = 0; i < count;) {
    if (IsLeadByte(codePage, bytes[i]) && i + 1 < count) {
      const char32_t c = Converters::Instance().Convert(codePage, bytes + i, 2);
      out.push_back({c ? c : char32_t(0xFFFD), 2, bytes[i]});
      i += 2;
    } else {
      const char32_t c = bytes[i] < 0x80 ? char32_t(bytes[i]) : Converters::Instance().Convert(codePage, bytes + i, 1);
      out.push_back({c ? c : char32_t(0xFFFD), 1, bytes[i]});
      ++i;
    }
  }
  return out;
}

std::string DecodeFaceName(const std::string& raw, uint8_t charSet) {
  // Face names of symbol fonts are plain ASCII names.
  const uint8_t nameSet = charSet == kSymbolCharset ? uint8_t(kAnsiCharset) : charSet;
  const std::vector<DecodedChar> chars =
      DecodeText(reinterpret_cast<const uint8_t*>(raw.data()), raw.size(), TextEncoding::kCodePage, nameSet);
  std::string utf8;
  for (const DecodedChar& c : chars) {
    if (c.code == 0) break;
    AppendUtf8(utf8, c.code);
  }
  return utf8;
}

}  // namespace metafile
