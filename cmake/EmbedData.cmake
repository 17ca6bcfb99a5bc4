# Embeds every data/*.txt file into a target. data/GridStrokeTable.txt becomes
#   #include "embedded/GridStrokeTable.h"
#   std::string_view velorin::embedded::GridStrokeTable();
# The bytes are pulled in by the assembler's .incbin, so a large table costs
# nothing at configure time and the target rebuilds when the file changes.
function(velorin_embed_data_folder target folder)
  file(GLOB data_files CONFIGURE_DEPENDS ${folder}/*.txt)
  set(out_dir ${CMAKE_BINARY_DIR}/embedded)
  file(MAKE_DIRECTORY ${out_dir}/embedded)
  foreach(data_file IN LISTS data_files)
    get_filename_component(name ${data_file} NAME_WE)
    string(MAKE_C_IDENTIFIER "velorin_data_${name}" symbol)
    set(header ${out_dir}/embedded/${name}.h)
    set(source ${out_dir}/${name}.cpp)
    file(CONFIGURE OUTPUT ${header} CONTENT
"#pragma once
#include <string_view>
namespace velorin::embedded {
std::string_view ${name}();
}
")
    file(CONFIGURE OUTPUT ${source} CONTENT
"#include \"embedded/${name}.h\"
extern \"C\" const char ${symbol}_begin[];
extern \"C\" const char ${symbol}_end[];
__asm__(\".section .rodata\\n\"
        \".global ${symbol}_begin\\n\"
        \".global ${symbol}_end\\n\"
        \".balign 16\\n\"
        \"${symbol}_begin:\\n\"
        \".incbin \\\"${data_file}\\\"\\n\"
        \"${symbol}_end:\\n\"
        \".byte 0\\n\"
        \".previous\\n\");
namespace velorin::embedded {
std::string_view ${name}() {
    return {${symbol}_begin, static_cast<std::size_t>(${symbol}_end - ${symbol}_begin)};
}
}
")
    set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS ${data_file})
    target_sources(${target} PRIVATE ${source})
  endforeach()
  target_include_directories(${target} PUBLIC ${out_dir})
endfunction()
