#include "host/wizard_app.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "description/description_format.h"
#include "host/help_file_path.h"
#include "host/nav_code.h"
#include "host/process_state.h"
#include "host/summary_page.h"
#include "platform/path_parts.h"
#include "platform/platform.h"
#include "platform/text_format.h"

namespace host {

namespace {
WizardApp* currentApp = nullptr;

void ManagerMessage(const std::string& text) {
  platform::Ui().MessageBox(nullptr, text, kManagerCaption);
}

std::string ToUpper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}
}  // namespace

WizardApp* CurrentApp() {
  return currentApp;
}

WizardApp::WizardApp(std::string title, const description::SymbolLineWriter* symbol,
                     description::WizardDescription& description)
    : title_(std::move(title)), symbol_(symbol), description_(description) {
  description_.symbol = symbol_;
  currentApp = this;
}

WizardApp::~WizardApp() {
  if (currentApp == this) currentApp = nullptr;
}

WizardPage* WizardApp::Page(int index) const {
  if (index < 1 || index > kMaxPages) return nullptr;
  return pages_[static_cast<std::size_t>(index)].get();
}

std::string WizardApp::DescriptionFilePath() const {
  return designDirectory_ + designBaseName_ + ".cnx";
}

int WizardApp::ShowError(const std::string& text) {
  platform::Ui().MessageBox(nullptr, text, designBaseName_ + " - " + title_);
  return 0;
}

void WizardApp::AddPage(std::unique_ptr<WizardPage> page) {
  if (!page || pageCount_ >= kMaxPages) {
    ShowError(
        "Fatal error (assertion failed). The application is unable to continue. Please press OK "
        "to exit.");
    platform::Process().Exit(1);
  }
  ++pageCount_;
  pages_[static_cast<std::size_t>(pageCount_)] = std::move(page);
}

void WizardApp::AddSummaryPage() {
  auto summary = std::make_unique<SummaryPage>(designDirectory_);
  summary->AppendFile(designBaseName_ + designExtension_);
  summary->AppendFile(designBaseName_ + ".inc");
  summary->AppendFile(designBaseName_ + ".cmp");
  if (options_.symbolFile) summary->AppendFile(designBaseName_ + ".sym");
  AddPage(std::move(summary));
}

void WizardApp::SetDesignPath(const std::string& path) {
  designPath_ = path;
  const platform::PathParts parts =
      platform::SplitPath(path, platform::PathSyntax::kSlashBackslashDrive);
  designDirectory_ = parts.directory;
  designBaseName_ = parts.baseName;
  designExtension_ = parts.extension;
  State().designDirectory = designDirectory_;
  State().designBaseName = designBaseName_;
}

bool WizardApp::SetUpPages() {
  pageCount_ = 0;
  while (pageCount_ < kMaxPages && pages_[static_cast<std::size_t>(pageCount_ + 1)]) ++pageCount_;
  if (pageCount_ == 0) {
    ManagerMessage("Wizard has no valid pages");
    return false;
  }
  if (designPath_.empty()) return false;
  if (designExtension_ != ".vhd" && designExtension_ != ".tdf" && designExtension_ != ".v") {
    ManagerMessage("Can't start the wizard -- illegal extension in design file name");
    return false;
  }
  if (newFile_) return true;
  const std::optional<std::string> content = platform::Files().ReadWhole(DescriptionFilePath());
  if (!content) {
    ManagerMessage("Can't open file " + DescriptionFilePath());
    return false;
  }
  description_.ClearStores();
  ReadDescription(*content);
  LoadSettings();
  return true;
}

void WizardApp::LoadSettings() {
  for (int i = 1; i <= pageCount_; ++i)
    if (WizardPage* page = Page(i)) page->LoadPageSettings();
}

void WizardApp::StoreSettings() {
  for (int i = 1; i <= pageCount_; ++i)
    if (WizardPage* page = Page(i)) page->StorePageSettings();
}

bool WizardApp::ReadDescription(std::string_view file) {
  description::ReadDescription(description_, file);
  return true;
}

bool WizardApp::WriteDescription(platform::OutputFile& file) {
  return file.Write(description::WriteDescription(description_));
}

void WizardApp::SaveDescription() {
  description_.ClearStores();
  StoreSettings();
  if (designPath_.empty()) return;
  const std::string path = DescriptionFilePath();
  std::unique_ptr<platform::OutputFile> file = platform::Files().OpenForWriting(path);
  // A description that could not be written whole is reported like one that could not be
  // opened, and the old one is left in place: the manager must not take a truncated file for
  // the result.
  bool written = false;
  if (file) {
    written = WriteDescription(*file);
    written = file->Close() && written;
  }
  if (!written) ManagerMessage("Can't write file " + path);
}

// A copy beside the program wins over the installed one, so that an installation can bring its
// own; the message names the place beside the program, where a copy is looked for first.
std::string WizardApp::ExistingHelpFile() const {
  for (const std::string* path : {&helpFilePath_, &installedHelpFilePath_})
    if (!path->empty() && platform::Files().Exists(*path)) return *path;
  return std::string();
}

void WizardApp::OnHelpCommand() {
  const std::string help = ExistingHelpFile();
  if (help.empty()) {
    ManagerMessage("Can't find the Tessaron help file " + helpFilePath_);
    return;
  }
  platform::Ui().ShowHelp(help, platform::Format("%s", title_.c_str()));
}

bool WizardApp::StartRun(const std::vector<std::string>& words) {
  if (title_.size() > kMaxTitleLength) {
    ManagerMessage("Can't start the wizard -- the wizard title is longer than 63 characters");
    return false;
  }
  options_ = ParseCommandLine(words);
  std::string path = options_.designPath;
  path.erase(0, path.find_first_not_of(" \t\r\n\v\f") == std::string::npos
                    ? path.size()
                    : path.find_first_not_of(" \t\r\n\v\f"));
  ProcessState& state = State();
  state.callerThreadGiven = options_.callerThreadGiven;
  state.callerThreadId = options_.callerThreadId;
  if (options_.xGiven) {
    state.pagePosition.x = options_.x;
    state.positionKnown = true;
  }
  if (options_.yGiven) {
    state.pagePosition.y = options_.y;
    state.positionKnown = true;
  }
  if (path.empty()) {
    ManagerMessage("Can't start the wizard -- no design file has been specified");
    return false;
  }
  SetDesignPath(path);
  if (designDirectory_.size() + designBaseName_.size() > kMaxDesignNameLength) {
    ManagerMessage("Can't start the wizard -- the design file name is longer than 470 characters");
    return false;
  }
  newFile_ = options_.newFile;
  const std::string executable = platform::Process().ExecutablePath();
  const std::string help = HelpFilePathFor(executable);
  helpFilePath_ = help.size() <= kMaxHelpPathLength ? help : std::string();
  const std::string installed = InstalledHelpFilePathFor(executable);
  installedHelpFilePath_ =
      !executable.empty() && installed.size() <= kMaxHelpPathLength ? installed : std::string();
  return SetUpPages() && pageCount_ > 0;
}

std::string WizardApp::PageTitle() const {
  // In 64 bits: the offset may be any int the command line gives, up to INT_MAX.
  const long long offset = options_.pageOffset;
  return std::string(kManagerCaption) +
         platform::Format(" - %s [page %lld of %lld]", ToUpper(title_).c_str(),
                          offset + currentPage_, offset + pageCount_);
}

int WizardApp::ButtonStateFor(int index) const {
  if (index == 1) return options_.pageOffset > 0 ? FirstPageWithBack : FirstPage;
  if (index == pageCount_) return LastPage;
  return MiddlePage;
}

void WizardApp::RunPageLoop() {
  currentPage_ = 1;
  navCode_ = NavNext;
  while (navCode_ != NavCancel && currentPage_ != 0) {
    WizardPage* page = Page(currentPage_);
    if (!page) break;  // cannot happen with a counted page list; never loop on a hole
    page->SetTitle(PageTitle());
    page->buttonState = ButtonStateFor(currentPage_);
    if (page->IsShown()) {
      page->ShowModal();
      navCode_ = page->navCode;
    }
    if (navCode_ == NavFinish && !CanFinish()) {
      navCode_ = NavNext;
      continue;
    }
    if (currentPage_ == 1 && (navCode_ == NavBack || navCode_ == NavFinish)) {
      currentPage_ = 0;
    } else if (currentPage_ == pageCount_ && (navCode_ == NavNext || navCode_ == NavFinish)) {
      currentPage_ = 0;
      navCode_ = NavFinish;
    } else {
      currentPage_ += navCode_;
    }
    if (navCode_ == NavFinish) break;
  }
}

void WizardApp::EndRun() {
  if (navCode_ == NavFinish || (currentPage_ == 0 && navCode_ == NavBack)) {
    SaveDescription();
  } else if (navCode_ == NavCancel) {
    platform::Files().Remove(DescriptionFilePath());
  }
  for (int i = 1; i <= kMaxPages && pages_[static_cast<std::size_t>(i)]; ++i)
    pages_[static_cast<std::size_t>(i)].reset();
}

int WizardApp::RunWizard(const std::vector<std::string>& words) {
  if (!StartRun(words)) return 1;
  RunPageLoop();
  EndRun();
  return navCode_;
}

}  // namespace host
