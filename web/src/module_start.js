// The module is loaded without holding up the page; its main() binds the page's controls, so if
// the module is ready before the whole page has been read, it waits for the rest.
Module["preRun"] = [function() {
  if (document.readyState !== "loading") return;
  addRunDependency("page");
  document.addEventListener("DOMContentLoaded", function() { removeRunDependency("page"); });
}];

// The module's WebAssembly rides in this script as base64. The browser's own decoder reads it at
// once; the generic one, kept for browsers without it, loops over every byte in code that has not
// been compiled yet.
Module["instantiateWasm"] = function(imports, receive) {
  var bytes = Uint8Array.fromBase64
                  ? Uint8Array.fromBase64(wasmBinaryFile.slice(wasmBinaryFile.indexOf(",") + 1))
                  : tryParseAsDataURI(wasmBinaryFile);
  var module = new WebAssembly.Module(bytes);
  var instance = new WebAssembly.Instance(module, imports);
  receive(instance, module);
  return instance.exports;
};

// main() returns once the page is bound, and the page lives on: its return ends nothing, so it
// need not unwind the script with an exception either.
Module["quit"] = function() {};

// A text of the page handed to the module: a copy in UTF-8, in memory the module frees.
function tarvinelCopy(text) {
  var size = lengthBytesUTF8(text) + 1;
  var copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
}
