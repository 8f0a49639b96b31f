"use strict";
// A learning platform as a SCORM 1.2 package meets one: the run-time (scorm-again) as this
// window's API, the launch page that the package's manifest names in a frame, served from a deep
// path as Moodle serves a package, and a record kept across launches in the tab's session storage,
// as a platform keeps it in its database. With ?refuse=commit, or ?refuse= an element, every commit
// or every write of that element fails, as a platform's does when it cannot reach its server,
// until `refused` is cleared.
const options = new URLSearchParams(location.search);
const content = "pluginfile.php/27/mod_scorm/content/3/";
const stored = JSON.parse(sessionStorage.getItem("record") || "{}");
// The launch's data: what the last launch stored, but for what only the package may write.
const launch = {...stored};
delete launch["cmi.core.exit"];
delete launch["cmi.core.session_time"];
launch["cmi.core.entry"] = stored["cmi.core.exit"] === "suspend" ? "resume" : "";
window.API = new Scorm12API({logLevel: 5});
API.loadFromFlattenedJSON(launch);

// Every call of every launch with its arguments and answer, in order; what was set is stored
// when committed.
window.calls = JSON.parse(sessionStorage.getItem("calls") || "[]");
window.refused = options.get("refuse");
let unstored = {};
const store = () => {
  Object.assign(stored, unstored);
  unstored = {};
  sessionStorage.setItem("record", JSON.stringify(stored));
};
for (const name of ["LMSInitialize", "LMSGetValue", "LMSSetValue", "LMSCommit", "LMSFinish",
                    "LMSGetLastError"]) {
  const call = API[name].bind(API);
  API[name] = (...args) => {
    let answer;
    if ((name === "LMSCommit" && refused === "commit") ||
        (name === "LMSSetValue" && refused === args[0])) {
      API.throwSCORMError(101);
      answer = "false";
    } else {
      answer = call(...args);
    }
    if (name === "LMSSetValue" && answer === "true") unstored[args[0]] = args[1];
    if ((name === "LMSCommit" || name === "LMSFinish") && answer === "true") store();
    calls.push([name, ...args, answer]);
    sessionStorage.setItem("calls", JSON.stringify(calls));
    return answer;
  };
}

// The launch page, as the manifest names it.
fetch(content + "imsmanifest.xml").then((answer) => answer.text()).then((text) => {
  const manifest = new DOMParser().parseFromString(text, "application/xml");
  const sco = [...manifest.getElementsByTagName("resource")].find(
      (resource) => resource.getAttribute("adlcp:scormtype") === "sco");
  const frame = document.querySelector("iframe");
  frame.addEventListener("load", () => frame.contentWindow.focus());
  frame.src = content + sco.getAttribute("href");
});
