# Bitmaps rendered from the SVG originals while building, so that the SVG stays the one
# source of every picture and icon: the window icon's sizes, the icon theme's, the
# Windows .ico's, and on Windows, which has no Qt SVG, the pictures themselves.
#
# The renderer is zarvo_icon_render (packaging/IconRender.cpp). A Linux build builds it
# in its own tree (packaging/CMakeLists.txt); a Windows cross build cannot run what it
# builds, so it takes the renderer of a build for the build machine.
if(WIN32)
  set(ZARVO_HOST_ICON_RENDER "" CACHE FILEPATH "zarvo_icon_render built for the build machine")
  if(NOT EXISTS "${ZARVO_HOST_ICON_RENDER}")
    message(FATAL_ERROR "ZARVO_HOST_ICON_RENDER must name the icon renderer of a build for this machine")
  endif()
endif()

# zarvo_render_svg(<variable> <svg> <png> <size>...)
# Adds the rules that render <svg> as a square PNG of each size, where "<size>" in the
# path <png> stands for the size, and sets <variable> to the PNGs' paths.
function(zarvo_render_svg variable svg png_pattern)
  if(WIN32)
    set(render "${ZARVO_HOST_ICON_RENDER}")
  else()
    set(render zarvo_icon_render)  # a target: the rules also wait for it to be built
  endif()
  get_filename_component(name "${svg}" NAME)
  set(pngs)
  foreach(size IN LISTS ARGN)
    string(REPLACE "<size>" "${size}" png "${png_pattern}")
    get_filename_component(folder "${png}" DIRECTORY)
    add_custom_command(OUTPUT "${png}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
      COMMAND ${render} "${svg}" "${png}" ${size}
      DEPENDS ${render} "${svg}"
      COMMENT "Rendering ${name} at ${size} pixels"
      VERBATIM)
    list(APPEND pngs "${png}")
  endforeach()
  set(${variable} "${pngs}" PARENT_SCOPE)
endfunction()
