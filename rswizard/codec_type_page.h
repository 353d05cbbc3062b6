// The first page (template 126): encoder or decoder, and for a decoder its architecture and
// its speed/area trade-off. It is the one place that sets the module of the description
// (rsblock/module_names.h), so the name always follows the settings the page shows.
//
// Control ids:
//   1260  "Do you want an encoder or a decoder"  group box
//   1261  "Encoder"         radio, starts a group   Enc_Dec = 1
//   1262  "Decoder"         radio                   Enc_Dec = 0
//   1263  "Choose the type of decoder"            group box
//   1264  "Streaming"       radio, starts a group   Disc_Stream = 0
//   1265  "Discrete"        radio                   Disc_Stream = 1
//   1266  "Full - Faster"   radio, starts a group   Fast_Small = 1
//   1267  "Half - Smaller"  radio                   Fast_Small = 0
//   1268  "Speed/Area Tradeoff"                   group box
#pragma once

#include "description/wizard_description.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "rsblock/module_names.h"
#include "rsblock/rs_settings.h"
#include "rswizard/rs_page.h"
#include "symbol/symbol_model.h"

namespace rswizard {

inline constexpr int kCodecTypeTemplate = 126;
inline constexpr int kCodecGroup = 1260;
inline constexpr int kEncoderRadio = 1261;
inline constexpr int kDecoderRadio = 1262;
inline constexpr int kDecoderTypeGroup = 1263;
inline constexpr int kStreamingRadio = 1264;
inline constexpr int kDiscreteRadio = 1265;
inline constexpr int kFullFasterRadio = 1266;
inline constexpr int kHalfSmallerRadio = 1267;
inline constexpr int kSpeedAreaGroup = 1268;

const platform::DialogTemplate& CodecTypeTemplate();

class CodecTypePage : public RsPage {
 public:
  CodecTypePage(description::WizardDescription& description, const symbol::SymbolModel* model,
                const platform::Dialog* parent = nullptr);

  void OnInitDialog(platform::Dialog& dialog) override;
  void OnClicked(platform::Dialog& dialog, int id) override;

  // The radio buttons, their enabling and the module name brought into line with the settings,
  // then the preview redrawn.
  void RefreshCodecType();
};

}  // namespace rswizard
