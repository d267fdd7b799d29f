#include "generated_file.h"

#include <fstream>
#include <iostream>

namespace vecrast::manual {

bool AllOptionsDescribed(const OptionReference& reference, std::string_view tool) {
  for (const std::string& name : reference.undescribed) std::cerr << tool << ": no description of " << name << "\n";
  return reference.undescribed.empty();
}

bool WriteGeneratedFile(const std::string& path, const std::string& text, std::string_view tool) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (!file) {
    std::cerr << tool << ": cannot write " << path << "\n";
    return false;
  }
  return true;
}

}  // namespace vecrast::manual
