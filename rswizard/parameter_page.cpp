#include "rswizard/parameter_page.h"

#include <algorithm>
#include <span>

#include "rsblock/primitive_polynomials.h"
#include "rsblock/settings_range.h"
#include "rswizard/page_text.h"
#include "rswizard/process_settings.h"

namespace rswizard {

using platform::ControlKind;
using platform::MakeControl;

// A field's accepted range, worked out from the other fields; a value below it is reset to
// belowTo, one above it to hi, a text that is no integer to lo.
struct ParameterPage::FieldRange {
  int lo;
  int hi;
  int belowTo;
};

// A numeric field's rule: its range, the message for each way of leaving it wrong (each told
// the value the field is reset to), and what the accepted or reset value then changes.
struct ParameterPage::FieldRule {
  int field;
  FieldRange (*range)(const FieldValues& others);
  PageMessage (*notInteger)(int resetTo);
  PageMessage (*tooSmall)(int resetTo);
  PageMessage (*tooBig)(int resetTo);
  // The field already shows the reset value behind the message box.
  bool tooBigResetFirst;
  // A pick is clamped too (without a message): its list may have become stale.
  bool clampsPicks;
  void (ParameterPage::*apply)(int v, const FieldValues& others);
};

namespace {

// The five fields top to bottom, each with its label on the same row.
struct FieldRow {
  int id;
  const char* label;
  int y;
};
constexpr FieldRow kFieldRows[] = {
    {kBitsPerSymbolField, "Number of bits per symbol", 10},
    {kCodewordLengthField, "Number of symbols per codeword", 25},
    {kCheckSymbolsField, "Number of check symbols per codeword", 40},
    {kFieldPolynomialField, "Field polynomial", 55},
    {kFirstRootField, "First root of polynomial generator", 70},
};

platform::DialogTemplate BuildParameterTemplate() {
  platform::DialogTemplate t;
  t.number = kParameterTemplate;
  t.width = 234;
  t.height = 135;
  for (const FieldRow& row : kFieldRows) {
    t.controls.push_back(
        MakeControl(ControlKind::Label, platform::kNoId, row.label, 15, row.y + 2, 150, 8));
    t.controls.push_back(MakeControl(ControlKind::Field, row.id, "", 170, row.y, 40, 12));
    t.controls.back().label = row.label;
  }
  t.controls[1].items = {"4", "5", "6", "7", "8"};
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

int ParameterPage::Validate(const FieldRule& rule, const FieldValues& others,
                            const std::string& text, bool report) {
  const FieldRange range = rule.range(others);
  PageMessage (*message)(int) = nullptr;
  bool resetFirst = false;
  int v = TextValue(text);
  if (!IsIntegerText(text)) {
    v = range.lo;
    message = rule.notInteger;
  } else if (v < range.lo) {
    v = range.belowTo;
    message = rule.tooSmall;
  } else if (v > range.hi) {
    v = range.hi;
    message = rule.tooBig;
    resetFirst = rule.tooBigResetFirst;
  } else {
    return v;
  }
  if (resetFirst) Window()->SetText(rule.field, DecimalText(v));
  if (report) Show(message(v));
  if (!resetFirst) Window()->SetText(rule.field, DecimalText(v));
  return v;
}

ParameterPage::FieldValues ParameterPage::OtherValues() const {
  return {FieldValue(kBitsPerSymbolField), FieldValue(kCodewordLengthField),
          FieldValue(kCheckSymbolsField)};
}

const ParameterPage::FieldRule* ParameterPage::RuleOf(int id) {
  // The field polynomial has a row, not a range: it has a rule of its own below.
  static constexpr FieldRule kRules[] = {
      {kBitsPerSymbolField,
       [](const FieldValues&) -> FieldRange {
         return {rsblock::kMinBitsPerSymbol, rsblock::kMaxBitsPerSymbol,
                 rsblock::kMinBitsPerSymbol};
       },
       BitsNotIntegerMessage, BitsTooSmallMessage, BitsTooBigMessage, true, false,
       &ParameterPage::ApplyBitsPerSymbol},
      // Too short a codeword is reset to the smallest of all, not to lo: the check list then
      // follows n = 5 and takes r to 4, as the message says.
      {kCodewordLengthField,
       [](const FieldValues& f) -> FieldRange {
         return {SaturatedInt(rsblock::CodewordMin(f.check)), SaturatedInt(rsblock::FieldMax(f.m)),
                 rsblock::kMinCodewordLength};
       },
       CodewordNotIntegerMessage, CodewordTooSmallMessage, CodewordTooBigMessage, false, true,
       &ParameterPage::ApplyCodewordLength},
      {kCheckSymbolsField,
       [](const FieldValues& f) -> FieldRange {
         return {rsblock::kMinCheckSymbols, SaturatedInt(rsblock::CheckMax(f.n)),
                 rsblock::kMinCheckSymbols};
       },
       [](int) { return CheckNotIntegerMessage(); }, [](int) { return CheckTooSmallMessage(); },
       CheckTooBigMessage, false, false, &ParameterPage::ApplyCheckSymbols},
      {kFirstRootField,
       [](const FieldValues& f) -> FieldRange {
         return {0, SaturatedInt(rsblock::RootMax(f.check, f.m)), 0};
       },
       RootNotIntegerMessage, RootTooSmallMessage, RootTooBigMessage, false, true,
       &ParameterPage::ApplyFirstRoot},
  };
  for (const FieldRule& rule : kRules)
    if (rule.field == id) return &rule;
  return nullptr;
}

// ---- Refills ----

int ParameterPage::Refill(int id, long long lo, long long hi, long long listEnd, int resetTo,
                          bool rewriteKept) {
  platform::Dialog* d = Window();
  const int cur = FieldValue(id);
  d->ClearItems(id);
  for (long long v = lo; v <= listEnd; ++v) d->AddItem(id, DecimalText(v));
  const bool kept = cur >= lo && cur <= hi;
  if (!kept || rewriteKept) d->SetText(id, DecimalText(kept ? cur : resetTo));
  return kept ? cur : resetTo;
}

void ParameterPage::FillFieldPolynomials(int mm) {
  platform::Dialog* d = Window();
  if (!d) return;
  const int cur = FieldValue(kFieldPolynomialField);
  const std::span<const int> row = rsblock::PolynomialsFor(mm);
  d->ClearItems(kFieldPolynomialField);
  for (int p : row) d->AddItem(kFieldPolynomialField, DecimalText(p));
  // An m outside 4..8 has no row to fall back on; the bits field never keeps such an m.
  if (row.empty()) return;
  if (rsblock::IsPolynomialOf(mm, cur)) {
    Settings().irrpol = cur;
  } else {
    d->SetText(kFieldPolynomialField, DecimalText(row.front()));
    Settings().irrpol = row.front();
  }
}

void ParameterPage::FillCodewordLengths(int r, int mm) {
  if (!Window()) return;
  const long long lo = rsblock::CodewordMin(r);
  const long long hi = rsblock::FieldMax(mm);
  // With no codeword left above r, the smallest codeword of all.
  const int resetTo = r < hi ? SaturatedInt(lo) : rsblock::kMinCodewordLength;
  // A kept value is shown as the list writes it.
  Settings().n = Refill(kCodewordLengthField, lo, hi, hi, resetTo, true);
}

void ParameterPage::FillCheckSymbols(int nn) {
  if (!Window()) return;
  const long long hi = rsblock::CheckMax(nn);
  Settings().check =
      Refill(kCheckSymbolsField, rsblock::kMinCheckSymbols, hi, hi, rsblock::kMinCheckSymbols);
}

void ParameterPage::FillFirstRoots(int r, int mm) {
  if (!Window()) return;
  const long long hi = rsblock::RootMax(r, mm);
  // A root is a field exponent: a check count below 0 (never kept by the check field) must not
  // stretch the list past the field.
  Settings().genstart = Refill(kFirstRootField, 0, hi, std::min(hi, rsblock::FieldMax(mm)), 0);
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
  // Showing the page is presetting it to the settings: the refills then work on a copy of the
  // values the page was shown with, even where one of them has just changed a setting.
  const rsblock::RsSettings s = Settings();
  ApplyPreset(s.m, s.n, s.check, s.irrpol, s.genstart);
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
  if (id == kFieldPolynomialField) {
    LeaveFieldPolynomial();
  } else if (const FieldRule* rule = RuleOf(id)) {
    const FieldValues others = OtherValues();
    (this->*rule->apply)(Validate(*rule, others, Window()->Text(id), true), others);
  } else {
    return;
  }
  RefreshPreview();
}

void ParameterPage::OnFieldPick(platform::Dialog&, int id) {
  if (!Window()) return;
  const platform::Control* field = Window()->Find(id);
  if (!field || field->selection < 0 || field->selection >= static_cast<int>(field->items.size()))
    return;
  const std::string item = field->items[static_cast<std::size_t>(field->selection)];
  if (id == kFieldPolynomialField) {
    Settings().irrpol = TextValue(item);
  } else if (const FieldRule* rule = RuleOf(id)) {
    const FieldValues others = OtherValues();
    const int v = rule->clampsPicks ? Validate(*rule, others, item, false) : TextValue(item);
    (this->*rule->apply)(v, others);
  } else {
    return;
  }
  RefreshPreview();
}

void ParameterPage::LeaveFieldPolynomial() {
  platform::Dialog* d = Window();
  const int mm = FieldValue(kBitsPerSymbolField);
  const int value = FieldValue(kFieldPolynomialField);
  if (rsblock::IsPolynomialOf(mm, value)) {
    Settings().irrpol = value;
    return;
  }
  const int first = rsblock::DefaultPolynomialFor(mm);
  if (first == 0) return;  // no row for such an m: nothing to reset to
  d->SetText(kFieldPolynomialField, DecimalText(first));
  Settings().irrpol = first;
  Show(PolynomialIllegalMessage(first));
}

void ParameterPage::Show(const PageMessage& message) const {
  ShowMessage(message.text, message.caption);
}

// ---- What a value changes ----

void ParameterPage::ApplyBitsPerSymbol(int v, const FieldValues& others) {
  Settings().m = v;
  FillFieldPolynomials(v);
  // The first roots are listed with the check count read before the check list is refilled
  // below; the list may thus be stale until r or m changes again.
  FillFirstRoots(others.check, v);
  FillCodewordLengths(others.check, v);
  FillCheckSymbols(FieldValue(kCodewordLengthField));
}

void ParameterPage::ApplyCodewordLength(int v, const FieldValues&) {
  FillCheckSymbols(v);
  Settings().n = v;
}

void ParameterPage::ApplyCheckSymbols(int v, const FieldValues& others) {
  FillCodewordLengths(v, others.m);
  FillFirstRoots(v, others.m);
  Settings().check = v;
}

void ParameterPage::ApplyFirstRoot(int v, const FieldValues&) {
  Settings().genstart = v;
}

}  // namespace rswizard
