// The application object: one wizard run per process, from the command line to the exit code,
// with the hooks through which a concrete wizard plugs in its pages and settings.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "description/symbol_line_writer.h"
#include "description/wizard_description.h"
#include "host/command_line.h"
#include "host/wizard_page.h"
#include "platform/file_system.h"

namespace host {

inline constexpr int kMaxPages = 19;
inline constexpr std::size_t kMaxTitleLength = 63;
inline constexpr std::size_t kMaxHelpPathLength = 259;
// Generated names are built from the design directory and base name plus a suffix of at most
// about twenty characters; longer design names are refused at start so that every name fits
// the 500 characters the generated files page has for it.
inline constexpr std::size_t kMaxDesignNameLength = 470;

class WizardApp {
 public:
  WizardApp(std::string title, const description::SymbolLineWriter* symbol,
            description::WizardDescription& description);
  virtual ~WizardApp();
  WizardApp(const WizardApp&) = delete;
  WizardApp& operator=(const WizardApp&) = delete;

  // The whole run; returns the exit code (navCode, or 1 when the run does not start).
  int RunWizard(const std::vector<std::string>& words);

  // The hooks, in their slot order.
  virtual int ShowError(const std::string& text);
  virtual bool SetUpPages();
  virtual void SaveDescription();
  virtual bool CanFinish() { return true; }
  virtual void LoadSettings();
  virtual void StoreSettings();
  virtual bool ReadDescription(std::string_view file);
  virtual bool WriteDescription(platform::OutputFile& file);

  // A missing page is fatal: the run cannot go on without the pages it was built with.
  void AddPage(std::unique_ptr<WizardPage> page);
  void AddSummaryPage();
  void OnHelpCommand();

  const std::string& Title() const { return title_; }
  int PageCount() const { return pageCount_; }
  int CurrentPageIndex() const { return currentPage_; }
  int NavCode() const { return navCode_; }
  WizardPage* Page(int index) const;
  const CommandLineOptions& Options() const { return options_; }
  const std::string& DesignPath() const { return designPath_; }
  const std::string& DesignDirectory() const { return designDirectory_; }
  const std::string& DesignBaseName() const { return designBaseName_; }
  const std::string& DesignExtension() const { return designExtension_; }
  const std::string& HelpFilePath() const { return helpFilePath_; }
  bool NewFile() const { return newFile_; }
  bool SymbolFile() const { return options_.symbolFile; }
  std::string DescriptionFilePath() const;
  description::WizardDescription& Description() { return description_; }

 protected:
  // Tests and wizards without a command line set the design name directly.
  void SetDesignPath(const std::string& path);

 private:
  bool StartRun(const std::vector<std::string>& words);
  void RunPageLoop();
  void EndRun();
  std::string PageTitle() const;
  int ButtonStateFor(int index) const;
  std::string ExistingHelpFile() const;

  std::string title_;
  const description::SymbolLineWriter* symbol_;
  description::WizardDescription& description_;
  std::array<std::unique_ptr<WizardPage>, kMaxPages + 1> pages_;
  int pageCount_ = 0;
  int currentPage_ = 1;
  int navCode_ = 1;
  CommandLineOptions options_;
  std::string designPath_;
  std::string designDirectory_;
  std::string designBaseName_;
  std::string designExtension_;
  bool newFile_ = false;
  std::string helpFilePath_;
  std::string installedHelpFilePath_;
};

// The application object of this process, or null before one is constructed.
WizardApp* CurrentApp();

}  // namespace host
