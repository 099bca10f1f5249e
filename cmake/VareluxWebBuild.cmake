# cmake -DPROGRAM=<folder>/<name> -DVERSION=<version> -DTEMPLATES=<a.in;b.in> -P VareluxWebBuild.cmake
# Names a build of a program for the browser by its files, the .wasm, the .js and Qt's loader
# beside them: the first 12 hex digits of a SHA-256 over theirs. Writes each template without its
# .in, with @PAGE_BUILD@ that name and @PAGE_CACHE@ the service worker's cache, <name>-<version>-
# <build>.
get_filename_component(folder ${PROGRAM} DIRECTORY)
get_filename_component(name ${PROGRAM} NAME)
set(hashes "")
foreach(file ${PROGRAM}.wasm ${PROGRAM}.js ${folder}/qtloader.js)
    file(SHA256 ${file} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 build "${hashes}")
string(SUBSTRING ${build} 0 12 PAGE_BUILD)
set(PAGE_CACHE ${name}-${VERSION}-${PAGE_BUILD})
foreach(template ${TEMPLATES})
    string(REGEX REPLACE "\\.in$" "" written ${template})
    configure_file(${template} ${written} @ONLY)
endforeach()
