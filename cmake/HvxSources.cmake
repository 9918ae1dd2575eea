# Source collection rules shared by src/ and tests/.
# Files directly in a subsystem folder (and its sub folders) belong to the core layer;
# files below a folder named "gui" belong to the widget layer; "main" folders hold program entry points.
function(hvx_collect out_core out_gui root)
  set(core "")
  set(gui "")
  foreach(sub ${ARGN})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS
      ${root}/${sub}/*.cpp ${root}/${sub}/*.h)
    foreach(f ${files})
      file(RELATIVE_PATH rel ${root} ${f})
      if(rel MATCHES "(^|/)main/")
        continue()
      elseif(rel MATCHES "(^|/)gui/")
        list(APPEND gui ${f})
      else()
        list(APPEND core ${f})
      endif()
    endforeach()
  endforeach()
  set(${out_core} ${core} PARENT_SCOPE)
  set(${out_gui} ${gui} PARENT_SCOPE)
endfunction()

set(HVX_SUBSYSTEMS model base document link devicedata editing output app)
