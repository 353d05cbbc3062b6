// `rsmanager --figures`: the synthesis figures of a generated design for its datasheet, from
// bench/hdl_figures.sh (installed in share/rswizard/bench), run on a copy of NAME.v in a
// temporary directory so that nothing beside the design is written before everything is.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "hdl/datasheet.h"

namespace manager {

// What a failed measurement says: thrown when yosys is installed but the script fails.
class FiguresFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Nothing, with the reason in note, when yosys or the script is not installed. The iCE40
// columns are measured when nextpnr-ice40 is installed too. Throws FiguresFailed.
std::optional<hdl::SynthesisFigures> MeasureDesign(const std::string& name,
                                                   const std::string& designText,
                                                   std::string& note);

// The figures in the script's output: its tool lines and the one row of its table. Nothing
// when the output holds no such row.
std::optional<hdl::SynthesisFigures> ParseFigures(const std::string& output);

}  // namespace manager
