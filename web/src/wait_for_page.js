// The module is loaded without holding up the page; its main() binds the page's controls, so if
// the module is ready before the whole page has been read, it waits for the rest.
Module["preRun"] = [function() {
  if (document.readyState !== "loading") return;
  addRunDependency("page");
  document.addEventListener("DOMContentLoaded", function() { removeRunDependency("page"); });
}];
