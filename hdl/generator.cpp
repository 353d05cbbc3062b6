#include "hdl/generator.h"

#include <optional>

#include "hdl/axis_testbench.h"
#include "hdl/axis_wrapper.h"
#include "hdl/block_description.h"
#include "hdl/component_declaration.h"
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

platform::PathParts SplitDesignPath(std::string_view path) {
  return platform::SplitPath(path, platform::PathSyntax::kSlash);
}

std::string RtlDirectoryFor(const BlockDescription& block,
                            const std::vector<std::string>& candidates) {
  std::string tried;
  for (std::string directory : candidates) {
    if (!directory.empty() && directory.back() != '/') directory += '/';
    if (platform::Files().Exists(directory + CoreTopFile(block))) return directory;
    tried += (tried.empty() ? "" : ", ") + directory;
  }
  throw Refusal(Format("the HDL source %s is in none of: %s (set RSMANAGER_HDL_DIR)",
                       CoreTopFile(block), tried.c_str()));
}

std::string Describe(const BlockDescription& block) {
  const char* kind = block.kind == BlockKind::kEncoder           ? "encoder"
                     : block.kind == BlockKind::kDiscreteDecoder ? "discrete decoder"
                                                                 : "streaming decoder";
  return Format("%s%s, m = %d, n = %d, r = %d, irrpol = %d, genstart = %d",
                block.IsDecoder() ? (block.full ? "full " : "half ") : "", kind, block.m, block.n,
                block.check, block.irrpol, block.genstart);
}

GeneratedFile DesignFile(const BlockDescription& block, const platform::PathParts& design,
                         const std::vector<std::string>& rtlDirectories,
                         const std::string& cnxName) {
  const DecoderTables tables =
      block.IsDecoder() ? ReadDecoderTables(block, design.directory) : DecoderTables();
  const std::string rtlDirectory = RtlDirectoryFor(block, rtlDirectories);
  const std::string prefix = design.baseName + "_";
  std::string text = HeaderLine(CommentStyle::kVerilog, cnxName);
  text += "// The Reed-Solomon " + Describe(block) + ".\n";
  text += "// The modules after the top one are copied from the block's RTL, renamed with " +
          prefix + ".\n\n";
  text += TopModule(block, tables, design.baseName, prefix);
  text += AssembleCore(rtlDirectory, CoreTopFile(block), prefix);
  return {design.Sibling(".v"), text};
}

GeneratedFile AxisWrapperFile(const BlockDescription& block, const platform::PathParts& design,
                              const std::vector<std::string>& rtlDirectories,
                              const std::string& cnxName) {
  return {design.Sibling("_axis.v"), AxisWrapper(block, {design.baseName, cnxName, Describe(block)},
                                                 RtlDirectoryFor(block, rtlDirectories))};
}

std::optional<GeneratedFile> VectorTestbenchFile(const BlockDescription& block,
                                                 const platform::PathParts& design,
                                                 const std::string& cnxName) {
  const std::string vecPath = design.Sibling(".vec");
  if (!platform::Files().Exists(vecPath)) return std::nullopt;
  const std::optional<std::string> text = platform::Files().ReadWhole(vecPath);
  if (!text) throw Refusal(vecPath + ": unreadable");
  const std::string vecName = design.baseName + ".vec";
  const VectorFile vectors = ReadVectorFile(*text, vecName);
  const TestbenchNames names{design.baseName, design.baseName + "_tb", cnxName};
  return GeneratedFile{design.Sibling("_tb.v"), VectorTestbench(block, vectors, names, vecName)};
}

}  // namespace

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
  const std::string cnxName = design.baseName + ".cnx";
  const std::optional<std::string> cnx = platform::Files().ReadWhole(design.Sibling(".cnx"));
  if (!cnx)
    throw Refusal(design.Sibling(".cnx") +
                  ": the description is missing or unreadable (the wizard writes it at Finish)");
  const BlockDescription block = ReadBlockDescription(*cnx, cnxName);

  std::vector<GeneratedFile> files;
  files.push_back({design.Sibling(".cmp"), ComponentDeclaration(block, design.baseName, cnxName)});
  GenerateResult result;
  if (verilog) {
    files.push_back(DesignFile(block, design, request.rtlDirectories, cnxName));
    if (std::optional<GeneratedFile> testbench = VectorTestbenchFile(block, design, cnxName))
      files.push_back(std::move(*testbench));
    files.push_back(AxisWrapperFile(block, design, request.rtlDirectories, cnxName));
    files.push_back(
        {design.Sibling("_axis_tb.v"),
         AxisTestbench(block, {design.baseName, design.baseName + "_axis_tb", cnxName})});
    if (block.IsDecoder())
      files.push_back(
          {design.Sibling("_errors_tb.v"),
           ErrorTestbench(block, {design.baseName, design.baseName + "_errors_tb", cnxName})});
  } else {
    result.note = "for a " + design.extension + " design only the component declaration " +
                  design.baseName + ".cmp is generated; " + design.baseName +
                  ".v and its testbenches need a .v design";
  }
  WriteGeneratedFiles(files, request.force);
  for (const GeneratedFile& file : files) result.written.push_back(file.path);
  return result;
}

}  // namespace hdl
