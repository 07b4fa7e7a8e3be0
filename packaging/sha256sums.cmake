# Run by CPack once the zips are made (in its staging folder, before they are copied to the
# package directory): writes SHA256SUMS into the package directory, one line per zip in the
# format that `sha256sum -c` reads there.
set(_sums "")
list(SORT CPACK_PACKAGE_FILES)
foreach(_file IN LISTS CPACK_PACKAGE_FILES)
    file(SHA256 ${_file} _hash)
    get_filename_component(_name ${_file} NAME)
    string(APPEND _sums "${_hash}  ${_name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${_sums}")
