// The datasheet NAME.html of a generated block: one self-contained XHTML page (inline CSS and
// SVG, nothing fetched, no script) with the code, the variant and its solver, the ports, the
// files, timing diagrams, the memories, synthesis figures when measured, and the error rates
// the code leaves after decoding. Every number on it is computed here from the description,
// hdl::DecoderTimingOf and rsmath::DecodedErrorRate; the page types none in.
//
// Elements holding a figure carry an id (clock-latency, memory-1, rate-word-6, ...), so that
// tests and scripts can read the page back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hdl/block_description.h"

namespace hdl {

struct DatasheetFile {
  std::string name;  // beside the design
  std::string what;
};

// One row of bench/hdl_figures.sh: its column headings and values, and the tool versions.
struct SynthesisFigures {
  std::vector<std::string> tools;
  std::vector<std::string> headings, values;
};

struct DatasheetInputs {
  std::string name;     // the design's base name, the top module's name
  std::string cnxName;  // the description it came from
  std::vector<DatasheetFile> files;
  std::optional<SynthesisFigures> figures;
  std::string figuresNote;  // why there are none, when there are none
};

std::string Datasheet(const BlockDescription& block, const DatasheetInputs& inputs);

}  // namespace hdl
