// Dialog templates as data: numbered layouts in dialog units, turned into pixels with the
// dialog base units of the templates' font.
#pragma once

#include <string>
#include <vector>

#include "platform/geometry.h"

namespace platform {

enum class ControlKind {
  PushButton,
  RadioButton,
  CheckBox,
  GroupBox,
  Label,  // static text
  Field,  // editable drop-down list: a text and a list of items
  Edit,   // single-line text field
  ListBox,
  Picture,    // a bitmap resource
  BlackRect,  // a static black rectangle (the separator above the button bar)
  Panel,      // a static control painted by its owner (the symbol preview)
};

// Controls without an id of their own carry this one, as static texts do in resource files.
inline constexpr int kNoId = -1;

struct TemplateControl {
  ControlKind kind = ControlKind::Label;
  int id = kNoId;
  std::string text;
  int x = 0;  // dialog units
  int y = 0;
  int width = 0;
  int height = 0;
  bool groupStart = false;
  // Field: the text of the label on its row, by which scripts address the field.
  std::string label;
  // Field: the items that the template itself puts in the list.
  std::vector<std::string> items;
  // Picture: the resource number of the bitmap.
  int pictureId = 0;
};

// A template control from its kind, id, text and rectangle in dialog units.
inline TemplateControl MakeControl(ControlKind kind, int id, std::string text, int x, int y,
                                   int width, int height) {
  TemplateControl control;
  control.kind = kind;
  control.id = id;
  control.text = std::move(text);
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
  return control;
}

struct DialogTemplate {
  int number = 0;
  std::string caption;  // empty: the template has no caption of its own
  std::string fontName = "MS Sans Serif";
  int fontSize = 8;
  int width = 0;  // dialog units
  int height = 0;
  std::vector<TemplateControl> controls;
};

// Dialog base units of "MS Sans Serif" 8 at 96 dots per inch: an average character is 6 pixels
// wide and 13 high; a horizontal dialog unit is a quarter of the width, a vertical one an
// eighth of the height, rounded to the nearest pixel.
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
Rect DialogUnitsToPixels(int x, int y, int width, int height);

}  // namespace platform
