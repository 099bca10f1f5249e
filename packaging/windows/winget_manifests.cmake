# cmake -D MANIFESTS=<dir> -D INSTALLER=<setup.exe> -D ZIP=<zip> -D OUTPUT=<dir>
#       -P winget_manifests.cmake
# Writes winget's manifests for the Windows packages once CPack has made them: each manifest in
# MANIFESTS, filled in from the identity when the build was configured, gets the SHA-256 of the
# installer and of the zip for ${installer_sha256} and ${zip_sha256}, and goes into OUTPUT.
foreach(package INSTALLER ZIP)
    if(NOT EXISTS "${${package}}")
        message(FATAL_ERROR "winget: ${${package}} is missing (cpack --preset windows makes it)")
    endif()
    string(TOLOWER ${package} name)
    file(SHA256 "${${package}}" ${name}_sha256)
    string(TOUPPER ${${name}_sha256} ${name}_sha256)
endforeach()

file(REMOVE_RECURSE "${OUTPUT}")
file(GLOB manifests "${MANIFESTS}/*.yaml")
foreach(manifest ${manifests})
    file(READ "${manifest}" text)
    string(CONFIGURE "${text}" text)
    get_filename_component(name "${manifest}" NAME)
    file(WRITE "${OUTPUT}/${name}" "${text}")
endforeach()
