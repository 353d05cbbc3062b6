#include "rswizard/codec_type_page.h"
#include "rswizard/process_settings.h"

namespace rswizard {

using platform::ControlKind;
using platform::MakeControl;

namespace {

platform::TemplateControl Radio(int id, const char* text, int x, int y, int width,
                                bool groupStart) {
  platform::TemplateControl radio =
      MakeControl(ControlKind::RadioButton, id, text, x, y, width, 10);
  radio.groupStart = groupStart;
  return radio;
}

platform::DialogTemplate BuildCodecTypeTemplate() {
  platform::DialogTemplate t;
  t.number = kCodecTypeTemplate;
  t.width = 238;
  t.height = 135;
  t.controls = {
      MakeControl(ControlKind::GroupBox, kCodecGroup, "Do you want an encoder or a decoder", 18, 10,
                  202, 47),
      Radio(kEncoderRadio, "Encoder", 30, 25, 57, true),
      Radio(kDecoderRadio, "Decoder", 30, 38, 114, false),
      MakeControl(ControlKind::GroupBox, kDecoderTypeGroup, "Choose the type of decoder", 18, 64,
                  99, 46),
      // Discrete stands above Streaming on the page though it follows it in the tab order.
      Radio(kStreamingRadio, "Streaming", 30, 93, 47, true),
      Radio(kDiscreteRadio, "Discrete", 30, 77, 41, false),
      Radio(kFullFasterRadio, "Full - Faster", 133, 77, 51, true),
      Radio(kHalfSmallerRadio, "Half - Smaller", 133, 93, 56, false),
      MakeControl(ControlKind::GroupBox, kSpeedAreaGroup, "Speed/Area Tradeoff", 120, 64, 100, 45),
  };
  return t;
}

}  // namespace

const platform::DialogTemplate& CodecTypeTemplate() {
  static const platform::DialogTemplate t = BuildCodecTypeTemplate();
  return t;
}

CodecTypePage::CodecTypePage(description::WizardDescription& description,
                             const symbol::SymbolModel* model, const platform::Dialog* parent)
    : RsPage(CodecTypeTemplate(), description, model, parent) {}

void CodecTypePage::OnInitDialog(platform::Dialog& dialog) {
  RsPage::OnInitDialog(dialog);
  RefreshCodecType();
}

void CodecTypePage::OnClicked(platform::Dialog& dialog, int id) {
  rsblock::RsSettings& s = Settings();
  switch (id) {
    case kEncoderRadio:
      s.Enc_Dec = 1;
      break;
    case kDecoderRadio:
      s.Enc_Dec = 0;
      break;
    case kStreamingRadio:
      s.Disc_Stream = 0;
      break;
    case kDiscreteRadio:
      s.Disc_Stream = 1;
      break;
    case kFullFasterRadio:
      s.Fast_Small = 1;
      break;
    case kHalfSmallerRadio:
      s.Fast_Small = 0;
      break;
    default:
      RsPage::OnClicked(dialog, id);
      return;
  }
  RefreshCodecType();
}

void CodecTypePage::RefreshCodecType() {
  platform::Dialog* d = Window();
  if (!d) return;
  const rsblock::RsSettings& s = Settings();
  d->Enable(kEncoderRadio, true);
  d->SetMarked(kEncoderRadio, s.Enc_Dec == 1);
  d->Enable(kDecoderRadio, true);
  d->SetMarked(kDecoderRadio, s.Enc_Dec == 0);

  // A disabled choice keeps its value and its mark, ready for when the decoder comes back.
  d->SetMarked(kDiscreteRadio, s.Disc_Stream == 1);
  d->SetMarked(kStreamingRadio, s.Disc_Stream == 0);
  d->SetMarked(kFullFasterRadio, s.Fast_Small == 1);
  d->SetMarked(kHalfSmallerRadio, s.Fast_Small == 0);
  const bool decoder = s.Enc_Dec == 0;
  for (int id : {kDiscreteRadio, kStreamingRadio, kFullFasterRadio, kHalfSmallerRadio,
                 kDecoderTypeGroup, kSpeedAreaGroup})
    d->Enable(id, decoder);

  Description().moduleName = rsblock::ModuleNameFor(s);
  RefreshPreview();
}

}  // namespace rswizard
