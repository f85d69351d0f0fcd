# SPDX-FileCopyrightText: 2026 The KORVANE developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Google's libphonenumber (Debian: libphonenumber-dev), which ships neither a
# pkg-config file nor a CMake package. Defines PhoneNumber::PhoneNumber.
find_path(PhoneNumber_INCLUDE_DIR phonenumbers/phonenumberutil.h)
find_library(PhoneNumber_LIBRARY phonenumber)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(PhoneNumber REQUIRED_VARS PhoneNumber_LIBRARY PhoneNumber_INCLUDE_DIR)

if(PhoneNumber_FOUND AND NOT TARGET PhoneNumber::PhoneNumber)
    add_library(PhoneNumber::PhoneNumber UNKNOWN IMPORTED)
    set_target_properties(PhoneNumber::PhoneNumber PROPERTIES
        IMPORTED_LOCATION "${PhoneNumber_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${PhoneNumber_INCLUDE_DIR}")
endif()
mark_as_advanced(PhoneNumber_INCLUDE_DIR PhoneNumber_LIBRARY)
