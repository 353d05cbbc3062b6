#include "rswizard/parameter_page.h"

#include <algorithm>
#include <span>

#include "rsmath/galois_field.h"
#include "rswizard/page_text.h"
#include "rswizard/primitive_polynomials.h"
#include "rswizard/rs_settings.h"
#include "rswizard/rs_settings_range.h"

namespace rswizard {

using platform::ControlKind;
using platform::MakeControl;

namespace {

// 2^mm - 1, the largest codeword. The bits-per-symbol field is tested whenever it is left, but
// the lists must stay small even if some path reached here with a wilder text: beyond 8 bits
// the tables of the field arithmetic end, so the lists end there too.
long long FieldMax(int mm) {
  return rsmath::Pow2(std::min(mm, kMaxBitsPerSymbol)) - 1;
}

// lo of the symbols-per-codeword range: more symbols than check symbols, and at least 5.
long long CodewordMin(int r) {
  return std::max<long long>(kMinCodewordLength, 1LL + r);
}
// hi of the check-symbols range.
long long CheckMax(int nn) {
  return std::min<long long>(nn - 1LL, kMaxCheckSymbols);
}
// hi of the first-root range: the r roots a^genstart .. a^(genstart + r - 1) within the field.
long long RootMax(int r, int mm) {
  return FieldMax(mm) - r;
}

platform::TemplateControl Label(const char* text, int y) {
  return MakeControl(ControlKind::Label, platform::kNoId, text, 15, y + 2, 150, 8);
}

platform::TemplateControl Field(int id, const char* label, int y) {
  platform::TemplateControl field = MakeControl(ControlKind::Field, id, "", 170, y, 40, 12);
  field.label = label;
  return field;
}

platform::DialogTemplate BuildParameterTemplate() {
  platform::DialogTemplate t;
  t.number = kParameterTemplate;
  t.width = 234;
  t.height = 135;
  t.controls.push_back(Label("Number of bits per symbol", 10));
  t.controls.push_back(Field(kBitsPerSymbolField, "Number of bits per symbol", 10));
  t.controls.back().items = {"4", "5", "6", "7", "8"};
  t.controls.push_back(Label("Number of symbols per codeword", 25));
  t.controls.push_back(Field(kCodewordLengthField, "Number of symbols per codeword", 25));
  t.controls.push_back(Label("Number of check symbols per codeword", 40));
  t.controls.push_back(Field(kCheckSymbolsField, "Number of check symbols per codeword", 40));
  t.controls.push_back(Label("Field polynomial", 55));
  t.controls.push_back(Field(kFieldPolynomialField, "Field polynomial", 55));
  t.controls.push_back(Label("First root of polynomial generator", 70));
  t.controls.push_back(Field(kFirstRootField, "First root of polynomial generator", 70));
  t.controls.push_back(
      MakeControl(ControlKind::GroupBox, kPresetGroup, "Preseted values", 15, 90, 195, 30));
  t.controls.push_back(
      MakeControl(ControlKind::PushButton, kDvbButton, "DVB Standard", 20, 100, 80, 14));
  return t;
}

}  // namespace

const platform::DialogTemplate& ParameterTemplate() {
  static const platform::DialogTemplate t = BuildParameterTemplate();
  return t;
}

ParameterPage::ParameterPage(description::WizardDescription& description,
                             const symbol::SymbolModel* model, const platform::Dialog* parent)
    : RsPage(ParameterTemplate(), description, model, parent) {}

int ParameterPage::FieldValue(int id) const {
  return TextValue(Window()->Text(id));
}

void ParameterPage::Show(const PageMessage& message) const {
  ShowMessage(message.text, message.caption);
}

// ---- Refills ----

void ParameterPage::FillFieldPolynomials(int mm) {
  platform::Dialog* d = Window();
  if (!d) return;
  const int cur = FieldValue(kFieldPolynomialField);
  const std::span<const int> row = PolynomialsFor(mm);
  d->ClearItems(kFieldPolynomialField);
  for (int p : row) d->AddItem(kFieldPolynomialField, DecimalText(p));
  // An m outside 4..8 has no row to fall back on; the bits field never keeps such an m.
  if (row.empty()) return;
  if (IsPolynomialOf(mm, cur)) {
    Settings().irrpol = cur;
  } else {
    d->SetText(kFieldPolynomialField, DecimalText(row.front()));
    Settings().irrpol = row.front();
  }
}

void ParameterPage::FillCodewordLengths(int r, int mm) {
  platform::Dialog* d = Window();
  if (!d) return;
  const int cur = FieldValue(kCodewordLengthField);
  const long long lo = CodewordMin(r);
  const long long hi = FieldMax(mm);
  d->ClearItems(kCodewordLengthField);
  for (long long v = lo; v <= hi; ++v) d->AddItem(kCodewordLengthField, DecimalText(v));
  if (cur >= lo && cur <= hi) {
    Settings().n = cur;
    d->SetText(kCodewordLengthField, DecimalText(cur));
  } else if (r < hi) {
    Settings().n = SaturatedInt(lo);
    d->SetText(kCodewordLengthField, DecimalText(lo));
  } else {
    Settings().n = kMinCodewordLength;
    d->SetText(kCodewordLengthField, DecimalText(kMinCodewordLength));
  }
}

void ParameterPage::FillCheckSymbols(int nn) {
  platform::Dialog* d = Window();
  if (!d) return;
  const int cur = FieldValue(kCheckSymbolsField);
  const long long hi = CheckMax(nn);
  d->ClearItems(kCheckSymbolsField);
  for (long long v = kMinCheckSymbols; v <= hi; ++v) d->AddItem(kCheckSymbolsField, DecimalText(v));
  if (cur >= kMinCheckSymbols && cur <= hi) {
    Settings().check = cur;
  } else {
    Settings().check = kMinCheckSymbols;
    d->SetText(kCheckSymbolsField, DecimalText(kMinCheckSymbols));
  }
}

void ParameterPage::FillFirstRoots(int r, int mm) {
  platform::Dialog* d = Window();
  if (!d) return;
  const int cur = FieldValue(kFirstRootField);
  const long long hi = RootMax(r, mm);
  d->ClearItems(kFirstRootField);
  // A root is a field exponent: a check count below 0 (never kept by the check field) must not
  // stretch the list past the field.
  const long long listEnd = std::min(hi, FieldMax(mm));
  for (long long v = 0; v <= listEnd; ++v) d->AddItem(kFirstRootField, DecimalText(v));
  if (cur >= 0 && cur <= hi) {
    Settings().genstart = cur;
  } else {
    Settings().genstart = 0;
    d->SetText(kFirstRootField, "0");
  }
}

void ParameterPage::ApplyPreset(int m, int n, int r, int p, int g) {
  platform::Dialog* d = Window();
  if (!d) return;
  Settings().m = m;
  d->SetText(kBitsPerSymbolField, DecimalText(m));
  d->SetText(kCodewordLengthField, DecimalText(n));
  d->SetText(kCheckSymbolsField, DecimalText(r));
  d->SetText(kFirstRootField, DecimalText(g));
  d->SetText(kFieldPolynomialField, DecimalText(p));
  FillFieldPolynomials(m);
  FillCodewordLengths(r, m);
  FillCheckSymbols(n);
  FillFirstRoots(r, m);
  RefreshPreview();
}

// ---- Events ----

void ParameterPage::OnInitDialog(platform::Dialog& dialog) {
  RsPage::OnInitDialog(dialog);
  const RsSettings& s = Settings();
  // The refills below may change settings; each works on the values the page was shown with.
  const int mi = s.m;
  const int ni = s.n;
  const int ri = s.check;
  dialog.SetText(kBitsPerSymbolField, DecimalText(s.m));
  dialog.SetText(kCodewordLengthField, DecimalText(s.n));
  dialog.SetText(kCheckSymbolsField, DecimalText(s.check));
  dialog.SetText(kFirstRootField, DecimalText(s.genstart));
  dialog.SetText(kFieldPolynomialField, DecimalText(s.irrpol));
  FillFieldPolynomials(mi);
  FillCodewordLengths(ri, mi);
  FillCheckSymbols(ni);
  FillFirstRoots(ri, mi);
  RefreshPreview();
}

void ParameterPage::OnClicked(platform::Dialog& dialog, int id) {
  if (id == kDvbButton) {
    ApplyPreset(kDvbPreset.m, kDvbPreset.n, kDvbPreset.r, kDvbPreset.irrpol, kDvbPreset.genstart);
    return;
  }
  RsPage::OnClicked(dialog, id);
}

void ParameterPage::OnFieldLeave(platform::Dialog&, int id) {
  if (!Window()) return;
  switch (id) {
    case kBitsPerSymbolField:
      LeaveBitsPerSymbol();
      break;
    case kFieldPolynomialField:
      LeaveFieldPolynomial();
      break;
    case kCodewordLengthField:
      LeaveCodewordLength();
      break;
    case kCheckSymbolsField:
      LeaveCheckSymbols();
      break;
    case kFirstRootField:
      LeaveFirstRoot();
      break;
    default:
      return;
  }
  RefreshPreview();
}

void ParameterPage::OnFieldPick(platform::Dialog&, int id) {
  platform::Dialog* d = Window();
  if (!d) return;
  const platform::Control* field = d->Find(id);
  if (!field || field->selection < 0 || field->selection >= static_cast<int>(field->items.size()))
    return;
  const std::string item = field->items[static_cast<std::size_t>(field->selection)];
  switch (id) {
    case kBitsPerSymbolField:
      PickBitsPerSymbol(TextValue(item));
      break;
    case kFieldPolynomialField:
      Settings().irrpol = TextValue(item);
      break;
    case kCodewordLengthField:
      PickCodewordLength(item);
      break;
    case kCheckSymbolsField:
      PickCheckSymbols(TextValue(item));
      break;
    case kFirstRootField:
      PickFirstRoot(item);
      break;
    default:
      return;
  }
  RefreshPreview();
}

void ParameterPage::ChangeBitsPerSymbol(int v, int rc) {
  Settings().m = v;
  FillFieldPolynomials(v);
  // The first roots are listed with the check count read before the check list is refilled
  // below; the list may thus be stale until r or m changes again.
  FillFirstRoots(rc, v);
  FillCodewordLengths(rc, v);
  FillCheckSymbols(FieldValue(kCodewordLengthField));
}

void ParameterPage::LeaveBitsPerSymbol() {
  platform::Dialog* d = Window();
  const int rc = FieldValue(kCheckSymbolsField);
  const std::string text = d->Text(kBitsPerSymbolField);
  int v = TextValue(text);
  if (!IsIntegerText(text)) {
    v = kMinBitsPerSymbol;
    Show(BitsNotIntegerMessage(v));
    d->SetText(kBitsPerSymbolField, DecimalText(v));
  } else if (v < kMinBitsPerSymbol) {
    v = kMinBitsPerSymbol;
    Show(BitsTooSmallMessage(v));
    d->SetText(kBitsPerSymbolField, DecimalText(v));
  } else if (v > kMaxBitsPerSymbol) {
    // Here alone the field is reset before the message: the box already shows 8 behind it.
    v = kMaxBitsPerSymbol;
    d->SetText(kBitsPerSymbolField, DecimalText(v));
    Show(BitsTooBigMessage(v));
  }
  ChangeBitsPerSymbol(v, rc);
}

void ParameterPage::LeaveFieldPolynomial() {
  platform::Dialog* d = Window();
  const int mm = FieldValue(kBitsPerSymbolField);
  const int value = FieldValue(kFieldPolynomialField);
  if (IsPolynomialOf(mm, value)) {
    Settings().irrpol = value;
    return;
  }
  const int first = DefaultPolynomialFor(mm);
  if (first == 0) return;  // no row for such an m: nothing to reset to
  d->SetText(kFieldPolynomialField, DecimalText(first));
  Settings().irrpol = first;
  Show(PolynomialIllegalMessage(first));
}

void ParameterPage::LeaveCodewordLength() {
  platform::Dialog* d = Window();
  const int rc = FieldValue(kCheckSymbolsField);
  const int mm = FieldValue(kBitsPerSymbolField);
  const int lo = SaturatedInt(CodewordMin(rc));
  const int hi = SaturatedInt(FieldMax(mm));
  const std::string text = d->Text(kCodewordLengthField);
  int v = TextValue(text);
  if (!IsIntegerText(text)) {
    v = lo;
    Show(CodewordNotIntegerMessage(v));
    d->SetText(kCodewordLengthField, DecimalText(v));
  } else if (v < lo) {
    // Reset to the smallest codeword of all, not to lo: the check list then follows n = 5 and
    // takes r to 4, as the message says.
    v = kMinCodewordLength;
    Show(CodewordTooSmallMessage(v));
    d->SetText(kCodewordLengthField, DecimalText(v));
  } else if (v > hi) {
    v = hi;
    Show(CodewordTooBigMessage(v));
    d->SetText(kCodewordLengthField, DecimalText(v));
  }
  FillCheckSymbols(v);
  Settings().n = v;
}

void ParameterPage::LeaveCheckSymbols() {
  platform::Dialog* d = Window();
  const int mm = FieldValue(kBitsPerSymbolField);
  const int nn = FieldValue(kCodewordLengthField);
  const int hi = SaturatedInt(CheckMax(nn));
  const std::string text = d->Text(kCheckSymbolsField);
  int v = TextValue(text);
  if (!IsIntegerText(text)) {
    v = kMinCheckSymbols;
    Show(CheckNotIntegerMessage());
    d->SetText(kCheckSymbolsField, DecimalText(v));
  } else if (v < kMinCheckSymbols) {
    v = kMinCheckSymbols;
    Show(CheckTooSmallMessage());
    d->SetText(kCheckSymbolsField, DecimalText(v));
  } else if (v > hi) {
    v = hi;
    Show(CheckTooBigMessage(v));
    d->SetText(kCheckSymbolsField, DecimalText(v));
  }
  FillCodewordLengths(v, mm);
  FillFirstRoots(v, mm);
  Settings().check = v;
}

void ParameterPage::LeaveFirstRoot() {
  platform::Dialog* d = Window();
  const int rc = FieldValue(kCheckSymbolsField);
  const int mm = FieldValue(kBitsPerSymbolField);
  const int hi = SaturatedInt(RootMax(rc, mm));
  const std::string text = d->Text(kFirstRootField);
  int v = TextValue(text);
  if (!IsIntegerText(text)) {
    v = 0;
    Show(RootNotIntegerMessage(v));
    d->SetText(kFirstRootField, DecimalText(v));
  } else if (v < 0) {
    v = 0;
    Show(RootTooSmallMessage(v));
    d->SetText(kFirstRootField, DecimalText(v));
  } else if (v > hi) {
    v = hi;
    Show(RootTooBigMessage(v));
    d->SetText(kFirstRootField, DecimalText(v));
  }
  Settings().genstart = v;
}

void ParameterPage::PickBitsPerSymbol(int v) {
  ChangeBitsPerSymbol(v, FieldValue(kCheckSymbolsField));
}

void ParameterPage::PickCodewordLength(const std::string& item) {
  platform::Dialog* d = Window();
  const int rc = FieldValue(kCheckSymbolsField);
  const int mm = FieldValue(kBitsPerSymbolField);
  const int lo = SaturatedInt(CodewordMin(rc));
  const int hi = SaturatedInt(FieldMax(mm));
  int v = TextValue(item);
  if (!IsIntegerText(item)) {
    v = lo;
    d->SetText(kCodewordLengthField, DecimalText(v));
  } else if (v < lo) {
    v = kMinCodewordLength;
    d->SetText(kCodewordLengthField, DecimalText(v));
  } else if (v > hi) {
    v = hi;
    d->SetText(kCodewordLengthField, DecimalText(v));
  }
  FillCheckSymbols(v);
  Settings().n = v;
}

void ParameterPage::PickCheckSymbols(int v) {
  const int mm = FieldValue(kBitsPerSymbolField);
  FillCodewordLengths(v, mm);
  FillFirstRoots(v, mm);
  Settings().check = v;
}

void ParameterPage::PickFirstRoot(const std::string& item) {
  platform::Dialog* d = Window();
  const int rc = FieldValue(kCheckSymbolsField);
  const int mm = FieldValue(kBitsPerSymbolField);
  const int hi = SaturatedInt(RootMax(rc, mm));
  int v = TextValue(item);
  if (!IsIntegerText(item)) {
    v = 0;
    d->SetText(kFirstRootField, "0");
  } else if (v < 0) {
    v = 0;
    d->SetText(kFirstRootField, "0");
  } else if (v > hi) {
    v = hi;
    d->SetText(kFirstRootField, DecimalText(v));
  }
  Settings().genstart = v;
}

}  // namespace rswizard
