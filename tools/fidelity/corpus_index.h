// The real-world corpus as the measuring tools see it: the placeable metafiles, their
// GDI reference renderings, and the files that must be refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vecrast::fidelity {

// The corpus folder: $VECRAST_CORPUS when set, else ../shared/corpus beside the source tree.
std::string DefaultCorpusDir();

struct CorpusFile {
  std::string name;       // file name in wmf/
  std::string path;       // full path of the metafile
  std::string refPath;    // full path of the reference PNG, empty when there is none
  std::string refStatus;  // status column of REFERENCE.tsv, empty when not listed
  bool equation = false;  // written by an equation editor (see IsEquationPicture)
};

// Lists wmf/*.wmf sorted by name, joined with REFERENCE.tsv and ref/*.png, and classified.
// False (and why) when the folder or the table cannot be read.
bool LoadCorpus(const std::string& corpusDir, std::vector<CorpusFile>& files, std::string& reason);

// Every regular file below a folder, recursively, sorted by path.
std::vector<std::string> ListFilesBelow(const std::string& dir);

// The whole file, or false (and why) when it cannot be read or exceeds maxBytes.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& reason,
                   size_t maxBytes = size_t(256) << 20);

// Equation pictures carry their editor's signature: a comment escape (META_ESCAPE with
// MFCOMMENT) whose data begins with "MathType". The records are walked with bounds checks.
bool IsEquationPicture(const std::vector<uint8_t>& bytes);

}  // namespace vecrast::fidelity
