#pragma once

#include <string>
#include <vector>

#include "tarvinel/design.hpp"

// The page of the web edition, written out from the window's design when the edition is built:
// the markup with every control, caption, row and the statement already in place, so the window
// is drawn before any script has run, and the style sheet that places and paints them. Positions
// and sizes are the design's twips as CSS pixels at zoom 1 (15 twips to a pixel).
namespace tarvinel::web {

enum class PageKind {
  Program,  // the web edition itself, with the script
  Floor,    // the same controls and statement, with no script: what any page costs to open
  // The web edition inside a learning platform's package, served from the platform's origin: it
  // installs nothing there, keeps the self-check's results in the platform, and opens the
  // reference page in a new tab, so that the round goes on.
  Package,
};

// The page of each window: the designed one, or its self-check.
std::string PageMarkup(PageKind kind, design::Purpose purpose = design::Purpose::Reference);
// Each window's page's file name in the edition's folder.
std::string PageFile(design::Purpose purpose);
std::string PageStyle();
std::string WebManifest();
// The SCORM 1.2 package's manifest: one course, the self-check as its one item, launched from
// the self-check's page, and `files`, every file of the package.
std::string Scorm12Manifest(const std::vector<std::string>& files);

// What the page allows itself to load and run: its own origin only, and the module compiled.
std::string ContentSecurityPolicy();

// The names of the page's elements, shared by the markup and the binding.
std::string EraId(int era);
std::string RowId(int row);
inline constexpr const char* kRootId = "Tarvinel";
inline constexpr const char* kListId = "List1_0";
inline constexpr const char* kEraNumbersId = "List1_1";
inline constexpr const char* kOutputId = "Text1_0";
inline constexpr const char* kFrameId = "Frame1";
inline constexpr const char* kLinkId = "Link1";  // to the other window's page
// The root's attribute that marks a page of a learning platform's package, and its value.
inline constexpr const char* kPackageAttribute = "data-package";
inline constexpr const char* kScorm12Package = "scorm12";

// The files the page links to only once it is bound.
inline constexpr const char* kManifestFile = "tarvinel.webmanifest";
inline constexpr const char* kTouchIconFile = "tarvinel-192.png";
inline constexpr const char* kServiceWorkerFile = "service-worker.js";

// The period list's rows are this many CSS pixels high.
inline constexpr int kRowHeight = 18;

}  // namespace tarvinel::web
