// A drawing context that records every call as a line of text, keeping the text and background
// colours the way a device context does (a solid fill leaves its colour as the background).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/draw_context.h"

namespace symboltest {

inline std::string ColorText(platform::Color c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

inline std::string RectText(const platform::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

inline std::string PointText(platform::Point p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

class RecordingDrawContext : public platform::DrawContext {
 public:
  std::vector<std::string> calls;
  // Only the drawing calls, without the colour settings.
  std::vector<std::string> drawn;

  void SetTextColor(platform::Color color) override {
    textColor_ = color;
    calls.push_back("text-color " + ColorText(color));
  }
  platform::Color TextColor() const override { return textColor_; }
  void SetBackgroundColor(platform::Color color) override {
    background_ = color;
    calls.push_back("background " + ColorText(color));
  }
  platform::Color BackgroundColor() const override { return background_; }

  void FillSolid(const platform::Rect& rect, platform::Color color) override {
    background_ = color;
    Draw("fill " + RectText(rect) + " " + ColorText(color));
  }
  void FillHalftone(const platform::Rect& rect) override {
    Draw("halftone " + RectText(rect) + " " + ColorText(textColor_) + "/" + ColorText(background_));
  }
  void DrawLine(platform::Point from, platform::Point to, platform::Color color, int width,
                int penStyle) override {
    Draw("line " + PointText(from) + " " + PointText(to) + " " + ColorText(color) + " w" +
         std::to_string(width) + " s" + std::to_string(penStyle));
  }
  void DrawEllipse(const platform::Rect& rect, platform::Color color, int width) override {
    Draw("ellipse " + RectText(rect) + " " + ColorText(color) + " w" + std::to_string(width));
  }
  void DrawText(platform::Point topLeft, std::string_view text,
                const platform::FontDescription& font) override {
    Draw("text " + PointText(topLeft) + " \"" + std::string(text) + "\" " + font.faceName + " h" +
         std::to_string(font.height) + " e" + std::to_string(font.escapement) + " " +
         ColorText(textColor_) + "/" + ColorText(background_));
  }

  // The drawn calls that begin with `prefix`.
  std::vector<std::string> DrawnStartingWith(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const std::string& call : drawn) {
      if (call.starts_with(prefix)) out.push_back(call);
    }
    return out;
  }

 private:
  void Draw(std::string call) {
    calls.push_back(call);
    drawn.push_back(std::move(call));
  }

  platform::Color textColor_{};
  platform::Color background_{255, 255, 255};
};

}  // namespace symboltest
