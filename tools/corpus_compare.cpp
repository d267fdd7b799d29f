// Measures the metafile player against the real-world corpus and checks that it refuses
// what it must refuse.
//
// 1. Every wmf/ file with a GDI reference is rendered in-process by worker processes
//    (time and memory limits; a crash or hang costs one file), compared with the
//    reference, and reported per file and in summary, equation pictures apart from the
//    other files. Our renderings go to OUT/render/, side-by-side images of the worst
//    files to OUT/diff/ (--diff N), the figures to OUT/results.tsv.
// 2. Every file below negative/ and plain/ is run through wmf_render in a child process
//    under the same limits; each must end with exit status 1 and a reason.
// Exit status: 0 when nothing crashed, hung or was wrongly accepted; 1 otherwise; 2 when
// the corpus cannot be read or the options are wrong.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fidelity/corpus_index.h"
#include "fidelity/image_compare.h"
#include "fidelity/png_file.h"
#include "fidelity/process_limits.h"
#include "fidelity/rgb_image.h"
#include "fidelity/statistics.h"
#include "metafile/metafile.h"
#include "platform/program_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace vecrast::fidelity;
using Clock = std::chrono::steady_clock;

constexpr double kGoodSsim = 0.95;

struct Options {
  std::string corpus = DefaultCorpusDir();
  std::string out = "corpus-out";
  std::string only;         // substring filter on file names
  std::string baseline;     // results.tsv of an earlier run to compare with
  int jobs = 2;
  int diffs = 0;            // side-by-side images for this many worst files of each group
  int worst = 15;           // worst files of each group listed
  bool perFile = true;
  bool writeRenders = true;
  bool refusals = true;
  ProcessLimits limits{20000, 2048};
};

constexpr char kUsage[] =
    "usage: corpus_compare [options]\n"
    "  --corpus DIR     corpus folder (default $VECRAST_CORPUS, else ../shared/corpus beside the sources)\n"
    "  --out DIR        where renderings, diffs and results.tsv go (default ./corpus-out)\n"
    "  --jobs N         worker processes (default 2)\n"
    "  --diff N         write side-by-side images of the N worst files of each group to OUT/diff/\n"
    "  --worst N        list the N worst files of each group (default 15)\n"
    "  --only TEXT      only files whose name contains TEXT\n"
    "  --baseline TSV   list files whose SSIM or missing-glyph boxes changed since the run that wrote TSV\n"
    "  --summary        no per-file lines\n"
    "  --no-png         do not write our renderings\n"
    "  --no-refusals    skip the negative/ and plain/ checks\n"
    "  --timeout-ms N   per file (default 20000)   --memory-mb N  per process (default 2048)\n";

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    auto number = [&](auto& into) {
      std::string text;
      if (!value(text)) return false;
      char* end = nullptr;
      const long v = std::strtol(text.c_str(), &end, 10);
      if (*end != '\0' || v < 0) return false;
      into = static_cast<std::remove_reference_t<decltype(into)>>(v);
      return true;
    };
    bool ok = true;
    if (arg == "--corpus") ok = value(o.corpus);
    else if (arg == "--out") ok = value(o.out);
    else if (arg == "--only") ok = value(o.only);
    else if (arg == "--baseline") ok = value(o.baseline);
    else if (arg == "--jobs") ok = number(o.jobs) && o.jobs > 0;
    else if (arg == "--diff") ok = number(o.diffs);
    else if (arg == "--worst") ok = number(o.worst);
    else if (arg == "--timeout-ms") ok = number(o.limits.timeoutMs) && o.limits.timeoutMs > 0;
    else if (arg == "--memory-mb") ok = number(o.limits.memoryMb);
    else if (arg == "--summary") o.perFile = false;
    else if (arg == "--no-png") o.writeRenders = false;
    else if (arg == "--no-refusals") o.refusals = false;
    else ok = false;
    if (!ok) return false;
  }
  return true;
}

// ---- one file -------------------------------------------------------------------------

struct FileResult {
  bool rendered = false;
  bool failedHard = false;  // crashed or hung
  int ourWidth = 0, ourHeight = 0, refWidth = 0, refHeight = 0;
  double renderMs = 0;
  size_t missingGlyphs = 0;  // characters the player drew as the missing-glyph box
  Comparison cmp;
  std::string note;  // why it failed, or a remark

  // SSIM as the summary counts it: a file without a usable picture counts 0.
  double Score() const { return rendered && !std::isnan(cmp.ssim) ? cmp.ssim : 0.0; }
};

std::string OneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

std::string Serialize(const FileResult& r) {
  char numbers[512];
  std::snprintf(numbers, sizeof numbers, "%d\t%d\t%d\t%d\t%d\t%d\t%.17g\t%.17g\t%.17g\t%.17g\t%zu\t", r.rendered ? 1 : 0,
                r.ourWidth, r.ourHeight, r.refWidth, r.refHeight, r.cmp.sameSize ? 1 : 0, r.cmp.psnr, r.cmp.ssim,
                r.cmp.bigDiffShare, r.renderMs, r.missingGlyphs);
  return numbers + OneLine(r.note);
}

FileResult Deserialize(const std::string& text) {
  FileResult r;
  std::stringstream in(text);
  std::string field;
  std::vector<std::string> f;
  while (f.size() < 11 && std::getline(in, field, '\t')) f.push_back(field);
  std::getline(in, r.note);
  if (f.size() < 11) {
    r.note = "unreadable result from worker";
    return r;
  }
  r.rendered = f[0] == "1";
  r.ourWidth = std::atoi(f[1].c_str());
  r.ourHeight = std::atoi(f[2].c_str());
  r.refWidth = std::atoi(f[3].c_str());
  r.refHeight = std::atoi(f[4].c_str());
  r.cmp.sameSize = f[5] == "1";
  r.cmp.psnr = std::strtod(f[6].c_str(), nullptr);
  r.cmp.ssim = std::strtod(f[7].c_str(), nullptr);
  r.cmp.bigDiffShare = std::strtod(f[8].c_str(), nullptr);
  r.renderMs = std::strtod(f[9].c_str(), nullptr);
  r.missingGlyphs = std::strtoul(f[10].c_str(), nullptr, 10);
  return r;
}

std::string Stem(const std::string& name) { return fs::path(name).stem().string(); }

bool RenderFile(const CorpusFile& file, RgbImage& image, FileResult& r) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(file.path, bytes, r.note)) return false;
  metafile::Picture picture;
  metafile::RenderStats stats;
  const auto start = Clock::now();
  r.rendered = metafile::RenderPlaceableMetafile(bytes.data(), bytes.size(), picture, r.note, &stats);
  r.missingGlyphs = stats.missingGlyphs;
  r.renderMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (!r.rendered) {
    if (r.note.empty()) r.note = "refused without a reason";
    return false;
  }
  image = FromPicture(picture);
  if (image.width == 0) {
    r.rendered = false;
    r.note = "inconsistent picture from the player";
    return false;
  }
  r.ourWidth = image.width;
  r.ourHeight = image.height;
  return true;
}

std::string MeasureFile(const CorpusFile& file, const Options& options) {
  FileResult r;
  RgbImage ours, reference;
  std::string reason;
  if (!ReadPng(file.refPath, reference, reason)) {
    r.note = reason;
    return Serialize(r);
  }
  r.refWidth = reference.width;
  r.refHeight = reference.height;
  if (!RenderFile(file, ours, r)) return Serialize(r);
  r.cmp = CompareImages(ours, reference);
  if (options.writeRenders && !WritePng(options.out + "/render/" + Stem(file.name) + ".png", ours, reason)) {
    r.note = reason;
  }
  return Serialize(r);
}

std::string WriteDiff(const CorpusFile& file, const Options& options) {
  RgbImage ours, reference;
  FileResult r;
  std::string reason;
  if (!ReadPng(file.refPath, reference, reason) || !RenderFile(file, ours, r)) return "";
  const std::string path = options.out + "/diff/" + Stem(file.name) + ".png";
  return WritePng(path, SideBySide(ours, reference), reason) ? path : "";
}

// ---- report ---------------------------------------------------------------------------

std::string SizeText(const FileResult& r) {
  if (!r.rendered) return std::to_string(r.refWidth) + "x" + std::to_string(r.refHeight) + " ?";
  if (r.cmp.sameSize) return std::to_string(r.refWidth) + "x" + std::to_string(r.refHeight) + " =";
  return std::to_string(r.ourWidth) + "x" + std::to_string(r.ourHeight) + "!=" + std::to_string(r.refWidth) + "x" +
         std::to_string(r.refHeight);
}

std::string Number(double v, const char* format) {
  if (std::isnan(v)) return "n/a";
  if (std::isinf(v)) return "inf";
  char text[32];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

std::string RefRemark(const CorpusFile& file) {
  if (file.refStatus.empty() || file.refStatus == "ok") return "";
  return "[reference " + file.refStatus + "] ";
}

int nameWidth = 46;

void PrintFileLine(const CorpusFile& file, const FileResult& r) {
  const std::string kind = file.equation ? "eq" : "other";
  if (!r.rendered) {
    std::printf("%-*s %-5s %-21s FAILED: %s\n", nameWidth, file.name.c_str(), kind.c_str(), SizeText(r).c_str(), r.note.c_str());
    return;
  }
  std::printf("%-*s %-5s %-21s %7s %7s %7s %9s %6zu  %s%s\n", nameWidth, file.name.c_str(), kind.c_str(),
              SizeText(r).c_str(), Number(r.cmp.psnr, "%.2f").c_str(), Number(r.cmp.ssim, "%.4f").c_str(),
              Number(100 * r.cmp.bigDiffShare, "%.2f%%").c_str(), Number(r.renderMs, "%.1f").c_str(), r.missingGlyphs,
              RefRemark(file).c_str(), r.note.c_str());
}

struct GroupFigures {
  size_t files = 0, rendered = 0, hardFailures = 0, sizeMismatches = 0, good = 0, missingGlyphs = 0, filesWithBoxes = 0;
  double medianSsim = NAN, medianPsnr = NAN, meanBigDiff = NAN;
};

GroupFigures Summarise(const std::vector<const FileResult*>& results) {
  GroupFigures g;
  std::vector<double> ssim, psnr;
  double bigDiff = 0;
  for (const FileResult* r : results) {
    ++g.files;
    ssim.push_back(r->Score());
    if (r->failedHard) ++g.hardFailures;
    if (r->Score() >= kGoodSsim) ++g.good;
    if (!r->rendered) continue;
    ++g.rendered;
    g.missingGlyphs += r->missingGlyphs;
    g.filesWithBoxes += r->missingGlyphs ? 1 : 0;
    if (!r->cmp.sameSize) ++g.sizeMismatches;
    psnr.push_back(std::isinf(r->cmp.psnr) ? 99.0 : r->cmp.psnr);
    bigDiff += r->cmp.bigDiffShare;
  }
  g.medianSsim = Median(ssim);
  g.medianPsnr = Median(psnr);
  if (g.rendered) g.meanBigDiff = bigDiff / double(g.rendered);
  return g;
}

void PrintSummary(const std::vector<CorpusFile>& files, const std::vector<FileResult>& results) {
  std::vector<const FileResult*> equations, others, all;
  for (size_t i = 0; i < files.size(); ++i) {
    (files[i].equation ? equations : others).push_back(&results[i]);
    all.push_back(&results[i]);
  }
  std::printf("\n%-10s %6s %9s %7s %10s %7s %11s %12s %11s %10s %15s\n", "group", "files", "rendered", "failed",
              "crash/hang", "size!=", "median SSIM", "SSIM>=0.95", "median PSNR", "mean >32", "boxes (files)");
  for (const auto& [name, group] : {std::pair{"equations", &equations}, {"other", &others}, {"all", &all}}) {
    const GroupFigures g = Summarise(*group);
    const double goodShare = g.files ? 100.0 * double(g.good) / double(g.files) : NAN;
    const std::string boxes = std::to_string(g.missingGlyphs) + " (" + std::to_string(g.filesWithBoxes) + ")";
    std::printf("%-10s %6zu %9zu %7zu %10zu %7zu %11s %11s%% %11s %10s %15s\n", name, g.files, g.rendered,
                g.files - g.rendered, g.hardFailures, g.sizeMismatches, Number(g.medianSsim, "%.4f").c_str(),
                Number(goodShare, "%.1f").c_str(), Number(g.medianPsnr, "%.2f").c_str(),
                Number(100 * g.meanBigDiff, "%.2f%%").c_str(), boxes.c_str());
  }
  std::printf("(a file that failed to render counts as SSIM 0; median PSNR over rendered files, identical = 99;\n"
              " boxes: characters the player drew as the missing-glyph box, and the files with any)\n");
}

// Indices of the rendered files of one group, worst SSIM first.
std::vector<size_t> WorstFiles(const std::vector<CorpusFile>& files, const std::vector<FileResult>& results,
                               bool equations, size_t count) {
  std::vector<size_t> order;
  for (size_t i = 0; i < results.size(); ++i) {
    if (results[i].rendered && files[i].equation == equations) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return results[a].Score() < results[b].Score(); });
  if (order.size() > count) order.resize(count);
  return order;
}

void PrintFailures(const std::vector<CorpusFile>& files, const std::vector<FileResult>& results) {
  std::map<std::string, std::vector<std::string>> byReason;
  for (size_t i = 0; i < files.size(); ++i) {
    if (!results[i].rendered) byReason[results[i].note].push_back(files[i].name);
  }
  if (byReason.empty()) return;
  std::printf("\nfailed to render, by reason:\n");
  for (const auto& [reason, names] : byReason) {
    std::printf("  %4zu  %s  (%s%s)\n", names.size(), reason.c_str(), names.front().c_str(), names.size() > 1 ? ", ..." : "");
  }
}

void WriteResultsTable(const std::string& path, const std::vector<CorpusFile>& files, const std::vector<FileResult>& results) {
  FILE* out = std::fopen(path.c_str(), "w");
  if (!out) return;
  std::fprintf(out, "file\tkind\trendered\tour_w\tour_h\tref_w\tref_h\tsame_size\tpsnr\tssim\tbig_diff\trender_ms\tboxes\tnote\n");
  for (size_t i = 0; i < files.size(); ++i) {
    const FileResult& r = results[i];
    std::fprintf(out, "%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%.4f\t%.6f\t%.6f\t%.3f\t%zu\t%s\n", files[i].name.c_str(),
                 files[i].equation ? "eq" : "other", r.rendered, r.ourWidth, r.ourHeight, r.refWidth, r.refHeight,
                 r.cmp.sameSize, r.cmp.psnr, r.cmp.ssim, r.cmp.bigDiffShare, r.renderMs, r.missingGlyphs,
                 OneLine(r.note).c_str());
  }
  std::fclose(out);
}

// One file of an earlier results.tsv: SSIM as the summary counts it, and the missing-glyph
// boxes drawn (-1 when that run did not count them).
struct BaselineFile {
  double ssim = 0;
  long boxes = -1;
};

std::map<std::string, BaselineFile> ReadBaseline(const std::string& path) {
  std::map<std::string, BaselineFile> files;
  FILE* in = std::fopen(path.c_str(), "r");
  if (!in) return files;
  char line[4096];
  size_t boxesColumn = 0;  // 0: none
  while (std::fgets(line, sizeof line, in)) {
    std::vector<std::string> fields;
    std::stringstream row(line);
    std::string field;
    while (std::getline(row, field, '\t')) fields.push_back(field);
    constexpr size_t kRendered = 2, kSsim = 9;
    if (!fields.empty() && fields[0] == "file") {
      for (size_t c = 0; c < fields.size(); ++c) boxesColumn = fields[c] == "boxes" ? c : boxesColumn;
      continue;
    }
    if (fields.size() <= kSsim) continue;
    const double ssim = std::strtod(fields[kSsim].c_str(), nullptr);
    BaselineFile& file = files[fields[0]];
    file.ssim = fields[kRendered] == "1" && !std::isnan(ssim) ? ssim : 0.0;
    if (boxesColumn && fields.size() > boxesColumn) file.boxes = std::strtol(fields[boxesColumn].c_str(), nullptr, 10);
  }
  std::fclose(in);
  return files;
}

// Files whose missing-glyph boxes changed form a group of their own: characters drawn as
// symbols instead of boxes differ from references drawn without those faces. Every other
// file whose SSIM moved by more than kChange is listed as better or worse.
void PrintChangesSince(const std::string& path, const std::vector<CorpusFile>& files, const std::vector<FileResult>& results) {
  const auto before = ReadBaseline(path);
  if (before.empty()) {
    std::printf("\nbaseline %s: nothing readable\n", path.c_str());
    return;
  }
  constexpr double kChange = 0.01;
  std::vector<std::pair<double, size_t>> worse, better;
  std::vector<size_t> boxesChanged;
  std::vector<double> oldScores, newScores;
  long boxesBefore = 0, boxesAfter = 0;
  bool counted = true;
  for (size_t i = 0; i < files.size(); ++i) {
    const auto found = before.find(files[i].name);
    if (found == before.end()) continue;
    const double delta = results[i].Score() - found->second.ssim;
    oldScores.push_back(found->second.ssim);
    newScores.push_back(results[i].Score());
    counted = counted && found->second.boxes >= 0;
    boxesBefore += std::max(0L, found->second.boxes);
    boxesAfter += long(results[i].missingGlyphs);
    if (found->second.boxes >= 0 && found->second.boxes != long(results[i].missingGlyphs)) {
      boxesChanged.push_back(i);
    } else if (delta < -kChange) {
      worse.push_back({delta, i});
    } else if (delta > kChange) {
      better.push_back({delta, i});
    }
  }
  std::sort(worse.begin(), worse.end());
  std::printf("\nagainst baseline %s (%zu files in both): median SSIM %.4f -> %.4f; %zu better, %zu worse by more than %.2f\n",
              path.c_str(), newScores.size(), Median(oldScores), Median(newScores), better.size(), worse.size(), kChange);
  if (counted) {
    std::printf("missing-glyph boxes %ld -> %ld; %zu files drew a different number of boxes:\n", boxesBefore, boxesAfter,
                boxesChanged.size());
  }
  for (const size_t i : boxesChanged) {
    const BaselineFile& old = before.at(files[i].name);
    std::printf("  boxes: %-*s %5ld -> %-5zu SSIM %.4f -> %.4f\n", nameWidth, files[i].name.c_str(), old.boxes,
                results[i].missingGlyphs, old.ssim, results[i].Score());
  }
  for (size_t k = 0; k < worse.size() && k < 20; ++k) {
    const size_t i = worse[k].second;
    std::printf("  worse: %-*s %.4f -> %.4f\n", nameWidth, files[i].name.c_str(), before.at(files[i].name).ssim, results[i].Score());
  }
}

// ---- the two parts --------------------------------------------------------------------

std::vector<FileResult> MeasureAll(const std::vector<CorpusFile>& files, const Options& options) {
  const auto outcomes = RunInWorkers(files.size(), options.jobs, options.limits,
                                     [&](size_t i) { return MeasureFile(files[i], options); });
  std::vector<FileResult> results(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    if (outcomes[i].end == JobOutcome::End::Done) {
      results[i] = Deserialize(outcomes[i].text);
    } else {
      results[i].failedHard = true;
      results[i].note = DescribeEnd(outcomes[i]);
    }
  }
  return results;
}

// Runs every file below `folder` through wmf_render; returns the number of files that did
// not fail cleanly.
size_t CheckRefusals(const std::string& label, const std::string& folder, const Options& options) {
  const std::vector<std::string> paths = ListFilesBelow(folder);
  const std::string tool = vecrast::ProgramFolder() + "wmf_render";
  std::vector<std::vector<std::string>> commands;
  for (const std::string& path : paths) commands.push_back({tool, path});
  ProcessLimits limits = options.limits;
  limits.timeoutMs = std::min(limits.timeoutMs, 10000);
  const auto outcomes = RunCommands(commands, limits, options.jobs);
  size_t clean = 0, accepted = 0, crashed = 0, hung = 0, noReason = 0;
  std::vector<std::string> offenders;
  double slowest = 0;
  std::string slowestName;
  for (size_t i = 0; i < paths.size(); ++i) {
    const CommandOutcome& o = outcomes[i];
    const std::string name = fs::relative(paths[i], folder).string();
    if (o.ms > slowest) slowest = o.ms, slowestName = name;
    std::string problem;
    if (o.end == CommandOutcome::End::Exited && o.exitStatus == 1 && !o.errorText.empty()) {
      ++clean;
      continue;
    }
    if (o.end == CommandOutcome::End::Exited && o.exitStatus == 0) {
      ++accepted, problem = "accepted (rendered)";
    } else if (o.end == CommandOutcome::End::TimedOut) {
      ++hung, problem = "hung";
    } else if (o.end == CommandOutcome::End::Exited && o.exitStatus == 1) {
      ++noReason, problem = "exit 1 without a reason";
    } else {
      ++crashed, problem = DescribeEnd(o) + ": " + OneLine(o.errorText.substr(0, 200));
    }
    offenders.push_back(name + ": " + problem);
  }
  std::printf("%-9s %4zu files: %zu refused cleanly, %zu accepted, %zu crashed, %zu hung, %zu without a reason"
              " (slowest %.0f ms: %s)\n",
              label.c_str(), paths.size(), clean, accepted, crashed, hung, noReason, slowest, slowestName.c_str());
  for (size_t i = 0; i < offenders.size() && i < 20; ++i) std::printf("    %s\n", offenders[i].c_str());
  if (offenders.size() > 20) std::printf("    ... and %zu more\n", offenders.size() - 20);
  return offenders.size();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::vector<CorpusFile> all;
  std::string reason;
  if (!LoadCorpus(options.corpus, all, reason)) {
    std::fprintf(stderr, "corpus_compare: %s\n", reason.c_str());
    return 2;
  }
  std::vector<CorpusFile> files;
  size_t withoutReference = 0;
  for (const CorpusFile& f : all) {
    if (!options.only.empty() && f.name.find(options.only) == std::string::npos) continue;
    if (f.refPath.empty()) {
      ++withoutReference;
    } else {
      files.push_back(f);
      nameWidth = std::max(nameWidth, int(f.name.size()));
    }
  }
  std::error_code ec;
  fs::create_directories(options.out + "/render", ec);
  fs::create_directories(options.out + "/diff", ec);

  const auto start = Clock::now();
  const std::vector<FileResult> results = MeasureAll(files, options);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

  std::printf("corpus %s: %zu metafiles, %zu with a reference, %zu without; %d workers, %.1f s\n",
              options.corpus.c_str(), files.size() + withoutReference, files.size(), withoutReference, options.jobs,
              seconds);
  std::printf("equation pictures: files carrying the equation editor's comment record (\"MathType\")\n\n");
  if (options.perFile) {
    std::printf("%-*s %-5s %-21s %7s %7s %7s %9s %6s\n", nameWidth, "file", "kind", "size (ours!=ref)", "PSNR", "SSIM", ">32",
                "render ms", "boxes");
    for (size_t i = 0; i < files.size(); ++i) PrintFileLine(files[i], results[i]);
  }
  PrintSummary(files, results);
  PrintFailures(files, results);

  std::vector<size_t> diffs;
  for (const bool equations : {true, false}) {
    const std::vector<size_t> worst = WorstFiles(files, results, equations, size_t(std::max(options.worst, options.diffs)));
    if (!worst.empty() && options.worst > 0) std::printf("\nworst %s:\n", equations ? "equation pictures" : "other files");
    for (size_t k = 0; k < worst.size() && k < size_t(options.worst); ++k) PrintFileLine(files[worst[k]], results[worst[k]]);
    diffs.insert(diffs.end(), worst.begin(), worst.begin() + std::ptrdiff_t(std::min(worst.size(), size_t(options.diffs))));
  }
  if (!diffs.empty()) {
    RunInWorkers(diffs.size(), options.jobs, options.limits, [&](size_t k) { return WriteDiff(files[diffs[k]], options); });
    std::printf("\nside-by-side images (reference | ours | difference) of the %d worst of each group: %s/diff/\n",
                options.diffs, options.out.c_str());
  }
  if (!options.baseline.empty()) PrintChangesSince(options.baseline, files, results);
  WriteResultsTable(options.out + "/results.tsv", files, results);
  std::printf("renderings: %s/render/   figures: %s/results.tsv\n", options.out.c_str(), options.out.c_str());

  size_t problems = 0;
  for (const FileResult& r : results) problems += r.failedHard ? 1 : 0;
  if (options.refusals) {
    std::printf("\nrefusal checks (wmf_render per file, %d ms and %zu MB limits):\n", std::min(options.limits.timeoutMs, 10000),
                options.limits.memoryMb);
    problems += CheckRefusals("negative", options.corpus + "/negative", options);
    problems += CheckRefusals("plain", options.corpus + "/plain", options);
  }
  return problems == 0 ? 0 : 1;
}
