// The second page (template 124): the five code parameters, each an editable drop-down field
// whose list holds exactly the values valid with the other four. A typed value is tested when
// its field loses the focus, reported and reset when out of range; a pick from a list is taken
// as it is, clamped only when the list has become stale. Every rule reads the other fields'
// texts at the moment of the event, not the settings, so the order of the refills below is the
// page's behaviour and must not be rearranged.
//
// Control ids:
//   1240  "Number of bits per symbol"             field, m (list 4 .. 8 from the template)
//   1241  "Number of symbols per codeword"        field, n
//   1242  "Number of check symbols per codeword"  field, check (r)
//   1243  "Field polynomial"                      field, irrpol
//   1244  "First root of polynomial generator"    field, genstart
//   1245  "DVB Standard"                          push button
//   1246  "Preseted values"                       group box
// Each field is addressed by its label text; the labels themselves have no id.
#pragma once

#include <string>

#include "description/wizard_description.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "rswizard/page_messages.h"
#include "rswizard/rs_page.h"
#include "symbol/symbol_model.h"

namespace rswizard {

inline constexpr int kParameterTemplate = 124;
inline constexpr int kBitsPerSymbolField = 1240;
inline constexpr int kCodewordLengthField = 1241;
inline constexpr int kCheckSymbolsField = 1242;
inline constexpr int kFieldPolynomialField = 1243;
inline constexpr int kFirstRootField = 1244;
inline constexpr int kDvbButton = 1245;
inline constexpr int kPresetGroup = 1246;

// The DVB code: RS(204, 188) over GF(2^8) with x^8 + x^4 + x^3 + x^2 + 1, first root 0.
struct RsPreset {
  int m;
  int n;
  int r;
  int irrpol;
  int genstart;
};
inline constexpr RsPreset kDvbPreset{8, 204, 16, 285, 0};

const platform::DialogTemplate& ParameterTemplate();

class ParameterPage : public RsPage {
 public:
  ParameterPage(description::WizardDescription& description, const symbol::SymbolModel* model,
                const platform::Dialog* parent = nullptr);

  void OnInitDialog(platform::Dialog& dialog) override;
  void OnClicked(platform::Dialog& dialog, int id) override;
  void OnFieldLeave(platform::Dialog& dialog, int id) override;
  void OnFieldPick(platform::Dialog& dialog, int id) override;

  // The refills: each clears one list and fills it with the values valid for its arguments,
  // keeps the field's value when it is one of them and otherwise resets the field, and sets
  // the setting either way. None shows a message. They act on the shown page only.
  void FillFieldPolynomials(int mm);
  void FillCodewordLengths(int r, int mm);
  void FillCheckSymbols(int nn);
  void FillFirstRoots(int r, int mm);
  // The five texts set, then the four lists refilled from them, then the preview redrawn.
  void ApplyPreset(int m, int n, int r, int p, int g);

 private:
  // The values of the other fields' texts when an event starts: what a rule reads of them.
  struct FieldValues {
    int m;
    int n;
    int check;
  };
  struct FieldRange;
  struct FieldRule;

  // The rule of a numeric field (the field polynomial has none: its values are a row, not a
  // range); null for other ids.
  static const FieldRule* RuleOf(int id);
  // The value a rule gives a text: its own when in range, otherwise the reset value, shown in
  // the field, with the rule's message when `report`.
  int Validate(const FieldRule& rule, const FieldValues& others, const std::string& text,
               bool report);
  FieldValues OtherValues() const;
  int FieldValue(int id) const;
  void Show(const PageMessage& message) const;
  // Lists lo .. listEnd in field `id`; returns the field's value when within lo .. hi (shown
  // anew when `rewriteKept`), otherwise resetTo, then shown.
  int Refill(int id, long long lo, long long hi, long long listEnd, int resetTo,
             bool rewriteKept = false);
  void LeaveFieldPolynomial();

  // What an accepted or reset value changes, leaving and picking alike.
  void ApplyBitsPerSymbol(int v, const FieldValues& others);
  void ApplyCodewordLength(int v, const FieldValues& others);
  void ApplyCheckSymbols(int v, const FieldValues& others);
  void ApplyFirstRoot(int v, const FieldValues& others);
};

}  // namespace rswizard
