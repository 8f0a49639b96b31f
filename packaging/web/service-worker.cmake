# Writes the service worker into the page's folder DIST from TEMPLATE: the files it keeps, FILES
# (names separated by commas), and a version named after their content.
string(REPLACE "," ";" FILES "${FILES}")
set(digests "")
set(quoted "\"./\"")
foreach(file IN LISTS FILES)
  file(SHA256 "${DIST}/${file}" digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND quoted ", \"${file}\"")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 TARVINEL_WEB_VERSION)
set(TARVINEL_WEB_FILES "${quoted}")
configure_file("${TEMPLATE}" "${DIST}/service-worker.js" @ONLY)
