// One examination of a large folder by the watch, against a plain getdents loop
// over the same folder and against `find DIR -mindepth 1 -maxdepth 1 | wc -l`.
#include "app/document_test_services.hpp"
#include "app/my_document.hpp"
#include "app/stored_window.hpp"
#include "bench/bench_ratios.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A folder of the given number of empty files, made once and kept between runs.
std::string FolderOf(int entries) {
  const char *base = std::getenv("TMPDIR");
  const std::string folder = std::string(base != nullptr ? base : "/tmp") + "/vigil-bench-" +
                             std::to_string(entries);
  const std::string done = folder + ".ready";
  if (!std::filesystem::exists(done)) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (int i = 0; i < entries; ++i) {
      const int fd = open((folder + "/file-" + std::to_string(i)).c_str(), O_CREAT | O_WRONLY, 0644);
      if (fd >= 0) close(fd);
    }
    std::ofstream(done) << "ready";
  }
  return folder;
}

long MaxResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_Examination(benchmark::State &state) {
  const std::string folder = FolderOf(static_cast<int>(state.range(0)));
  vigil::app::TestServices services;
  vigil::app::StoredWindow window;
  window.folderPath.setStringValue(folder);
  window.checkItemCount.setState(1);
  window.checkModificationDate.setState(1);
  vigil::app::MyDocument document(services);
  document.connectOutlets(window.outlets());
  document.buttonStartStop(nullptr);  // takes the baseline
  for (auto _ : state) benchmark::DoNotOptimize(document.hasTargetChanged());
  state.counters["max_rss_kB"] = static_cast<double>(MaxResidentKilobytes());
}

void BM_GetdentsLoop(benchmark::State &state) {
  const std::string folder = FolderOf(static_cast<int>(state.range(0)));
  std::vector<char> buffer(256 * 1024);
  for (auto _ : state) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    long entries = 0;
    while (true) {
      const long read = syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
      if (read <= 0) break;
      for (long offset = 0; offset < read;) {
        const char *name = buffer.data() + offset + 19;
        const unsigned short length = *reinterpret_cast<unsigned short *>(buffer.data() + offset + 16);
        if (!(name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))) ++entries;
        offset += length;
      }
    }
    close(fd);
    benchmark::DoNotOptimize(entries);
  }
}

void BM_FindWc(benchmark::State &state) {
  const std::string folder = FolderOf(static_cast<int>(state.range(0)));
  const std::string command = "find " + folder + " -mindepth 1 -maxdepth 1 | wc -l";
  for (auto _ : state) {
    FILE *pipe = popen(command.c_str(), "r");
    char line[64] = {};
    benchmark::DoNotOptimize(std::fgets(line, sizeof line, pipe));
    pclose(pipe);
  }
}

BENCHMARK(BM_Examination)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetdentsLoop)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWc)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
  return vigil::bench::RunWithRatios(argc, argv,
                                     {{"BM_Examination/100000", "BM_GetdentsLoop/100000"},
                                      {"BM_Examination/100000", "BM_FindWc/100000"}});
}
