// Saving a settings document: the atomic save (temporary file, fsync, rename,
// folder fsync) against the peer, an in-place rewrite flushed with fsync, which
// is as durable for the data but leaves a half-written file after a crash. The
// ratio is the price of never losing the previous document.
#include "bench/bench_ratios.hpp"
#include "platform/desktop/atomic_file.hpp"
#include "platform/desktop/typedstream_writer.hpp"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> SettingsArchive() {
  vigil::ArchivedDictionary settings;
  for (const char* key : {"kSendAnEmailCheckBoxKey", "kBeepCheckBoxKey", "kRevealTargetCheckBoxKey",
                          "kCheckItemCountChangeCheckBoxKey", "kCheckModificationDateChangeCheckBoxKey",
                          "kStopCheckingForChangesCheckBoxKey", "kCheckTimeIntervalUnitsPopupKey",
                          "kOpenFilesCheckBoxKey", "kStartWhenDocumentCheckBoxKey"}) {
    settings.Set(key, 1);
  }
  for (const char* key : {"kCheckTimeIntervalTextFieldKey", "kEMailAddressTextFieldKey",
                          "kEMailMessageTextFieldKey", "kTextFieldFilePathKey",
                          "kOpenFilePath1TextFieldKey", "kOpenFilePath2TextFieldKey"}) {
    settings.Set(key, std::string("/home/user/some folder/some file.txt"));
  }
  return vigil::Archive(settings);
}

fs::path DocumentPath() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "document_file_bench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return fs::path(pattern);
  }();
  return folder / "doc.vigil";
}

void BM_Save_Atomic(benchmark::State& state) {
  const auto archive = SettingsArchive();
  const fs::path path = DocumentPath();
  for (auto _ : state) {
    if (vigil::WriteFileAtomically(path, archive)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_Save_Atomic)->UseRealTime();

void BM_Save_InPlacePeer(benchmark::State& state) {
  const auto archive = SettingsArchive();
  const fs::path path = DocumentPath();
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, archive.data(), archive.size()) != static_cast<ssize_t>(archive.size()) ||
        ::fsync(fd) != 0) {
      state.SkipWithError("write failed");
    }
    ::close(fd);
  }
}
BENCHMARK(BM_Save_InPlacePeer)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const int result = vigil::bench::RunWithRatios(
      argc, argv, {{"BM_Save_Atomic/real_time", "BM_Save_InPlacePeer/real_time"}});
  std::error_code ignored;
  fs::remove_all(DocumentPath().parent_path(), ignored);
  return result;
}
