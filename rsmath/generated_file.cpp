#include "rsmath/generated_file.h"

#include <cstdlib>

#include "platform/platform.h"
#include "platform/text_format.h"

namespace rsmath {

namespace {

[[noreturn]] void FailOn(const std::string& path) {
  platform::Ui().MessageBox(nullptr,
                            platform::Format("Unable to open the file %s for writting\n The "
                                             "program can not continue\n\nPress OK to Exit",
                                             path.c_str()),
                            "Error");
  platform::Process().Exit(1);
  std::abort();  // Exit does not return; never go on writing after a fatal failure
}

}  // namespace

void WriteGeneratedFile(const std::string& path, std::string_view text) {
  auto file = platform::Files().OpenForWriting(path);
  if (!file) FailOn(path);
  if (!file->Write(text)) {
    file->Close();  // discards the half-written replacement; the old file stays
    FailOn(path);
  }
  if (!file->Close()) FailOn(path);
}

}  // namespace rsmath
