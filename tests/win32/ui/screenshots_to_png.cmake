# Converts every BMP screenshot in the screenshot folders under FOLDER into a
# PNG beside it with CONVERT.
file(GLOB screenshots ${FOLDER}/screenshots*/*.bmp)
foreach(screenshot ${screenshots})
  get_filename_component(folder ${screenshot} DIRECTORY)
  get_filename_component(stem ${screenshot} NAME_WE)
  execute_process(COMMAND ${CONVERT} ${screenshot} ${folder}/${stem}.png
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not convert ${screenshot}")
  endif()
  message(STATUS "screenshot: ${folder}/${stem}.png")
endforeach()
