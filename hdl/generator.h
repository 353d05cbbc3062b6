// From a description the wizard wrote to the files of the block, next to the design file:
// NAME.cmp always; for a .v design also NAME.v, NAME_tb.v when the wizard wrote NAME.vec,
// NAME_errors_tb.v for a decoder, and the datasheet NAME.html. Everything is made and checked
// before the first file is written, so a refusal leaves no file behind.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hdl/datasheet.h"

namespace hdl {

struct GenerateRequest {
  std::string designPath;
  // Where the RTL sources may be, in order of preference; the first that holds the core's top
  // file is used.
  std::vector<std::string> rtlDirectories;
  bool force = false;  // replace files that lack rsmanager's header line too
  // Synthesis figures of the design for its datasheet, given the text of NAME.v: nothing, with
  // the reason in note, when they cannot be measured. Unset: the datasheet says how to get them.
  std::function<std::optional<SynthesisFigures>(const std::string& designText, std::string& note)>
      measure;
};

struct GenerateResult {
  std::vector<std::string> written;  // paths, in the order written
  std::string note;                  // what was left out and why; empty when nothing was
};

// Throws Refusal when the design file's extension or name cannot serve: checked before the
// wizard is started, too.
void CheckDesignFile(const std::string& designPath);

// What can be known before the wizard is started, so that no session is lost to a refusal
// that was certain from its start: the design file as CheckDesignFile; its directory exists
// and takes new files; the wizard may replace its description there; every file a generation
// for this design may replace (whichever block the session ends with) is rsmanager's own, or
// request.force, and can be replaced; for a .v design the RTL sources of an encoder and of a
// decoder are found. Throws Refusal naming the first fault.
void CheckBeforeSession(const GenerateRequest& request);

// Throws Refusal.
GenerateResult Generate(const GenerateRequest& request);

// The paths of the RTL files a core is made of, as NAME.v copies them (rtl_assembly.h): rtlFile
// first. rtlFile is a path, or a bare file name looked for in rtlDirectories as Generate looks
// for a core's top file. Throws Refusal when a file is missing.
std::vector<std::string> ListRtl(const std::string& rtlFile,
                                 const std::vector<std::string>& rtlDirectories);

}  // namespace hdl
