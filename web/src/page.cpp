#include "tarvinel/web_page.hpp"

#include <cstdio>

#include "tarvinel/catalogue.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/self_check.hpp"

namespace tarvinel::web {
namespace {

constexpr int kTwipsPerPixel = design::kTwipsPerInch / 96;

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Css(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.r, colour.g, colour.b);
  return text;
}

// A control's place, size and designed colours, as one rule for its id.
std::string Placed(const std::string& id, design::Twips place, Rgb background) {
  return "#" + id + "{left:" + std::to_string(place.left / kTwipsPerPixel) +
         "px;top:" + std::to_string(place.top / kTwipsPerPixel) +
         "px;width:" + std::to_string(place.width / kTwipsPerPixel) +
         "px;height:" + std::to_string(place.height / kTwipsPerPixel) +
         "px;background:" + Css(background) + ";color:" + Css(design::TextColourFor(background)) +
         "}\n";
}

// A grid arrangement's own rules.
std::string GridRules(const design::touch::Grid& grid) {
  std::string areas;
  for (const char* row : grid.areas) {
    if (row) areas += std::string(areas.empty() ? "" : " ") + "\"" + row + "\"";
  }
  return "#" + std::string(kRootId) + "{grid-template-columns:" + grid.columns +
         ";grid-template-rows:" + grid.rows + ";grid-template-areas:" + areas + "}\n";
}

// The window laid out for a finger, where the rule of the design picks it: a coarse pointer, or
// a view narrower than the designed window; upright, a column, else a row. The same controls,
// only placed and sized anew.
std::string TouchStyle() {
  using namespace design::touch;
  const std::string px = "px";
  const std::string gap = std::to_string(kGap) + px;
  const std::string target = std::to_string(kTarget) + px;
  const std::string narrow = "(max-width:" + std::to_string(kDesignedWidth - 1) + "px)";
  const std::string touch = "(pointer:coarse)";
  char boxHeight[64];
  // The longest report's lines, and the empty line that its last line end opens; the box's
  // padding and border.
  std::snprintf(boxHeight, sizeof boxHeight, "%.1fpx",
                (kBoxLines + 1) * kLineHeight * kBoxTextSize + 2 * 1 + 2 * 1);
  const std::string root = "#" + std::string(kRootId);
  std::string style =
      "@media " + touch + "," + narrow + "{\n" + root +
      "{display:grid;width:auto;height:100vh;height:100dvh;overflow:visible;box-sizing:border-box;"
      "gap:" +
      gap + ";padding:" + gap + "}\n" + root +
      ">:not(.announcer):not(ol){position:relative;left:auto;top:auto;width:auto;height:auto}\n"
      "#Label1_0{grid-area:title;padding:4px " +
      gap +
      "}\n"
      "#Label1_1{grid-area:label;padding:4px " +
      gap + "}\n#" + kFrameId +
      "{grid-area:eras;align-self:start;display:grid;grid-auto-rows:" + target +
      ";padding:22px 6px 6px}\n#" + kFrameId +
      ">.era{position:relative;left:auto;top:auto;width:auto;height:" + target + "}\n#" + kFrameId +
      ">.era::before{top:calc(50% - 6.5px)}\n#" + kFrameId +
      ">.era span{position:relative;left:auto;padding:0 " + gap + " 0 22px}\n#" + kListId +
      // Below the last row, as in the designed list, a strip that focuses the list and picks
      // nothing.
      "{grid-area:list;padding-bottom:" + gap + "}\n#" + kListId + " .row{height:" + target +
      ";line-height:" + target + ";padding:0 " + gap + "}\n#" + kOutputId +
      "{grid-area:box;font-size:" + std::to_string(kBoxTextSize) +
      "px;line-height:" + std::to_string(kLineHeight) + ";min-height:" + boxHeight +
      ";align-self:stretch}\n#" + kLinkId +
      "{grid-area:link;display:flex;align-items:center;min-width:" + target +
      ";min-height:" + target + ";padding:0 " + gap + "}\n}\n";
  const auto arrangement = [&](const char* orientation, const Grid& grid, const std::string& more) {
    const std::string when = std::string(" and (orientation:") + orientation + ")";
    return "@media " + touch + when + "," + narrow + when + "{\n" + GridRules(grid) + more + "}\n";
  };
  // Upright, the box is as tall as the longest report, and the list takes what height is left.
  style += arrangement("portrait", kColumnGrid,
                       "#" + std::string(kOutputId) + "{height:" + boxHeight + "}\n");
  style += arrangement("landscape", kRowGrid, "");
  return style;
}

std::string Label(const char* tag, const char* id, const char* text) {
  return std::string("<") + tag + " id=\"" + id + "\" class=\"label\">" + Escaped(text) + "</" +
         tag + ">\n";
}

}  // namespace

std::string EraId(int era) { return "Option1_" + std::to_string(era); }
std::string RowId(int row) { return std::string(kListId) + "-" + std::to_string(row); }

std::string ContentSecurityPolicy() {
  return "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
         "img-src 'self'; font-src 'self'; connect-src 'self'; "
         "worker-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'";
}

std::string PageFile(design::Purpose purpose) {
  return purpose == design::Purpose::SelfCheck ? "self-check.html" : "index.html";
}

std::string PageMarkup(PageKind kind, design::Purpose purpose) {
  const bool selfCheck = purpose == design::Purpose::SelfCheck;
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"" +
      ContentSecurityPolicy() + "\">\n<title>" + Escaped(design::WindowCaption(purpose)) +
      "</title>\n<meta name=\"theme-color\" content=\"" +
      Css(design::BackgroundOf(design::Control::Window)) +
      "\">\n<link rel=\"icon\" href=\"tarvinel-32.png\" sizes=\"32x32\" type=\"image/png\">\n"
      "<link rel=\"stylesheet\" href=\"tarvinel.css\">\n";
  const bool packaged = kind == PageKind::Package;
  if (kind != PageKind::Floor) {
    page += "<script src=\"tarvinel.js\" async></script>\n";
  }
  page += "</head>\n<body>\n<main id=\"" + std::string(kRootId) + "\"" +
          (selfCheck ? " data-purpose=\"self-check\"" : "") +
          (packaged ? " " + std::string(kPackageAttribute) + "=\"" + kScorm12Package + "\"" : "") +
          ">\n";
  // The title is the page's heading, for a screen reader to jump to.
  page += Label("h1", "Label1_0", design::TitleLabelText(purpose));

  page += "<div id=\"" + std::string(kFrameId) +
          "\" role=\"radiogroup\" aria-labelledby=\"Frame1_caption\">"
          "<span id=\"Frame1_caption\" class=\"caption\">" +
          Escaped(design::kEraFrameTitle) + "</span>\n";
  for (int era = 0; era < kEraCount; ++era) {
    page += "<div id=\"" + EraId(era) +
            "\" class=\"era\" role=\"radio\" aria-checked=\"false\" tabindex=\"0\" title=\"" +
            Escaped(design::EraAge(era)) + "\"><span>" +
            Escaped(kEras[static_cast<std::size_t>(era)].caption) + "</span></div>\n";
  }
  page += "</div>\n";

  page += Label("div", "Label1_1", design::kPeriodLabelText);
  page += "<div id=\"" + std::string(kListId) + "\" role=\"listbox\" aria-label=\"" +
          Escaped(design::kPeriodLabelText) + "\" tabindex=\"0\">\n";
  for (int row = 0; row < kPeriodCount; ++row) {
    page += "<div id=\"" + RowId(row) +
            "\" class=\"row\" role=\"option\" aria-selected=\"false\" title=\"" +
            Escaped(design::PeriodAge(row)) + "\">" +
            Escaped(kPeriods[static_cast<std::size_t>(row)].name) + "</div>\n";
  }
  page += "</div>\n<ol id=\"" + std::string(kEraNumbersId) + "\" hidden>";
  for (const Period& period : kPeriods) page += "<li>" + Escaped(period.eraNumberText) + "</li>";
  page += "</ol>\n";

  // The box holds the statement, or a round's opening, from the first paint, with the focus in it.
  page += "<textarea id=\"" + std::string(kOutputId) + "\" aria-label=\"" +
          Escaped(design::kOutputBoxName) + "\" readonly autofocus spellcheck=\"false\">" +
          Escaped(selfCheck ? kSelfCheckOpening : design::kExerciseStatement) + "</textarea>\n";
  // A platform serves a package's files by name, never a folder's index page.
  std::string target = PageFile(design::Purpose::SelfCheck);
  if (selfCheck) target = packaged ? PageFile(design::Purpose::Reference) : "./";
  if (selfCheck && packaged) target += "\" target=\"_blank\" rel=\"noopener";
  page += "<a id=\"" + std::string(kLinkId) + "\" href=\"" + target + "\">" +
          Escaped(design::PageLinkText(purpose)) + "</a>\n";
  // Reports are announced through two polite regions in turn, so that a report written again,
  // identical to the last, is announced again.
  page +=
      "<div id=\"Announce_0\" class=\"announcer\" role=\"status\"></div>"
      "<div id=\"Announce_1\" class=\"announcer\" role=\"status\"></div>\n";
  page += "</main>\n</body>\n</html>\n";
  return page;
}

std::string PageStyle() {
  const Rgb window = design::BackgroundOf(design::Control::Window);
  const int eraHeight = design::EraButton(0).height / kTwipsPerPixel;
  // The list scrolls by whole rows, as a list box does: scrolled to the end, its last row stands
  // where a row would, and what is left of the height stays empty below it.
  const int listSlack = (design::kPeriodList.height / kTwipsPerPixel - 2) % kRowHeight;
  std::string style =
      "@font-face{font-family:\"Tarvinel Serif\";font-style:normal;font-weight:" +
      std::to_string(design::kFontWeight) + ";font-display:swap;src:local(\"" +
      design::kFontFamily +
      "\"),local(\"TimesNewRomanPSMT\"),"
      "url(liberation-serif.woff2) format(\"woff2\")}\n"
      "html,body{margin:0;background:" +
      Css(window) +
      "}\n"
      "#" +
      kRootId + "{position:relative;margin:0 auto;font:" + std::to_string(design::kFontWeight) +
      " " + std::to_string(design::kFontPointSize) +
      "pt/1.2 \"Tarvinel Serif\",serif;-webkit-tap-highlight-color:transparent}\n"
      "#" +
      kRootId +
      " *{position:absolute;box-sizing:border-box;margin:0}\n"
      ".label{text-align:center;display:flex;align-items:center;justify-content:center;"
      "font:inherit}\n"
      ".caption{left:8px;top:0;padding:0 2px;line-height:20px;background:inherit}\n"
      "#" +
      kFrameId +
      "::before{content:\"\";position:absolute;inset:10px 2px 2px;border:1px solid #808080;"
      "box-shadow:1px 1px #fff}\n"
      ".era{cursor:default;user-select:none;outline:none}\n"
      ".era::before{content:\"\";position:absolute;left:1px;top:" +
      std::to_string((eraHeight - 13) / 2) +
      "px;width:13px;height:13px;box-sizing:border-box;border-radius:50%;"
      "border:1px solid #404040;background:#fff}\n"
      ".era[aria-checked=\"true\"]::before{background:radial-gradient(circle,#000 0 2.5px,#fff "
      "3px)}\n"
      ".era span{left:18px;top:0;height:100%;display:flex;align-items:center;padding:0 1px;"
      "white-space:nowrap}\n"
      ".era:focus span{outline:1px dotted currentColor}\n"
      "#" +
      std::string(kListId) +
      "{overflow-x:hidden;overflow-y:auto;border:1px solid #808080;outline:none;"
      "user-select:none;padding-bottom:" +
      std::to_string(listSlack) +
      "px}\n"
      ".row{position:static!important;height:" +
      std::to_string(kRowHeight) + "px;line-height:" + std::to_string(kRowHeight) +
      "px;padding:0 3px;white-space:nowrap;cursor:default}\n"
      ".row[aria-selected=\"true\"]{background:#000080;color:#fff}\n"
      "#" +
      std::string(kListId) +
      ":focus .row.caret{outline:1px dotted currentColor;outline-offset:-1px}\n"
      "#" +
      std::string(kOutputId) +
      "{resize:none;overflow-x:hidden;overflow-y:scroll;font:inherit;padding:1px 3px;"
      "border:1px solid #808080;outline:none;white-space:pre-wrap}\n"
      "#" +
      std::string(kLinkId) + "{left:0;top:calc(100% + " + std::to_string(design::kPageLinkGap) +
      "px);white-space:nowrap}\n"
      ".announcer{width:1px;height:1px;overflow:hidden;clip-path:inset(50%);"
      "white-space:pre-wrap}\n";
  style += Placed(kRootId, design::kClientArea, window);
  style +=
      Placed("Label1_0", design::kTitleLabel, design::BackgroundOf(design::Control::TitleLabel));
  style += Placed(kFrameId, design::kEraFrame, design::BackgroundOf(design::Control::EraFrame));
  for (int era = 0; era < kEraCount; ++era) {
    style += Placed(EraId(era), design::EraButton(era),
                    design::BackgroundOf(design::Control::EraButton, era));
  }
  style +=
      Placed("Label1_1", design::kPeriodLabel, design::BackgroundOf(design::Control::PeriodLabel));
  style += Placed(kListId, design::kPeriodList, design::BackgroundOf(design::Control::PeriodList));
  style += Placed(kOutputId, design::kOutputBox, design::BackgroundOf(design::Control::OutputBox));
  return style + TouchStyle();
}

// The manifest offers the self-check as a shortcut of the installed app.
std::string WebManifest() {
  const std::string background = Css(design::BackgroundOf(design::Control::Window));
  return std::string("{\n  \"name\": \"") + design::kTitleLabelText + "\",\n  \"short_name\": \"" +
         design::kTitleLabelText +
         "\",\n  \"lang\": \"bg\",\n  \"dir\": \"ltr\",\n  \"start_url\": \"./\",\n"
         "  \"scope\": \"./\",\n  \"display\": \"standalone\",\n  \"background_color\": \"" +
         background + "\",\n  \"theme_color\": \"" + background +
         "\",\n  \"icons\": [\n"
         "    {\"src\": \"tarvinel-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
         "    {\"src\": \"tarvinel-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"}\n"
         "  ],\n  \"shortcuts\": [\n    {\"name\": \"" +
         design::kSelfCheckTitle + "\", \"short_name\": \"" + design::kSelfCheckLinkText +
         "\", \"url\": \"" + PageFile(design::Purpose::SelfCheck) + "\"}\n  ]\n}\n";
}

std::string Scorm12Manifest(const std::vector<std::string>& files) {
  const std::string launch = PageFile(design::Purpose::SelfCheck);
  std::string manifest =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<manifest identifier=\"tarvinel\"\n"
      "          xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"\n"
      "          xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\">\n"
      "  <metadata>\n    <schema>ADL SCORM</schema>\n    <schemaversion>1.2</schemaversion>\n"
      "  </metadata>\n"
      "  <organizations default=\"tarvinel-course\">\n"
      "    <organization identifier=\"tarvinel-course\">\n      <title>" +
      Escaped(design::kTitleLabelText) +
      "</title>\n"
      "      <item identifier=\"tarvinel-self-check\" identifierref=\"tarvinel-self-check-page\">\n"
      "        <title>" +
      Escaped(design::kSelfCheckTitle) +
      "</title>\n      </item>\n    </organization>\n  </organizations>\n"
      "  <resources>\n"
      "    <resource identifier=\"tarvinel-self-check-page\" type=\"webcontent\" "
      "adlcp:scormtype=\"sco\" href=\"" +
      launch + "\">\n";
  for (const std::string& file : files)
    manifest += "      <file href=\"" + Escaped(file) + "\"/>\n";
  return manifest + "    </resource>\n  </resources>\n</manifest>\n";
}

}  // namespace tarvinel::web
