#include "fidelity/corpus_index.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "base/little_endian.h"
#include "platform/read_file.h"

namespace vecrast::fidelity {
namespace fs = std::filesystem;

namespace {

constexpr size_t kPlaceableHeaderBytes = 22;
constexpr size_t kMetaHeaderBytes = 18;
constexpr uint16_t kMetaEscape = 0x0626;
constexpr uint16_t kMfComment = 0x000F;
constexpr char kEquationSignature[] = "MathType";

uint16_t Word(const std::vector<uint8_t>& b, size_t at) { return base::ReadLe16(b.data() + at); }
uint32_t DoubleWord(const std::vector<uint8_t>& b, size_t at) { return base::ReadLe32(b.data() + at); }

// file name -> status, from the tab-separated table (comment lines start with '#').
std::map<std::string, std::string> ReadStatusTable(const std::string& path) {
  std::map<std::string, std::string> table;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.rfind("file\t", 0) == 0) continue;
    std::vector<std::string> fields;
    std::stringstream row(line);
    std::string field;
    while (std::getline(row, field, '\t')) fields.push_back(field);
    constexpr size_t kStatusColumn = 6;
    if (fields.size() > kStatusColumn) table[fields[0]] = fields[kStatusColumn];
  }
  return table;
}

}  // namespace

std::string DefaultCorpusDir() {
  if (const char* env = std::getenv("VECRAST_CORPUS"); env && *env) return env;
  return std::string(VECRAST_SOURCE_DIR) + "/../shared/corpus";
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& reason, size_t maxBytes) {
  std::string text;
  if (!ReadWholeFile(path, maxBytes, FileKinds::kRegular, text, reason)) {
    reason = "cannot read " + path + ": " + reason;
    return false;
  }
  bytes.assign(text.begin(), text.end());
  return true;
}

bool IsEquationPicture(const std::vector<uint8_t>& bytes) {
  size_t at = kPlaceableHeaderBytes + kMetaHeaderBytes;
  const size_t signatureLength = std::strlen(kEquationSignature);
  while (at + 6 <= bytes.size()) {
    const uint64_t recordBytes = uint64_t(DoubleWord(bytes, at)) * 2;
    const uint16_t function = Word(bytes, at + 4);
    if (recordBytes < 6 || recordBytes > bytes.size() - at || function == 0) return false;
    const size_t dataAt = at + 10;  // size, function, escape function, byte count
    if (function == kMetaEscape && dataAt + signatureLength <= at + recordBytes &&
        Word(bytes, at + 6) == kMfComment &&
        std::memcmp(&bytes[dataAt], kEquationSignature, signatureLength) == 0) {
      return true;
    }
    at += size_t(recordBytes);
  }
  return false;
}

std::vector<std::string> ListFilesBelow(const std::string& dir) {
  std::vector<std::string> files;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec)) files.push_back(it->path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool LoadCorpus(const std::string& corpusDir, std::vector<CorpusFile>& files, std::string& reason) {
  const fs::path root(corpusDir);
  std::error_code ec;
  if (!fs::is_directory(root / "wmf", ec)) {
    reason = "no corpus at " + corpusDir + " (set VECRAST_CORPUS)";
    return false;
  }
  const auto status = ReadStatusTable((root / "REFERENCE.tsv").string());
  files.clear();
  for (const std::string& path : ListFilesBelow((root / "wmf").string())) {
    CorpusFile file;
    file.path = path;
    file.name = fs::path(path).filename().string();
    if (fs::path(path).extension() != ".wmf") continue;
    if (auto found = status.find(file.name); found != status.end()) file.refStatus = found->second;
    const fs::path ref = root / "ref" / fs::path(file.name).replace_extension(".png");
    if (fs::is_regular_file(ref, ec)) file.refPath = ref.string();
    std::vector<uint8_t> bytes;
    std::string ignored;
    if (ReadFileBytes(path, bytes, ignored)) file.equation = IsEquationPicture(bytes);
    files.push_back(std::move(file));
  }
  if (files.empty()) {
    reason = "no metafiles in " + (root / "wmf").string();
    return false;
  }
  return true;
}

}  // namespace vecrast::fidelity
