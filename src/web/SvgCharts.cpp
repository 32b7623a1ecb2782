#include "web/SvgCharts.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "web/WebText.h"

namespace kv7::web {
namespace {

constexpr std::array<const char*, stats::kShares> kColours{"#2e7d32", "#1565c0", "#f9a825", "#6a1b9a", "#c62828"};

std::string Fixed(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

std::string Rect(double x, double y, double w, double h, const char* colour, const std::string& tip) {
  return "<rect x=\"" + Fixed(x) + "\" y=\"" + Fixed(y) + "\" width=\"" + Fixed(w) + "\" height=\"" + Fixed(h) +
         "\" fill=\"" + colour + "\"><title>" + Html(tip) + "</title></rect>";
}

std::string Text(double x, double y, const std::string& text, const char* anchor = "start") {
  return "<text x=\"" + Fixed(x) + "\" y=\"" + Fixed(y) + "\" text-anchor=\"" + anchor + "\" font-size=\"11\">" +
         Html(text) + "</text>";
}

std::string Legend(const ChartTexts& texts, double y) {
  std::string svg;
  for (std::size_t i = 0; i < texts.shares.size() && i < kColours.size(); ++i) {
    const double x = 10 + 110.0 * static_cast<double>(i);
    svg += Rect(x, y, 10, 10, kColours[i], texts.shares[i]) + Text(x + 14, y + 9, texts.shares[i]);
  }
  return svg;
}

std::string Open(int width, int height) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) + "\" height=\"" +
         std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) +
         "\" role=\"img\">";
}

}  // namespace

std::string QualitySharesSvg(const std::vector<stats::GroupFigures>& groups, const ChartTexts& texts) {
  constexpr double kLabel = 160, kBar = 420, kRow = 22;
  const int height = static_cast<int>(kRow * static_cast<double>(groups.size()) + 40);
  std::string svg = Open(static_cast<int>(kLabel + kBar + 20), height);
  double y = 8;
  for (const auto& g : groups) {
    svg += Text(kLabel - 6, y + 13, g.label.empty() ? g.key : g.key + " " + g.label, "end");
    double x = kLabel;
    for (int i = 0; i < stats::kShares; ++i) {
      const double share = g.QualityShare(i);
      const double w = kBar * share / 100.0;
      if (w > 0)
        svg += Rect(x, y, w, kRow - 6, kColours[static_cast<std::size_t>(i)],
                    texts.shares[static_cast<std::size_t>(i)] + " " + Number(texts.language, share, 2) + " %");
      x += w;
    }
    y += kRow;
  }
  return svg + Legend(texts, y + 6) + "</svg>\n";
}

std::string ClassDistributionSvg(const stats::GroupFigures& group, const ChartTexts& texts) {
  constexpr double kLeft = 40, kColumn = 32, kHeight = 200, kTop = 10;
  double highest = 0;
  for (int c = 0; c < stats::kClasses; ++c) {
    double sum = 0;
    for (int q = 0; q < stats::kQualities; ++q) sum += group.ClassShare(q, c);
    highest = std::max(highest, sum);
  }
  const double scale = highest > 0 ? kHeight / highest : 0;
  std::string svg = Open(static_cast<int>(kLeft + kColumn * stats::kClasses + 20), static_cast<int>(kTop + kHeight + 50));
  svg += Text(kLeft - 4, kTop + 8, Number(texts.language, highest, 1) + " %", "end");
  svg += "<line x1=\"" + Fixed(kLeft) + "\" y1=\"" + Fixed(kTop + kHeight) + "\" x2=\"" +
         Fixed(kLeft + kColumn * stats::kClasses) + "\" y2=\"" + Fixed(kTop + kHeight) + "\" stroke=\"#555\"/>";
  for (int c = 0; c < stats::kClasses; ++c) {
    const double x = kLeft + kColumn * c + 4;
    double top = kTop + kHeight;
    for (int q = 0; q < stats::kQualities; ++q) {
      const double share = group.ClassShare(q, c);
      const double h = share * scale;
      top -= h;
      if (h <= 0) continue;
      // Appended piece by piece: GCC 12 misreads a chain of + here (-Wrestrict).
      std::string title = "C";
      title += std::to_string(c + 1);
      title += ' ';
      title += texts.shares[static_cast<std::size_t>(q)];
      title += ' ';
      title += Number(texts.language, share, 2);
      title += " %";
      svg += Rect(x, top, kColumn - 8, h, kColours[static_cast<std::size_t>(q)], title);
    }
    svg += Text(x + (kColumn - 8) / 2, kTop + kHeight + 14, std::to_string(c + 1), "middle");
  }
  return svg + Legend(texts, kTop + kHeight + 26) + "</svg>\n";
}

}  // namespace kv7::web
