# Warnings for the project's own targets; errors when LULLWICK_WERROR is on (CI).
function(lullwick_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${LULLWICK_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Wold-style-cast -Wcast-align -Woverloaded-virtual
                                             $<$<BOOL:${LULLWICK_WERROR}>:-Werror>)
  endif()
endfunction()
