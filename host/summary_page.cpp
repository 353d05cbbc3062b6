#include "host/summary_page.h"

#include <algorithm>

namespace host {

using platform::ControlKind;

const platform::DialogTemplate& SummaryTemplate() {
  static const platform::DialogTemplate kTemplate = [] {
    platform::DialogTemplate t;
    t.number = kSummaryTemplate;
    t.caption = "Summary";
    t.width = 323;
    t.height = 151;
    t.controls = {
        platform::MakeControl(ControlKind::Label, kSummaryIntroText,
                              "Click Finish to create the custom zentile variation, an Ordel "
                              "Function prototype in an "
                              "Include File (.inc), and a VHDL Component Declaration file (.cmp).",
                              135, 4, 179, 28),
        platform::MakeControl(
            ControlKind::Label, platform::kNoId,
            "When you run this wizard from within the Tessaron software, it also creates a Symbol "
            "File (.sym).",
            135, 34, 179, 18),
        platform::MakeControl(ControlKind::Label, platform::kNoId,
                              "The Corvex Plug-In Manager will create the following files:", 135,
                              56, 181, 19),
        platform::MakeControl(ControlKind::Picture, platform::kNoId, "", 7, 2, 119, 149),
        platform::MakeControl(ControlKind::ListBox, kSummaryFileList, "", 137, 78, 179, 72),
    };
    t.controls[3].pictureId = kSummaryPicture;
    return t;
  }();
  return kTemplate;
}

SummaryPage::SummaryPage(std::string directoryOfDesign)
    : WizardPage(SummaryTemplate(), nullptr), directory(std::move(directoryOfDesign)) {}

std::vector<std::string> SummaryPage::ListedFiles() const {
  std::vector<std::string> listed;
  std::size_t start = 0;
  while (start <= fileList.size()) {
    const std::size_t end = std::min(fileList.find_first_of("$\n", start), fileList.size());
    const std::string piece = fileList.substr(start, end - start);
    if (!piece.empty()) {
      std::string name =
          piece.find_first_of("/\\:") != std::string::npos ? piece : directory + piece;
      std::replace(name.begin(), name.end(), '/', '\\');
      listed.push_back(std::move(name));
    }
    start = end + 1;
  }
  return listed;
}

void SummaryPage::OnInitDialog(platform::Dialog& dialog) {
  WizardPage::OnInitDialog(dialog);
  for (std::string& name : ListedFiles()) dialog.AddItem(kSummaryFileList, std::move(name));
}

void SummaryPage::OnOkCommand(platform::Dialog&) {
  if (SavePosition()) OnNext();
}

}  // namespace host
