#include "hdl/generator.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include "hdl/axis_testbench.h"
#include "hdl/axis_wrapper.h"
#include "hdl/block_description.h"
#include "hdl/block_summary.h"
#include "hdl/component_declaration.h"
#include "hdl/design_header.h"
#include "hdl/error_testbench.h"
#include "hdl/hdl_identifier.h"
#include "hdl/hex_table_reader.h"
#include "hdl/marked_files.h"
#include "hdl/refusal.h"
#include "hdl/rtl_assembly.h"
#include "hdl/top_module.h"
#include "hdl/vector_file.h"
#include "hdl/vector_testbench.h"
#include "platform/path_parts.h"
#include "platform/platform.h"
#include "platform/text_format.h"

namespace hdl {

namespace {

using platform::Format;

// The files a generation writes beside the design file, by what follows its base name; a .v
// design gets all of them that its block needs, any other design the component declaration.
constexpr std::string_view kComponentSuffix = ".cmp";
constexpr std::string_view kDesignSuffix = ".v";
constexpr std::string_view kVectorTestbenchSuffix = "_tb.v";
constexpr std::string_view kErrorTestbenchSuffix = "_errors_tb.v";
constexpr std::string_view kAxisWrapperSuffix = "_axis.v";
constexpr std::string_view kAxisTestbenchSuffix = "_axis_tb.v";
constexpr std::string_view kDatasheetSuffix = ".html";
constexpr std::string_view kDescriptionSuffix = ".cnx";
constexpr std::string_view kVectorSuffix = ".vec";

// Every file a generation for this design may write, whichever block the description holds:
// what is checked before a session, and all a generation is let write.
std::vector<std::string> FilesItMayWrite(const platform::PathParts& design) {
  std::vector<std::string> paths{design.Sibling(kComponentSuffix)};
  if (design.extension == ".v")
    for (std::string_view suffix : {kDesignSuffix, kVectorTestbenchSuffix, kAxisWrapperSuffix,
                                    kAxisTestbenchSuffix, kErrorTestbenchSuffix, kDatasheetSuffix})
      paths.push_back(design.Sibling(suffix));
  return paths;
}

platform::PathParts SplitDesignPath(std::string_view path) {
  return platform::SplitPath(path, platform::PathSyntax::kSlash);
}

// The first of the candidates that holds the file, ending in "/".
std::string RtlDirectoryFor(const std::string& file, const std::vector<std::string>& candidates) {
  std::string tried;
  for (std::string directory : candidates) {
    if (!directory.empty() && directory.back() != '/') directory += '/';
    if (platform::Files().Exists(directory + file)) return directory;
    tried += (tried.empty() ? "" : ", ") + directory;
  }
  throw Refusal(Format("the HDL source %s is in none of: %s (set RSMANAGER_HDL_DIR)", file.c_str(),
                       tried.c_str()));
}

// One line for the wrapper's comment: the variant and the code.
std::string Describe(const BlockDescription& block) {
  return SummaryOf(block).variant + Format(", m = %d, n = %d, r = %d, irrpol = %d, genstart = %d",
                                           block.m, block.n, block.check, block.irrpol,
                                           block.genstart);
}

GeneratedFile DesignFile(const BlockDescription& block, const platform::PathParts& design,
                         const std::vector<std::string>& rtlDirectories,
                         const std::string& cnxName) {
  const DecoderTables tables =
      block.IsDecoder() ? ReadDecoderTables(block, design.directory) : DecoderTables();
  const std::string rtlDirectory = RtlDirectoryFor(CoreTopFile(block), rtlDirectories);
  const std::string prefix = design.baseName + "_";
  std::string text = HeaderLine(CommentStyle::kVerilog, cnxName);
  text += DesignHeaderComment(block, design.baseName);
  text += "// The modules after the top one are copied from the block's RTL, renamed with " +
          prefix + ".\n\n";
  text += TopModule(block, tables, design.baseName, prefix);
  text += AssembleCore(rtlDirectory, CoreTopFile(block), prefix);
  return {design.Sibling(kDesignSuffix), text};
}

GeneratedFile AxisWrapperFile(const BlockDescription& block, const platform::PathParts& design,
                              const std::vector<std::string>& rtlDirectories,
                              const std::string& cnxName) {
  return {design.Sibling(kAxisWrapperSuffix),
          AxisWrapper(block, {design.baseName, cnxName, Describe(block)},
                      RtlDirectoryFor(CoreTopFile(block), rtlDirectories))};
}

std::optional<GeneratedFile> VectorTestbenchFile(const BlockDescription& block,
                                                 const platform::PathParts& design,
                                                 const std::string& cnxName) {
  const std::string vecPath = design.Sibling(kVectorSuffix);
  if (!platform::Files().Exists(vecPath)) return std::nullopt;
  const std::optional<std::string> text = platform::Files().ReadWhole(vecPath);
  if (!text) throw Refusal(vecPath + ": unreadable");
  const std::string vecName = design.baseName + std::string(kVectorSuffix);
  const VectorFile vectors = ReadVectorFile(*text, vecName);
  const TestbenchNames names{design.baseName, design.baseName + "_tb", cnxName};
  return GeneratedFile{design.Sibling(kVectorTestbenchSuffix),
                       VectorTestbench(block, vectors, names, vecName)};
}

// Makes and removes the replacement that writing path would make; errno, or 0 when it could.
int ReplacementError(const std::string& path) {
  std::optional<platform::ReplacementFile> probe = platform::Files().CreateReplacement(path);
  if (!probe) return errno != 0 ? errno : EIO;
  probe->file.reset();
  platform::Files().Remove(probe->path);
  return 0;
}

// The wizard writes its description into the design's directory first of all.
void CheckDirectoryTakesFiles(const platform::PathParts& design) {
  const std::string directory = design.directory.empty() ? "./" : design.directory;
  const std::string description = design.Sibling(kDescriptionSuffix);
  errno = 0;
  const int error = ReplacementError(description);
  if (error == 0) return;
  if (error == ENOENT)
    throw Refusal(directory + ": no such directory (the wizard writes its files there)");
  if (error == ENOTDIR) throw Refusal(directory + ": not a directory");
  if (platform::Files().Exists(description))
    throw Refusal(description + " cannot be replaced (" + std::strerror(error) +
                  "): the wizard could not write the description");
  throw Refusal("cannot create files in " + directory + ": " + std::strerror(error));
}

// What each file beside the design holds, for the datasheet's list.
std::string FileRole(std::string_view suffix, const BlockDescription& block,
                     const std::string& name) {
  if (suffix == kDescriptionSuffix) return "the description the wizard wrote; edit the block there";
  if (suffix == kVectorSuffix) return "the wizard's test vectors";
  if (suffix == kComponentSuffix) return "the VHDL component declaration";
  if (suffix == kDesignSuffix)
    return "the block: the top module and the RTL it needs, self-contained";
  if (suffix == kVectorTestbenchSuffix) return "testbench: the wizard's vectors through the block";
  if (suffix == kErrorTestbenchSuffix && block.IsDecoder())
    return "testbench: words with injected errors, judged by the software decoder";
  if (suffix == kAxisWrapperSuffix)
    return "the block behind AXI4-Stream ports, module " + name + "_axis";
  if (suffix == kAxisTestbenchSuffix)
    return "testbench: the AXI4-Stream wrapper under random stalls";
  if (suffix == kDatasheetSuffix) return "this datasheet";
  return "";
}

GeneratedFile DatasheetFileOf(const BlockDescription& block, const platform::PathParts& design,
                              const std::vector<GeneratedFile>& written,
                              const GenerateRequest& request) {
  DatasheetInputs inputs{
      design.baseName, design.baseName + std::string(kDescriptionSuffix), {}, std::nullopt, ""};
  const auto add = [&](std::string_view suffix) {
    inputs.files.push_back(
        {design.baseName + std::string(suffix), FileRole(suffix, block, design.baseName)});
  };
  add(kDescriptionSuffix);
  if (block.IsDecoder()) {
    inputs.files.push_back({block.invFile, "the field's inverses, Intel HEX, from the wizard"});
    inputs.files.push_back(
        {block.evnumFile, "the first root's powers, Intel HEX, from the wizard"});
  }
  if (platform::Files().Exists(design.Sibling(kVectorSuffix))) add(kVectorSuffix);
  for (const GeneratedFile& file : written)
    add(std::string_view(file.path).substr(design.Sibling("").size()));
  add(kDatasheetSuffix);
  if (request.measure) {
    for (const GeneratedFile& file : written)
      if (file.path == design.Sibling(kDesignSuffix))
        inputs.figures = request.measure(file.text, inputs.figuresNote);
  } else {
    inputs.figuresNote =
        "Not measured: rsmanager --figures measures the design with yosys (bench/hdl_figures.sh) "
        "and puts its figures here.";
  }
  return {design.Sibling(kDatasheetSuffix), Datasheet(block, inputs)};
}

}  // namespace

void CheckBeforeSession(const GenerateRequest& request) {
  CheckDesignFile(request.designPath);
  const platform::PathParts design = SplitDesignPath(request.designPath);
  CheckDirectoryTakesFiles(design);
  const std::vector<std::string> replaced = FilesItMayWrite(design);
  RefuseForeignFiles(replaced, request.force);
  for (const std::string& path : replaced) {
    if (!platform::Files().Exists(path)) continue;
    if (const int error = ReplacementError(path))
      throw Refusal(path + " cannot be replaced: " + std::strerror(error));
  }
  if (design.extension != ".v") return;
  for (const BlockKind kind : {BlockKind::kEncoder, BlockKind::kStreamingDecoder}) {
    BlockDescription block;
    block.kind = kind;
    RtlDirectoryFor(CoreTopFile(block), request.rtlDirectories);
  }
}

void CheckDesignFile(const std::string& designPath) {
  const platform::PathParts design = SplitDesignPath(designPath);
  if (design.extension != ".v" && design.extension != ".vhd" && design.extension != ".tdf")
    throw Refusal(designPath +
                  ": the design file must end in .v (for .vhd and .tdf designs only the component "
                  "declaration NAME.cmp can be generated)");
  if (!IsHdlIdentifier(design.baseName))
    throw Refusal("\"" + design.baseName +
                  "\" cannot name a Verilog module and a VHDL component: use letters, digits and "
                  "single underscores, a letter first, and no reserved word");
}

GenerateResult Generate(const GenerateRequest& request) {
  CheckDesignFile(request.designPath);
  const platform::PathParts design = SplitDesignPath(request.designPath);
  const bool verilog = design.extension == ".v";
  const std::string cnxName = design.baseName + std::string(kDescriptionSuffix);
  const std::optional<std::string> cnx =
      platform::Files().ReadWhole(design.Sibling(kDescriptionSuffix));
  if (!cnx)
    throw Refusal(design.Sibling(kDescriptionSuffix) +
                  ": the description is missing or unreadable (the wizard writes it at Finish)");
  const BlockDescription block = ReadBlockDescription(*cnx, cnxName);

  std::vector<GeneratedFile> files;
  files.push_back(
      {design.Sibling(kComponentSuffix), ComponentDeclaration(block, design.baseName, cnxName)});
  GenerateResult result;
  if (verilog) {
    files.push_back(DesignFile(block, design, request.rtlDirectories, cnxName));
    if (std::optional<GeneratedFile> testbench = VectorTestbenchFile(block, design, cnxName))
      files.push_back(std::move(*testbench));
    files.push_back(AxisWrapperFile(block, design, request.rtlDirectories, cnxName));
    files.push_back(
        {design.Sibling(kAxisTestbenchSuffix),
         AxisTestbench(block, {design.baseName, design.baseName + "_axis_tb", cnxName})});
    if (block.IsDecoder())
      files.push_back(
          {design.Sibling(kErrorTestbenchSuffix),
           ErrorTestbench(block, {design.baseName, design.baseName + "_errors_tb", cnxName})});
    files.push_back(DatasheetFileOf(block, design, files, request));
  } else {
    result.note = "for a " + design.extension + " design only the component declaration " +
                  design.baseName + ".cmp is generated; " + design.baseName +
                  ".v and its testbenches need a .v design";
  }
  // A file missing from the list would escape the checks before the session.
  const std::vector<std::string> allowed = FilesItMayWrite(design);
  for (const GeneratedFile& file : files)
    if (std::find(allowed.begin(), allowed.end(), file.path) == allowed.end())
      throw Refusal("internal error: " + file.path + " is not among the files rsmanager checks");
  WriteGeneratedFiles(files, request.force);
  for (const GeneratedFile& file : files) result.written.push_back(file.path);
  return result;
}

std::vector<std::string> ListRtl(const std::string& rtlFile,
                                 const std::vector<std::string>& rtlDirectories) {
  const platform::PathParts path = SplitDesignPath(rtlFile);
  const std::string name = path.baseName + path.extension;
  const std::string directory =
      path.directory.empty() ? RtlDirectoryFor(name, rtlDirectories) : path.directory;
  std::vector<std::string> paths;
  for (const std::string& file : CoreFiles(directory, name)) paths.push_back(directory + file);
  return paths;
}

}  // namespace hdl
