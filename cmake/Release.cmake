# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Stripewise developers

# What a release says about itself besides its version: the date, and who
# answers for the package.
set(STRIPEWISE_RELEASE_DATE "2026-12-08")

# The maintainer defaults to the builder's git identity, as the packaging
# tools do, and to user@host without one.
execute_process(COMMAND git config user.name WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE git_name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
execute_process(COMMAND git config user.email WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE git_email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(git_name AND git_email)
  set(default_maintainer "${git_name} <${git_email}>")
else()
  cmake_host_system_information(RESULT host QUERY HOSTNAME)
  set(user "$ENV{USER}")
  if(NOT user)
    set(user root)
  endif()
  set(default_maintainer "${user} <${user}@${host}>")
endif()
set(STRIPEWISE_MAINTAINER "${default_maintainer}" CACHE STRING
    "Maintainer of the Debian package and signer of its changelog, as \"Name <address>\"")

# Release builds are hardened with the flags Debian builds its packages with
# (dpkg-buildflags), and bound immediately at start.
add_compile_options($<$<CONFIG:Release>:-fstack-protector-strong>
                    $<$<CONFIG:Release>:-Wformat> $<$<CONFIG:Release>:-Werror=format-security>)
add_compile_definitions($<$<CONFIG:Release>:_FORTIFY_SOURCE=2>)
add_link_options($<$<CONFIG:Release>:-Wl,-z,relro> $<$<CONFIG:Release>:-Wl,-z,now>)
