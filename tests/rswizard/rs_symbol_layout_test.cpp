// The Reed-Solomon symbol: its texts, box width rules and pins, with assumed text widths where
// the layout arithmetic is the point, and with the real measurer where determinism is.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rsblock/rs_settings.h"
#include "rswizard/rs_symbol.h"
#include "symbol/symbol_model.h"
#include "tests/support/fake_platform.h"

namespace {

using rsblock::RsSettings;
using rswizard::BuildRsSymbol;

// Widths by text; any other text is 10 pixels per character. Every text is 13 high.
struct AssumedWidths {
  std::map<std::string, int> widths;
  std::vector<std::string> measured;

  symbol::TextSizer Sizer() {
    return [this](std::string_view text, std::string_view, int) {
      measured.emplace_back(text);
      const auto it = widths.find(std::string(text));
      const int width = it != widths.end() ? it->second : static_cast<int>(text.size()) * 10;
      return symbol::TextSize{width, 13};
    };
  }
};

// The worked example: wIn 45, wClock 25, wOut 52, polynomial 50, title 60, irrpol 40. The two
// panel labels make D = 112 + 112 + 48 = 272, room enough for the title.
AssumedWidths WorkedWidths() {
  AssumedWidths w;
  w.widths = {
      {"rsin[4..1]", 45}, {"clock", 25},       {"rsout[4..1]", 52},      {"x^4 + x^1 + 1", 50},
      {"design", 60},     {"irrpol = 19", 40}, {"RS_input [8..0]", 100}, {"RS_output [8..0]", 100}};
  return w;
}

RsSettings Dvb() {
  return RsSettings{8, 204, 16, 285, 0, 0, 1, 1, 1};
}

std::vector<std::string> Texts(const symbol::SymbolModel& model) {
  std::vector<std::string> texts;
  for (const auto& t : model.Texts()) texts.push_back(t->text);
  return texts;
}

std::vector<std::string> PinNames(const symbol::SymbolModel& model) {
  std::vector<std::string> names;
  for (const auto& p : model.Pins()) names.push_back(p->pinName);
  return names;
}

TEST(BusLabel, WidthOneOrLessIsThePlainName) {
  EXPECT_EQ(rswizard::BusLabel("rsin", 8), "rsin[8..1]");
  EXPECT_EQ(rswizard::BusLabel("numerr", 2), "numerr[2..1]");
  EXPECT_EQ(rswizard::BusLabel("rsout", 1), "rsout");
  EXPECT_EQ(rswizard::BusLabel("numerr", 0), "numerr");
  EXPECT_EQ(rswizard::BusLabel("rsin", -4), "rsin");
}

TEST(PolynomialText, HighestPowerFirst) {
  EXPECT_EQ(rswizard::PolynomialText(19), "x^4 + x^1 + 1");
  EXPECT_EQ(rswizard::PolynomialText(285), "x^8 + x^4 + x^3 + x^2 + 1");
  EXPECT_EQ(rswizard::PolynomialText(0), "");
  EXPECT_EQ(rswizard::PolynomialText(1), "1");
  EXPECT_EQ(rswizard::PolynomialText(2), "x^1");
  EXPECT_EQ(rswizard::PolynomialText(24), "x^4 + x^3");
}

TEST(PolynomialText, NegativeValuesEndWithAllTheirBits) {
  EXPECT_EQ(rswizard::PolynomialText(INT32_MIN), "x^31");
  const std::string all = rswizard::PolynomialText(-1);
  EXPECT_EQ(all.rfind("x^31 + x^30 + ", 0), 0u);
  EXPECT_EQ(all.substr(all.size() - 13), "x^2 + x^1 + 1");
  EXPECT_EQ(rswizard::PolynomialText(-2).substr(0, 5), "x^31 ");
}

TEST(KindText, TheFiveTexts) {
  struct Case {
    int encDec, discStream, fastSmall;
    const char* text;
  };
  for (const Case c :
       {Case{1, 1, 1, "encoder"}, Case{1, 0, 0, "encoder"}, Case{0, 1, 1, "full discrete decoder"},
        Case{0, 1, 0, "half discrete decoder"}, Case{0, 0, 1, "full streaming decoder"},
        Case{0, 0, 0, "half streaming decoder"}}) {
    RsSettings s;
    s.Enc_Dec = c.encDec;
    s.Disc_Stream = c.discStream;
    s.Fast_Small = c.fastSmall;
    EXPECT_EQ(rswizard::KindText(s), c.text);
  }
}

TEST(FitDesignName, FitsWholeOrShortenedOrNot) {
  AssumedWidths w;  // 10 pixels a character
  const symbol::TextSizer sizer = w.Sizer();
  EXPECT_EQ(rswizard::FitDesignName("filter", 60, 10, "Arial", sizer), "filter");
  EXPECT_EQ(rswizard::FitDesignName("filter", 59, 10, "Arial", sizer), "fi...");
  EXPECT_EQ(rswizard::FitDesignName("filter", 50, 10, "Arial", sizer), "fi...");
  EXPECT_EQ(rswizard::FitDesignName("filter", 40, 10, "Arial", sizer), "f...");
  EXPECT_EQ(rswizard::FitDesignName("filter", 39, 10, "Arial", sizer), "")
      << "even one character and the dots are too wide";
  EXPECT_EQ(rswizard::FitDesignName("ab", 15, 10, "Arial", sizer), "")
      << "the dots alone are no title";
  EXPECT_EQ(rswizard::FitDesignName("", 0, 10, "Arial", sizer), "");
  EXPECT_EQ(rswizard::FitDesignName(std::string(254, 'a'), 100000, 10, "Arial", sizer),
            std::string(254, 'a'));
  EXPECT_EQ(rswizard::FitDesignName(std::string(255, 'a'), 100000, 10, "Arial", sizer), "");
}

TEST(FitDesignName, RealMeasurerDependsOnThePointSize) {
  const std::string name = "reed_solomon_decoder_top";
  const int width10 = symbol::TextMeasurer("Arial", 10).Width(name);
  EXPECT_EQ(rswizard::FitDesignName(name, width10, 10, "Arial"), name);
  EXPECT_NE(rswizard::FitDesignName(name, width10 - 1, 10, "Arial"), name);
  EXPECT_EQ(rswizard::FitDesignName(name, width10 - 1, 8, "Arial"), name);
}

TEST(RsBoxWidth, WorkedWidths) {
  rswizard::RsBoxMeasures m{45, 25, 52, 50, 60, 40};
  EXPECT_EQ(rswizard::RsBoxWidth(m), 152);
  m.title = 160;  // t = 168 > 152
  EXPECT_EQ(rswizard::RsBoxWidth(m), 168);
  m.title = 60;
  m.polynomial = 130;  // p = 138 decides, not a multiple of 8
  EXPECT_EQ(rswizard::RsBoxWidth(m), 170);
  m.polynomial = 50;
  m.irrpol = 150;  // q = 190
  EXPECT_EQ(rswizard::RsBoxWidth(m), 192);
  m.irrpol = 40;
  m.wClock = 70;  // the clock column is wider than rsin: up8(78) + 64 + 32
  EXPECT_EQ(rswizard::RsBoxWidth(m), 176);
}

TEST(BuildRsSymbol, WorkedWidthPlacesTitleAndRightPins) {
  AssumedWidths w = WorkedWidths();
  symbol::SymbolModel model(300);
  BuildRsSymbol(model, RsSettings{}, "design", w.Sizer());
  EXPECT_EQ(model.boxWidth, 152);
  EXPECT_EQ(model.boxHeight, 224);
  ASSERT_EQ(model.Texts().size(), 7u);
  EXPECT_EQ(model.Texts()[0]->x, 76);
  EXPECT_EQ(model.Texts()[0]->y, 1);
  EXPECT_EQ(model.Texts()[1]->x, 76);
  ASSERT_EQ(model.Pins().size(), 6u);
  const symbol::SymbolPin& rsout = *model.Pins()[0];
  EXPECT_EQ(rsout.stub.x, 152);
  EXPECT_EQ(rsout.stub.x + rsout.stub.dx, 136);
  EXPECT_EQ(rsout.label.alignment, 5);
}

TEST(BuildRsSymbol, WideTitleOrPolynomialWidensTheBox) {
  AssumedWidths w = WorkedWidths();
  w.widths["design"] = 160;
  symbol::SymbolModel model(300);
  BuildRsSymbol(model, RsSettings{}, "design", w.Sizer());
  EXPECT_EQ(model.boxWidth, 168);

  w = WorkedWidths();
  w.widths["x^4 + x^1 + 1"] = 130;
  BuildRsSymbol(model, RsSettings{}, "design", w.Sizer());
  EXPECT_EQ(model.boxWidth, 170);
  EXPECT_EQ(model.Texts()[0]->x, 85);
  EXPECT_EQ(model.Lines()[1]->x, 154) << "right box edge at W - 16";
  EXPECT_EQ(model.Lines()[2]->dx, 138);
}

TEST(BuildRsSymbol, TitleIsFittedToThePanelMinusMargin) {
  // D = up8(28) + up8(28) + 48 = 112: a name of 11 characters (110 pixels) does not fit 104.
  AssumedWidths w;
  w.widths = {{"RS_input [8..0]", 20}, {"RS_output [8..0]", 20}};
  symbol::SymbolModel model(300);
  BuildRsSymbol(model, RsSettings{}, "abcdefghijk", w.Sizer());
  EXPECT_EQ(model.Texts()[0]->text, "abcdefg...");
  BuildRsSymbol(model, RsSettings{}, "abcdefghij", w.Sizer());
  EXPECT_EQ(model.Texts()[0]->text, "abcdefghij");
}

TEST(BuildRsSymbol, NewDesignEncoderTextsLinesAndPins) {
  AssumedWidths w = WorkedWidths();
  symbol::SymbolModel model(300);
  BuildRsSymbol(model, RsSettings{}, "design", w.Sizer());
  EXPECT_EQ(Texts(model),
            (std::vector<std::string>{"design", "encoder", "irrpol = 19", "x^4 + x^1 + 1", "n = 5",
                                      "r = 4", "genstart = 0"}));
  struct Place {
    int x, y, points, alignment;
  };
  const Place places[] = {{76, 1, 10, 1},  {76, 204, 10, 1}, {20, 176, 7, 6}, {20, 192, 7, 6},
                          {20, 144, 7, 6}, {20, 160, 7, 6},  {20, 208, 7, 6}};
  for (std::size_t i = 0; i < 7; ++i) {
    const symbol::SymbolText& t = *model.Texts()[i];
    EXPECT_EQ(t.x, places[i].x) << t.text;
    EXPECT_EQ(t.y, places[i].y) << t.text;
    EXPECT_EQ(t.pointSize, places[i].points) << t.text;
    EXPECT_EQ(t.alignment, places[i].alignment) << t.text;
    EXPECT_EQ(t.color, (platform::Color{0, 128, 128})) << t.text;
    EXPECT_EQ(t.fontName, "Arial");
    EXPECT_EQ(t.vertical, 0);
  }

  ASSERT_EQ(model.Lines().size(), 4u);
  struct Edge {
    int x, y, dx, dy;
  };
  const Edge edges[] = {{16, 16, 0, 192}, {136, 16, 0, 192}, {16, 16, 120, 0}, {16, 208, 120, 0}};
  for (std::size_t i = 0; i < 4; ++i) {
    const symbol::SymbolLine& l = *model.Lines()[i];
    EXPECT_EQ((std::vector<int>{l.x, l.y, l.dx, l.dy}),
              (std::vector<int>{edges[i].x, edges[i].y, edges[i].dx, edges[i].dy}))
        << "line " << i;
    EXPECT_EQ(l.thick, 0);
    EXPECT_EQ(l.color, (platform::Color{0, 0, 0}));
  }

  EXPECT_EQ(PinNames(model), (std::vector<std::string>{"rsout[4..1]", "rsin[4..1]", "sysclk",
                                                       "reset", "start", "enable"}));
  struct PinPlace {
    int x, y, dx, direction, thick, alignment;
  };
  const PinPlace pins[] = {
      {152, 32, -16, symbol::kPinOut, 1, 5}, {0, 32, 16, symbol::kPinIn, 1, 3},
      {0, 48, 16, symbol::kPinIn, 0, 3},     {0, 64, 16, symbol::kPinIn, 0, 3},
      {0, 80, 16, symbol::kPinIn, 0, 3},     {0, 96, 16, symbol::kPinIn, 0, 3}};
  for (std::size_t i = 0; i < 6; ++i) {
    const symbol::SymbolPin& p = *model.Pins()[i];
    EXPECT_EQ(p.stub.x, pins[i].x) << p.pinName;
    EXPECT_EQ(p.stub.y, pins[i].y) << p.pinName;
    EXPECT_EQ(p.stub.dx, pins[i].dx) << p.pinName;
    EXPECT_EQ(p.stub.dy, 0) << p.pinName;
    EXPECT_EQ(p.direction, pins[i].direction) << p.pinName;
    EXPECT_EQ(p.stub.thick, pins[i].thick) << p.pinName;
    EXPECT_EQ(p.label.alignment, pins[i].alignment) << p.pinName;
    EXPECT_EQ(p.label.text, p.pinName);
    EXPECT_FALSE(p.busMark) << p.pinName;
  }
}

TEST(BuildRsSymbol, DvbDecoderPins) {
  AssumedWidths w;
  symbol::SymbolModel model(300);
  BuildRsSymbol(model, Dvb(), "dvb", w.Sizer());
  EXPECT_EQ(model.Texts()[1]->text, "full discrete decoder");
  EXPECT_EQ(model.Texts()[3]->text, "x^8 + x^4 + x^3 + x^2 + 1");
  EXPECT_EQ(PinNames(model), (std::vector<std::string>{"rsout[8..1]", "rsin[8..1]", "sysclk",
                                                       "reset", "rdyin", "dsin", "dsout", "bypass",
                                                       "outvalid", "decfail", "numerr[5..1]"}));
  const int wBox = model.boxWidth;
  struct PinPlace {
    int x, y, direction, thick;
  };
  const PinPlace pins[] = {{wBox, 32, 1, 1}, {0, 32, 0, 1},    {0, 48, 0, 0},   {0, 64, 0, 0},
                           {wBox, 48, 1, 0}, {0, 80, 0, 0},    {0, 96, 0, 0},   {0, 112, 0, 0},
                           {wBox, 64, 1, 0}, {wBox, 80, 1, 0}, {wBox, 96, 1, 1}};
  for (std::size_t i = 0; i < 11; ++i) {
    const symbol::SymbolPin& p = *model.Pins()[i];
    EXPECT_EQ(p.stub.x, pins[i].x) << p.pinName;
    EXPECT_EQ(p.stub.y, pins[i].y) << p.pinName;
    EXPECT_EQ(p.direction, pins[i].direction) << p.pinName;
    EXPECT_EQ(p.stub.thick, pins[i].thick) << p.pinName;
  }
}

TEST(BuildRsSymbol, NumerrOfSmallCodesAndSpeedOnlyChangesTheKindText) {
  AssumedWidths w;
  symbol::SymbolModel model(300);
  RsSettings s = Dvb();
  s.check = 7;
  BuildRsSymbol(model, s, "dvb", w.Sizer());
  EXPECT_EQ(model.Pins().back()->pinName, "numerr[3..1]");
  const std::vector<std::string> pinsFull = PinNames(model);
  const int widthFull = model.boxWidth;
  s.Fast_Small = 0;
  BuildRsSymbol(model, s, "dvb", w.Sizer());
  EXPECT_EQ(PinNames(model), pinsFull);
  EXPECT_EQ(model.boxWidth, widthFull);
  EXPECT_EQ(model.Texts()[1]->text, "half discrete decoder");
}

TEST(BuildRsSymbol, EachBuildReplacesTheLast) {
  AssumedWidths w;
  symbol::SymbolModel model(300);
  BuildRsSymbol(model, Dvb(), "dvb", w.Sizer());
  BuildRsSymbol(model, RsSettings{}, "dvb", w.Sizer());
  EXPECT_EQ(model.Pins().size(), 6u);
  EXPECT_EQ(model.Texts().size(), 7u);
  EXPECT_EQ(model.Lines().size(), 4u);
}

TEST(BuildRsSymbol, MeasuresEveryTextItPlacesInItsSize) {
  AssumedWidths w = WorkedWidths();
  symbol::SymbolModel model(300);
  BuildRsSymbol(model, RsSettings{}, "design", w.Sizer());
  for (const char* text :
       {"rsin[4..1]", "rsout[4..1]", "clock", "RS_input [8..0]", "RS_output [8..0]", "design",
        "irrpol = 19", "x^4 + x^1 + 1", "encoder", "n = 5", "genstart = 0"})
    EXPECT_NE(std::find(w.measured.begin(), w.measured.end(), text), w.measured.end()) << text;
  EXPECT_EQ(model.Texts()[2]->textWidth, 40);
}

TEST(BuildRsSymbol, RealMeasurerGivesTheSameSymbolEveryTime) {
  symbol::SymbolModel first;
  symbol::SymbolModel second;
  BuildRsSymbol(first, Dvb(), "rs");
  BuildRsSymbol(second, Dvb(), "rs");
  std::string a, b;
  first.WriteSymbol(a);
  second.WriteSymbol(b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(first.boxWidth % 8, 0);
  EXPECT_GE(first.boxWidth, 100);
  EXPECT_TRUE(testsupport::MatchesGolden("rswizard/dvb_symbol.txt", a));
}

}  // namespace
