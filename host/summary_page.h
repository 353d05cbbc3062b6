// The last page: names the files the calling manager will create from the description.
#pragma once

#include <string>

#include "host/wizard_page.h"
#include "platform/dialog_template.h"

namespace host {

inline constexpr int kSummaryTemplate = 1000;
inline constexpr int kSummaryFileList = 1010;
inline constexpr int kSummaryIntroText = 1011;
inline constexpr int kSummaryPicture = 1012;

const platform::DialogTemplate& SummaryTemplate();

class SummaryPage : public WizardPage {
 public:
  explicit SummaryPage(std::string directory);

  // Adds a name to the list, preceded by "$".
  void AppendFile(const std::string& name) { fileList += "$" + name; }
  // The names as the list box shows them: each with the page's directory in front unless it
  // has a path of its own, every "/" turned into "\".
  std::vector<std::string> ListedFiles() const;

  void OnInitDialog(platform::Dialog& dialog) override;
  void OnOkCommand(platform::Dialog& dialog) override;

  std::string fileList;
  std::string directory;
};

}  // namespace host
