// Copies the RTL a core needs into one self-contained text: the closure of the "// uses:" lines
// from the core's top file, every `include line replaced by the file it names, every module
// those files declare renamed with a prefix, so that two blocks can live in one design, and the
// `ifdef FORMAL blocks of properties left out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hdl {

// rtlDirectory ends in "/". Throws Refusal when a file is missing, a name leaves the directory,
// an included file sets `default_nettype (docs/hdl.md, RTL conventions), or an `ifdef FORMAL
// block is left open or has an `else. The files follow one another in the order they were first
// named, the top first.
std::string AssembleCore(const std::string& rtlDirectory, const std::string& topFile,
                         std::string_view prefix);

// The files AssembleCore copies, in its order: topFile, then every file a "// uses:" line names
// (in topFile or in a file it includes), each once. The files they include are not listed.
// Throws Refusal as AssembleCore does.
std::vector<std::string> CoreFiles(const std::string& rtlDirectory, const std::string& topFile);

// The closure of topFile without the files of besideFile's closure, which another file of the
// same design already holds: their modules are still renamed where topFile's files use them.
std::string AssembleBeside(const std::string& rtlDirectory, const std::string& topFile,
                           const std::string& besideFile, std::string_view prefix);

// Replaces every whole-word occurrence of each name in names by prefix + name.
std::string PrefixNames(std::string_view text, const std::vector<std::string>& names,
                        std::string_view prefix);

}  // namespace hdl
